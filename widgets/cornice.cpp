// SPDX-License-Identifier: GPL-3.0-or-later
// A frame with a caption that holds a group of controls.
#include "widgets/cornice.h"

#include "widgets/disegno.h"
#include "widgets/scala.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace {

/// How far the style sets the caption in from the frame's left edge, in pixels of the scale-1 layout; as
/// much is kept free on the right.
constexpr int RientroDidascalia = 8;
/// A shrunk caption stays readable.
constexpr int PixelMinimi = 6;

} // namespace

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

QRect Cornice::spazioDidascalia() const
{
    const Scala s = scalatura::corrente(this);
    const QRect base(0, 0, qRound(width() / s.fattore), qRound(height() / s.fattore));
    return base.adjusted(RientroDidascalia, 0, -RientroDidascalia, 0);
}

QFont Cornice::fontDidascalia() const
{
    QFont f = scalatura::fontBase(this);
    const int spazio = spazioDidascalia().width();
    while (f.pixelSize() > PixelMinimi && QFontMetrics(f).horizontalAdvance(title()) > spazio)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void Cornice::paintEvent(QPaintEvent *e)
{
    const Scala s = scalatura::corrente(this);
    const QFont didascalia = fontDidascalia();
    if (s.unitaria() && didascalia == scalatura::fontBase(this)) {
        QGroupBox::paintEvent(e);
        return;
    }
    // The style draws its frame from a small bitmap, which would blur when blown up: at any other
    // scale, or with a caption too long for its font, the frame is drawn here as vectors, in the style's
    // place and colours, and the caption by the style on a painter scaled from the scale-1 layout.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s.fattore, s.fattore);
    QStyleOptionGroupBox opzione;
    initStyleOption(&opzione);
    opzione.rect = QRect(0, 0, qRound(width() / s.fattore), qRound(height() / s.fattore));
    constexpr int MargineStile = 3;
    // The frame's line stays where the frame's own font puts it, however small the caption.
    const int alto = title().isEmpty() ? MargineStile + 1
                                       : qMax(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                              QFontMetrics(scalatura::fontBase(this)).height()) +
                                             MargineStile + 1;
    opzione.fontMetrics = QFontMetrics(didascalia);
    const QRectF cornice = QRectF(opzione.rect).adjusted(1.5, alto + 0.5, -1.5, -0.5);
    p.setPen(QPen(QColor(0, 0, 0, 27), 1));
    p.setBrush(QColor(0, 0, 0, 4));
    p.drawRoundedRect(cornice, 2, 2);
    if (!title().isEmpty()) {
        p.setFont(didascalia);
        opzione.subControls = QStyle::SC_GroupBoxLabel;
        style()->drawComplexControl(QStyle::CC_GroupBox, &opzione, &p, this);
    }
}
