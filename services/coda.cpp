// SPDX-License-Identifier: GPL-3.0-or-later
// What the print server says about a queue and its jobs, through the CUPS API.
#include "services/coda.h"

#include <QLibrary>
#include <cups/cups.h>

namespace coda {

namespace {

/// The print server's client library, loaded at the first question: it brings a TLS stack with it,
/// some megabytes a child who never prints should not carry.
struct Cups
{
    decltype(&cupsGetDests) getDests = nullptr;
    decltype(&cupsGetDest) getDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsGetJobs) getJobs = nullptr;
    decltype(&cupsFreeJobs) freeJobs = nullptr;

    bool caricata() const { return getDests && getDest && getOption && freeDests && getJobs && freeJobs; }
};

const Cups &cups()
{
    static const Cups c = [] {
        Cups r;
        QLibrary lib(QStringLiteral("cups"), 2); // never unloaded
        if (!lib.load()) return r;
        r.getDests = reinterpret_cast<decltype(r.getDests)>(lib.resolve("cupsGetDests"));
        r.getDest = reinterpret_cast<decltype(r.getDest)>(lib.resolve("cupsGetDest"));
        r.getOption = reinterpret_cast<decltype(r.getOption)>(lib.resolve("cupsGetOption"));
        r.freeDests = reinterpret_cast<decltype(r.freeDests)>(lib.resolve("cupsFreeDests"));
        r.getJobs = reinterpret_cast<decltype(r.getJobs)>(lib.resolve("cupsGetJobs"));
        r.freeJobs = reinterpret_cast<decltype(r.freeJobs)>(lib.resolve("cupsFreeJobs"));
        return r;
    }();
    return c;
}

/// Calls \a f on each job of this user on the queue, in any state.
template <typename F> void perOgniLavoro(const QString &coda, F f)
{
    const Cups &c = cups();
    if (!c.caricata()) return;
    const QByteArray nome = coda.toLocal8Bit();
    cups_job_t *lavori = nullptr;
    const int n = c.getJobs(&lavori, nome.constData(), 1, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < n; ++i)
        f(lavori[i]);
    if (n > 0) c.freeJobs(n, lavori);
}

} // namespace

bool rifiuta(const QString &coda)
{
    const Cups &c = cups();
    if (!c.caricata()) return false;
    const QByteArray nome = coda.toLocal8Bit();
    cups_dest_t *destinazioni = nullptr;
    const int n = c.getDests(&destinazioni);
    bool rifiutata = false;
    if (const cups_dest_t *d = c.getDest(nome.constData(), nullptr, n, destinazioni)) {
        const char *accetta = c.getOption("printer-is-accepting-jobs", d->num_options, d->options);
        rifiutata = accetta && qstrcmp(accetta, "false") == 0;
    }
    c.freeDests(n, destinazioni);
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
