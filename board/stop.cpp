// SPDX-License-Identifier: GPL-3.0-or-later
// Stopping a game: the board goes back between games, its answers gone.
#include "board/frmnumerella.h"
#include "board/interruttori.h"

void FrmNumerella::cmdStop_Click()
{
    if (momento() == Momento::InCorso || momento() == Momento::InPausa)
        Q_EMIT partitaFermata(secondiCronometro(), m_stato.NumErrori);
    // Start shows first: from the keyboard, or from a control that is going away, the focus moves
    // to it, and the words go with it.
    cmdAvvio->show();
    const QString parole = tr("Partita fermata.");
    QWidget *fuoco = focusWidget();
    if (m_ingresso->ultimo() == Ingresso::Tastiera || fuoco == cmdStop || fuoco == CmdPausa ||
        fuoco == cmdRiprendi || Frame1->isAncestorOf(fuoco)) {
        m_premessa = parole;
        portaFuoco(cmdAvvio);
    } else
        annuncia(parole);
    svuotaTabellone();
    mostraIntestazioni();
    accendi(Timer1);
    spegni(TmrTimer);
    cmdStop->hide();
    CmdPausa->show();
    CmdPausa->setEnabled(false);
    cmdRiprendi->hide();
    cmdRiprendi->setEnabled(false);
    Frame1->setEnabled(false);
    m_stato.ModoLampeggio = 0;
}
