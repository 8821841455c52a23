// SPDX-License-Identifier: GPL-3.0-or-later
// The hard facts: what "Ripassa" and --ripasso give a child to practise.
#include "record/ripasso.h"

#include <algorithm>

namespace ripasso {

QList<SchedaFatto> difficili(QList<SchedaFatto> fatti)
{
    QList<SchedaFatto> sbagliati;
    for (const SchedaFatto &f : fatti) {
        if (f.sbagliateUltime > 0) sbagliati.append(f);
    }
    if (!sbagliati.isEmpty()) {
        std::stable_sort(sbagliati.begin(), sbagliati.end(), [](const SchedaFatto &a, const SchedaFatto &b) {
            if (a.sbagliateUltime != b.sbagliateUltime) return a.sbagliateUltime > b.sbagliateUltime;
            if (a.sbagliate != b.sbagliate) return a.sbagliate > b.sbagliate;
            return a.secondi > b.secondi;
        });
        return sbagliati.mid(0, MassimoDifficili);
    }
    fatti.removeIf([](const SchedaFatto &f) { return f.giuste == 0; });
    std::stable_sort(fatti.begin(), fatti.end(),
                     [](const SchedaFatto &a, const SchedaFatto &b) { return a.secondi > b.secondi; });
    return fatti.mid(0, Lenti);
}

std::bitset<100> celle(const QList<SchedaFatto> &fatti)
{
    std::bitset<100> b;
    for (const SchedaFatto &f : fatti)
        b.set(f.cella());
    return b;
}

} // namespace ripasso
