// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a window above the other windows.
#include "startup/primopiano.h"

#include <QWidget>

void SempreInPrimoPiano(QWidget *finestra)
{
    if (!finestra) return;
    if (!finestra->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing a flag hides a shown window; show it again where it was.
        const bool visibile = finestra->isVisible();
        finestra->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (visibile) finestra->show();
    }
    // Window managers honour the hint; without one only a raise restacks.
    finestra->raise();
}
