// SPDX-License-Identifier: GPL-3.0-or-later
// A window as assistive technology sees it: its controls, less those that are never seen.
#pragma once

#include <QAccessibleWidget>

/// A top-level window with the role it is given; controls marked as never seen (a button covered
/// for good) are left out of its children, so a screen reader's review does not meet them.
class AccessibileFinestra : public QAccessibleWidget
{
public:
    using Fuori = bool (*)(const QWidget *);
    AccessibileFinestra(QWidget *w, QAccessible::Role ruolo, Fuori fuori);

    int childCount() const override;
    QAccessibleInterface *child(int indice) const override;
    int indexOfChild(const QAccessibleInterface *figlio) const override;

private:
    QList<QWidget *> figli() const;

    Fuori m_fuori;
};
