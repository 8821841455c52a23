// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of fixed logical size, drawn as vectors by code or from an SVG.
#pragma once

#include <QPixmap>
#include <QSize>
#include <functional>
#include <memory>

class QPainter;

/// A picture of fixed logical size drawn by code or from an SVG; it is drawn anew at the
/// painter's resolution, so it stays sharp on a high-density screen, scaled, or on paper.
class Immagine
{
public:
    Immagine() = default;
    Immagine(QSize dimensione, std::function<void(QPainter &)> disegna);

    QSize dimensione() const { return m_dimensione; }
    bool isNull() const { return !m_disegna; }
    /// The picture rasterised at \a dpr (cached).
    QPixmap pixmap(qreal dpr) const;
    /// Draws the picture with its logical size at \a posizione, at the painter's resolution.
    void disegna(QPainter &p, QPointF posizione) const;

private:
    QSize m_dimensione;
    std::shared_ptr<std::function<void(QPainter &)>> m_disegna;
    mutable QPixmap m_cache;
};
