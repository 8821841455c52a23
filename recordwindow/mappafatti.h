// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 × 10 map of the facts, each cell coloured by how the child does on it.
#pragma once

#include "record/apprendimento.h"
#include "record/orologio.h"
#include "record/quadro.h"

#include <QColor>
#include <QList>
#include <QTableWidget>

/// A grid like the board's: row factor down, column factor across. Each cell's colour and letter say
/// the fact's state for the child over all its askings; its words (also told to a screen reader) say
/// it in full. Moving through it with the keyboard or the mouse selects a cell.
class MappaFatti : public QTableWidget
{
    Q_OBJECT
public:
    using Stato = apprendimento::Stato;

    explicit MappaFatti(QWidget *parent = nullptr);

    /// The facts of a child on the local day \a oggi.
    void mostra(const QList<SchedaFatto> &fatti, const QDate &oggi = orologio::oggi(),
                const apprendimento::Giudizio &giudizio = {});
    /// A child's facts over a period: those it did not ask stand blank, and say so.
    void mostra(const Quadro &quadro);

    // What draws a cell, here and on paper.
    static QColor colore(Stato stato);
    /// The letter beside the product, so that the map reads in grey and for colour-blind eyes.
    static QString lettera(Stato stato);
    /// The legend's words for \a stato: its letter and its name.
    static QString nome(Stato stato);
    /// "7 per 8: da imparare; chiesta 14 volte, 4 sbagliate, l'ultima il 3 dicembre; di solito 3,2 secondi".
    static QString parole(const SchedaFatto &fatto, const QDate &oggi,
                          const apprendimento::Giudizio &giudizio = {});
    /// The legend in words, every state in the map's order.
    static QList<Stato> stati();

Q_SIGNALS:
    /// The words of the selected cell.
    void scelta(const QString &parole);
};
