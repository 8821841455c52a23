// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about a control that can be on screen yet unseen.
#pragma once

#include <QAccessibleWidget>

/// A control whose interface reports it invisible while \a velato says it cannot be seen
/// (a label painted in its window's background colour, a button covered for good).
class AccessibileVelato : public QAccessibleWidget
{
public:
    using Velato = bool (*)(const QWidget *);
    AccessibileVelato(QWidget *w, QAccessible::Role ruolo, Velato velato);

    QAccessible::State state() const override;
    /// A label is read by its text, as Qt's own labels are.
    QString text(QAccessible::Text t) const override;

private:
    Velato m_velato;
};
