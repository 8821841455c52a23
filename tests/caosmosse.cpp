// SPDX-License-Identifier: GPL-3.0-or-later
// The random-event driver: sending the events, and the plan of a child trying to play.
#include "caos.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPointingDevice>
#include <QWindow>

// ----- sending events -----

/// A top-level window to act on: the info window most of the time while it shows.
QWidget *Caos::finestra()
{
    if (FrmInfo *i = infoAperta(); i && moneta(70)) return i;
    return &b();
}

/// A control of \a f (or \a f itself) that is meant to be hit.
QWidget *Caos::controllo(QWidget *f)
{
    if (f != &b()) {
        auto *i = static_cast<FrmInfo *>(f);
        return moneta(40) ? i->cmdOK : f;
    }
    if (moneta(45)) return b().txtRisultato[a(100)];
    const QList<QWidget *> figli = f->findChildren<QWidget *>();
    return figli.isEmpty() || moneta(5) ? f : figli[a(figli.size())];
}

/// A random point of \a w, in its window's coordinates.
QPoint Caos::punto(QWidget *w)
{
    const QPoint p(a(qMax(1, w->width())), a(qMax(1, w->height())));
    return w->isWindow() ? p : w->mapTo(w->window(), p);
}

QPoint Caos::centro(QWidget *w)
{
    return w->mapTo(w->window(), w->rect().center());
}

QWindow *Caos::maniglia(QWidget *w)
{
    QWidget *f = w->window();
    return f->isVisible() ? f->windowHandle() : nullptr;
}

QWindow *Caos::maniglia(QWidget *w, QPoint p) const
{
    QWindow *win = maniglia(w);
    // A window larger than the screen: no hand reaches what lies beyond its edges.
    if (win && m_schermo && !win->screen()->geometry().contains(m_schermo->globale(win, p))) return nullptr;
    return win;
}

void Caos::clic(QWidget *w, QPoint p, Qt::MouseButton tasto, Qt::KeyboardModifiers mod)
{
    QWindow *win = maniglia(w, p);
    if (!win) return;
    if (m_schermo)
        m_schermo->clic(m_schermo->globale(win, p), tasto, mod);
    else
        QTest::mouseClick(win, tasto, mod, p);
}

void Caos::doppioClic(QWidget *w, QPoint p, Qt::MouseButton tasto, Qt::KeyboardModifiers mod)
{
    QWindow *win = maniglia(w, p);
    if (!win) return;
    if (!m_schermo) {
        QTest::mouseDClick(win, tasto, mod, p);
        return;
    }
    m_schermo->clic(m_schermo->globale(win, p), tasto, mod);
    m_schermo->clic(m_schermo->globale(win, p), tasto, mod);
}

void Caos::trascina(QWidget *f, QPoint da, QPoint a_, Qt::MouseButton tasto)
{
    QWindow *win = maniglia(f, da);
    if (!win) return;
    if (!m_schermo) {
        QTest::mousePress(win, tasto, {}, da);
        QTest::mouseMove(win, a_);
        QTest::mouseRelease(win, tasto, {}, a_);
        return;
    }
    m_schermo->muovi(m_schermo->globale(win, da));
    m_schermo->premi(tasto);
    m_schermo->muovi(m_schermo->globale(win, a_));
    m_schermo->rilascia(tasto);
}

void Caos::muovi(QWidget *w, QPoint p)
{
    QWindow *win = maniglia(w, p);
    if (!win) return;
    if (m_schermo)
        m_schermo->muovi(m_schermo->globale(win, p));
    else
        QTest::mouseMove(win, p);
}

void Caos::premiTasto(Qt::Key tasto, Qt::KeyboardModifiers mod)
{
    // On a real screen the key goes to whichever window has the X focus.
    if (m_schermo && m_schermo->tasto(tasto, mod & ~Qt::KeypadModifier)) return;
    QWindow *win = QGuiApplication::focusWindow();
    if (!win || !win->isVisible()) win = maniglia(&b());
    if (win) QTest::keyClick(win, tasto, mod);
}

void Caos::unEvento()
{
    // A planned step runs most of the time; the noise between steps is part of the test.
    if (!m_piano.empty() && (m_soloPiano || moneta(85))) {
        auto passo = std::move(m_piano.front());
        m_piano.pop_front();
        passo();
        return;
    }
    const Mossa m = m_soloPiano ? Mossa::Piano : scegli();
    switch (m) {
    case Mossa::Clic:
    case Mossa::DoppioClic:
    case Mossa::ClicPunto:
    case Mossa::Trascina:
    case Mossa::Movimento:
    case Mossa::Tocco:
        mossaPuntatore(m);
        break;
    case Mossa::Tasto:
    case Mossa::Testo:
    case Mossa::MetodoInput:
    case Mossa::Appunti:
        mossaTesto(m);
        break;
    case Mossa::Tick:
    case Mossa::TickCronometro:
    case Mossa::RafficaCronometro:
        mossaTempo(m);
        break;
    case Mossa::Info:
    case Mossa::InfoETasto:
    case Mossa::Attiva:
    case Mossa::Chiudi:
    case Mossa::Ridimensiona:
    case Mossa::SchermoIntero:
        mossaFinestre(m);
        break;
    case Mossa::Piano:
        pianifica();
        break;
    case Mossa::Registro:
        mossaRegistro();
        break;
    }
}

void Caos::mossaPuntatore(Mossa m)
{
    QWidget *f = finestra();
    QWidget *w = m == Mossa::ClicPunto || m == Mossa::Trascina ? f : controllo(f);
    const QPoint p = punto(w);
    const auto tasto = tastoMouse();
    switch (m) {
    case Mossa::DoppioClic:
        m_descrizione = QStringLiteral("double click %1 on %2").arg(int(tasto)).arg(w->objectName());
        doppioClic(w, p, tasto, modificatori());
        break;
    case Mossa::Trascina:
        m_descrizione = QStringLiteral("drag %1 on %2").arg(int(tasto)).arg(f->objectName());
        trascina(f, p, punto(f), tasto);
        break;
    case Mossa::Movimento:
        m_descrizione = QStringLiteral("move over %1").arg(w->objectName());
        muovi(w, p);
        break;
    case Mossa::Tocco:
        m_descrizione = QStringLiteral("touch tap on %1").arg(w->objectName());
        if (QWindow *win = maniglia(w)) {
            QTest::touchEvent(win, touchscreen()).press(0, p, win);
            if (moneta(30))
                QTest::touchEvent(win, touchscreen()).move(0, p + QPoint(a(9) - 4, a(9) - 4), win);
            QTest::touchEvent(win, touchscreen()).release(0, p, win);
        }
        break;
    default:
        m_descrizione = QStringLiteral("click %1 at %2,%3 on %4")
                            .arg(int(tasto))
                            .arg(p.x())
                            .arg(p.y())
                            .arg(w->objectName());
        clic(w, p, tasto, modificatori());
    }
}

void Caos::mossaTesto(Mossa m)
{
    switch (m) {
    case Mossa::Testo: {
        const QString t = testoStrano(3);
        m_descrizione = QStringLiteral("text %1").arg(esadecimale(t));
        QWindow *win = QGuiApplication::focusWindow();
        if (!win || !win->isVisible()) win = maniglia(&b());
        if (win) QTest::sendKeyEvent(QTest::Click, win, Qt::Key_unknown, t, modificatori());
        break;
    }
    case Mossa::MetodoInput: {
        const QString t = moneta(50) ? QString::number(a(100)) : testoStrano(3);
        m_descrizione = QStringLiteral("input method commit %1").arg(esadecimale(t));
        if (QObject *o = QGuiApplication::focusObject()) {
            QInputMethodEvent e(moneta(50) ? testoStrano(2) : QString(), {});
            e.setCommitString(t);
            QCoreApplication::sendEvent(o, &e);
        }
        break;
    }
    case Mossa::Appunti: {
        const QString t = moneta(70) ? QString::number(a(101)) : testoStrano(5);
        m_descrizione = QStringLiteral("clipboard %1").arg(esadecimale(t));
        QGuiApplication::clipboard()->setText(t);
        break;
    }
    default:
        tastoCasuale();
    }
}

void Caos::mossaTempo(Mossa m)
{
    switch (m) {
    case Mossa::Tick:
        if (m_schermo) { // real time passes: the timers tick on their own
            const int ms = a(40);
            m_descrizione = QStringLiteral("wait %1 ms").arg(ms);
            QTest::qWait(ms);
            break;
        }
        m_descrizione = QStringLiteral("Timer1 tick");
        if (b().Timer1->isActive()) b().Timer1_Timer();
        break;
    case Mossa::TickCronometro:
        tickCronometro(1);
        break;
    default:
        tickCronometro(moneta(10) ? 3700 : 1 + a(120));
    }
}

void Caos::mossaFinestre(Mossa m)
{
    QWidget *f = finestra();
    switch (m) {
    case Mossa::Info:
        m_descrizione = QStringLiteral("Info");
        if (infoAperta()) break;
        clic(b().cmdInfo, centro(b().cmdInfo));
        if (assesta() && infoAperta()) ++m_copertura.infoAperte;
        break;
    case Mossa::InfoETasto:
        infoETasto();
        break;
    case Mossa::Attiva:
        m_descrizione = QStringLiteral("activate %1").arg(f->objectName());
        // On a real screen, half the time the X focus moves with no word to the program first.
        if (m_schermo && f->windowHandle() && moneta(50))
            m_schermo->daiFuoco(f->windowHandle());
        else
            f->activateWindow();
        break;
    case Mossa::Chiudi:
        // The board's close ends the program: rarer than closing the info window.
        if (f == &b() && moneta(70)) break;
        m_descrizione = QStringLiteral("close request on %1").arg(f->objectName());
        if (m_schermo && f->windowHandle())
            m_schermo->chiediChiusura(f->windowHandle());
        else
            f->close();
        break;
    case Mossa::Ridimensiona: {
        const QSize dim(200 + a(1800), 150 + a(1200));
        m_descrizione =
            QStringLiteral("resize %1 to %2x%3").arg(f->objectName()).arg(dim.width()).arg(dim.height());
        if (m_schermo && f->windowHandle())
            m_schermo->ridimensiona(f->windowHandle(), dim);
        else
            f->resize(dim);
        break;
    }
    default:
        m_descrizione = QStringLiteral("full screen switch");
        premiTasto(moneta(70) ? Qt::Key_F11 : Qt::Key_Escape);
    }
}

/// A click on Info and a key in the same burst: the board is disabled before the key arrives.
void Caos::infoETasto()
{
    static constexpr Qt::Key tasti[] = {Qt::Key_5, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_0};
    const Qt::Key tasto = tasti[a(int(std::size(tasti)))];
    m_descrizione = QStringLiteral("Info and key %1 at once").arg(QKeySequence(tasto).toString());
    if (infoAperta()) {
        // The X focus comes back to the board while the info window shows.
        if (m_schermo && b().windowHandle()) m_schermo->daiFuoco(b().windowHandle());
        premiTasto(tasto);
        return;
    }
    clic(b().cmdInfo, centro(b().cmdInfo));
    premiTasto(tasto);
    if (infoAperta()) ++m_copertura.infoAperte;
}

void Caos::tastoCasuale()
{
    struct Voce
    {
        Qt::Key tasto;
        Qt::KeyboardModifiers mod;
    };
    static const Voce tasti[] = {
        {Qt::Key_A, {}},
        {Qt::Key_Z, Qt::ShiftModifier},
        {Qt::Key_E, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Escape, {}},
        {Qt::Key_Tab, {}},
        {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Space, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},
        {Qt::Key_Home, Qt::ShiftModifier},
        {Qt::Key_End, {}},
        {Qt::Key_Up, {}},
        {Qt::Key_F1, {}},
        {Qt::Key_Menu, {}},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_P, Qt::ControlModifier},
        {Qt::Key_F4, Qt::AltModifier},
    };
    constexpr int voci = int(std::size(tasti));
    const int r = a(voci + 30);
    Voce v;
    if (r < voci)
        v = tasti[r];
    else if (r < voci + 20) // digits, also from the keypad
        v = {Qt::Key(Qt::Key_0 + a(10)), moneta(20) ? Qt::KeypadModifier : Qt::NoModifier};
    else // Alt+digit
        v = {Qt::Key(Qt::Key_0 + a(10)), Qt::AltModifier};
    m_descrizione = QStringLiteral("key %1").arg(QKeySequence(QKeyCombination(v.mod, v.tasto)).toString());
    premiTasto(v.tasto, v.mod);
}

void Caos::tickCronometro(int volte)
{
    m_descrizione = QStringLiteral("%1 stopwatch ticks").arg(volte);
    for (int i = 0; i < volte && b().TmrTimer->isActive(); ++i) {
        b().TmrTimer_Timer();
        m_tickCronometro = true;
    }
}

QPointingDevice *Caos::touchscreen()
{
    static QPointingDevice *dispositivo = QTest::createTouchDevice();
    return dispositivo;
}

// ----- planned steps: what a child trying to play does -----

void Caos::pianifica()
{
    m_piano.clear();
    if (FrmInfo *i = infoAperta()) {
        m_descrizione = QStringLiteral("close the info window");
        switch (a(3)) {
        case 0:
            clic(i->cmdOK, centro(i->cmdOK));
            break;
        case 1:
            premiTasto(Qt::Key_Escape);
            break;
        default:
            i->close();
        }
        return;
    }
    switch (b().momento()) {
    case Momento::Riposo:
    case Momento::Finita:
        if (b().momento() == Momento::Finita && moneta(60)) {
            m_descrizione = QStringLiteral("print");
            clic(b().cmdStampa, centro(b().cmdStampa));
            return;
        }
        // Few tables, so that games finish: a right press keeps the columns up to the one pressed.
        m_descrizione = QStringLiteral("choose tables");
        {
            Etichetta *e = b().Label1[a(3)];
            clic(e, centro(e), Qt::RightButton);
        }
        passo([this] {
            m_descrizione = QStringLiteral("Start");
            clic(b().cmdAvvio, centro(b().cmdAvvio));
        });
        return;
    case Momento::InPausa:
        m_descrizione = QStringLiteral("Resume");
        clic(b().cmdRiprendi, centro(b().cmdRiprendi));
        return;
    case Momento::InCorso:
        pianificaRisposta();
    }
}

/// An answer, on the keypad or the keyboard, right most of the time; sometimes a pause after it.
void Caos::pianificaRisposta()
{
    const int k = m_banco->stato.cella();
    int valore = m_banco->stato.Prodotto[k];
    if (moneta(15)) valore = moneta(50) ? valore + 1 : a(150);
    const QString cifre = QString::number(valore);
    if (moneta(70)) {
        m_descrizione = QStringLiteral("answer %1 on the keypad").arg(cifre);
        for (QChar c : cifre)
            passo([this, d = c.digitValue()] {
                m_descrizione = QStringLiteral("keypad %1").arg(d);
                clic(b().Cmd[d], centro(b().Cmd[d]));
            });
        passo([this] {
            m_descrizione = QStringLiteral("keypad OK");
            clic(b().Cmd_invio, centro(b().Cmd_invio));
        });
    } else {
        m_descrizione = QStringLiteral("answer %1 on the keyboard").arg(cifre);
        clic(b().txtRisultato[k], centro(b().txtRisultato[k]));
        for (QChar c : cifre)
            passo([this, d = c.digitValue()] {
                m_descrizione = QStringLiteral("typed %1").arg(d);
                premiTasto(Qt::Key(Qt::Key_0 + d));
            });
        passo([this] {
            m_descrizione = QStringLiteral("Return");
            premiTasto(Qt::Key_Return);
        });
    }
    if (moneta(3)) {
        m_descrizione += QStringLiteral(", then Pause");
        passo([this] {
            m_descrizione = QStringLiteral("Pause");
            clic(b().CmdPausa, centro(b().CmdPausa));
        });
    }
    // The first step now, the rest later.
    auto primo = std::move(m_piano.front());
    m_piano.pop_front();
    primo();
}
