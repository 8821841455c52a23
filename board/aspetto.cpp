// SPDX-License-Identifier: GPL-3.0-or-later
// Units, colours and fonts of the windows.
#include "board/aspetto.h"

#include <QApplication>
#include <QPalette>

namespace aspetto {

QColor colore(quint32 bbggrr)
{
    if (bbggrr & 0x80000000u) // a system colour: window background (5) or button face (15)
        return QApplication::palette().color((bbggrr & 0xFF) == 15 ? QPalette::Button : QPalette::Base);
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

// Sizes are given in points of a 96-dpi layout (20 twips a point), so text keeps its place in the
// fixed twips layout whatever the screen's logical dpi.
static QFont font(const QString &famiglia, qreal punti)
{
    QFont f(famiglia);
    f.setPixelSize(qRound(punti * 20.0 / TwipsPerPixel));
    return f;
}

QFont fontComic(qreal punti, bool grassetto)
{
    QFont f = font(QStringLiteral("Comic Sans MS"), punti);
    f.setBold(grassetto);
    return f;
}

QFont fontArial(qreal punti)
{
    return font(QStringLiteral("Arial"), punti);
}

} // namespace aspetto
