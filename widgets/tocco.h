// SPDX-License-Identifier: GPL-3.0-or-later
// Telling a finger on a touch screen from a mouse.
#pragma once

#include <QEvent>
#include <QInputDevice>
#include <QMouseEvent>
#include <QPointingDevice>

namespace tocco {

/// Whether \a e comes from a finger: a touch event, or the mouse event Qt made of one.
inline bool daDito(const QEvent *e)
{
    if (!e->isPointerEvent()) return false;
    const QPointingDevice *d = static_cast<const QPointerEvent *>(e)->pointingDevice();
    return d && d->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace tocco
