// SPDX-License-Identifier: GPL-3.0-or-later
// A check box that shows a picture instead of a caption.
#pragma once

#include "widgets/immagine.h"

#include <QCheckBox>

/// A check box that shows one picture while unchecked and another while checked.
class CasellaGrafica : public QCheckBox
{
    Q_OBJECT
public:
    CasellaGrafica(quint32 sfondo, Immagine spuntata, Immagine nonSpuntata, QWidget *parent = nullptr);
    const Immagine &immagineMostrata() const;

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    quint32 m_sfondo;
    Immagine m_spuntata, m_nonSpuntata;
};
