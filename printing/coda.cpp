// SPDX-License-Identifier: GPL-3.0-or-later
// What the print server says about a queue and its jobs, through the CUPS API.
#include "printing/coda.h"

#include <cups/cups.h>

namespace coda {

namespace {

/// Calls \a f on each job of this user on the queue, in any state.
template <typename F> void perOgniLavoro(const QString &coda, F f)
{
    const QByteArray nome = coda.toLocal8Bit();
    cups_job_t *lavori = nullptr;
    const int n = cupsGetJobs(&lavori, nome.constData(), 1, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < n; ++i)
        f(lavori[i]);
    if (n > 0) cupsFreeJobs(n, lavori);
}

} // namespace

bool rifiuta(const QString &coda)
{
    const QByteArray nome = coda.toLocal8Bit();
    cups_dest_t *destinazioni = nullptr;
    const int n = cupsGetDests(&destinazioni);
    bool rifiutata = false;
    if (const cups_dest_t *d = cupsGetDest(nome.constData(), nullptr, n, destinazioni)) {
        const char *accetta = cupsGetOption("printer-is-accepting-jobs", d->num_options, d->options);
        rifiutata = accetta && qstrcmp(accetta, "false") == 0;
    }
    cupsFreeDests(n, destinazioni);
    return rifiutata;
}

int ultimoLavoro(const QString &coda)
{
    int ultimo = 0;
    perOgniLavoro(coda, [&](const cups_job_t &l) { ultimo = qMax(ultimo, l.id); });
    return ultimo;
}

bool lavoroPreso(const QString &coda, int dopo)
{
    bool preso = false;
    perOgniLavoro(coda, [&](const cups_job_t &l) {
        if (l.id > dopo && l.state != IPP_JSTATE_CANCELED && l.state != IPP_JSTATE_ABORTED) preso = true;
    });
    return preso;
}

} // namespace coda
