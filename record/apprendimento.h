// SPDX-License-Identifier: GPL-3.0-or-later
// When a fact is learnt: a memory model per fact, folded from its askings, each judged against the
// child's own pace, with memory fading between days.
#pragma once

#include "record/schedafatto.h"

#include <QList>
#include <QString>

namespace apprendimento {

// The model. A child meets 100 facts, a few askings each a day: far too few answers to fit weights
// per child (as half-life regression does over millions of learners), and too few facts for
// Leitner's boxes to tell "learnt" from "lucky once". So two small ideas, each with constants taken
// from how children learn, not fitted to anyone:
// - knowledge tracing: the chance she knows a fact, updated by Bayes at each asking from how likely
//   a fluent, a slow and a wrong answer are when she knows it and when she does not, and raised a
//   little by the asking itself (she sees or types the right product);
// - from the open flashcard schedulers' DSR model, a stability per fact: the days after which she
//   still recalls it 9 times in 10. Between days the chance she knows it fades with it; a fluent
//   answer after a gap makes it last longer (the more so the longer the gap), a wrong one shortens it.
// A fact's first asking starts from a prior shared with its turned-round twin (7 × 8 and 8 × 7) and
// the tables it belongs to, so a table she finds hard starts lower.
// One emission is the child's own, not a constant: how often she is right and quick on a fact she
// does not know (knowledge tracing fits this guess rate per learner, since it varies most between
// learners). Children differ there far more than in anything else the model assumes: some are wrong
// until a fact clicks, some get it right half the time for days. With 100 facts her relapses on the
// ones she was missing are enough to tell which within a practice or two, while any one fact's
// answers are not; so it is pooled over her facts, like her pace.

/// Whether slowness counts against a fact: a child marked "senza fretta" is judged by right and
/// wrong only.
enum class Tempo {
    Conta,  ///< right but slow for her is not yet fluent
    Ignora, ///< every right answer at the first try is fluent
};

/// A fact's state for a child on a day, from the model: the words parents read.
enum class Stato {
    MaiChiesta,  ///< never asked
    DaImparare,  ///< likely not known yet: practice asks it
    Sicura,      ///< surely known, memory not fading yet
    DaRipassare, ///< was known, but her memory of it is fading: practice asks it today
    QuasiSicura, ///< likely known (one fluent answer, say): asked again as its memory fades
};

/// The chance a fact never asked is known: most children who play have met most of the table.
constexpr double Priore = 0.7;
/// How likely each answer is when she knows the fact: a slip, or a slow day, now and then.
constexpr double SaFluente = 0.9, SaLenta = 0.07; // wrong: the rest, 0.03
/// How likely each answer is when she does not: worked out from a neighbour (slow), half-remembered
/// or guessed (right and quick now and then), or wrong (the rest).
constexpr double NonSaLenta = 0.35;
/// Right and quick without knowing it (knowledge tracing's "guess"): the one emission that differs
/// most between children, and the one that decides how much a run of quick right answers proves. A
/// child whose weak facts stay wrong until they click is almost never right and quick on them; one
/// who learns a fact little by little is right and quick on it long before she knows it. So it is
/// hers, estimated from her own answers like her pace (see indovina), from this prior.
constexpr double NonSaFluente = 0.25;
/// The prior's weight, in misses: about what one first game gives of a child's weak facts, so her
/// own answers take over within her first practice.
constexpr double PesoIndovina = 10;
/// The guess rate never goes below this: a few products come out at once from a neighbour (× 10,
/// × 1, the squares) even unknown, and no single quick answer is ever proof. Nor above this: a fact
/// she is right and quick on more often than not is one she is getting to know, and a quick right
/// answer must still say more than a wrong one (the wrong answers of a fact not known: the rest).
constexpr double IndovinaMinima = 0.05, IndovinaMassima = 0.5;
/// What one asking teaches: the chance a fact not known becomes known from having been asked.
constexpr double Impara = 0.15;
/// She recalls a fact this often after its stability's days; practice asks it again below
/// SogliaRipasso (the chance she knows it), and calls it sicura above SogliaSicura.
constexpr double Ritenzione = 0.9;
constexpr double SogliaRipasso = 0.85, SogliaSicura = 0.95;
/// Days a fact answered fluently at its first asking is remembered: she knew it before she met the
/// program (from school, over months), the more surely when quicker than her usual pace.
constexpr double StabilitaNota = 3, StabilitaNotaSvelta = 7;
/// Days a fact being learnt is remembered after a fluent answer: until the next day.
constexpr double StabilitaImparata = 1;
/// A fluent answer on the day the fact was last missed says less: she may recall the product she was
/// shown minutes ago rather than know it. As likely as this when she does not know it.
constexpr double NonSaFluenteSubito = 0.5;
/// How much a fluent answer after a gap lengthens the memory: at a gap as long as its stability,
/// (1 + Crescita) times. Askings on one day lengthen it little (massed practice).
constexpr double Crescita = 1.5;
/// A memory is never trusted longer than a school year: every fact comes back at least that often.
constexpr double StabilitaMassima = 365;
/// How much a slow or a wrong answer shortens it, never below StabilitaMinima days.
constexpr double CaloLenta = 0.6, CaloSbagliata = 0.3, StabilitaMinima = 0.5;
/// How much a fact's first asking leans on its twin (7 × 8 for 8 × 7) and on its tables, when asked.
constexpr double PesoGemella = 0.5, PesoTabelline = 0.3;
/// Answers of a table that say something about it.
constexpr int MinimoTabelline = 3;

/// An answer is slow past this multiple of the child's median: recalling a fact takes about the same
/// time whatever the fact, while counting it out or working it from a neighbour takes at least twice
/// as long. Measured against the child's own median, keys, the keypad by mouse and touch are alike.
constexpr double FattoreLento = 2.0;
/// The child's pace: her last right-first-time answers, whatever the fact.
constexpr int TempiRitmo = 31;
/// Fewer right-first-time answers than this say nothing about her pace: nothing is slow yet (the
/// model judges such answers again against her pace once it is known: see lentaOra).
constexpr int MinimoRitmo = 5;
/// A fact's usual time: the median of its last right answers.
constexpr int TempiFatto = 5;

/// One asking of a fact.
struct Chiesta
{
    QDateTime quando;    ///< its game's start
    qint64 millisecondi; ///< to the right answer; negative when left
    int sbagliate;       ///< wrong answers typed
};

/// How the child's answers are judged: her pace now, whether time counts, and how often she is right
/// and quick on a fact she does not know.
struct Giudizio
{
    // From her median alone, time counting: the usual case.
    Giudizio(qint64 mediana = 0, Tempo tempo = Tempo::Conta, double indovina = NonSaFluente)
        : mediana(mediana), tempo(tempo), indovina(indovina)
    {
    }
    qint64 mediana; ///< her median in milliseconds, 0 while it says nothing yet
    Tempo tempo;
    double indovina; ///< her guess rate (see apprendimento::indovina), used as each answer is folded
};

/// What a fact's askings say of her guess rate. After a fact's first miss, each later miss came
/// right after a quick right answer of it (a relapse: that answer was given not knowing it) or
/// after another miss; if she is right and quick with chance g on a fact she does not know, about g
/// of those misses follow a quick right answer. Known from the fact's summary alone: the quick right
/// answers before its last miss, at most one per miss after the first (a long run before a single
/// slip is one relapse, not a run of guesses).
struct Ricadute
{
    int ricadute = 0;  ///< misses after a quick right answer, the fact's first miss excluded
    int occasioni = 0; ///< misses, the fact's first excluded
    Ricadute &operator+=(const Ricadute &altre);
    Ricadute &operator-=(const Ricadute &altre);
};
/// The relapses of \a fatto.
Ricadute ricadute(const SchedaFatto &fatto);
/// Her guess rate from the relapses of all her facts: the prior's mean when she has none.
double indovina(const Ricadute &tutte);

/// The child's median over \a ritmo in milliseconds, 0 while it says nothing yet (see MinimoRitmo).
qint64 mediana(const QList<int> &ritmo);
/// How \a chiesta went for a child whose median is \a mediana (0: none yet).
EsitoDomanda esito(const Chiesta &chiesta, qint64 mediana, Tempo tempo = Tempo::Conta);
/// Whether the last right answer to \a fatto is slow for a child whose median is now \a mediana.
bool lentaOra(const SchedaFatto &fatto, qint64 mediana);
/// The prior of a fact's first asking, from its twin (null when never asked) and the facts asked of
/// its tables.
double priore(const SchedaFatto *gemella, const QList<SchedaFatto> &tabelline);
/// \a fatto after \a chiesta, for a child judged by \a giudizio; \a priore is used at its first asking.
void aggiorna(SchedaFatto &fatto, const Chiesta &chiesta, const Giudizio &giudizio, double priore = Priore);
/// The child's pace after \a chiesta of a fact that stood as \a prima: a right-first-time answer
/// joins it, unless the fact's last asking was already wrong or slow. Practice is mostly such facts:
/// their slow answers would pull her median up until slow no longer looked slow. True when it joined.
bool aggiornaRitmo(QList<int> &ritmo, const Chiesta &chiesta, const SchedaFatto &prima);

/// Whether one more asking of \a fatto, which she likely knows, would still tell the model something:
/// a fact missed before, or one whose right answers do not yet prove it by her guess rate now (a fact
/// asked once, at her first game, was judged by the prior's). A fact that is proven teaches nothing.
bool daProvare(const SchedaFatto &fatto, const Giudizio &giudizio);
/// The chance she knows \a fatto on the local day \a oggi (answers it right and quick), 0..1.
double stima(const SchedaFatto &fatto, const QDate &oggi, const Giudizio &giudizio = {});
/// How sure the model is of that chance, 0..1: 0 at even odds, 1 when it is certain either way.
double certezza(double stima);
/// The state of \a fatto on the local day \a oggi.
Stato stato(const SchedaFatto &fatto, const QDate &oggi, const Giudizio &giudizio = {});
/// The day practice asks \a fatto again: the first on which the chance she knows it is below
/// SogliaRipasso (its last asking's day when it already was); null when never asked.
QDate prossimo(const SchedaFatto &fatto, const Giudizio &giudizio = {});
/// Other facts asked after a fact (in its game or later) before a fact being learnt, answered well
/// today, may come back the same day: with a few others between, a right answer shows what she keeps
/// rather than what she just recalled (short spacing within a session helps new items most).
constexpr int Distanza = 4;

/// Whether practice asks \a fatto on \a oggi, \a altreDopo other facts having been asked after it.
bool daChiedere(const SchedaFatto &fatto, const QDate &oggi, const Giudizio &giudizio = {},
                int altreDopo = 0);
/// The state after \a chieste, oldest first, judged by \a giudizio, her guess rate from these alone.
Stato statoDa(const QList<Chiesta> &chieste, const QDate &oggi, const Giudizio &giudizio,
              QDate *giornoRipasso = nullptr);

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
