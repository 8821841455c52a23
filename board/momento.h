// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board is in the life of a game, as its controls show it.
#pragma once

/// No variable holds it: FrmNumerella::momento() reads it off the controls.
enum class Momento {
    Riposo,  ///< between games: Start shows, nothing to print
    InCorso, ///< a game runs
    InPausa, ///< a game is paused
    Finita,  ///< the last game was completed and can be printed
};
