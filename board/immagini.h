// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' pictures, cursor and icons, drawn from vector sources at the screen's pixel ratio.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <functional>
#include <memory>

class QPainter;

namespace immagini {

/// A picture of fixed logical size drawn by code or from an SVG, rasterised anew for each
/// device pixel ratio it is shown at, so it stays sharp on a high-density screen.
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

/// Gradient backgrounds of the word and key pictures: white in the middle, this colour at the edges.
enum class Sfumatura { Arancio, Rosso, Magenta, Lavanda, Verde };

/// A word (or digit) in hand-written-style lettering on a radial gradient.
Immagine parola(const QString &testo, Sfumatura sfondo, QSize dimensione, int pixelFont, bool grigio = false,
                bool rosso = false);
/// A picture from one of the program's SVG sources (":/pictures/<nome>.svg").
Immagine svg(const QString &nome, QSize dimensione);

/// The hand cursor of buttons, keys and column headers; hot spot on the finger tip (6, 5).
QCursor cursoreMano();
/// The grid icon of the main window and the question-mark icon of the info window.
QIcon iconaFinestra();
QIcon iconaInfo();

} // namespace immagini
