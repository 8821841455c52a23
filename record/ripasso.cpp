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
    QList<Voce> daImparare, daRipassare, note;
    for (const SchedaFatto &f : fatti) {
        const Voce v{f, apprendimento::stima(f, oggi, giudizio)};
        const Stato stato = apprendimento::stato(f, oggi, giudizio);
        if ((stato == Stato::DaImparare || stato == Stato::DaRipassare) &&
            !apprendimento::daChiedere(f, oggi, giudizio))
            continue; // it waits for another day
        switch (stato) {
        case Stato::DaImparare:
            daImparare.append(v);
            break;
        case Stato::DaRipassare:
            daRipassare.append(v);
            break;
        case Stato::Sicura:
        case Stato::QuasiSicura:
            note.append(v);
            break;
        case Stato::MaiChiesta:
            break;
        }
    }
    if (lunghezza <= 0 || (daImparare.isEmpty() && daRipassare.isEmpty())) return {};
    // The least known first; then the one waiting longest, and the table's order: the same every time.
    const auto primaLaMenoNota = [](const Voce &a, const Voce &b) {
        if (a.stima != b.stima) return a.stima < b.stima;
        if (a.fatto.ultima != b.fatto.ultima) return a.fatto.ultima < b.fatto.ultima;
        return a.fatto.cella() < b.fatto.cella();
    };
    for (QList<Voce> *l : {&daImparare, &daRipassare, &note})
        std::sort(l->begin(), l->end(), primaLaMenoNota);

    const qsizetype quante = std::min<qsizetype>(lunghezza, daImparare.size() + daRipassare.size());
    const qsizetype ripassi = std::min<qsizetype>(
        daRipassare.size(), std::max<qsizetype>(lunghezza / QuotaRipassi, quante - daImparare.size()));
    QList<Voce> scelte = daImparare.mid(0, quante - ripassi) + daRipassare.mid(0, ripassi);
    const bool soloDifficili =
        std::all_of(scelte.begin(), scelte.end(), [](const Voce &v) { return v.stima < Difficile; });
    qsizetype mescolate = 0;
    if (soloDifficili && scelte.size() >= 3)
        mescolate = std::min<qsizetype>(note.size(), std::max(1, lunghezza / QuotaNote));
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
