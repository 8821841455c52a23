// SPDX-License-Identifier: GPL-3.0-or-later
// What every view of the record shows of a child: a fact's state and the chosen period, from one place.
#include "record/quadro.h"

#include "record/archivio.h"
#include "record/ripasso.h"

#include <QCoreApplication>
#include <algorithm>

namespace quadro {

apprendimento::Stato stato(const SchedaFatto &fatto, const QDate &oggi,
                           const apprendimento::Giudizio &giudizio)
{
    return apprendimento::stato(fatto, oggi, giudizio);
}

bool saputa(apprendimento::Stato stato)
{
    // "Quasi sicura" is likely known, surer than a fact whose memory is fading: a parent reading "la
    // sanno 14 su 22" counts it, as the players view's column does. Practice still asks it again.
    return stato == apprendimento::Stato::Sicura || stato == apprendimento::Stato::QuasiSicura ||
           stato == apprendimento::Stato::DaRipassare;
}

bool daFareOggi(const SchedaFatto &fatto, const QDate &oggi, const apprendimento::Giudizio &giudizio)
{
    return apprendimento::daChiedere(fatto, oggi, giudizio);
}

int daFareOggi(const QList<SchedaFatto> &fatti, const QDate &oggi, const apprendimento::Giudizio &giudizio,
               int lunghezza)
{
    const auto dovute = std::count_if(fatti.begin(), fatti.end(),
                                      [&](const SchedaFatto &f) { return daFareOggi(f, oggi, giudizio); });
    return dovute > 0 ? int(dovute) : int(ripasso::giro(fatti, oggi, lunghezza, giudizio).size());
}

QDateTime inizio(Periodo periodo, const QDateTime &ora)
{
    const QDate oggi = ora.toLocalTime().date();
    switch (periodo) {
    case Periodo::Oggi:
        return oggi.startOfDay();
    case Periodo::Settimana:
        return oggi.addDays(1 - oggi.dayOfWeek()).startOfDay();
    case Periodo::Mese:
        return QDate(oggi.year(), oggi.month(), 1).startOfDay();
    case Periodo::Tutto:
        break;
    }
    return {};
}

QString nome(Periodo periodo)
{
    switch (periodo) {
    case Periodo::Oggi:
        //: The period of the printed report's games: those of today.
        return QCoreApplication::translate("resoconto", "oggi");
    case Periodo::Settimana:
        //: The period of the printed report's games: this week's, from Monday.
        return QCoreApplication::translate("resoconto", "questa settimana");
    case Periodo::Mese:
        return QCoreApplication::translate("resoconto", "questo mese");
    case Periodo::Tutto:
        break;
    }
    //: The period of the printed report's games: all of them.
    return QCoreApplication::translate("resoconto", "tutto il registro");
}

bool vuota(const SchedaPartita &partita)
{
    return partita.esito && partita.esatte == 0 && partita.errori == 0;
}

SchedaGiocatore somme(const SchedaGiocatore &giocatore, const QList<SchedaPartita> &partite)
{
    SchedaGiocatore g;
    g.id = giocatore.id;
    g.nome = giocatore.nome;
    double secondi = 0, esatte = 0, errori = 0;
    int chiuse = 0;
    for (const SchedaPartita &p : partite) {
        if (vuota(p)) continue;
        ++g.partite;
        g.ultima = std::max(g.ultima, p.inizio);
        secondi += p.secondi;
        esatte += p.esatte;
        if (!p.esito) continue; // a game being played has no errors counted yet
        errori += p.errori;
        ++chiuse;
    }
    g.secondiPerRisposta = esatte > 0 ? secondi / esatte : 0;
    g.erroriPerPartita = chiuse > 0 ? errori / chiuse : 0;
    return g;
}

QStringList inBreve(const QList<SchedaFatto> &fatti)
{
    QStringList brevi;
    for (const SchedaFatto &f : fatti)
        brevi.append(QStringLiteral("%1×%2").arg(f.riga).arg(f.colonna));
    return brevi;
}

Quadro leggi(Archivio *archivio, const SchedaGiocatore &giocatore, Periodo periodo, const QDateTime &ora,
             int lunghezza)
{
    Quadro q;
    q.periodo = periodo;
    q.dal = inizio(periodo, ora);
    q.oggi = ora.toLocalTime().date();
    for (int k = 0; k < 100; ++k) {
        q.tutti[k].riga = k / 10 + 1;
        q.tutti[k].colonna = k % 10 + 1;
    }
    if (!archivio || giocatore.id == 0) {
        q.giocatore = giocatore;
        return q;
    }
    for (const SchedaPartita &p : archivio->partite(giocatore.id))
        if (!vuota(p) && (!q.dal.isValid() || p.inizio >= q.dal)) q.partite.append(p);
    const QList<SchedaFatto> fatti = archivio->fatti(giocatore.id);
    for (const SchedaFatto &f : fatti)
        q.tutti[f.cella()] = f;
    if (q.dal.isValid()) {
        for (const SchedaFatto &f : archivio->fatti(giocatore.id, q.dal))
            q.nelPeriodo.set(f.cella());
    } else {
        for (const SchedaFatto &f : fatti)
            q.nelPeriodo.set(f.cella());
    }
    q.giudizio = archivio->giudizio(giocatore.id);
    q.giro = ripasso::giro(fatti, q.oggi, lunghezza, q.giudizio);
    q.giocatore = somme(giocatore, q.partite);
    return q;
}

} // namespace quadro

apprendimento::Stato Quadro::stato(int cella) const
{
    return nelPeriodo.test(cella) ? quadro::stato(tutti[cella], oggi, giudizio)
                                  : apprendimento::Stato::MaiChiesta;
}

QList<SchedaFatto> Quadro::fatti() const
{
    QList<SchedaFatto> elenco;
    for (int k = 0; k < 100; ++k)
        if (nelPeriodo.test(k)) elenco.append(tutti[k]);
    return elenco;
}

int Quadro::quanti(apprendimento::Stato s) const
{
    int n = 0;
    for (int k = 0; k < 100; ++k)
        n += stato(k) == s;
    return n;
}

QList<SchedaFatto> Quadro::difficili(int quanti) const
{
    QList<SchedaFatto> elenco;
    for (int k = 0; k < 100; ++k)
        if (stato(k) == apprendimento::Stato::DaImparare) elenco.append(tutti[k]);
    // Wrong most often first, then slow, then the longest unasked.
    std::stable_sort(elenco.begin(), elenco.end(), [](const SchedaFatto &a, const SchedaFatto &b) {
        if (a.sbagliate != b.sbagliate) return a.sbagliate > b.sbagliate;
        if (a.lente != b.lente) return a.lente > b.lente;
        return a.ultima < b.ultima;
    });
    return elenco.mid(0, quanti);
}

bool Quadro::giocato() const
{
    return std::any_of(tutti.begin(), tutti.end(), [](const SchedaFatto &f) { return f.chiesta > 0; });
}
