// SPDX-License-Identifier: GPL-3.0-or-later
// What every view of the record shows of a child: a fact's state and the chosen period, from one place.
#pragma once

#include "record/apprendimento.h"
#include "record/schedafatto.h"
#include "record/schedagiocatore.h"
#include "record/schedapartita.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>

class Archivio;

/// The games a view shows: those started today, this week (from Monday), this month, or all.
enum class Periodo { Tutto, Oggi, Settimana, Mese };

namespace quadro {

/// The one rule every view asks for a fact's state on the local day \a oggi, for a child judged by
/// \a giudizio (Archivio::giudizio): the memory model's, as practice judges her.
apprendimento::Stato stato(const SchedaFatto &fatto, const QDate &oggi,
                           const apprendimento::Giudizio &giudizio);
/// Whether a child in \a stato knows the fact, as "la sanno 14 su 22" counts her (she may still have to
/// review it).
bool saputa(apprendimento::Stato stato);
/// Whether \a fatto is one practice asks today: the board's "Oggi: N da ripassare" and Ripassa's round
/// count the same facts.
bool daFareOggi(const SchedaFatto &fatto, const QDate &oggi, const apprendimento::Giudizio &giudizio);
/// How many facts of \a fatti practice asks today: those due; when none is, the round Ripassa still
/// makes of half-learnt facts (ripasso::giro of \a lunghezza). The board's line and the record window
/// say this number.
int daFareOggi(const QList<SchedaFatto> &fatti, const QDate &oggi, const apprendimento::Giudizio &giudizio,
               int lunghezza);
/// When \a periodo began, at \a ora; invalid for all time.
QDateTime inizio(Periodo periodo, const QDateTime &ora);
/// The period in words, as a page names it: "tutto il registro", "oggi", "questa settimana"…
QString nome(Periodo periodo);
/// A game ended with no answer at all (stopped at once): left out of counts and pages.
bool vuota(const SchedaPartita &partita);
/// The sums of \a partite as the players view shows them, for \a giocatore.
SchedaGiocatore somme(const SchedaGiocatore &giocatore, const QList<SchedaPartita> &partite);
/// Facts as "7×8".
QStringList inBreve(const QList<SchedaFatto> &fatti);

} // namespace quadro

/// One child's record as every view shows it: the games of the period, each fact's state now, which
/// facts the period asked, today's round and the hardest facts. The map, the players view, the report,
/// the class page and the export read it, so they cannot disagree.
struct Quadro
{
    SchedaGiocatore giocatore; ///< her sums over the period's games
    Periodo periodo = Periodo::Tutto;
    QDateTime dal; ///< the period's start; invalid for all time
    QDate oggi;
    QList<SchedaPartita> partite;       ///< the period's games with an answer, oldest first
    std::array<SchedaFatto, 100> tutti; ///< every fact, as of today over all its askings
    std::bitset<100> nelPeriodo;        ///< the facts asked in the period's games
    QList<SchedaFatto> giro;            ///< today's round of "Ripassa", whatever the period
    apprendimento::Giudizio giudizio;   ///< how her answers are judged now

    /// A fact's state as the views show it: "mai chiesta" when the period did not ask it.
    apprendimento::Stato stato(int cella) const;
    /// Whether the fact was ever asked, in any period.
    bool maiChiesta(int cella) const { return tutti[cella].chiesta == 0; }
    /// The facts asked in the period, as of today.
    QList<SchedaFatto> fatti() const;
    int quanti(apprendimento::Stato stato) const;
    /// The facts still to learn that the period asked, the most often wrong first; never a fact she
    /// knows. At most \a quanti.
    QList<SchedaFatto> difficili(int quanti = 6) const;
    /// Whether any fact was ever asked: "Ripassa" has something to work from.
    bool giocato() const;
};

namespace quadro {

/// The record of the child \a giocatore (from \a archivio; none: nothing) as of \a ora, over \a periodo;
/// \a lunghezza is the length of a round of Ripassa.
Quadro leggi(Archivio *archivio, const SchedaGiocatore &giocatore, Periodo periodo, const QDateTime &ora,
             int lunghezza);

} // namespace quadro
