// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch tick.
#include "board/frmnumerella.h"
#include "board/logica.h"

void FrmNumerella::TmrTimer_Timer()
{
    if (!m_stato.InCorso) return;
    switch (logica::passoCronometro(m_stato.Secondi, m_stato.Minuti)) {
    case logica::Passo::Minuti:
        TxtSec->setText(QString::number(m_stato.Secondi));
        TxtMin->setText(QString::number(m_stato.Minuti));
        break;
    case logica::Passo::Secondi:
        TxtSec->setText(QString::number(m_stato.Secondi));
        break;
    case logica::Passo::Niente:
        break;
    }
}
