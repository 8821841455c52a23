// SPDX-License-Identifier: GPL-3.0-or-later
// A check box that shows a picture instead of a caption.
#include "widgets/casellagrafica.h"

#include "widgets/disegno.h"
#include "widgets/immagini.h"
#include "widgets/stilescalato.h"

#include <QKeyEvent>

CasellaGrafica::CasellaGrafica(quint32 sfondo, Immagine spuntata, Immagine nonSpuntata, QWidget *parent)
    : QCheckBox(parent), m_sfondo(sfondo), m_spuntata(std::move(spuntata)),
      m_nonSpuntata(std::move(nonSpuntata))
{
    setCursor(immagini::cursoreMano());
    setStyle(StileScalato::istanza()); // the whole picture is the box, also for assistive technology
}

const Immagine &CasellaGrafica::immagineMostrata() const
{
    return isChecked() ? m_spuntata : m_nonSpuntata;
}

void CasellaGrafica::paintEvent(QPaintEvent *)
{
    disegno::pulsante(this, m_sfondo, immagineMostrata(),
                      isDown() || isChecked() ? disegno::Rilievo::Premuto : disegno::Rilievo::Alzato);
}

void CasellaGrafica::keyPressEvent(QKeyEvent *e)
{
    if (!disegno::premiConInvio(this, e)) QCheckBox::keyPressEvent(e);
}
