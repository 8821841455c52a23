// SPDX-License-Identifier: GPL-3.0-or-later
// A child's games as numbers to compare: one point a game, placed by day, and the trend in words.
#include "record/andamento.h"

#include <QCoreApplication>
#include <algorithm>

namespace andamento {

namespace {

/// Widest spread of one day's games around the day, in days: a day's games never reach the next's.
constexpr double Spazio = 0.8;
/// Closest two games of one day are drawn, in days.
constexpr double PassoMassimo = 0.2;

/// Whether the cells in play are whole tables (every row of each column in play).
bool tabelleIntere(const std::bitset<100> &celle)
{
    for (int colonna = 0; colonna < 10; ++colonna) {
        int dentro = 0;
        for (int riga = 0; riga < 10; ++riga)
            dentro += celle.test(riga * 10 + colonna) ? 1 : 0;
        if (dentro != 0 && dentro != 10) return false;
    }
    return celle.any();
}

/// Sums of some games.
struct Somma
{
    int secondi = 0, esatte = 0, errori = 0;
    void aggiungi(const Punto &p)
    {
        secondi += p.secondi;
        esatte += p.esatte;
        errori += p.errori;
    }
    double secondiPerRisposta() const { return esatte > 0 ? double(secondi) / esatte : 0; }
    double erroriOgni10() const { return esatte + errori > 0 ? 10.0 * errori / (esatte + errori) : 0; }
};

} // namespace

Genere genere(const SchedaPartita &partita)
{
    if (partita.esito != FinePartita::Finita) return Genere::Fermata;
    return tabelleIntere(partita.inGioco) ? Genere::Intera : Genere::Ripasso;
}

QList<Punto> punti(QList<SchedaPartita> partite)
{
    std::stable_sort(partite.begin(), partite.end(),
                     [](const SchedaPartita &a, const SchedaPartita &b) { return a.inizio < b.inizio; });
    QList<Punto> fatti;
    for (const SchedaPartita &p : partite) {
        // A game still played has no end yet, and one with no right answer no time per answer.
        if (!p.esito || p.esatte == 0) continue;
        Punto punto;
        punto.inizio = p.inizio;
        punto.giorno = p.inizio.toLocalTime().date();
        punto.secondi = p.secondi;
        punto.esatte = p.esatte;
        punto.errori = p.errori;
        Somma una;
        una.aggiungi(punto);
        punto.secondiPerRisposta = una.secondiPerRisposta();
        punto.erroriOgni10 = una.erroriOgni10();
        punto.genere = genere(p);
        fatti.append(punto);
    }
    const QDate primo = primoGiorno(fatti);
    for (qsizetype inizio = 0; inizio < fatti.size();) {
        qsizetype fine = inizio;
        while (fine < fatti.size() && fatti[fine].giorno == fatti[inizio].giorno)
            ++fine;
        const qsizetype quanti = fine - inizio;
        const double passo = std::min(PassoMassimo, Spazio / double(quanti));
        const double giorno = double(primo.daysTo(fatti[inizio].giorno));
        for (qsizetype k = inizio; k < fine; ++k)
            fatti[k].x = giorno + (double(k - inizio) - double(quanti - 1) / 2) * passo;
        inizio = fine;
    }
    return fatti;
}

QDate primoGiorno(const QList<Punto> &punti)
{
    return punti.isEmpty() ? QDate() : punti.first().giorno;
}

QString numero(double valore, const QLocale &locale)
{
    QLocale senzaMigliaia = locale;
    senzaMigliaia.setNumberOptions(QLocale::OmitGroupSeparator);
    return senzaMigliaia.toString(valore, 'f', 1);
}

QString frase(const QList<Punto> &punti, const QDate &oggi, const QLocale &locale)
{
    Somma settimana, prima;
    const QDate inizio = oggi.addDays(1 - GiorniSettimana);
    for (const Punto &p : punti) {
        if (p.genere != Genere::Intera) continue;
        (p.giorno >= inizio ? settimana : prima).aggiungi(p);
    }
    //: The chart's sentence on a child's trend, under the chart in the record window and on the printed
    //: report.
    if (settimana.esatte == 0 && prima.esatte == 0)
        return QCoreApplication::translate("andamento", "Ancora nessuna partita intera.");
    const auto n = [&locale](double v) { return numero(v, locale); };
    if (settimana.esatte == 0)
        //: %1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers
        //: already in the locale's form).
        return QCoreApplication::translate(
                   "andamento",
                   "Nell'ultima settimana nessuna partita intera; prima: %1 secondi per risposta, "
                   "%2 errori ogni 10 risposte.")
            .arg(n(prima.secondiPerRisposta()), n(prima.erroriOgni10()));
    if (prima.esatte == 0)
        //: %1: seconds per answer in the last week, %2: mistakes every 10 answers in it.
        return QCoreApplication::translate(
                   "andamento", "Nell'ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.")
            .arg(n(settimana.secondiPerRisposta()), n(settimana.erroriOgni10()));
    //: %1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in
    //: the last week and before it.
    return QCoreApplication::translate(
               "andamento", "Nell'ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 "
                            "risposte, prima %4.")
        .arg(n(settimana.secondiPerRisposta()), n(prima.secondiPerRisposta()), n(settimana.erroriOgni10()),
             n(prima.erroriOgni10()));
}

} // namespace andamento
