// SPDX-License-Identifier: GPL-3.0-or-later
// The class's map: for each fact, how many of the children know it and who still has to learn it.
#pragma once

#include "record/quadro.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

/// The children's records side by side, fact by fact, from the same states as each child's map.
struct QuadroClasse
{
    struct Fatto
    {
        int riga = 0, colonna = 0;
        int sanno = 0;          ///< children who know it (see quadro::saputa)
        QStringList daImparare; ///< children who still have to learn it, by name
    };

    QuadroClasse();

    QStringList bambini; ///< the children, by name as shown
    std::array<Fatto, 100> fatti;

    /// The children's records (each over the same period), \a nomi their names as shown.
    static QuadroClasse da(const QList<Quadro> &quadri, const QStringList &nomi);
    /// "7 per 8: la sanno 14 su 22; da imparare per Anna, Marco": on the screen, for a reader and on paper.
    QString parole(int cella) const;
    /// How much of the class knows the fact, from 0 to 1.
    double quota(int cella) const;
    /// The cell's colour: the map's "da imparare" for nobody, its "sicura" for everybody, between for the
    /// rest, lighter as more know it; grey with no child.
    QColor colore(int cella) const;
    /// The facts, those the fewest children know first (then the most to learn): the class's hardest.
    QList<int> piuDifficili() const;
};
