// SPDX-License-Identifier: GPL-3.0-or-later
// A flat read-only counter box (minutes, seconds, errors).
#pragma once

#include "widgets/riquadro.h"

/// A flat counter box; it reports clicks so the window can hand the focus on.
class Contatore : public Riquadro
{
    Q_OBJECT
public:
    Contatore(Qt::Alignment allineamento, QWidget *parent = nullptr);

Q_SIGNALS:
    void cliccato();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
};
