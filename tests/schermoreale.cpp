// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and keyboard through the X server (XTEST), as a real hand gives them, and waiting until they arrived.
#include "schermoreale.h"
#include "attesa.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

/// X keysyms of the keys the driver types (digits and letters are their own ASCII codes).
std::uint32_t simbolo(Qt::Key k)
{
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::uint32_t(k);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return std::uint32_t(k - Qt::Key_A + 'a');
    switch (k) {
    case Qt::Key_Space:
        return ' ';
    case Qt::Key_Return:
        return 0xff0d;
    case Qt::Key_Enter:
        return 0xff8d;
    case Qt::Key_Escape:
        return 0xff1b;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0xff09;
    case Qt::Key_Backspace:
        return 0xff08;
    case Qt::Key_Delete:
        return 0xffff;
    case Qt::Key_Insert:
        return 0xff63;
    case Qt::Key_Home:
        return 0xff50;
    case Qt::Key_Left:
        return 0xff51;
    case Qt::Key_Up:
        return 0xff52;
    case Qt::Key_Right:
        return 0xff53;
    case Qt::Key_Down:
        return 0xff54;
    case Qt::Key_End:
        return 0xff57;
    case Qt::Key_Menu:
        return 0xff67;
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F9:
    case Qt::Key_F10:
    case Qt::Key_F11:
    case Qt::Key_F12:
        return 0xffbe + std::uint32_t(k - Qt::Key_F1);
    default:
        return 0;
    }
}

constexpr std::uint32_t MaiuscoloSinistro = 0xffe1, ControlloSinistro = 0xffe3, AltSinistro = 0xffe9;

std::uint8_t pulsante(Qt::MouseButton tasto)
{
    switch (tasto) {
    case Qt::MiddleButton:
        return 2;
    case Qt::RightButton:
        return 3;
    case Qt::BackButton:
        return 8;
    case Qt::ForwardButton:
        return 9;
    default:
        return 1;
    }
}

} // namespace

SchermoReale::SchermoReale()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return; // the offscreen platform answers as X11 too, with no connection
    xcb_connection_t *x = x11->connection();
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(x, &xcb_test_id);
    if (!xtest || !xtest->present) return;
    m_x = x;
    const xcb_setup_t *setup = xcb_get_setup(m_x);
    m_radice = xcb_setup_roots_iterator(setup).data->root;
    m_segnale = xcb_generate_id(m_x);
    xcb_create_window(m_x, XCB_COPY_FROM_PARENT, m_segnale, m_radice, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    m_atomoSegnale = atomo("_NUMERELLA_SEGNALE");

    // Each key's unshifted symbol: the driver types capitals and symbols with Shift held.
    const int primo = setup->min_keycode, quanti = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *mappa = xcb_get_keyboard_mapping_reply(
        m_x, xcb_get_keyboard_mapping(m_x, std::uint8_t(primo), std::uint8_t(quanti)), nullptr);
    if (mappa) {
        const xcb_keysym_t *simboli = xcb_get_keyboard_mapping_keysyms(mappa);
        for (int i = 0; i < quanti; ++i)
            if (const xcb_keysym_t s = simboli[i * mappa->keysyms_per_keycode]; s && !m_codici.contains(s))
                m_codici.insert(s, std::uint8_t(primo + i));
        std::free(mappa);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

SchermoReale::~SchermoReale()
{
    if (!m_x) return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_destroy_window(m_x, m_segnale);
    xcb_flush(m_x);
}

std::uint32_t SchermoReale::atomo(const char *nome) const
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(
        m_x, xcb_intern_atom(m_x, false, std::uint16_t(std::strlen(nome)), nome), nullptr);
    const std::uint32_t a = r ? r->atom : 0;
    std::free(r);
    return a;
}

std::uint8_t SchermoReale::codice(std::uint32_t s) const
{
    return m_codici.value(s, 0);
}

QPoint SchermoReale::globale(QWindow *finestra, QPoint locale) const
{
    xcb_translate_coordinates_reply_t *r = xcb_translate_coordinates_reply(
        m_x,
        xcb_translate_coordinates(m_x, xcb_window_t(finestra->winId()), m_radice, std::int16_t(locale.x()),
                                  std::int16_t(locale.y())),
        nullptr);
    const QPoint p = r ? QPoint(r->dst_x, r->dst_y) : finestra->mapToGlobal(locale);
    std::free(r);
    return p;
}

void SchermoReale::muovi(QPoint globale)
{
    xcb_test_fake_input(m_x, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_radice, std::int16_t(globale.x()),
                        std::int16_t(globale.y()), 0);
}

void SchermoReale::premi(Qt::MouseButton tasto)
{
    xcb_test_fake_input(m_x, XCB_BUTTON_PRESS, pulsante(tasto), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

void SchermoReale::rilascia(Qt::MouseButton tasto)
{
    xcb_test_fake_input(m_x, XCB_BUTTON_RELEASE, pulsante(tasto), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

void SchermoReale::clic(QPoint globale, Qt::MouseButton tasto, Qt::KeyboardModifiers mod)
{
    muovi(globale);
    modificatori(mod, true);
    premi(tasto);
    rilascia(tasto);
    modificatori(mod, false);
    xcb_flush(m_x);
}

void SchermoReale::premiTasto(std::uint8_t codice, bool giu)
{
    if (codice)
        xcb_test_fake_input(m_x, giu ? XCB_KEY_PRESS : XCB_KEY_RELEASE, codice, XCB_CURRENT_TIME, XCB_NONE, 0,
                            0, 0);
}

void SchermoReale::modificatori(Qt::KeyboardModifiers mod, bool giu)
{
    if (mod & Qt::ShiftModifier) premiTasto(codice(MaiuscoloSinistro), giu);
    if (mod & Qt::ControlModifier) premiTasto(codice(ControlloSinistro), giu);
    if (mod & Qt::AltModifier) premiTasto(codice(AltSinistro), giu);
}

bool SchermoReale::tasto(Qt::Key k, Qt::KeyboardModifiers mod)
{
    const std::uint8_t c = codice(simbolo(k));
    if (!c) return false;
    if (k == Qt::Key_Backtab) mod |= Qt::ShiftModifier;
    modificatori(mod, true);
    premiTasto(c, true);
    premiTasto(c, false);
    modificatori(mod, false);
    xcb_flush(m_x);
    return true;
}

void SchermoReale::chiediChiusura(QWindow *finestra)
{
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = xcb_window_t(finestra->winId());
    e.type = atomo("WM_PROTOCOLS");
    e.data.data32[0] = atomo("WM_DELETE_WINDOW");
    e.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_x, false, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&e));
    xcb_flush(m_x);
}

void SchermoReale::ridimensiona(QWindow *finestra, QSize dimensioni)
{
    const std::uint32_t valori[] = {std::uint32_t(dimensioni.width()), std::uint32_t(dimensioni.height())};
    xcb_configure_window(m_x, xcb_window_t(finestra->winId()),
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, valori);
    xcb_flush(m_x);
}

void SchermoReale::daiFuoco(QWindow *finestra)
{
    xcb_set_input_focus(m_x, XCB_INPUT_FOCUS_PARENT, xcb_window_t(finestra->winId()), XCB_CURRENT_TIME);
    xcb_flush(m_x);
}

bool SchermoReale::sincronizza(int limiteMs)
{
    // The server sends our marker after every event that its earlier requests caused; once the
    // marker is back, those events are in the program's queue and one more pass delivers them all.
    const std::uint32_t numero = ++m_inviati;
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = m_segnale;
    e.type = m_atomoSegnale;
    e.data.data32[0] = numero;
    xcb_send_event(m_x, false, m_segnale, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&e));
    xcb_flush(m_x);
    QDeadlineTimer limite(attesa::limite(limiteMs));
    while (m_ricevuti < numero) {
        if (limite.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

bool SchermoReale::nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *)
{
    if (tipo != "xcb_generic_event_t") return false;
    auto *e = static_cast<xcb_generic_event_t *>(messaggio);
    if ((e->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    auto *m = static_cast<xcb_client_message_event_t *>(messaggio);
    if (m->window != m_segnale || m->type != m_atomoSegnale) return false;
    m_ricevuti = qMax(m_ricevuti, m->data.data32[0]);
    return true;
}
