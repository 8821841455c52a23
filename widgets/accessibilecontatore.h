// SPDX-License-Identifier: GPL-3.0-or-later
// A counter box as assistive technology sees it: a read-only figure with its name.
#pragma once

#include <QAccessibleWidget>

/// A counter (minutes, seconds, errors) is read, never typed into: static text named with its
/// figure ("Errori 3"), read-only and not editable.
class AccessibileContatore : public QAccessibleWidget
{
public:
    explicit AccessibileContatore(QWidget *w);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
};
