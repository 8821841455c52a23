// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows and the kit's controls present themselves to assistive technology.
#pragma once

#include <QAccessible>

class QWidget;

namespace accessibilita {

/// The role a top-level window reports (the main window a frame, the info window a dialog), or a
/// control whose own is too vague (a chart).
void impostaRuolo(QWidget *finestra, QAccessible::Role ruolo);

/// A control that stays where it is but is never seen (covered by others): reported invisible.
void velaSempre(QWidget *controllo);

/// Whether a label's text is painted in its window's background colour, that is unseen.
bool mimetizzata(const QWidget *etichetta);

/// Gives \a controllo the description it has while it tells nothing else (its keys, say).
void impostaDescrizione(QWidget *controllo, const QString &descrizione);
/// Puts back the description \a controllo has at rest, after words it carried for a moment.
void descriviARiposo(QWidget *controllo);

/// Installs the interfaces above; the kit's controls call it themselves, once is enough.
void installa();

} // namespace accessibilita
