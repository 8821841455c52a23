// SPDX-License-Identifier: GPL-3.0-or-later
// A round of "Ripassa": the facts to learn first, then those due for review, a few sure ones mixed in.
#include "record/ripasso.h"

#include "record/apprendimento.h"

#include <algorithm>

namespace ripasso {

namespace {

/// How urgent the last asking makes a fact still to learn: wrong first, then slow. A fluent answer
/// slow for her pace now is slow too: it was judged while her pace was still settling (a first game
/// that met her hard facts early), and taken as fluent it would wait behind every fact she knows.
int urgenza(const SchedaFatto &f, qint64 mediana)
{
    switch (f.ultimoEsito) {
    case EsitoDomanda::Sbagliata:
        return 0;
    case EsitoDomanda::Lenta:
        return 1;
    case EsitoDomanda::Fluente:
        break;
    }
    return apprendimento::lentaOra(f, mediana) ? 1 : 2;
}

} // namespace

QList<SchedaFatto> giro(const QList<SchedaFatto> &fatti, const QDate &oggi, int lunghezza, qint64 mediana)
{
    using apprendimento::Stato;
    QList<SchedaFatto> daImparare, daRipassare, sicure;
    for (const SchedaFatto &f : fatti) {
        switch (apprendimento::stato(f, oggi)) {
        case Stato::DaImparare:
            daImparare.append(f);
            break;
        case Stato::DaRipassare:
            daRipassare.append(f);
            break;
        case Stato::Sicura:
            sicure.append(f);
            break;
        case Stato::MaiChiesta:
            break;
        }
    }
    if (daImparare.isEmpty() && daRipassare.isEmpty()) return {};
    std::stable_sort(daImparare.begin(), daImparare.end(),
                     [mediana](const SchedaFatto &a, const SchedaFatto &b) {
                         const int ua = urgenza(a, mediana), ub = urgenza(b, mediana);
                         return ua != ub ? ua < ub : a.ultima < b.ultima;
                     });
    const auto primaIlRipasso = [](const SchedaFatto &a, const SchedaFatto &b) {
        return a.prossimoRipasso != b.prossimoRipasso ? a.prossimoRipasso < b.prossimoRipasso
                                                      : a.ultima < b.ultima;
    };
    std::stable_sort(daRipassare.begin(), daRipassare.end(), primaIlRipasso);
    std::stable_sort(sicure.begin(), sicure.end(), primaIlRipasso);

    QList<SchedaFatto> urgenti = daImparare + daRipassare;
    const qsizetype mescolate = std::min<qsizetype>(sicure.size(), lunghezza / QuotaSicure);
    urgenti = urgenti.mid(0, std::min<qsizetype>(urgenti.size(), lunghezza - mescolate));
    // The sure facts fill the rest: a quarter while others wait, more only when none is left out.
    return urgenti + sicure.mid(0, lunghezza - urgenti.size());
}

std::bitset<100> celle(const QList<SchedaFatto> &fatti)
{
    std::bitset<100> b;
    for (const SchedaFatto &f : fatti)
        b.set(f.cella());
    return b;
}

} // namespace ripasso
