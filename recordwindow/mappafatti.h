// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 × 10 map of the facts, each cell coloured by how the child does on it.
#pragma once

#include "record/schedafatto.h"

#include <QColor>
#include <QList>
#include <QTableWidget>

/// A grid like the board's: row factor down, column factor across. Each cell's colour says how the
/// child does on that fact over its recent askings; its words (also told to a screen reader) say it
/// in full. Moving through it with the keyboard or the mouse selects a cell.
class MappaFatti : public QTableWidget
{
    Q_OBJECT
public:
    /// What a colour means.
    enum class Livello { MaiChiesta, Sicura, Lenta, QualcheErrore, Difficile };
    /// Average seconds above which a fact answered without errors is slow.
    static constexpr double SecondiLenti = 8.0;

    explicit MappaFatti(QWidget *parent = nullptr);

    void mostra(const QList<SchedaFatto> &fatti);

    static Livello livello(const SchedaFatto &fatto);
    static QColor colore(Livello livello);
    /// The legend's word for \a livello.
    static QString nome(Livello livello);
    /// "7 per 8: chiesta 12 volte, 3 sbagliate, 6,4 secondi in media".
    static QString parole(const SchedaFatto &fatto);

Q_SIGNALS:
    /// The words of the selected cell.
    void scelta(const QString &parole);
};
