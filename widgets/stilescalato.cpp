// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style with the caret and the arrows at the window's scale.
#include "widgets/stilescalato.h"

#include "widgets/scala.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace {

constexpr char FattoreFrecce[] = "stilescalato_frecce";
/// The style's own arrow: a triangle this wide, half as high, at scale 1.
constexpr qreal LarghezzaFreccia = 8;

qreal fattoreFrecce(const QWidget *w)
{
    const QVariant f = w ? w->window()->property(FattoreFrecce) : QVariant();
    return f.isValid() ? std::max(1.0, f.toReal()) : 1.0;
}

/// A triangle pointing up or down, centred in \a dove; it covers the style's smaller one there.
void freccia(QPainter *p, const QRectF &dove, bool suGiu, qreal f, const QColor &colore)
{
    const qreal l = std::min(LarghezzaFreccia * f, dove.width()), a = l / 2;
    const QPointF c = dove.center();
    const qreal punta = suGiu ? c.y() - a / 2 : c.y() + a / 2, base = suGiu ? c.y() + a / 2 : c.y() - a / 2;
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(colore);
    p->drawPolygon(
        QPolygonF({QPointF(c.x() - l / 2, base), QPointF(c.x() + l / 2, base), QPointF(c.x(), punta)}));
    p->restore();
}

} // namespace

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
    const qreal f = fattoreFrecce(widget);
    if (elemento != PE_IndicatorHeaderArrow || f <= 1.0) return;
    const auto *h = qstyleoption_cast<const QStyleOptionHeader *>(opzione);
    if (!h || h->sortIndicator == QStyleOptionHeader::None) return;
    freccia(painter, opzione->rect, h->sortIndicator == QStyleOptionHeader::SortUp, f,
            opzione->palette.color(QPalette::ButtonText));
}

void StileScalato::impostaFrecce(QWidget *finestra, qreal f)
{
    finestra->setProperty(FattoreFrecce, f);
}

QRect StileScalato::subControlRect(ComplexControl controllo, const QStyleOptionComplex *opzione,
                                   SubControl parte, const QWidget *widget) const
{
    QRect r = QProxyStyle::subControlRect(controllo, opzione, parte, widget);
    const qreal f = fattoreFrecce(widget);
    if (controllo != CC_ComboBox || f <= 1.0) return r;
    // The arrow's part as much wider as the arrow, taken from the text's.
    const QRect freccia = QProxyStyle::subControlRect(controllo, opzione, SC_ComboBoxArrow, widget);
    const int di = qRound(freccia.width() * (f - 1));
    if (parte == SC_ComboBoxArrow) r.setLeft(r.left() - di);
    if (parte == SC_ComboBoxEditField) r.setRight(r.right() - di);
    return r;
}

QSize StileScalato::sizeFromContents(ContentsType tipo, const QStyleOption *opzione, const QSize &misura,
                                     const QWidget *widget) const
{
    QSize s = QProxyStyle::sizeFromContents(tipo, opzione, misura, widget);
    const qreal f = fattoreFrecce(widget);
    if (tipo == CT_ComboBox && f > 1.0 && opzione) {
        const auto *c = qstyleoption_cast<const QStyleOptionComboBox *>(opzione);
        if (c)
            s.rwidth() += qRound(
                QProxyStyle::subControlRect(CC_ComboBox, c, SC_ComboBoxArrow, widget).width() * (f - 1));
    }
    return s;
}

void StileScalato::drawComplexControl(ComplexControl controllo, const QStyleOptionComplex *opzione,
                                      QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(controllo, opzione, painter, widget);
    const qreal f = fattoreFrecce(widget);
    if (controllo != CC_ComboBox || f <= 1.0 || !(opzione->subControls & SC_ComboBoxArrow)) return;
    freccia(painter, subControlRect(controllo, opzione, SC_ComboBoxArrow, widget), false, f,
            opzione->palette.color(QPalette::ButtonText));
}
