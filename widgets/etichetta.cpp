// SPDX-License-Identifier: GPL-3.0-or-later
// A label on a transparent background whose text colour is a 0x00BBGGRR value.
#include "widgets/etichetta.h"

#include "widgets/aspetto.h"
#include "widgets/disegno.h"

#include <QMouseEvent>

Etichetta::Etichetta(const QString &testo, QWidget *parent) : QLabel(testo, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText); // a typed name is shown as typed, never read as markup
}

void Etichetta::impostaColore(quint32 bbggrr)
{
    m_colore = bbggrr;
    disegno::impostaRuolo(this, QPalette::WindowText, aspetto::colore(bbggrr));
}

void Etichetta::mousePressEvent(QMouseEvent *e)
{
    Q_EMIT premuto(e->button());
    QLabel::mousePressEvent(e);
}

void Etichetta::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click has already come as a press of its own.
    e->accept();
}
