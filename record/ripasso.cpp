// SPDX-License-Identifier: GPL-3.0-or-later
// A round of "Ripassa": the facts whose next asking teaches most, by the memory model.
#include "record/ripasso.h"

#include <algorithm>

namespace ripasso {

namespace {

struct Voce
{
    SchedaFatto fatto;
    double stima;
};

QList<SchedaFatto> soli(const QList<Voce> &voci, qsizetype quante)
{
    QList<SchedaFatto> f;
    for (qsizetype i = 0; i < std::min(quante, voci.size()); ++i)
        f.append(voci[i].fatto);
    return f;
}

} // namespace

QList<SchedaFatto> giro(const QList<SchedaFatto> &fatti, const QDate &oggi, int lunghezza,
                        const apprendimento::Giudizio &giudizio)
{
    using apprendimento::Stato;
    QList<Voce> daImparare, daRipassare, salde, incerte, note, attese;
    // How many facts were asked after each one: its game's and the later games'.
    QList<QDateTime> quando;
    for (const SchedaFatto &f : fatti)
        quando.append(f.ultima);
    std::sort(quando.begin(), quando.end());
    for (const SchedaFatto &f : fatti) {
        const Voce v{f, apprendimento::stima(f, oggi, giudizio)};
        const Stato stato = apprendimento::stato(f, oggi, giudizio);
        const int altreDopo =
            int(quando.end() - std::lower_bound(quando.begin(), quando.end(), f.ultima)) - 1;
        if ((stato == Stato::DaImparare || stato == Stato::DaRipassare) &&
            !apprendimento::daChiedere(f, oggi, giudizio, altreDopo)) {
            if (stato == Stato::DaImparare) attese.append(v);
            continue; // it waits
        }
        switch (stato) {
        case Stato::DaImparare:
            daImparare.append(v);
            break;
        case Stato::DaRipassare:
            // A fact never missed nor slow was known before she met the program: the sturdiest
            // memory, reviewed only in the room the others leave.
            (f.sbagliate + f.lente > 0 ? daRipassare : salde).append(v);
            break;
        case Stato::QuasiSicura:
            // Learnt today after misses, one more right answer once others came between: her first
            // right answers on a fact she was missing may be lucky, and the model is not sure yet.
            if (f.sbagliate + f.lente > 0 && f.ultima.toLocalTime().date() == oggi &&
                altreDopo >= apprendimento::Distanza) {
                daImparare.append(v);
                break;
            }
            // Missed before, only likely known, not asked yet today: a half-learnt fact, asked when
            // nothing else is.
            if (f.sbagliate + f.lente > 0 && f.ultima.toLocalTime().date() != oggi) {
                incerte.append(v);
                break;
            }
            note.append(v);
            break;
        case Stato::Sicura:
            note.append(v);
            break;
        case Stato::MaiChiesta:
            break;
        }
    }
    // Nothing to learn nor due: the half-learnt facts, rather than nothing while some may be lucky;
    // else those waiting for others between, with known ones around them to make the gap.
    qsizetype intorno = 0;
    if (daImparare.isEmpty() && daRipassare.isEmpty() && salde.isEmpty()) std::swap(daImparare, incerte);
    if (daImparare.isEmpty() && daRipassare.isEmpty() && salde.isEmpty() && !attese.isEmpty() &&
        note.size() >= apprendimento::Distanza) {
        std::swap(daImparare, attese);
        intorno = apprendimento::Distanza;
    }
    if (lunghezza <= 0 || (daImparare.isEmpty() && daRipassare.isEmpty() && salde.isEmpty())) return {};
    // The least known first; then the one waiting longest, and the table's order: the same every time.
    const auto primaLaMenoNota = [](const Voce &a, const Voce &b) {
        if (a.stima != b.stima) return a.stima < b.stima;
        if (a.fatto.ultima != b.fatto.ultima) return a.fatto.ultima < b.fatto.ultima;
        return a.fatto.cella() < b.fatto.cella();
    };
    for (QList<Voce> *l : {&daImparare, &daRipassare, &salde, &note})
        std::sort(l->begin(), l->end(), primaLaMenoNota);

    const qsizetype quante = std::min<qsizetype>(lunghezza, daImparare.size() + daRipassare.size());
    const qsizetype ripassi = std::min<qsizetype>(
        daRipassare.size(), std::max<qsizetype>(lunghezza / QuotaRipassi, quante - daImparare.size()));
    QList<Voce> scelte = daImparare.mid(0, quante - ripassi) + daRipassare.mid(0, ripassi);
    scelte += salde.mid(0, lunghezza - scelte.size());
    const bool soloDifficili =
        std::all_of(scelte.begin(), scelte.end(), [](const Voce &v) { return v.stima < Difficile; });
    qsizetype mescolate = std::min(intorno, note.size());
    if (soloDifficili && scelte.size() >= 3) {
        // Mixed in to encourage her: of the known ones, those an asking still tells something of. A
        // fact she surely knows would take a slot from the facts she is learning and teach nothing;
        // one she likely knows encourages as well.
        if (intorno == 0)
            note.removeIf(
                [&giudizio](const Voce &v) { return !apprendimento::daProvare(v.fatto, giudizio); });
        mescolate = std::min<qsizetype>(note.size(),
                                        std::max<qsizetype>(mescolate, std::max(1, lunghezza / QuotaNote)));
    }
    if (scelte.size() + mescolate > lunghezza) {
        // Room for the known ones: the round keeps its most urgent.
        std::stable_sort(scelte.begin(), scelte.end(), primaLaMenoNota);
        scelte = scelte.mid(0, std::max<qsizetype>(1, lunghezza - mescolate));
        mescolate = std::min<qsizetype>(mescolate, lunghezza - scelte.size());
    }
    return soli(scelte, scelte.size()) + soli(note, mescolate);
}

std::bitset<100> celle(const QList<SchedaFatto> &fatti)
{
    std::bitset<100> b;
    for (const SchedaFatto &f : fatti)
        b.set(f.cella());
    return b;
}

} // namespace ripasso
