// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report of the record: a child's pages and the class's page, laid out for paper.
#pragma once

#include "record/apprendimento.h"
#include "record/orologio.h"
#include "record/quadroclasse.h"
#include "record/schedafatto.h"
#include "record/schedagiocatore.h"
#include "record/schedapartita.h"

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QStringList>

class QPagedPaintDevice;

/// What the report shows, read from the record by whoever prints it.
struct Resoconto
{
    /// The pages printed: the child's and then the class's, or one of the class's alone.
    enum class Parti { Tutto, Classe, MappaClasse };
    Parti parti = Parti::Tutto;
    QString giocatore;
    //: The period of the printed report's games: all of them.
    QString periodo =
        QCoreApplication::translate("resoconto", "tutto il registro"); ///< the games' period, in words
    QDate oggi = orologio::oggi();
    QList<SchedaPartita> partite;
    QList<SchedaFatto> fatti;
    apprendimento::Giudizio giudizio; ///< how the child's answers are judged, as on the screen's map
    QList<SchedaFatto> daRipassare;   ///< the facts to practise, the hardest first
    /// The players view, one row a player; empty for no class page.
    QList<SchedaGiocatore> classe;
    QList<QStringList> difficiliClasse; ///< each player's hardest facts, in the order of classe
    QuadroClasse mappaClasse;           ///< the class's map; no children for none
    QLocale locale;
};

namespace resoconto {

/// How one cell of the facts map is printed: a letter besides the colour, so that a grey page reads too.
struct AspettoCella
{
    QString lettera;
    QColor colore;
    QString nome; ///< the legend's words
};

/// The one place that says how a fact's state looks, on paper and on the screen's map.
AspettoCella aspetto(apprendimento::Stato stato);
/// Every state, in the legend's order: what needs work first.
QList<apprendimento::Stato> stati();

/// Draws the report on \a foglio at its own resolution, the same page whatever the screen: the child's
/// pages (the period, the trend and its chart, the facts map with its legend, the facts to practise and
/// the games), then the class's page and map when there is a class; or one of the class's pages alone.
/// Returns false when no page could be started.
bool disegna(QPagedPaintDevice &foglio, const Resoconto &resoconto);

} // namespace resoconto
