// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style with the caret at the window's scale.
#include "widgets/stilescalato.h"

#include "widgets/scala.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

StileScalato *StileScalato::istanza()
{
    // Let go with the application: a style must not outlive its QApplication.
    static StileScalato *stile = nullptr;
    if (!stile) {
        stile = new StileScalato;
        qAddPostRoutine([] {
            delete stile;
            stile = nullptr;
        });
    }
    return stile;
}

int StileScalato::pixelMetric(PixelMetric metrica, const QStyleOption *opzione, const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metrica, opzione, widget);
    if (metrica != PM_TextCursorWidth) return base;
    // A line edit asks without naming itself; its option does.
    if (!widget && opzione) widget = qobject_cast<const QWidget *>(opzione->styleObject);
    return qMax(base, scalatura::corrente(widget).pixel(base));
}

QRect StileScalato::subElementRect(SubElement elemento, const QStyleOption *opzione,
                                   const QWidget *widget) const
{
    if (elemento == SE_CheckBoxClickRect && opzione) return opzione->rect;
    return QProxyStyle::subElementRect(elemento, opzione, widget);
}

void StileScalato::drawPrimitive(PrimitiveElement elemento, const QStyleOption *opzione, QPainter *painter,
                                 const QWidget *widget) const
{
    // The kit's boxes are flat and draw their own border: a plain fill, also cheaper than a
    // rounded antialiased panel on a big screen.
    if (elemento == PE_PanelLineEdit && opzione) {
        painter->fillRect(opzione->rect, opzione->palette.brush(QPalette::Base));
        return;
    }
    QProxyStyle::drawPrimitive(elemento, opzione, painter, widget);
}
