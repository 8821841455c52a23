// SPDX-License-Identifier: GPL-3.0-or-later
// The return of the server told from its probes: an edge from silent to answering.
#include "schoolserver/vedetta.h"

void Vedetta::giro(Giro esito)
{
    m_sondare = esito == Giro::Fallito;
    if (esito == Giro::Riuscito) m_prove = 0;
}

Vedetta::Passo Vedetta::sondata(Sonda esito)
{
    if (!m_sondare) return Passo::Aspetta;
    if (esito == Sonda::Tace) {
        m_prove = ProveAlRitorno;
        return Passo::Aspetta;
    }
    // Answering: the round that follows says whether to go on probing.
    m_sondare = false;
    if (m_prove == 0) return Passo::Aspetta;
    --m_prove;
    return Passo::Invia;
}
