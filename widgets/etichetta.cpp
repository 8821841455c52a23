// SPDX-License-Identifier: GPL-3.0-or-later
// A label on a transparent background whose text colour is a 0x00BBGGRR value.
#include "widgets/etichetta.h"

#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"
#include "widgets/disegno.h"

#include <QAccessible>
#include <QMouseEvent>

Etichetta::Etichetta(const QString &testo, QWidget *parent) : QLabel(testo, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText); // a typed name is shown as typed, never read as markup
    accessibilita::installa();
}

void Etichetta::impostaColore(quint32 bbggrr)
{
    m_colore = bbggrr;
    const bool primaVelata = accessibilita::mimetizzata(this);
    disegno::impostaRuolo(this, QPalette::WindowText, aspetto::colore(bbggrr));
    // In the background colour the label is unseen: tell assistive technology when that flips.
    if (accessibilita::mimetizzata(this) != primaVelata) {
        QAccessible::State cambiato;
        cambiato.invisible = true;
        QAccessibleStateChangeEvent evento(this, cambiato);
        QAccessible::updateAccessibility(&evento);
    }
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
