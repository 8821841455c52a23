// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of fixed logical size, drawn as vectors.
#include "widgets/immagine.h"

#include <QPainter>

Immagine::Immagine(QSize dimensione, std::function<void(QPainter &)> disegna)
    : m_dimensione(dimensione),
      m_disegna(std::make_shared<std::function<void(QPainter &)>>(std::move(disegna)))
{
}

QPixmap Immagine::pixmap(qreal dpr) const
{
    if (!m_disegna) return {};
    if (m_cache.isNull() || !qFuzzyCompare(m_cache.devicePixelRatio(), dpr)) {
        QPixmap pm(m_dimensione * dpr);
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        // Exactly the pixmap's pixels, also where the size in pixels was rounded.
        p.scale(pm.width() / (m_dimensione.width() * dpr), pm.height() / (m_dimensione.height() * dpr));
        (*m_disegna)(p);
        p.end(); // a pixmap still being painted on would be copied pixel by pixel
        m_cache = pm;
    }
    return m_cache;
}

void Immagine::disegna(QPainter &p, QPointF posizione) const
{
    if (!m_disegna) return;
    p.save();
    p.translate(posizione);
    p.setClipRect(QRect(QPoint(0, 0), m_dimensione), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    (*m_disegna)(p);
    p.restore();
}
