// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a window above the other windows.
#pragma once

class QWidget;

/// Gives \a finestra the stay-on-top hint and raises it, without moving or resizing it.
void SempreInPrimoPiano(QWidget *finestra);
