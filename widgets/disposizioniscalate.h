// SPDX-License-Identifier: GPL-3.0-or-later
// The margins and spacings of a window's layouts at a scale, from their sizes at scale 1.
#pragma once

#include <QList>
#include <QMargins>
#include <QPointer>

class QLayout;
class QWidget;

/// Qt gives a layout's margins and spacings in pixels, from the style: at a whiteboard's scale they
/// must grow with the text. Records every layout under a widget as it is (at scale 1).
class DisposizioniScalate
{
public:
    explicit DisposizioniScalate(const QWidget *finestra);
    /// Every recorded layout at \a fattore times its sizes at scale 1.
    void applica(qreal fattore) const;

private:
    struct Disposizione
    {
        QPointer<QLayout> disposizione; ///< a message box makes its layout anew now and then
        QMargins margini;
        int orizzontale, verticale; ///< spacings; negative: the style's
    };
    QList<Disposizione> m_disposizioni;
};
