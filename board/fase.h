// SPDX-License-Identifier: GPL-3.0-or-later
// The phase the board is in, as its controls show it.
#pragma once

/// No variable holds the phase: FrmNumerella::fase() reads it off the controls.
enum class Fase {
    Riposo,  ///< between games: Start shows, nothing to print
    InCorso, ///< a game runs
    InPausa, ///< a game is paused
    Finita,  ///< the last game was completed and can be printed
};
