// SPDX-License-Identifier: GPL-3.0-or-later
// One game as the record keeps it.
#pragma once

#include "services/risposta.h"

#include <QDateTime>
#include <QString>
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
};
