// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about a control that can be on screen yet unseen.
#include "widgets/accessibilevelato.h"

#include <QLabel>

AccessibileVelato::AccessibileVelato(QWidget *w, QAccessible::Role ruolo, Velato velato)
    : QAccessibleWidget(w, ruolo), m_velato(velato)
{
}

QAccessible::State AccessibileVelato::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (m_velato(widget())) {
        s.invisible = true;
        s.focusable = false;
    }
    return s;
}

QString AccessibileVelato::text(QAccessible::Text t) const
{
    // Not the caption of the frame it sits in, as Qt would name a label without a name of its own.
    if (const auto *etichetta = qobject_cast<const QLabel *>(widget());
        etichetta && t == QAccessible::Name && etichetta->accessibleName().isEmpty())
        return etichetta->text();
    return QAccessibleWidget::text(t);
}
