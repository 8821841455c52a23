// SPDX-License-Identifier: GPL-3.0-or-later
// A picture on a window's surface (the pointing hand).
#pragma once

#include "widgets/immagine.h"

#include <QWidget>

class Figura : public QWidget
{
    Q_OBJECT
public:
    explicit Figura(Immagine immagine, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Immagine m_immagine;
};
