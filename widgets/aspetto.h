// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and fonts of the windows: 0x00BBGGRR values to QColor, and the two typefaces.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace aspetto {

/// Colours as the layouts write them: 0x00BBGGRR, or 0x800000nn for a system colour.
enum : quint32 {
    Verde = 0x0000FF00, ///< an excluded cell
    Bianco = 0x00FFFFFF,
    ColoreSistema = 0x80000005,  ///< the system window background
    FacciaPulsante = 0x8000000F, ///< the system button face
    Rosa = 0x00C0C0FF,
    Azzurro = 0x00FFC0C0,
    Rosso = 0x000000FF,
    Blu = 0x00FF0000,
    GialloChiaro = 0x0080FFFF, ///< the main window's background: a header in it is hidden
    Arancio = 0x000080FF,
    CianoChiaro = 0x00FFFF80,
    VerdeAcqua = 0x00C0C000,
    Nero = 0x00000000,
    VerdeChiaro = 0x00C0FFC0,
    BluScuro = 0x00C00000,
};
constexpr quint32 ColoreEscluso = Verde;

/// Converts a 0x00BBGGRR value (or a system colour) to a QColor.
QColor colore(quint32 bbggrr);

/// Gives a window its background and text colour, painted under all its children.
void coloraFinestra(QWidget *finestra, quint32 sfondo, quint32 testo);

enum class Peso { Normale, Grassetto };

/// The two typefaces the windows ask for; fontconfig maps them to metric look-alikes where missing.
QFont fontComic(qreal punti, Peso peso = Peso::Normale);
QFont fontArial(qreal punti);
/// The face of the windows' words; digits keep Comic's whatever it is.
enum class Famiglia {
    Comic,
    Leggibile, ///< a face made for readers with dyslexia (OpenDyslexic, else Andika)
};
void impostaFamigliaParole(Famiglia famiglia);
Famiglia famigliaParole();
/// A font for words: fontComic(), or the readable face at the same size when that was chosen.
QFont fontParole(qreal punti, Peso peso = Peso::Normale);
/// The readable face's family as fontconfig finds it; empty when none is installed.
QString famigliaLeggibile();
/// \a f with the colour emoji font right after its own family, so a name's emoji show in colour.
QFont conEmoji(QFont f);

} // namespace aspetto
