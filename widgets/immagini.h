// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' pictures, cursor and icons, drawn from code and from the program's SVG sources.
#pragma once

#include "widgets/immagine.h"

#include <QCursor>
#include <QIcon>

namespace immagini {

/// Gradient backgrounds of the word and key pictures: white in the middle, this colour at the edges.
enum class Sfumatura { Arancio, Rosso, Magenta, Lavanda, Verde };
/// The colour of a picture's lettering.
enum class Inchiostro { Nero, Grigio, Rosso };

/// A word (or digit) in hand-written-style lettering on a radial gradient.
Immagine parola(const QString &testo, Sfumatura sfondo, QSize dimensione, int pixelFont,
                Inchiostro inchiostro = Inchiostro::Nero);
/// A picture from one of the program's SVG sources (":/pictures/<nome>.svg").
Immagine svg(const QString &nome, QSize dimensione);
/// The red OK on green of the keypad and of the info window, in the language's own word.
Immagine ok();

/// The hand cursor of buttons, keys and column headers, \a fattore times its 32-pixel size;
/// hot spot on the finger tip (6, 5 at scale 1).
QCursor cursoreMano(qreal fattore = 1.0);
/// The grid icon of the main window and the question-mark icon of the info window.
QIcon iconaFinestra();
QIcon iconaInfo();

} // namespace immagini
