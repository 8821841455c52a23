// SPDX-License-Identifier: GPL-3.0-or-later
// A flat single-line box with a thin border: the base of the answer cells and the counters.
#pragma once

#include <QLineEdit>

class Riquadro : public QLineEdit
{
    Q_OBJECT
public:
    Riquadro(const QColor &bordo, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    QColor m_bordo;
};
