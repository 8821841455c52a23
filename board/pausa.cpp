// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing and resuming a game.
#include "board/frmnumerella.h"
#include "board/interruttori.h"
#include "widgets/aspetto.h"

using namespace aspetto;

void FrmNumerella::CmdPausa_Click()
{
    suona(Clip::Tasto);
    // Resume shows first, so that the focus on Pause can pass straight to it.
    cmdRiprendi->setEnabled(true);
    cmdRiprendi->show();
    const bool detto = passaFuoco(CmdPausa, cmdRiprendi,
                                  //: Told when the game is paused.
                                  tr("Pausa."));
    CmdPausa->hide();
    CmdPausa->setEnabled(false);
    m_stato.InCorso = false;
    cmdAvvio->hide();
    Frame1->setEnabled(false);
    spegni(Timer1);
    spegni(TmrTimer);
    const int k = m_stato.cella();
    txtRisultato[k]->svuota();
    txtRisultato[k]->impostaSfondo(Bianco);
    Label1[m_stato.Colonna.at(k) - 1]->impostaColore(GialloChiaro);
    Label2[m_stato.Riga.at(k) - 1]->impostaColore(GialloChiaro);
    if (!detto) annuncia(tr("Pausa. Ctrl+P per riprendere."));
    Q_EMIT partitaSospesa();
}

void FrmNumerella::cmdRiprendi_Click()
{
    suona(Clip::Tasto);
    CmdPausa->setEnabled(true);
    CmdPausa->show();
    m_stato.InCorso = true;
    Frame1->setEnabled(true);
    accendi(Timer1);
    accendi(TmrTimer);
    //: Told when the paused game resumes, before the question.
    m_premessa = tr("Si riprende.") + QLatin1Char(' ');
    Q_EMIT partitaRipresa();
    // With the mouse, Pause takes the focus in Resume's place; from the keyboard the question takes it
    // straight away, Resume hiding only afterwards so that nothing else gets it in between.
    if (m_ingresso->ultimo() != Ingresso::Tastiera && cmdRiprendi->hasFocus())
        CmdPausa->setFocus(Qt::OtherFocusReason);
    const bool trovata = SceltaDomanda();
    cmdRiprendi->setEnabled(false);
    cmdRiprendi->hide();
    if (!trovata) finisci(); // nothing left to ask: the game is complete
}
