// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing a game: the congratulation, and the board back between games with Print enabled.
#include "board/frmnumerella.h"
#include "board/interruttori.h"

void FrmNumerella::finisci()
{
    Q_EMIT partitaFinita(secondiCronometro(), m_stato.NumErrori);
    suona(Clip::Fine);
    m_stato.InCorso = false;
    spegni(TmrTimer);
    lblTitolo->setText(tr("Complimenti. Hai finito."));
    // Print takes the focus before the keypad goes grey, so that nothing else takes it in between;
    // the end, the time and the errors are heard with its name.
    cmdStampa->setEnabled(true);
    //: Said at the end of a game: %1 is "Complimenti. Hai finito.", %2 the time and the errors.
    m_premessa = tr("%1 %2.").arg(lblTitolo->text(), tempoEErrori());
    portaFuoco(cmdStampa);
    Frame1->setEnabled(false);
    accendi(Timer1);
    cmdRiprendi->setEnabled(false);
    CmdPausa->setEnabled(false);
    cmdStop->hide();
    cmdAvvio->show();
    mostraIntestazioni();
    m_stato.ModoLampeggio = 0;
}
