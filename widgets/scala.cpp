// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of a window drawn from a twips layout.
#include "widgets/scala.h"

#include "widgets/immagini.h"

#include <QHash>
#include <QVariant>
#include <QWidget>

namespace {

// Dynamic properties: each control's place in twips and scale-1 font.
constexpr char ProprietaPosto[] = "numerellaPosto";
constexpr char ProprietaFont[] = "numerellaFont";

/// The scale of every scaled window. Painting asks for it many times a frame, so it is a
/// lookup by pointer rather than by property name.
QHash<const QWidget *, Scala> &scale()
{
    static QHash<const QWidget *, Scala> s;
    return s;
}

} // namespace

Scala Scala::adatta(QSize finestra, QSize base)
{
    Scala s;
    s.fattore = qMin(finestra.width() / qreal(base.width()), finestra.height() / qreal(base.height()));
    if (s.fattore <= 0) s.fattore = 1.0;
    const QSize dimensione(s.pixel(base.width()), s.pixel(base.height()));
    s.origine =
        QPoint((finestra.width() - dimensione.width()) / 2, (finestra.height() - dimensione.height()) / 2);
    s.quadro = QRect(s.origine, dimensione);
    return s;
}

int Scala::px(int twips) const
{
    return ::px(twips, fattore);
}

QRect Scala::rettangolo(const Posto &p, Contenitore contenitore) const
{
    const QRect r(px(p.left), px(p.top), px(p.width), px(p.height));
    return contenitore == Contenitore::Finestra ? r.translated(origine) : r;
}

QFont Scala::font(const QFont &base) const
{
    QFont f = base;
    if (base.pixelSize() > 0)
        f.setPixelSize(qMax(1, pixel(base.pixelSize())));
    else if (base.pointSizeF() > 0)
        f.setPointSizeF(base.pointSizeF() * fattore);
    return f;
}

namespace scalatura {

void posa(QWidget *w, const Posto &posto)
{
    w->setProperty(ProprietaPosto, QRect(posto.left, posto.top, posto.width, posto.height));
    const QWidget *finestra = w->window();
    const Scala s = corrente(w);
    w->setGeometry(s.rettangolo(posto, w->parentWidget() == finestra && w != finestra
                                           ? Scala::Contenitore::Finestra
                                           : Scala::Contenitore::Cornice));
}

void applica(QWidget *finestra, const Scala &s)
{
    if (!scale().contains(finestra))
        QObject::connect(finestra, &QObject::destroyed, [finestra] { scale().remove(finestra); });
    scale().insert(finestra, s);
    QList<QWidget *> tutti = finestra->findChildren<QWidget *>();
    tutti.prepend(finestra);
    for (QWidget *w : tutti) {
        if (w->isWindow() && w != finestra) continue; // another window (a dialog) keeps its own size
        if (w->testAttribute(Qt::WA_SetFont)) {
            const QFont base = fontBase(w);
            if (!w->property(ProprietaFont).isValid()) w->setProperty(ProprietaFont, base);
            const QFont f = s.font(base);
            if (f != w->font()) w->setFont(f);
        }
        // The hand is the kit's only picture pointer.
        if (w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::BitmapCursor)
            w->setCursor(immagini::cursoreMano(s.fattore));
        const QVariant posto = w->property(ProprietaPosto);
        if (!posto.isValid()) continue;
        const QRect t = posto.toRect();
        w->setGeometry(s.rettangolo({t.x(), t.y(), t.width(), t.height()},
                                    w->parentWidget() == finestra ? Scala::Contenitore::Finestra
                                                                  : Scala::Contenitore::Cornice));
    }
    finestra->update();
}

Scala corrente(const QWidget *w)
{
    const QWidget *finestra = w ? w->window() : nullptr;
    return finestra ? scale().value(finestra) : Scala();
}

QFont fontBase(const QWidget *w)
{
    const QVariant f = w->property(ProprietaFont);
    return f.isValid() ? f.value<QFont>() : w->font();
}

} // namespace scalatura
