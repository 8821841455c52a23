// SPDX-License-Identifier: GPL-3.0-or-later
// A child's askings folded, oldest first, into her facts' memory model and her pace.
#include "record/camminofatti.h"

namespace {

/// Whether \a f was asked and shares a table with \a riga × \a colonna, being neither it nor its twin.
bool stessaTabellina(const SchedaFatto &f, int riga, int colonna)
{
    const bool stessa = (f.riga == riga && f.colonna == colonna) || (f.riga == colonna && f.colonna == riga);
    return !stessa && f.chiesta > 0 &&
           (f.riga == riga || f.riga == colonna || f.colonna == riga || f.colonna == colonna);
}

} // namespace

double CamminoFatti::priore(const QList<SchedaFatto> &chieste, int riga, int colonna)
{
    const SchedaFatto *gemella = nullptr;
    QList<SchedaFatto> tabelline;
    for (const SchedaFatto &f : chieste) {
        if (f.riga == colonna && f.colonna == riga && riga != colonna && f.chiesta > 0) gemella = &f;
        if (stessaTabellina(f, riga, colonna)) tabelline.append(f);
    }
    return apprendimento::priore(gemella, tabelline);
}

void CamminoFatti::chiesta(int riga, int colonna, const apprendimento::Chiesta &chiesta)
{
    SchedaFatto &f = m_fatti[(riga - 1) * 10 + colonna - 1];
    const double p = f.chiesta > 0 ? apprendimento::Priore : priore(fatti(), riga, colonna);
    f.riga = riga;
    f.colonna = colonna;
    const SchedaFatto prima = f;
    apprendimento::aggiorna(f, chiesta, giudizio(), p);
    apprendimento::aggiornaRitmo(m_ritmo, chiesta, prima);
    m_ricadute -= apprendimento::ricadute(prima);
    m_ricadute += apprendimento::ricadute(f);
}

QList<SchedaFatto> CamminoFatti::fatti() const
{
    QList<SchedaFatto> e;
    for (const SchedaFatto &f : m_fatti)
        if (f.chiesta > 0) e.append(f);
    return e;
}
