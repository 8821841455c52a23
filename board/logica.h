// SPDX-License-Identifier: GPL-3.0-or-later
// Pure drill logic, free of widgets: product tables, question picker, stopwatch and chaser steps.
#pragma once

#include "startup/stato.h"

#include <QRandomGenerator>
#include <span>

namespace logica {

/// Fills Prodotto, Colonna and Riga for cells 0..99 (row-major: cell k asks (k/10+1) × (k%10+1)).
void costruisciTabelle(Stato &s);

/// Draws uniformly among the cells whose flag is true; returns -1 when there is none,
/// so a board with no candidate left can never make the caller loop for ever.
int scegliCella(std::span<const bool, 100> candidata, QRandomGenerator &caso);

/// What one stopwatch tick changed.
enum class Passo { Niente, Secondi, Minuti };

/// One stopwatch tick: counts seconds, carries into minutes and stands still at 59:59.
Passo passoCronometro(qint16 &secondi, qint16 &minuti);

/// One chaser tick on the idle board, on the phase shared with the question blink.
struct PassoInseguitore
{
    int etichetta;     ///< the column header the tick writes
    bool rossa;        ///< it is left red (else blue)
    bool manoVisibile; ///< the pointing hand is shown after the tick
};
PassoInseguitore passoInseguitore(qint16 &posizione, qint16 &fase);

} // namespace logica
