// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the board's timers on and off as an 'enabled' switch.
#pragma once

#include <QTimer>

/// Starts a stopped timer; a running one keeps its interval and phase.
inline void accendi(QTimer *timer)
{
    if (!timer->isActive()) timer->start();
}

inline void spegni(QTimer *timer)
{
    timer->stop();
}
