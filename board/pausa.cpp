// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing, resuming and stopping a game.
#include "board/aspetto.h"
#include "board/frmnumerella.h"

using namespace aspetto;

void FrmNumerella::CmdPausa_Click()
{
    suona(102);
    CmdPausa->hide();
    CmdPausa->setEnabled(false);
    cmdRiprendi->setEnabled(true);
    cmdRiprendi->show();
    m_stato.InCorso = false;
    cmdAvvio->hide();
    Frame1->setEnabled(false);
    abilita(Timer1, false);
    abilita(TmrTimer, false);
    const int k = m_stato.cella();
    txtRisultato[k]->clear();
    txtRisultato[k]->impostaSfondo(Bianco);
    Label1[m_stato.Colonna.at(k) - 1]->impostaColore(GialloChiaro);
    Label2[m_stato.Riga.at(k) - 1]->impostaColore(GialloChiaro);
}

void FrmNumerella::cmdRiprendi_Click()
{
    suona(102);
    CmdPausa->setEnabled(true);
    CmdPausa->show();
    cmdRiprendi->setEnabled(false);
    cmdRiprendi->hide();
    m_stato.InCorso = true;
    Frame1->setEnabled(true);
    abilita(Timer1, true);
    abilita(TmrTimer, true);
    if (!SceltaDomanda()) finisci(); // nothing left to ask: the game is complete
}

void FrmNumerella::cmdStop_Click()
{
    for (Cella *c : txtRisultato) {
        c->clear();
        if (!c->esclusa()) c->impostaSfondo(ColoreSistema);
    }
    intestazioni(true);
    for (Etichetta *e : Label2)
        e->impostaColore(GialloChiaro);
    m_stato.Secondi = 0;
    m_stato.Minuti = 0;
    TxtSec->setText(QString::number(m_stato.Secondi));
    TxtMin->setText(QString::number(m_stato.Minuti));
    m_stato.NumErrori = 0;
    txtErrori->setText(QString::number(m_stato.NumErrori));
    abilita(Timer1, true);
    abilita(TmrTimer, false);
    cmdAvvio->show();
    cmdStop->hide();
    CmdPausa->show();
    CmdPausa->setEnabled(false);
    cmdRiprendi->hide();
    cmdRiprendi->setEnabled(false);
    Frame1->setEnabled(false);
    m_stato.ModoLampeggio = 0;
}
