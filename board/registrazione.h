// SPDX-License-Identifier: GPL-3.0-or-later
// Ties the board to the record kept of its games.
#pragma once

class FrmNumerella;
class Registro;
class Tipografia;

/// Every event of a game goes to \a registro; the caption and the print prompt follow the current
/// player; Ctrl+R opens the record window, whose "Ripassa" starts its game here; the record's warning
/// is shown over the board, between games.
void registra(FrmNumerella &finestra, Registro &registro, Tipografia &tipografia);
