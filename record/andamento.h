// SPDX-License-Identifier: GPL-3.0-or-later
// A child's games as numbers to compare: one point a game, placed by day, and the trend in words.
#pragma once

#include "record/schedapartita.h"

#include <QDate>
#include <QList>
#include <QLocale>

namespace andamento {

/// Which games compare with each other: only full games of whole tables do.
enum class Genere {
    Intera,  ///< every cell of whole tables answered
    Ripasso, ///< a round of chosen facts (Ripassa): few and hard, so slower
    Fermata, ///< stopped or cut off: fewer answers
};

/// One game with an answer.
struct Punto
{
    QDateTime inizio;
    QDate giorno; ///< the local day it was played
    /// Days since the first game's day; games of one day side by side around that day.
    double x = 0;
    double secondiPerRisposta = 0;
    double erroriOgni10 = 0; ///< errors per 10 answers given (right or wrong)
    int secondi = 0, esatte = 0, errori = 0;
    Genere genere = Genere::Intera;
};

/// The days one week back from a day, that day included.
constexpr int GiorniSettimana = 7;

Genere genere(const SchedaPartita &partita);
/// A point for each game with an answer and an end, oldest first.
QList<Punto> punti(QList<SchedaPartita> partite);
/// The first day of \a punti (invalid when there is none).
QDate primoGiorno(const QList<Punto> &punti);
/// A number as the tables show it: one decimal, the locale's decimal sign, no thousands sign.
QString numero(double valore, const QLocale &locale);
/// The full games in a sentence: "Nell'ultima settimana: 2,1 secondi per risposta, prima 2,9; 0,8 errori
/// ogni 10 risposte, prima 1,5."
QString frase(const QList<Punto> &punti, const QDate &oggi, const QLocale &locale);

} // namespace andamento
