// SPDX-License-Identifier: GPL-3.0-or-later
// A button that shows a picture instead of a caption.
#pragma once

#include "widgets/immagine.h"

#include <QPushButton>

/// A button that shows a picture instead of a caption (and a grey one while disabled).
class PulsanteGrafico : public QPushButton
{
    Q_OBJECT
public:
    PulsanteGrafico(quint32 sfondo, Immagine immagine, Immagine grigia = {}, QWidget *parent = nullptr);

    /// The picture the button shows right now (the grey one only where it has one).
    const Immagine &immagineMostrata() const;

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    quint32 m_sfondo;
    Immagine m_immagine, m_grigia;
};
