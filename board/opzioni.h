// SPDX-License-Identifier: GPL-3.0-or-later
// Applying the command line's options to the board after its start-up.
#pragma once

#include "services/opzioni.h"

class FrmNumerella;

/// Sets up a board that has just run its start-up as the options ask: the tables not chosen are left out
/// as a press on their column number does, and the sound box is switched off as a click on it does.
void applicaOpzioni(FrmNumerella &finestra, const Opzioni &opzioni);
