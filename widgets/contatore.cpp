// SPDX-License-Identifier: GPL-3.0-or-later
// A flat read-only counter box.
#include "widgets/contatore.h"

#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"
#include "widgets/disegno.h"

#include <QInputMethodEvent>
#include <QMouseEvent>

Contatore::Contatore(Qt::Alignment allineamento, QWidget *parent) : Riquadro(Qt::black, parent)
{
    setReadOnly(true);
    accessibilita::installa();
    setAlignment(allineamento | Qt::AlignVCenter);
    setFocusPolicy(Qt::ClickFocus);
    setFont(aspetto::fontArial(15.75));
    disegno::impostaRuolo(this, QPalette::Text, aspetto::colore(aspetto::Rosso));
    disegno::impostaRuolo(this, QPalette::Base, aspetto::colore(aspetto::GialloChiaro));
}

void Contatore::mouseReleaseEvent(QMouseEvent *e)
{
    Riquadro::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint())) Q_EMIT cliccato();
}

void Contatore::inputMethodEvent(QInputMethodEvent *e)
{
    // Read-only stops keys, pastes and drops but not a commit that reaches the box while it has the focus.
    e->accept();
}
