// SPDX-License-Identifier: GPL-3.0-or-later
// A frame with a caption that holds a group of controls.
#include "widgets/cornice.h"

#include "widgets/disegno.h"
#include "widgets/scala.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

Cornice::Cornice(const QString &titolo, const QFont &font, Didascalia didascalia, QWidget *parent)
    : QGroupBox(titolo, parent), m_didascalia(didascalia)
{
    setFont(font);
    aggiornaDidascalia();
}

void Cornice::changeEvent(QEvent *e)
{
    QGroupBox::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) aggiornaDidascalia();
}

void Cornice::aggiornaDidascalia()
{
    // Grey only when the frame itself is switched off, not while a dialog disables the whole window.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    const bool grigia = m_didascalia == Didascalia::SiSpegne && disegno::spento(this);
    pal.setColor(QPalette::Disabled, QPalette::WindowText,
                 grigia ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black));
    setPalette(pal);
}

void Cornice::paintEvent(QPaintEvent *e)
{
    const Scala s = scalatura::corrente(this);
    if (s.unitaria()) {
        QGroupBox::paintEvent(e);
        return;
    }
    // The style draws its frame from a small bitmap, which would blur when blown up: at any other
    // scale the frame is drawn here as vectors, in the style's place and colours, and the caption
    // by the style on a painter scaled from the scale-1 layout.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s.fattore, s.fattore);
    const QFont base = scalatura::fontBase(this);
    QStyleOptionGroupBox opzione;
    initStyleOption(&opzione);
    opzione.rect = QRect(0, 0, qRound(width() / s.fattore), qRound(height() / s.fattore));
    opzione.fontMetrics = QFontMetrics(base);
    constexpr int MargineStile = 3;
    const int alto = title().isEmpty() ? MargineStile + 1
                                       : qMax(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                              opzione.fontMetrics.height()) +
                                             MargineStile + 1;
    const QRectF cornice = QRectF(opzione.rect).adjusted(1.5, alto + 0.5, -1.5, -0.5);
    p.setPen(QPen(QColor(0, 0, 0, 27), 1));
    p.setBrush(QColor(0, 0, 0, 4));
    p.drawRoundedRect(cornice, 2, 2);
    if (!title().isEmpty()) {
        p.setFont(base);
        opzione.subControls = QStyle::SC_GroupBoxLabel;
        style()->drawComplexControl(QStyle::CC_GroupBox, &opzione, &p, this);
    }
}
