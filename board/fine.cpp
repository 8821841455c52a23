// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing a game: the congratulation, and the board back between games with Print enabled.
#include "board/frmnumerella.h"
#include "board/interruttori.h"

void FrmNumerella::finisci()
{
    Q_EMIT partitaFinita(secondiCronometro(), m_stato.NumErrori);
    suona(Clip::Fine);
    m_stato.InCorso = false;
    Frame1->setEnabled(false);
    accendi(Timer1);
    cmdRiprendi->setEnabled(false);
    CmdPausa->setEnabled(false);
    spegni(TmrTimer);
    cmdStampa->setEnabled(true);
    cmdStampa->setFocus();
    cmdStop->hide();
    cmdAvvio->show();
    lblTitolo->setText(QStringLiteral("Complimenti. Hai finito."));
    mostraIntestazioni();
    m_stato.ModoLampeggio = 0;
    m_premessa.clear(); // the end says it all
    annuncia(lblTitolo->text());
}
