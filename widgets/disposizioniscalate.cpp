// SPDX-License-Identifier: GPL-3.0-or-later
// The margins and spacings of a window's layouts at a scale, from their sizes at scale 1.
#include "widgets/disposizioniscalate.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QWidget>

namespace {

int per(int pixel, qreal fattore)
{
    return pixel < 0 ? pixel : qRound(pixel * fattore);
}

} // namespace

DisposizioniScalate::DisposizioniScalate(const QWidget *finestra)
{
    for (QLayout *l : finestra->findChildren<QLayout *>()) {
        Disposizione d{l, l->contentsMargins(), l->spacing(), l->spacing()};
        if (const auto *g = qobject_cast<QGridLayout *>(l))
            d.orizzontale = g->horizontalSpacing(), d.verticale = g->verticalSpacing();
        else if (const auto *f = qobject_cast<QFormLayout *>(l))
            d.orizzontale = f->horizontalSpacing(), d.verticale = f->verticalSpacing();
        m_disposizioni.append(d);
    }
}

void DisposizioniScalate::applica(qreal fattore) const
{
    for (const Disposizione &d : m_disposizioni) {
        QLayout *l = d.disposizione;
        if (!l) continue;
        const QMargins &m = d.margini;
        l->setContentsMargins(per(m.left(), fattore), per(m.top(), fattore), per(m.right(), fattore),
                              per(m.bottom(), fattore));
        if (auto *g = qobject_cast<QGridLayout *>(l)) {
            g->setHorizontalSpacing(per(d.orizzontale, fattore));
            g->setVerticalSpacing(per(d.verticale, fattore));
        } else if (auto *f = qobject_cast<QFormLayout *>(l)) {
            f->setHorizontalSpacing(per(d.orizzontale, fattore));
            f->setVerticalSpacing(per(d.verticale, fattore));
        } else {
            l->setSpacing(per(d.orizzontale, fattore));
        }
    }
}
