// SPDX-License-Identifier: GPL-3.0-or-later
// When a fact is learnt: each asking judged against the child's own pace, and reviews spaced over days.
#pragma once

#include "record/schedafatto.h"

#include <QList>
#include <QString>
#include <array>

namespace apprendimento {

/// A fact's state for a child, from all its askings.
enum class Stato {
    MaiChiesta,  ///< never asked
    DaImparare,  ///< last asked wrong or slow, or not yet fluent twice in a row
    Sicura,      ///< fluent in its last two askings, review not yet due
    DaRipassare, ///< sicura, but its review day has come
};

/// An answer is slow past this multiple of the child's median: recalling a fact takes about the same
/// time whatever the fact, while counting it out or working it from a neighbour takes at least twice
/// as long. Measured against the child's own median, keys, the keypad by mouse and touch are alike.
constexpr double FattoreLento = 2.0;
/// The child's pace: her last right-first-time answers, whatever the fact.
constexpr int TempiRitmo = 31;
/// Fewer right-first-time answers than this say nothing about her pace: nothing is slow yet (the round's
/// choice judges such answers again against her pace once it is known: see lentaOra).
constexpr int MinimoRitmo = 5;
/// A fact's usual time: the median of its last right answers.
constexpr int TempiFatto = 5;
/// Days to the next review after each fluent one: the first when the fact becomes sicura.
constexpr std::array<int, 5> Intervalli = {1, 3, 7, 14, 30};

/// One asking of a fact.
struct Chiesta
{
    QDateTime quando;    ///< its game's start
    qint64 millisecondi; ///< to the right answer; negative when left
    int sbagliate;       ///< wrong answers typed
};

/// The child's median over \a ritmo in milliseconds, 0 while it says nothing yet (see MinimoRitmo).
qint64 mediana(const QList<int> &ritmo);
/// How \a chiesta went for a child whose median is \a mediana (0: none yet).
EsitoDomanda esito(const Chiesta &chiesta, qint64 mediana);
/// Whether the last right answer to \a fatto is slow for a child whose median is now \a mediana.
bool lentaOra(const SchedaFatto &fatto, qint64 mediana);
/// \a fatto after \a chiesta.
void aggiorna(SchedaFatto &fatto, const Chiesta &chiesta, qint64 mediana);
/// The child's pace after \a chiesta of a fact that stood as \a prima: a right-first-time answer
/// joins it, unless the fact's last asking was already wrong or slow. Practice is mostly such facts:
/// their slow answers would pull her median up until slow no longer looked slow. True when it joined.
bool aggiornaRitmo(QList<int> &ritmo, const Chiesta &chiesta, const SchedaFatto &prima);
/// The state of \a fatto on the local day \a oggi.
Stato stato(const SchedaFatto &fatto, const QDate &oggi);
/// The state after \a chieste, oldest first, for a child of median \a mediana.
Stato statoDa(const QList<Chiesta> &chieste, const QDate &oggi, qint64 mediana, QDate *prossimo = nullptr);

/// The words for \a stato, as the map and the printed report say it to people.
QString nome(Stato stato);
/// The word the exports write for \a stato: data, the same in every language.
QString parolaStato(Stato stato);

/// Milliseconds kept as text in the record: "1200,3400".
QString testoTempi(const QList<int> &tempi);
QList<int> tempiDa(const QString &testo);
QString parola(EsitoDomanda esito);
EsitoDomanda esitoDa(const QString &parola);

} // namespace apprendimento
