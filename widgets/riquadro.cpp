// SPDX-License-Identifier: GPL-3.0-or-later
// A flat single-line box with a thin border.
#include "widgets/riquadro.h"

#include "widgets/scala.h"
#include "widgets/stilescalato.h"

#include <QEvent>
#include <QPainter>

Riquadro::Riquadro(const QColor &bordo, QWidget *parent) : QLineEdit(parent), m_bordo(bordo)
{
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setStyle(StileScalato::istanza());     // a caret as wide as the scale wants, a flat panel
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: nothing behind needs painting
}

void Riquadro::changeEvent(QEvent *e)
{
    QLineEdit::changeEvent(e);
    // The line edit keeps its text 2 pixels in from the edge at any size: the rest of a scaled
    // margin (the font follows the scale) is added here, so text never runs over the border.
    if (e->type() == QEvent::FontChange) {
        const int m = qMax(0, scalatura::corrente(this).pixel(2) - 2);
        if (textMargins().left() != m) setTextMargins(m, 0, m, 0);
    }
}

void Riquadro::paintEvent(QPaintEvent *e)
{
    QLineEdit::paintEvent(e); // its panel is a plain fill (see StileScalato)
    QPainter p(this);
    const int l = scalatura::corrente(this).linea();
    const QRect r = rect();
    p.fillRect(QRect(r.left(), r.top(), r.width(), l), m_bordo);
    p.fillRect(QRect(r.left(), r.bottom() - l + 1, r.width(), l), m_bordo);
    p.fillRect(QRect(r.left(), r.top(), l, r.height()), m_bordo);
    p.fillRect(QRect(r.right() - l + 1, r.top(), l, r.height()), m_bordo);
}
