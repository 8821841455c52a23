// SPDX-License-Identifier: GPL-3.0-or-later
// A window as assistive technology sees it: its controls, less those that are never seen.
#include "widgets/accessibilefinestra.h"

#include <QWidget>

AccessibileFinestra::AccessibileFinestra(QWidget *w, QAccessible::Role ruolo, Fuori fuori)
    : QAccessibleWidget(w, ruolo), m_fuori(fuori)
{
}

QList<QWidget *> AccessibileFinestra::figli() const
{
    QList<QWidget *> elenco;
    for (QObject *o : widget()->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && !w->isWindow() && !m_fuori(w)) elenco.append(w);
    }
    return elenco;
}

int AccessibileFinestra::childCount() const
{
    return int(figli().size());
}

QAccessibleInterface *AccessibileFinestra::child(int indice) const
{
    const QList<QWidget *> elenco = figli();
    if (indice < 0 || indice >= elenco.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(elenco.at(indice));
}

int AccessibileFinestra::indexOfChild(const QAccessibleInterface *figlio) const
{
    if (!figlio) return -1;
    return int(figli().indexOf(qobject_cast<QWidget *>(figlio->object())));
}
