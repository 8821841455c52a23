// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the tables: presses on the column headers between games.
#include "board/frmnumerella.h"
#include "widgets/aspetto.h"

using namespace aspetto;

void FrmNumerella::Label1_MouseDown(int Index, Qt::MouseButton Button)
{
    // While a game runs or is paused the headers are the question's factors, not a choice:
    // a stray press there must not wipe the answers given so far.
    if (momento() == Momento::InCorso || momento() == Momento::InPausa) return;
    for (Cella *c : txtRisultato)
        c->svuota();
    if (Button == Qt::RightButton) {
        for (Cella *c : txtRisultato)
            c->impostaSfondo(ColoreSistema);
        for (int colonna = Index + 1; colonna <= 9; ++colonna) {
            for (int k = colonna; k < 100; k += 10)
                txtRisultato[k]->impostaSfondo(ColoreEscluso);
        }
        cmdStampa->setEnabled(false);
    } else if (Button == Qt::LeftButton) {
        for (int k = Index; k < 100; k += 10)
            txtRisultato[k]->impostaSfondo(txtRisultato[k]->esclusa() ? Bianco : ColoreEscluso);
        cmdStampa->setEnabled(false);
    }
    if (Button != Qt::LeftButton && Button != Qt::RightButton) return;
    for (int k = 0; k < 100; ++k)
        m_tabelleScelte.set(k, !txtRisultato[k]->esclusa());
    annunciaScelta(Index, Button);
}
