// SPDX-License-Identifier: GPL-3.0-or-later
// An answer cell of the grid.
#include "widgets/cella.h"

#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"
#include "widgets/disegno.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

Cella::Cella(QWidget *parent) : Riquadro(QColor(0x70, 0x70, 0x70), parent)
{
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(false);
    // Digits need no input method, and a composed commit would bypass the checks below.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    disegno::impostaRuolo(this, QPalette::Text, Qt::black);
    impostaSfondo(aspetto::Bianco);
}

void Cella::impostaSfondo(quint32 bbggrr)
{
    const bool prima = esclusa();
    m_sfondo = bbggrr;
    // Green is seen at once; a screen reader says it with the cell.
    if (esclusa() != prima)
        //: Told after a cell of a table left out of the game.
        accessibilita::impostaDescrizione(this, esclusa() ? tr("esclusa") : QString());
    disegno::impostaRuolo(this, QPalette::Base, aspetto::colore(bbggrr));
}

bool Cella::esclusa() const
{
    return m_sfondo == aspetto::ColoreEscluso;
}

void Cella::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Q_EMIT invio();
        e->accept();
        return;
    }
    // A pasted number would fill a cell without an answer being checked: never take one.
    if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Undo) ||
        e->matches(QKeySequence::Redo)) {
        e->accept();
        return;
    }
    const bool modifica = !e->text().isEmpty() || e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete;
    const bool navigazione = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
    if (modifica && !navigazione && !puoScrivere()) {
        e->accept();
        return;
    }
    Riquadro::keyPressEvent(e);
}

void Cella::mousePressEvent(QMouseEvent *e)
{
    // The middle button pastes the selection on X11.
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    Riquadro::mousePressEvent(e);
}

void Cella::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    Riquadro::mouseReleaseEvent(e);
}

void Cella::inputMethodEvent(QInputMethodEvent *e)
{
    e->accept();
}
