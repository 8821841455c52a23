// SPDX-License-Identifier: GPL-3.0-or-later
// A label on a transparent background whose text colour is a 0x00BBGGRR value.
#pragma once

#include <QLabel>

class Etichetta : public QLabel
{
    Q_OBJECT
public:
    explicit Etichetta(const QString &testo, QWidget *parent = nullptr);
    void impostaColore(quint32 bbggrr);
    quint32 colore() const { return m_colore; }

Q_SIGNALS:
    /// A mouse button went down on the label: once for every press, double clicks included.
    void premuto(Qt::MouseButton tasto);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    quint32 m_colore = 0;
};
