// SPDX-License-Identifier: GPL-3.0-or-later
// How a child does on one fact over all its askings: the summary kept beside the answers.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <algorithm>

/// How one asking went.
enum class EsitoDomanda {
    Fluente,   ///< right at the first try, and not slow for this child
    Lenta,     ///< right at the first try, but slow for this child
    Sbagliata, ///< a wrong answer typed, or the question left
};

/// The summary of a fact's askings (see apprendimento::aggiorna): what the map shows, and the memory
/// model's state, always the same fold of the answers in the same order.
struct SchedaFatto
{
    int riga = 0, colonna = 0; ///< the factors, 1..10
    int chiesta = 0;           ///< askings, all of them
    int sbagliate = 0;         ///< askings with a wrong answer, or left
    int lente = 0;             ///< askings right at the first try but slow
    int fluentiDiFila = 0;     ///< fluent askings since the last that was not
    EsitoDomanda ultimoEsito = EsitoDomanda::Sbagliata;
    QDateTime ultima;      ///< when it was last asked (its game's start)
    QDate prossimoRipasso; ///< the local day practice asks it again (today's or earlier: it waits now)
    QList<int> tempi;      ///< milliseconds of its last right answers, oldest first
    double conosciuta = 0; ///< the chance she knows it, right after its last asking
    double prima = 0;      ///< the same just before its last asking (its memory faded to that day)
    double stabilita = 0;  ///< days her memory of it lasts (still 9 chances in 10 after that many)

    int cella() const { return (riga - 1) * 10 + colonna - 1; }
    bool operator==(const SchedaFatto &) const = default;
    /// The median of its last right answers, in seconds; 0 when never answered right.
    double secondi() const
    {
        if (tempi.isEmpty()) return 0;
        QList<int> t = tempi;
        std::sort(t.begin(), t.end());
        const qsizetype n = t.size();
        return (n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2.0) / 1000.0;
    }
};
