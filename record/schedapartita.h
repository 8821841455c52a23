// SPDX-License-Identifier: GPL-3.0-or-later
// One game as the record keeps it.
#pragma once

#include "record/risposta.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <bitset>
#include <optional>

/// One game as kept.
struct SchedaPartita
{
    qint64 id = 0;
    QString uuid;
    QString giocatore;
    QDateTime inizio, fine; ///< fine is invalid while the game is played
    std::bitset<100> inGioco;
    int secondi = 0;                  ///< on the stopwatch
    int errori = 0;                   ///< wrong answers
    int esatte = 0;                   ///< right answers
    std::optional<FinePartita> esito; ///< none while the game is played

    /// The tables in play: the column factors with a cell not green.
    QStringList tabelline() const
    {
        QStringList numeri;
        for (int colonna = 0; colonna < 10; ++colonna) {
            for (int riga = 0; riga < 10; ++riga) {
                if (inGioco.test(riga * 10 + colonna)) {
                    numeri.append(QString::number(colonna + 1));
                    break;
                }
            }
        }
        return numeri;
    }
};
