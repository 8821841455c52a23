// SPDX-License-Identifier: GPL-3.0-or-later
// Stopping a game: the board goes back between games, its answers gone.
#include "board/frmnumerella.h"
#include "board/interruttori.h"

void FrmNumerella::cmdStop_Click()
{
    if (momento() == Momento::InCorso || momento() == Momento::InPausa)
        Q_EMIT partitaFermata(secondiCronometro(), m_stato.NumErrori);
    svuotaTabellone();
    mostraIntestazioni();
    accendi(Timer1);
    spegni(TmrTimer);
    cmdAvvio->show();
    cmdStop->hide();
    CmdPausa->show();
    CmdPausa->setEnabled(false);
    cmdRiprendi->hide();
    cmdRiprendi->setEnabled(false);
    Frame1->setEnabled(false);
    m_stato.ModoLampeggio = 0;
}
