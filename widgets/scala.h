// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of a window drawn from a twips layout: one factor, the board centred, and places at that scale.
#pragma once

#include "widgets/posto.h"

#include <QFont>
#include <QRect>

class QWidget;

/// How a window laid out in twips is shown: every length times one factor, the board centred.
struct Scala
{
    qreal fattore = 1.0;
    QPoint origine; ///< top-left corner of the board in its window
    QRect quadro;   ///< the board's area in its window (null for a window never scaled)

    /// Where a control's container is: the window itself (shifted by the origin) or a frame.
    enum class Contenitore { Finestra, Cornice };

    /// The largest scale at which a board of \a base pixels fits \a finestra, centred in it.
    static Scala adatta(QSize finestra, QSize base);

    /// A length in twips at this scale, rounded to whole pixels.
    int px(int twips) const;
    /// A control's rectangle: left, top, width and height each rounded on its own, as at scale 1.
    QRect rettangolo(const Posto &posto, Contenitore contenitore) const;
    /// A length in pixels of the scale-1 layout at this scale.
    int pixel(qreal lunghezza) const { return qRound(lunghezza * fattore); }
    /// The width of a line drawn 1 pixel wide at scale 1: whole pixels, so it stays crisp.
    int linea() const { return qMax(1, qRound(fattore)); }
    /// \a base (a font of the scale-1 layout, sized in pixels) at this scale.
    QFont font(const QFont &base) const;
    bool unitaria() const { return qFuzzyCompare(fattore, 1.0); }
};

namespace scalatura {

/// Records a control's place in its window's twips layout and moves it there at the window's scale.
void posa(QWidget *w, const Posto &posto);
/// Sets \a finestra's scale, then places every recorded control, sizes every explicitly set font and
/// every hand pointer at it.
void applica(QWidget *finestra, const Scala &s);
/// The scale of \a w's window (1, at the origin, when it was never scaled).
Scala corrente(const QWidget *w);
/// The scale-1 font of \a w (its own font while it was never scaled).
QFont fontBase(const QWidget *w);

} // namespace scalatura
