// SPDX-License-Identifier: GPL-3.0-or-later
// A button that shows a picture instead of a caption.
#include "widgets/pulsantegrafico.h"

#include "widgets/disegno.h"
#include "widgets/immagini.h"

#include <QKeyEvent>

PulsanteGrafico::PulsanteGrafico(quint32 sfondo, Immagine immagine, Immagine grigia, QWidget *parent)
    : QPushButton(parent), m_sfondo(sfondo), m_immagine(std::move(immagine)), m_grigia(std::move(grigia))
{
    setCursor(immagini::cursoreMano());
}

bool PulsanteGrafico::event(QEvent *e)
{
    const bool fatto = QPushButton::event(e);
    if (e->type() == QEvent::Polish) {
        // After the style has had its say: the face covers the whole button, so nothing behind it
        // needs painting, and it looks the same under the pointer, so hovering repaints nothing.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_Hover, false);
    }
    return fatto;
}

const Immagine &PulsanteGrafico::immagineMostrata() const
{
    return disegno::spento(this) && !m_grigia.isNull() ? m_grigia : m_immagine;
}

void PulsanteGrafico::paintEvent(QPaintEvent *)
{
    disegno::pulsante(this, m_sfondo, immagineMostrata(),
                      isDown() ? disegno::Rilievo::Premuto : disegno::Rilievo::Alzato);
}

void PulsanteGrafico::keyPressEvent(QKeyEvent *e)
{
    if (!disegno::premiConInvio(this, e)) QPushButton::keyPressEvent(e);
}
