// SPDX-License-Identifier: GPL-3.0-or-later
// A control's place in twips (1/1440 inch) and the one conversion of twips to device-independent pixels.
#pragma once

#include <QSize>

/// Left, top, width and height in twips, relative to the control's container.
struct Posto
{
    int left, top, width, height;
};

/// Layouts are kept in twips; 15 twips make one device-independent pixel.
constexpr int TwipsPerPixel = 15;

/// A length of \a twips in pixels at \a fattore (1: the layout's own size), to the nearest pixel,
/// halves away from zero.
constexpr int px(int twips, qreal fattore = 1.0)
{
    const qreal pixel = twips * fattore / TwipsPerPixel;
    return pixel < 0 ? -int(-pixel + 0.5) : int(pixel + 0.5);
}

/// The size of \a posto in pixels at the layout's own size.
constexpr QSize misura(const Posto &posto)
{
    return {px(posto.width), px(posto.height)};
}
