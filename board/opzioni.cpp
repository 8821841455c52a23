// SPDX-License-Identifier: GPL-3.0-or-later
// Applying the command line's options to the board after its start-up.
#include "board/frmnumerella.h"

void FrmNumerella::applicaOpzioni(const Opzioni &opzioni)
{
    for (int colonna = 0; colonna < 10; ++colonna) {
        if (!opzioni.tabelline.test(colonna)) Label1_MouseDown(colonna, Qt::LeftButton);
    }
    if (opzioni.suono == Suono::Spento) {
        // The box is disabled while the info window is open, so a click() would be lost.
        Check1->setChecked(true);
        Check1_Click();
    }
    impostaRitmo(opzioni.ritmo);
    if (opzioni.voce != Voce::Spenta) impostaVoce(opzioni.voce);
}
