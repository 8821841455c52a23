// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing and palette helpers shared by the kit's controls.
#pragma once

#include <QPalette>

class Immagine;
class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace disegno {

/// Sets one palette role in every colour group, and only when it changes, so that unchanged
/// colours cost no repaint (the blink timer writes them four times a second).
void impostaRuolo(QWidget *w, QPalette::ColorRole ruolo, const QColor &c);

enum class Rilievo { Alzato, Premuto };

/// A raised (or sunken) 3-D button face showing a picture centred and clipped.
void pulsante(QWidget *w, quint32 sfondo, const Immagine &immagine, Rilievo rilievo);

/// Disabled by itself or by a frame, not merely because its window is (the info window
/// disables the whole main window, which must not turn every picture grey).
bool spento(const QWidget *w);

/// Return and Enter press a focused button, as Space does; true when the key was used.
bool premiConInvio(QAbstractButton *b, const QKeyEvent *e);

} // namespace disegno
