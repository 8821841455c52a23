// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and keyboard through the X server (XTEST), as a real hand gives them, and waiting until they arrived.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QPoint>
#include <QSize>
#include <Qt>
#include <cstdint>

class QWindow;
struct xcb_connection_t;

/// The program's own X connection used as a keyboard and a mouse: input goes to the X server through
/// the XTEST extension and comes back as any user's input does, to whichever window the server
/// chooses. Only on the xcb platform with XTEST (disponibile()).
class SchermoReale : public QAbstractNativeEventFilter
{
public:
    SchermoReale();
    ~SchermoReale() override;
    SchermoReale(const SchermoReale &) = delete;
    SchermoReale &operator=(const SchermoReale &) = delete;

    /// Whether the program runs on an X server that takes XTEST input.
    bool disponibile() const { return m_x != nullptr; }

    /// Where the X server shows the point \a locale of \a finestra, in screen coordinates (the
    /// program's own idea may lag behind the server right after a move or a resize).
    QPoint globale(QWindow *finestra, QPoint locale) const;
    /// Moves the pointer to \a globale (screen coordinates).
    void muovi(QPoint globale);
    void premi(Qt::MouseButton tasto);
    void rilascia(Qt::MouseButton tasto);
    /// Press and release of \a tasto at \a globale, with \a mod held.
    void clic(QPoint globale, Qt::MouseButton tasto, Qt::KeyboardModifiers mod = Qt::NoModifier);
    /// Press and release of a key with \a mod held; false when the keyboard map has no such key.
    bool tasto(Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier);

    /// What a window manager sends when the user closes \a finestra (WM_DELETE_WINDOW).
    void chiediChiusura(QWindow *finestra);
    /// Resizes \a finestra from outside, as a window manager would.
    void ridimensiona(QWindow *finestra, QSize dimensioni);
    /// Gives \a finestra the X input focus, as a click on it gives it under a window manager.
    void daiFuoco(QWindow *finestra);

    /// Waits until the X server has handled everything sent so far and the program has taken every
    /// event that came of it; false when that took longer than attesa::limite(\a limiteMs).
    bool sincronizza(int limiteMs = 10000);

    bool nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *risultato) override;

private:
    void premiTasto(std::uint8_t codice, bool giu);
    void modificatori(Qt::KeyboardModifiers mod, bool giu);
    std::uint8_t codice(std::uint32_t simbolo) const;
    std::uint32_t atomo(const char *nome) const;

    xcb_connection_t *m_x = nullptr;
    std::uint32_t m_radice = 0;
    std::uint32_t m_segnale = 0; ///< an unmapped window of ours that receives the markers
    std::uint32_t m_atomoSegnale = 0;
    std::uint32_t m_inviati = 0, m_ricevuti = 0;
    QHash<std::uint32_t, std::uint8_t> m_codici; ///< keysym to keycode, unshifted column
};
