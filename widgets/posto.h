// SPDX-License-Identifier: GPL-3.0-or-later
// A control's place in twips (1/1440 inch) and its conversion to device-independent pixels.
#pragma once

#include <QRect>

namespace aspetto {

/// Left, top, width and height in twips, relative to the control's container.
struct Posto
{
    int left, top, width, height;
};

/// Layouts are kept in twips; 15 twips make one device-independent pixel.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect rettangolo(const Posto &t)
{
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}

} // namespace aspetto
