// SPDX-License-Identifier: GPL-3.0-or-later
// A flat single-line box with a thin border: the base of the answer cells and the counters.
#pragma once

#include <QLineEdit>

class Riquadro : public QLineEdit
{
    Q_OBJECT
public:
    Riquadro(const QColor &bordo, QWidget *parent = nullptr);
    /// Empties the box and forgets what was typed in it (unlike clear(), whose undo history would
    /// grow game after game).
    void svuota() { setText(QString()); }

protected:
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    QColor m_bordo;
};
