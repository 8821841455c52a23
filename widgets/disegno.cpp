// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing and palette helpers shared by the kit's controls.
#include "widgets/disegno.h"

#include "widgets/aspetto.h"
#include "widgets/immagine.h"
#include "widgets/scala.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace disegno {

void impostaRuolo(QWidget *w, QPalette::ColorRole ruolo, const QColor &c)
{
    QPalette pal = w->palette();
    if (pal.color(QPalette::Active, ruolo) == c && pal.color(QPalette::Disabled, ruolo) == c) return;
    pal.setColor(ruolo, c);
    w->setPalette(pal);
}

void pulsante(QWidget *w, quint32 sfondo, const Immagine &immagine, Rilievo rilievo)
{
    const bool premuto = rilievo == Rilievo::Premuto;
    // Lines are whole pixels thick, so the face stays crisp at any scale.
    const Scala s = scalatura::corrente(w);
    const int l = s.linea();
    QPainter p(w);
    const QRect r = w->rect();
    p.fillRect(r, aspetto::colore(sfondo));
    if (!immagine.isNull()) {
        const QSizeF d = QSizeF(immagine.dimensione()) * s.fattore;
        QPointF at((r.width() - d.width()) / 2.0, (r.height() - d.height()) / 2.0);
        if (premuto) at += QPointF(l, l);
        p.save();
        p.setClipRect(r.adjusted(2 * l, 2 * l, -2 * l, -2 * l));
        const QTransform dispositivo = p.deviceTransform();
        if (!s.unitaria() && dispositivo.type() <= QTransform::TxScale &&
            qFuzzyCompare(dispositivo.m11(), w->devicePixelRatioF())) {
            // On a scaled screen the gradients are costly to draw anew at every press: drawn once
            // from the vectors at exactly the screen's pixels, then copied pixel for pixel.
            const QPixmap pm = immagine.pixmap(s.fattore * w->devicePixelRatioF());
            const QSizeF logica = QSizeF(pm.size()) / w->devicePixelRatioF();
            p.drawPixmap(QRectF(QPointF(qRound(at.x()), qRound(at.y())), logica), pm, QRectF(pm.rect()));
        } else {
            // Drawn as vectors at the painter's own resolution: sharp on any screen and on paper.
            p.translate(at);
            p.scale(s.fattore, s.fattore);
            immagine.disegna(p, QPointF(0, 0));
        }
        p.restore();
    }
    const QColor chiaro = premuto ? QColor(0x40, 0x40, 0x40) : Qt::white;
    const QColor scuro = premuto ? Qt::white : QColor(0x40, 0x40, 0x40);
    const QColor medio = premuto ? QColor(0xA0, 0xA0, 0xA0) : QColor(0x80, 0x80, 0x80);
    p.fillRect(QRect(r.left(), r.top(), r.width(), l), chiaro);
    p.fillRect(QRect(r.left(), r.top(), l, r.height()), chiaro);
    p.fillRect(QRect(r.left(), r.bottom() - l + 1, r.width(), l), scuro);
    p.fillRect(QRect(r.right() - l + 1, r.top(), l, r.height()), scuro);
    p.fillRect(QRect(r.left() + l, r.bottom() - 2 * l + 1, r.width() - 2 * l, l), medio);
    p.fillRect(QRect(r.right() - 2 * l + 1, r.top() + l, l, r.height() - 2 * l), medio);
    if (w->hasFocus()) {
        if (l == 1) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(r.adjusted(3, 3, -4, -4));
        } else {
            // The same dotted line at the scale, as squares one line wide, one on and two off:
            // filling squares costs far less than stroking a dashed pen on a big screen.
            const QRect fascia = r.adjusted(3 * l, 3 * l, -3 * l, -3 * l);
            for (int x = fascia.left(); x + l <= fascia.right() + 1; x += 3 * l) {
                p.fillRect(QRect(x, fascia.top(), l, l), Qt::black);
                p.fillRect(QRect(x, fascia.bottom() - l + 1, l, l), Qt::black);
            }
            for (int y = fascia.top() + 3 * l; y + l <= fascia.bottom() + 1 - l; y += 3 * l) {
                p.fillRect(QRect(fascia.left(), y, l, l), Qt::black);
                p.fillRect(QRect(fascia.right() - l + 1, y, l, l), Qt::black);
            }
        }
    }
}

bool spento(const QWidget *w)
{
    return !w->isEnabledTo(w->window());
}

bool premiConInvio(QAbstractButton *b, const QKeyEvent *e)
{
    if ((e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) || e->isAutoRepeat()) return false;
    b->click();
    return true;
}

} // namespace disegno
