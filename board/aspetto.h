// SPDX-License-Identifier: GPL-3.0-or-later
// Units, colours and fonts of the windows: twips to pixels and 0x00BBGGRR values to QColor.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace aspetto {

/// Layouts are kept in twips; 15 twips make one device-independent pixel.
constexpr int TwipsPerPixel = 15;
constexpr int px(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
template <typename Posto> QRect rettangolo(const Posto &t)
{
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}

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

/// Converts a 0x00BBGGRR value (or the system window colour) to a QColor.
QColor colore(quint32 bbggrr);

/// The two typefaces the windows ask for; fontconfig maps them to metric look-alikes where missing.
QFont fontComic(qreal punti, bool grassetto = false);
QFont fontArial(qreal punti);

} // namespace aspetto
