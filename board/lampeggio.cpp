// SPDX-License-Identifier: GPL-3.0-or-later
// The blink timer: the header chaser between games and the blinking question during a game.
#include "board/frmnumerella.h"
#include "board/logica.h"
#include "widgets/aspetto.h"

using namespace aspetto;

void FrmNumerella::Timer1_Timer()
{
    if (m_stato.ModoLampeggio == 0) {
        const auto passo = logica::passoInseguitore(m_stato.PosizioneLampeggio, FaseLampeggio);
        Label1[passo.etichetta]->impostaColore(passo.rossa ? Rosso : Blu);
        mano->setVisible(passo.manoVisibile);
    } else if (m_stato.ModoLampeggio == 1) {
        const int k = m_stato.cella();
        const bool accesa = FaseLampeggio >= 1; // labels red and cell pink in this phase
        FaseLampeggio = accesa ? 0 : FaseLampeggio + 1;
        Label1[m_stato.Colonna.at(k) - 1]->impostaColore(accesa ? Rosso : Blu);
        Label2[m_stato.Riga.at(k) - 1]->impostaColore(accesa ? Rosso : Blu);
        txtRisultato[k]->impostaSfondo(accesa ? Rosa : Azzurro);
    }
}
