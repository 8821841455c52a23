// SPDX-License-Identifier: GPL-3.0-or-later
// A flat single-line box with a thin border.
#include "widgets/riquadro.h"

#include <QPainter>

Riquadro::Riquadro(const QColor &bordo, QWidget *parent) : QLineEdit(parent), m_bordo(bordo)
{
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void Riquadro::paintEvent(QPaintEvent *e)
{
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
    }
    QLineEdit::paintEvent(e);
    QPainter p(this);
    p.setPen(m_bordo);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
