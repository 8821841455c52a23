// SPDX-License-Identifier: GPL-3.0-or-later
// A frame with a caption that holds a group of controls.
#include "widgets/cornice.h"

#include "widgets/disegno.h"

#include <QEvent>

Cornice::Cornice(const QString &titolo, const QFont &font, Didascalia didascalia, QWidget *parent)
    : QGroupBox(titolo, parent), m_didascalia(didascalia)
{
    setFont(font);
    aggiornaDidascalia();
}

void Cornice::changeEvent(QEvent *e)
{
    QGroupBox::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) aggiornaDidascalia();
}

void Cornice::aggiornaDidascalia()
{
    // Grey only when the frame itself is switched off, not while a dialog disables the whole window.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    const bool grigia = m_didascalia == Didascalia::SiSpegne && disegno::spento(this);
    pal.setColor(QPalette::Disabled, QPalette::WindowText,
                 grigia ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black));
    setPalette(pal);
}
