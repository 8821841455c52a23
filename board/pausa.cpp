// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing and resuming a game.
#include "board/frmnumerella.h"
#include "board/interruttori.h"
#include "widgets/aspetto.h"

using namespace aspetto;

void FrmNumerella::CmdPausa_Click()
{
    suona(Clip::Tasto);
    CmdPausa->hide();
    CmdPausa->setEnabled(false);
    cmdRiprendi->setEnabled(true);
    cmdRiprendi->show();
    m_stato.InCorso = false;
    cmdAvvio->hide();
    Frame1->setEnabled(false);
    spegni(Timer1);
    spegni(TmrTimer);
    const int k = m_stato.cella();
    txtRisultato[k]->clear();
    txtRisultato[k]->impostaSfondo(Bianco);
    Label1[m_stato.Colonna.at(k) - 1]->impostaColore(GialloChiaro);
    Label2[m_stato.Riga.at(k) - 1]->impostaColore(GialloChiaro);
    annuncia(QStringLiteral("Pausa"));
    Q_EMIT partitaSospesa();
}

void FrmNumerella::cmdRiprendi_Click()
{
    suona(Clip::Tasto);
    CmdPausa->setEnabled(true);
    CmdPausa->show();
    cmdRiprendi->setEnabled(false);
    cmdRiprendi->hide();
    m_stato.InCorso = true;
    Frame1->setEnabled(true);
    accendi(Timer1);
    accendi(TmrTimer);
    m_premessa = QStringLiteral("Si riprende. ");
    Q_EMIT partitaRipresa();
    if (!SceltaDomanda()) finisci(); // nothing left to ask: the game is complete
}
