// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing and palette helpers shared by the kit's controls.
#include "widgets/disegno.h"

#include "widgets/aspetto.h"
#include "widgets/immagine.h"

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
    QPainter p(w);
    const QRect r = w->rect();
    p.fillRect(r, aspetto::colore(sfondo));
    if (!immagine.isNull()) {
        const QSize d = immagine.dimensione();
        QPointF at((r.width() - d.width()) / 2.0, (r.height() - d.height()) / 2.0);
        if (premuto) at += QPointF(1, 1);
        // Drawn as vectors at the painter's own resolution: sharp on any screen and on paper.
        p.save();
        p.setClipRect(r.adjusted(2, 2, -2, -2));
        immagine.disegna(p, at);
        p.restore();
    }
    const QColor chiaro = premuto ? QColor(0x40, 0x40, 0x40) : Qt::white;
    const QColor scuro = premuto ? Qt::white : QColor(0x40, 0x40, 0x40);
    const QColor medio = premuto ? QColor(0xA0, 0xA0, 0xA0) : QColor(0x80, 0x80, 0x80);
    p.setPen(chiaro);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(scuro);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(medio);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    if (w->hasFocus()) {
        QPen punti(Qt::black, 1, Qt::DotLine);
        p.setPen(punti);
        p.drawRect(r.adjusted(3, 3, -4, -4));
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
