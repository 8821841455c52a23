// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style with the sizes it draws by itself (the caret, the drop-down and sort
// arrows) at the window's scale, flat line-edit panels and picture check boxes.
#pragma once

#include <QProxyStyle>

class StileScalato : public QProxyStyle
{
    Q_OBJECT
public:
    /// The one instance, shared by the kit's controls that ask for it; it lives as long as the application.
    static StileScalato *istanza();
    /// The drop-down and sort arrows of \a finestra's controls that use this style are \a fattore
    /// times the style's (which draws them a fixed size in pixels).
    static void impostaFrecce(QWidget *finestra, qreal fattore);

    int pixelMetric(PixelMetric metrica, const QStyleOption *opzione = nullptr,
                    const QWidget *widget = nullptr) const override;
    /// A check box drawn as a picture is clicked, and reported, anywhere on it.
    QRect subElementRect(SubElement elemento, const QStyleOption *opzione,
                         const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption *opzione, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl controllo, const QStyleOptionComplex *opzione, SubControl parte,
                         const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType tipo, const QStyleOption *opzione, const QSize &misura,
                           const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl controllo, const QStyleOptionComplex *opzione, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    StileScalato() = default;
};
