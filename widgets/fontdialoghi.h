// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs' font at the board's scale, for as long as a dialog step lasts.
#pragma once

#include <QApplication>
#include <QFont>

/// While it lives, the application's font (the one the standard dialogs use) is \a fattore times the
/// system's, never smaller; the board's own controls set their fonts explicitly and keep them.
class FontDialoghi
{
public:
    explicit FontDialoghi(qreal fattore) : m_prima(QApplication::font())
    {
        if (fattore <= 1.0) return;
        QFont f = m_prima;
        if (f.pixelSize() > 0)
            f.setPixelSize(qRound(f.pixelSize() * fattore));
        else
            f.setPointSizeF(f.pointSizeF() * fattore);
        QApplication::setFont(f);
        m_cambiato = true;
    }
    ~FontDialoghi()
    {
        if (m_cambiato) QApplication::setFont(m_prima);
    }
    FontDialoghi(const FontDialoghi &) = delete;
    FontDialoghi &operator=(const FontDialoghi &) = delete;

private:
    QFont m_prima;
    bool m_cambiato = false;
};
