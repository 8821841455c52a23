// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game, picking each question, and clearing the board for a new game.
#include "board/frmnumerella.h"
#include "board/interruttori.h"
#include "board/logica.h"
#include "widgets/aspetto.h"

using namespace aspetto;

void FrmNumerella::cmdAvvio_Click()
{
    if (m_primaDiAvviare && !m_primaDiAvviare()) return;
    m_stato.NumEscluse = 0;
    m_stato.NumEsatte = 0;
    for (const Cella *c : txtRisultato)
        m_stato.NumEscluse += c->esclusa() ? 1 : 0;
    if (m_stato.NumEscluse == 100) { // every table left out: nothing to ask
        annuncia(tr("Nessuna tabellina da fare: riprendine una con Alt e il suo numero."));
        return;
    }
    m_stato.ModoLampeggio = 1;
    // Restarting the blink timer gives the first question a full interval before it blinks.
    spegni(Timer1);
    mano->hide();
    accendi(Timer1);
    suona(Clip::Avvio);
    scriviTitolo();
    nascondiIntestazioni();
    svuotaTabellone();
    m_stato.InCorso = true;
    std::bitset<100> inGioco;
    for (int k = 0; k < 100; ++k)
        inGioco.set(k, !txtRisultato[k]->esclusa());
    Q_EMIT partitaIniziata(inGioco);
    // The board was just cleared and not every table is left out: there is a question. From the
    // keyboard it takes the focus at once; under a pointer it is told on the control that takes
    // Start's place, once Start has gone (told on Start, it would go with it, unheard).
    const bool daiTasti = m_ingresso->ultimo() == Ingresso::Tastiera;
    if (daiTasti) SceltaDomanda();
    Frame1->setEnabled(true);
    cmdStampa->setEnabled(false);
    CmdPausa->show();
    CmdPausa->setEnabled(true);
    cmdStop->show();
    if (cmdAvvio->hasFocus()) cmdStop->setFocus(Qt::OtherFocusReason);
    cmdAvvio->hide();
    if (!daiTasti) SceltaDomanda();
    accendi(TmrTimer);
}

bool FrmNumerella::SceltaDomanda()
{
    std::array<bool, 100> candidata{};
    for (int k = 0; k < 100; ++k)
        candidata[k] = txtRisultato[k]->text().isEmpty() && !txtRisultato[k]->esclusa();
    const int k = logica::scegliCella(candidata, m_caso);
    if (k < 0) return false;
    m_stato.CellaCorrente = static_cast<float>(k);
    Q_EMIT domandaPosta(k);
    accendi(Timer1);
    presentaDomanda(txtRisultato[k]);
    return true;
}

void FrmNumerella::svuotaTabellone()
{
    for (Cella *c : txtRisultato) {
        c->svuota();
        if (!c->esclusa()) c->impostaSfondo(ColoreSistema);
    }
    for (Etichetta *e : Label2)
        e->impostaColore(GialloChiaro);
    m_stato.Secondi = 0;
    m_stato.Minuti = 0;
    TxtSec->setText(QString::number(m_stato.Secondi));
    TxtMin->setText(QString::number(m_stato.Minuti));
    m_stato.NumErrori = 0;
    txtErrori->setText(QString::number(m_stato.NumErrori));
}
