// SPDX-License-Identifier: GPL-3.0-or-later
// A counter box as assistive technology sees it: a read-only figure with its name.
#include "widgets/accessibilecontatore.h"

#include <QLineEdit>

AccessibileContatore::AccessibileContatore(QWidget *w) : QAccessibleWidget(w, QAccessible::StaticText) {}

QAccessible::State AccessibileContatore::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.editable = false;
    s.focusable = false; // a click hands the focus on at once
    return s;
}

QString AccessibileContatore::text(QAccessible::Text t) const
{
    const QString testo = QAccessibleWidget::text(t);
    const auto *casella = qobject_cast<const QLineEdit *>(widget());
    if (!casella) return testo;
    if (t == QAccessible::Name) return testo + QLatin1Char(' ') + casella->text();
    if (t == QAccessible::Value) return casella->text();
    return testo;
}
