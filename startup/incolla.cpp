// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting into a line edit without waiting on the clipboard's owner for more than about a second.
#include "startup/incolla.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

/// A name is short: more than this is not waited for.
constexpr quint32 ParoleMassime = 1024;

} // namespace

Incolla::Incolla(QLineEdit *riga) : QObject(riga), m_riga(riga), m_limite(new QTimer(this))
{
    // Qt's own menu reads the clipboard, with no limit, before it opens.
    riga->setContextMenuPolicy(Qt::NoContextMenu);
    riga->installEventFilter(this);
    m_limite->setSingleShot(true);
    m_limite->setInterval(AttesaMassimaMs);
    connect(m_limite, &QTimer::timeout, this, [this] { m_inAttesa = false; });
    // The offscreen platform answers as X11 too, with no connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    m_x = x11->connection();
    const xcb_screen_t *schermo = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data;
    m_finestra = xcb_generate_id(m_x);
    xcb_create_window(m_x, XCB_COPY_FROM_PARENT, m_finestra, schermo->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    m_proprieta = atomo("_NUMERELLA_INCOLLA");
    m_utf8 = atomo("UTF8_STRING");
    QCoreApplication::instance()->installNativeEventFilter(this);
}

Incolla::~Incolla()
{
    if (!m_x) return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_destroy_window(m_x, m_finestra);
    xcb_flush(m_x);
}

quint32 Incolla::atomo(const char *nome) const
{
    xcb_intern_atom_reply_t *r =
        xcb_intern_atom_reply(m_x, xcb_intern_atom(m_x, false, quint16(std::strlen(nome)), nome), nullptr);
    const quint32 a = r ? r->atom : quint32(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

bool Incolla::eventFilter(QObject *o, QEvent *e)
{
    if (o != m_riga) return false;
    switch (e->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(e)->matches(QKeySequence::Paste)) {
            chiedi(QClipboard::Clipboard);
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent *>(e)->button() == Qt::MiddleButton;
    case QEvent::MouseButtonRelease: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() != Qt::MiddleButton) return false;
        if (!QGuiApplication::clipboard()->supportsSelection()) return true;
        // As Qt does: the selection goes where the middle button was let go.
        m_riga->deselect();
        m_riga->setCursorPosition(m_riga->cursorPositionAt(m->position().toPoint()));
        chiedi(QClipboard::Selection);
        return true;
    }
    default:
        return false;
    }
}

void Incolla::chiedi(QClipboard::Mode modo)
{
    if (m_riga->isReadOnly()) return;
    QClipboard *appunti = QGuiApplication::clipboard();
    const bool nostri = modo == QClipboard::Clipboard ? appunti->ownsClipboard() : appunti->ownsSelection();
    if (!m_x || nostri) {
        m_riga->insert(appunti->text(modo));
        return;
    }
    // The owner answers with a SelectionNotify to our window; until then the program goes on.
    const xcb_atom_t selezione =
        modo == QClipboard::Clipboard ? atomo("CLIPBOARD") : quint32(XCB_ATOM_PRIMARY);
    xcb_delete_property(m_x, m_finestra, m_proprieta);
    xcb_convert_selection(m_x, m_finestra, selezione, m_utf8, m_proprieta, XCB_CURRENT_TIME);
    xcb_flush(m_x);
    m_inAttesa = true;
    m_limite->start();
}

bool Incolla::nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *)
{
    if (tipo != "xcb_generic_event_t") return false;
    auto *e = static_cast<xcb_generic_event_t *>(messaggio);
    if ((e->response_type & 0x7f) != XCB_SELECTION_NOTIFY) return false;
    auto *n = static_cast<xcb_selection_notify_event_t *>(messaggio);
    if (n->requestor != m_finestra) return false;
    if (m_inAttesa && n->property != XCB_ATOM_NONE) ricevi(n->property);
    m_inAttesa = false;
    m_limite->stop();
    return true;
}

void Incolla::ricevi(quint32 proprieta)
{
    // The server already holds the text: reading it from there waits on no other program.
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        m_x, xcb_get_property(m_x, true, m_finestra, proprieta, XCB_GET_PROPERTY_TYPE_ANY, 0, ParoleMassime),
        nullptr);
    if (!r) return;
    // A text sent in pieces (INCR) is far longer than a name: it is not waited for.
    if ((r->type == m_utf8 || r->type == XCB_ATOM_STRING) && r->format == 8) {
        const QByteArray byte(static_cast<const char *>(xcb_get_property_value(r)),
                              xcb_get_property_value_length(r));
        m_riga->insert(r->type == m_utf8 ? QString::fromUtf8(byte) : QString::fromLatin1(byte));
    }
    std::free(r);
}
