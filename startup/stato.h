// SPDX-License-Identifier: GPL-3.0-or-later
// The drill's shared state: counters, flags and per-cell tables read by the handlers of both windows.
#pragma once

#include <QtGlobal>
#include <array>

/// Everything the handlers of both windows share. One instance lives for the whole run;
/// what has an on-screen form (answers, exclusions, whether a game runs) stays in the controls.
struct Stato
{
    float CellaCorrente = 0;       ///< index of the asked cell; always a whole number 0..99
    bool InCorso = false;          ///< the stopwatch counts
    qint16 NumErrori = 0;          ///< wrong answers in this game
    qint16 NumEsatte = 0;          ///< right answers in this game
    qint16 NumEscluse = 0;         ///< green cells, counted at game start
    qint16 Secondi = 0;            ///< stopwatch seconds 0..59
    qint16 Minuti = 0;             ///< stopwatch minutes 0..59
    qint16 SuonoSpento = 0;        ///< 0 = sound on; any other value mutes
    qint16 ModoLampeggio = 0;      ///< 0 = header chaser, 1 = question blink
    qint16 PosizioneLampeggio = 0; ///< column header the chaser stands on, 0..9

    /// Per-cell tables, indices 0..100 (entry 100 stays 0): product, column factor, row factor.
    std::array<qint16, 101> Prodotto{};
    std::array<qint16, 101> Colonna{};
    std::array<qint16, 101> Riga{};

    /// The asked cell as an index; the float always holds a whole number, so the conversion is exact.
    int cella() const { return static_cast<int>(CellaCorrente); }
};
