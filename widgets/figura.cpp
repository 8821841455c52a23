// SPDX-License-Identifier: GPL-3.0-or-later
// A picture on a window's surface.
#include "widgets/figura.h"

#include "widgets/scala.h"

#include <QPainter>

Figura::Figura(Immagine immagine, QWidget *parent) : QWidget(parent), m_immagine(std::move(immagine))
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Figura::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal s = scalatura::corrente(this).fattore;
    p.scale(s, s);
    m_immagine.disegna(p, QPointF(0, 0));
}
