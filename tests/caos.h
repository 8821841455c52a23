// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded stream of random user events over the real windows, with the board's invariants checked after
// each.
#pragma once

#include "aiuto.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPointingDevice>
#include <QRandomGenerator>
#include <QWindow>
#include <algorithm>
#include <deque>
#include <functional>

/// Drives a board (shown, offscreen) with random mouse, key, touch, timer, info-window, close and
/// print events drawn from one seed, and checks after every event (once the posted events ran)
/// what no sequence of events may break. The same seed and event count replay the same run.
///
/// The invariants, with "a game" meaning the phases InCorso and InPausa:
///  - every cell holds ASCII digits only; the counters show Stato's values;
///  - during a game the asked cell is playable; every other non-empty cell holds its product and
///    their number is NumEsatte (so at most one cell is non-empty and unconfirmed); paused, the
///    asked cell is empty; NumEsatte never exceeds the playable cells;
///  - during a game no cell but the asked one gains text, and the green (excluded) cells stay as counted;
///  - the event that finishes a game leaves every playable cell right, and NumEsatte equal to them;
///  - NumErrori grows only by one, and only when a confirmed answer was wrong (the asked cell held
///    other digits and is now empty); it drops only to 0, when Start or Stop clears the board;
///  - the stopwatch changes only on its own tick during a running game, never backwards, and is reset
///    only with the board; its timer runs only in a running game;
///  - where Start and Stop (or Pause and Resume) are both visible, the first covers the second;
///  - at most one info window shows, and the board is disabled exactly while it does;
///  - a close request is answered: the board hides, both timers stop, the info window goes.
class Caos
{
public:
    /// What the stream reached, so a test can tell that it exercised every phase.
    struct Copertura
    {
        int partiteIniziate = 0, partiteFinite = 0, pause = 0, stampe = 0, infoAperte = 0, chiusure = 0;
        int errori = 0;

        Copertura &operator+=(const Copertura &c)
        {
            partiteIniziate += c.partiteIniziate;
            partiteFinite += c.partiteFinite;
            pause += c.pause;
            stampe += c.stampe;
            infoAperte += c.infoAperte;
            chiusure += c.chiusure;
            errori += c.errori;
            return *this;
        }
    };

    explicit Caos(quint32 seme) : m_seme(seme), m_caso(seme)
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->setText(QStringLiteral("42"), QClipboard::Selection);
        m_traccia = qEnvironmentVariableIsSet("NUMERELLA_TRACCIA");
        nuovoBanco();
    }

    /// Sends up to \a eventi events; false at the first broken invariant, described by errore().
    bool esegui(quint64 eventi)
    {
        while (m_evento < eventi) {
            ++m_evento;
            m_descrizione.clear();
            const Istantanea prima = leggi();
            m_tickCronometro = false;
            unEvento();
            assesta();
            if (m_traccia) qInfo("%llu: %s", m_evento, qPrintable(m_descrizione));
            if (!b().isVisible()) {
                if (!controlla(rispostaChiusura())) return false;
                riapri();
                continue;
            }
            const Istantanea ora = leggi();
            if (!controlla(confronta(prima, ora))) return false;
            // The recordings would grow without end; a print always finds a name waiting.
            m_banco->suoni.suonati.clear();
            m_copertura.stampe += int(m_banco->tipografia.titoliStampati.size());
            m_banco->tipografia.titoliStampati.clear();
            if (m_banco->tipografia.nomi.isEmpty()) m_banco->tipografia.nomi = {nomeCasuale()};
        }
        return true;
    }

    quint64 eventiFatti() const { return m_evento; }
    const QString &errore() const { return m_errore; }
    const Copertura &copertura() const { return m_copertura; }

private:
    enum class Mossa {
        Clic,
        DoppioClic,
        ClicPunto,
        Trascina,
        Movimento,
        Tasto,
        Testo,
        MetodoInput,
        Tocco,
        Tick,
        TickCronometro,
        RafficaCronometro,
        Info,
        Attiva,
        Chiudi,
        Appunti,
        Ridimensiona,
        Piano,
    };

    struct Istantanea
    {
        Momento fase = Momento::Riposo;
        std::array<QString, 100> testo;
        std::array<bool, 100> esclusa{};
        int cella = 0, errori = 0, esatte = 0, escluse = 0, tempo = 0;
        bool azzerata = false; ///< every cell empty, errors and stopwatch 0: what Start and Stop leave
    };

    FrmNumerellaProva &b() { return **m_banco; }

    // ----- the board's life -----

    void nuovoBanco()
    {
        m_banco.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const Info info = m_caso.bounded(4) == 0 ? Info::Aperta : Info::Chiusa;
        m_banco = std::make_unique<Banco>(info, m_caso.generate());
        mostra();
    }

    void mostra()
    {
        // Ticks come only from the driver, and only while the board keeps the timer on.
        b().Timer1->blockSignals(true);
        b().TmrTimer->blockSignals(true);
        b().show();
        b().activateWindow();
        m_piano.clear();
        assesta();
    }

    /// After a close request: the real program would end; here the board shows again or a new one starts.
    void riapri()
    {
        ++m_copertura.chiusure;
        // Closing with the info window open deletes it and leaves the board disabled: the program
        // ends there, so a board in that state is never seen again.
        if (m_caso.bounded(2) == 0 || !b().isEnabled())
            nuovoBanco();
        else
            mostra();
    }

    QString rispostaChiusura()
    {
        if (b().Timer1->isActive() || b().TmrTimer->isActive())
            return QStringLiteral("closed with a timer on");
        if (b().info() || infoAperta()) return QStringLiteral("closed with the info window still open");
        return {};
    }

    static void assesta()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static FrmInfo *infoAperta()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *i = qobject_cast<FrmInfo *>(w); i && i->isVisible()) return i;
        return nullptr;
    }

    static int infoVisibili()
    {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += qobject_cast<FrmInfo *>(w) && w->isVisible() ? 1 : 0;
        return n;
    }

    // ----- the random stream -----

    int a(int n) { return int(m_caso.bounded(quint32(n))); }
    bool moneta(int suCento) { return a(100) < suCento; }

    Mossa scegli()
    {
        static constexpr std::pair<Mossa, int> pesi[] = {
            {Mossa::Clic, 20},    {Mossa::DoppioClic, 5},     {Mossa::ClicPunto, 8},
            {Mossa::Trascina, 2}, {Mossa::Movimento, 5},      {Mossa::Tasto, 14},
            {Mossa::Testo, 4},    {Mossa::MetodoInput, 2},    {Mossa::Tocco, 5},
            {Mossa::Tick, 10},    {Mossa::TickCronometro, 8}, {Mossa::RafficaCronometro, 1},
            {Mossa::Info, 2},     {Mossa::Attiva, 2},         {Mossa::Chiudi, 1},
            {Mossa::Appunti, 1},  {Mossa::Ridimensiona, 1},   {Mossa::Piano, 30},
        };
        int totale = 0;
        for (const auto &p : pesi)
            totale += p.second;
        int r = a(totale);
        for (const auto &p : pesi) {
            if (r < p.second) return p.first;
            r -= p.second;
        }
        return Mossa::Clic;
    }

    Qt::MouseButton tastoMouse()
    {
        static constexpr Qt::MouseButton tasti[] = {Qt::LeftButton,  Qt::LeftButton,   Qt::LeftButton,
                                                    Qt::RightButton, Qt::MiddleButton, Qt::BackButton};
        return tasti[a(int(std::size(tasti)))];
    }

    Qt::KeyboardModifiers modificatori()
    {
        if (!moneta(10)) return Qt::NoModifier;
        static constexpr Qt::KeyboardModifier m[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        return m[a(3)];
    }

    /// Short text of random characters: ASCII, other scripts' digits, letters, controls, directional
    /// marks, emoji, combining marks.
    QString testoStrano(int massimo)
    {
        static const char32_t speciali[] = {U'\n',   U'\r',   U'\t',  0x07,   0x202E, 0x202D, 0x200F,
                                            0x2066,  0x0301,  0x0663, 0xFF15, 0x00B2, 0x0967, 0x1D7D8,
                                            0x1F600, 0x1F44D, 0xFEFF, 0x200B, 0x00E8, 0x05D0, 0x4E00};
        QString s;
        const int n = 1 + a(massimo);
        for (int i = 0; i < n; ++i) {
            switch (a(4)) {
            case 0:
                s += QChar(u'0' + a(10));
                break;
            case 1:
                s += QChar(0x20 + a(0x5F));
                break;
            case 2:
                s += QString::fromUcs4(&speciali[a(std::size(speciali))], 1);
                break;
            default: {
                char32_t c = 0xA0 + m_caso.bounded(0x2FF60u);
                if (c >= 0xD800 && c < 0xE000) c = 0xFFFD; // no lone surrogates
                s += QString::fromUcs4(&c, 1);
            }
            }
        }
        return s;
    }

    QString nomeCasuale()
    {
        switch (a(6)) {
        case 0:
            return {};
        case 1:
            return QStringLiteral("Anna");
        case 2:
            return QString(200 + a(400), QChar(u'W'));
        case 3:
            return QStringLiteral("Ma\nria\u202E Zoë 😀");
        default:
            return testoStrano(40);
        }
    }

    // ----- sending events -----

    /// A top-level window to act on: the info window most of the time while it shows.
    QWidget *finestra()
    {
        if (FrmInfo *i = infoAperta(); i && moneta(70)) return i;
        return &b();
    }

    /// A control of \a f (or \a f itself) that is meant to be hit.
    QWidget *controllo(QWidget *f)
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
    QPoint punto(QWidget *w)
    {
        const QPoint p(a(qMax(1, w->width())), a(qMax(1, w->height())));
        return w->isWindow() ? p : w->mapTo(w->window(), p);
    }

    QPoint centro(QWidget *w) { return w->mapTo(w->window(), w->rect().center()); }

    static QWindow *maniglia(QWidget *w)
    {
        QWidget *f = w->window();
        return f->isVisible() ? f->windowHandle() : nullptr;
    }

    void clic(QWidget *w, QPoint p, Qt::MouseButton tasto = Qt::LeftButton,
              Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        if (QWindow *win = maniglia(w)) QTest::mouseClick(win, tasto, mod, p);
    }

    void premiTasto(Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QWindow *win = QGuiApplication::focusWindow();
        if (!win || !win->isVisible()) win = maniglia(&b());
        if (win) QTest::keyClick(win, tasto, mod);
    }

    void unEvento()
    {
        // A planned step runs most of the time; the noise between steps is part of the test.
        if (!m_piano.empty() && moneta(85)) {
            auto passo = std::move(m_piano.front());
            m_piano.pop_front();
            passo();
            return;
        }
        switch (scegli()) {
        case Mossa::Clic: {
            QWidget *w = controllo(finestra());
            const auto tasto = tastoMouse();
            const auto mod = modificatori();
            m_descrizione = QStringLiteral("click %1 on %2").arg(int(tasto)).arg(w->objectName());
            clic(w, punto(w), tasto, mod);
            break;
        }
        case Mossa::DoppioClic: {
            QWidget *w = controllo(finestra());
            const auto tasto = tastoMouse();
            m_descrizione = QStringLiteral("double click %1 on %2").arg(int(tasto)).arg(w->objectName());
            if (QWindow *win = maniglia(w)) QTest::mouseDClick(win, tasto, modificatori(), punto(w));
            break;
        }
        case Mossa::ClicPunto: {
            QWidget *f = finestra();
            const QPoint p = punto(f);
            const auto tasto = tastoMouse();
            m_descrizione = QStringLiteral("click %1 at %2,%3 of %4")
                                .arg(int(tasto))
                                .arg(p.x())
                                .arg(p.y())
                                .arg(f->objectName());
            clic(f, p, tasto, modificatori());
            break;
        }
        case Mossa::Trascina: {
            QWidget *f = finestra();
            const QPoint da = punto(f), a_ = punto(f);
            const auto tasto = tastoMouse();
            m_descrizione = QStringLiteral("drag %1 on %2").arg(int(tasto)).arg(f->objectName());
            if (QWindow *win = maniglia(f)) {
                QTest::mousePress(win, tasto, {}, da);
                QTest::mouseMove(win, a_);
                QTest::mouseRelease(win, tasto, {}, a_);
            }
            break;
        }
        case Mossa::Movimento: {
            QWidget *w = controllo(finestra());
            m_descrizione = QStringLiteral("move over %1").arg(w->objectName());
            if (QWindow *win = maniglia(w)) QTest::mouseMove(win, punto(w));
            break;
        }
        case Mossa::Tasto:
            tastoCasuale();
            break;
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
        case Mossa::Tocco: {
            QWidget *w = controllo(finestra());
            const QPoint p = punto(w);
            m_descrizione = QStringLiteral("touch tap on %1").arg(w->objectName());
            if (QWindow *win = maniglia(w)) {
                QTest::touchEvent(win, touchscreen()).press(0, p, win);
                if (moneta(30))
                    QTest::touchEvent(win, touchscreen()).move(0, p + QPoint(a(9) - 4, a(9) - 4), win);
                QTest::touchEvent(win, touchscreen()).release(0, p, win);
            }
            break;
        }
        case Mossa::Tick:
            m_descrizione = QStringLiteral("Timer1 tick");
            if (b().Timer1->isActive()) b().Timer1_Timer();
            break;
        case Mossa::TickCronometro:
            tickCronometro(1);
            break;
        case Mossa::RafficaCronometro:
            tickCronometro(moneta(10) ? 3700 : 1 + a(120));
            break;
        case Mossa::Info: {
            m_descrizione = QStringLiteral("Info");
            if (infoAperta()) break;
            clic(b().cmdInfo, centro(b().cmdInfo));
            if (infoAperta()) ++m_copertura.infoAperte;
            break;
        }
        case Mossa::Attiva: {
            QWidget *f = finestra();
            m_descrizione = QStringLiteral("activate %1").arg(f->objectName());
            f->activateWindow();
            break;
        }
        case Mossa::Chiudi: {
            QWidget *f = finestra();
            // The board's close ends the program: rarer than closing the info window.
            if (f == &b() && moneta(70)) break;
            m_descrizione = QStringLiteral("close request on %1").arg(f->objectName());
            f->close();
            break;
        }
        case Mossa::Appunti: {
            const QString t = moneta(70) ? QString::number(a(101)) : testoStrano(5);
            m_descrizione = QStringLiteral("clipboard %1").arg(esadecimale(t));
            QGuiApplication::clipboard()->setText(t);
            break;
        }
        case Mossa::Ridimensiona: {
            QWidget *f = finestra();
            const QSize dim(200 + a(1800), 150 + a(1200));
            m_descrizione =
                QStringLiteral("resize %1 to %2x%3").arg(f->objectName()).arg(dim.width()).arg(dim.height());
            f->resize(dim);
            break;
        }
        case Mossa::Piano:
            pianifica();
            break;
        }
    }

    void tastoCasuale()
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
        m_descrizione =
            QStringLiteral("key %1").arg(QKeySequence(QKeyCombination(v.mod, v.tasto)).toString());
        premiTasto(v.tasto, v.mod);
    }

    void tickCronometro(int volte)
    {
        m_descrizione = QStringLiteral("%1 stopwatch ticks").arg(volte);
        for (int i = 0; i < volte && b().TmrTimer->isActive(); ++i) {
            b().TmrTimer_Timer();
            m_tickCronometro = true;
        }
    }

    static QPointingDevice *touchscreen()
    {
        static QPointingDevice *dispositivo = QTest::createTouchDevice();
        return dispositivo;
    }

    static QString esadecimale(const QString &t)
    {
        QString s;
        for (char32_t c : t.toUcs4())
            s += QStringLiteral("U+%1 ").arg(quint32(c), 4, 16, QChar(u'0'));
        return s.trimmed();
    }

    // ----- planned steps: what a child trying to play does -----

    void passo(std::function<void()> f) { m_piano.push_back(std::move(f)); }

    void pianifica()
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
        Banco &banco = *m_banco;
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
            break;
        }
        const int k = banco.stato.cella();
        int valore = banco.stato.Prodotto[k];
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

    // ----- the invariants -----

    Istantanea leggi()
    {
        const Stato &s = m_banco->stato;
        Istantanea i;
        i.fase = b().momento();
        i.azzerata = s.NumErrori == 0 && s.Secondi == 0 && s.Minuti == 0;
        for (int k = 0; k < 100; ++k) {
            i.testo[k] = b().txtRisultato[k]->text();
            i.esclusa[k] = b().txtRisultato[k]->esclusa();
            i.azzerata = i.azzerata && i.testo[k].isEmpty();
        }
        i.cella = s.cella();
        i.errori = s.NumErrori;
        i.esatte = s.NumEsatte;
        i.escluse = s.NumEscluse;
        i.tempo = s.Minuti * 60 + s.Secondi;
        return i;
    }

    bool controlla(const QString &guasto)
    {
        if (guasto.isEmpty()) return true;
        m_errore =
            QStringLiteral("seed %1, event %2 (%3): %4 [replay: NUMERELLA_SEME=%1 NUMERELLA_EVENTI=%2]")
                .arg(m_seme)
                .arg(m_evento)
                .arg(m_descrizione, guasto);
        return false;
    }

    static bool soloCifre(const QString &t)
    {
        for (QChar c : t)
            if (c < u'0' || c > u'9') return false;
        return true;
    }

    QString confronta(const Istantanea &prima, const Istantanea &ora)
    {
        const Stato &s = m_banco->stato;
        // An answer is checked as a number: leading zeros are allowed.
        auto giusta = [&s](const QString &t, int k) {
            qsizetype i = 0;
            while (i < t.size() && t[i] == u'0')
                ++i;
            return QStringView(t).mid(i) == QString::number(s.Prodotto[k]);
        };
        const bool inGioco = ora.fase == Momento::InCorso || ora.fase == Momento::InPausa;
        const bool eraInGioco = prima.fase == Momento::InCorso || prima.fase == Momento::InPausa;

        for (int k = 0; k < 100; ++k)
            if (!soloCifre(ora.testo[k]))
                return QStringLiteral("cell %1 holds \"%2\"").arg(k).arg(esadecimale(ora.testo[k]));
        if (b().txtErrori->text() != QString::number(ora.errori) ||
            b().TxtSec->text() != QString::number(s.Secondi) ||
            b().TxtMin->text() != QString::number(s.Minuti))
            return QStringLiteral("the counters show %1 errors, %2:%3, the game has %4 errors, %5:%6")
                .arg(b().txtErrori->text(), b().TxtMin->text(), b().TxtSec->text())
                .arg(ora.errori)
                .arg(s.Minuti)
                .arg(s.Secondi);
        if (ora.cella < 0 || ora.cella > 99) return QStringLiteral("asked cell %1").arg(ora.cella);

        if (inGioco) {
            const int k = ora.cella;
            if (ora.esclusa[k]) return QStringLiteral("the asked cell %1 is excluded").arg(k);
            if (int(std::count(ora.esclusa.begin(), ora.esclusa.end(), true)) != ora.escluse)
                return QStringLiteral("%1 excluded cells counted at the start, other cells green now")
                    .arg(ora.escluse);
            if (ora.fase == Momento::InPausa && !ora.testo[k].isEmpty())
                return QStringLiteral("paused with text in the asked cell %1").arg(k);
            int risposte = 0;
            for (int j = 0; j < 100; ++j) {
                if (j == k || ora.testo[j].isEmpty()) continue;
                if (!giusta(ora.testo[j], j) || ora.esclusa[j])
                    return QStringLiteral("cell %1 holds %2 but is not the asked cell %3, nor a right answer")
                        .arg(j)
                        .arg(ora.testo[j])
                        .arg(k);
                ++risposte;
            }
            if (risposte != ora.esatte)
                return QStringLiteral("%1 answered cells but %2 right answers counted")
                    .arg(risposte)
                    .arg(ora.esatte);
        }
        if (ora.esatte < 0 || ora.esatte > 100 - ora.escluse)
            return QStringLiteral("%1 right answers out of %2 playable cells")
                .arg(ora.esatte)
                .arg(100 - ora.escluse);
        if (ora.fase == Momento::Finita && prima.fase != Momento::Finita) {
            ++m_copertura.partiteFinite;
            if (prima.fase != Momento::InCorso) return QStringLiteral("finished without a running game");
            if (ora.esatte != 100 - ora.escluse)
                return QStringLiteral("finished with %1 right").arg(ora.esatte);
            for (int k = 0; k < 100; ++k)
                if (!ora.esclusa[k] && !giusta(ora.testo[k], k))
                    return QStringLiteral("finished but cell %1 holds \"%2\"").arg(k).arg(ora.testo[k]);
        }
        if (ora.fase == Momento::InCorso && (!eraInGioco || ora.esatte < prima.esatte))
            ++m_copertura.partiteIniziate;
        if (ora.fase == Momento::InPausa && prima.fase == Momento::InCorso) ++m_copertura.pause;

        if (eraInGioco && ora.fase != Momento::Riposo && ora.esclusa != prima.esclusa)
            return QStringLiteral("the excluded tables changed during a game");
        if (eraInGioco) {
            for (int j = 0; j < 100; ++j)
                if (j != prima.cella && !ora.testo[j].isEmpty() && ora.testo[j] != prima.testo[j])
                    return QStringLiteral("cell %1 gained \"%2\" while %3 was asked")
                        .arg(j)
                        .arg(ora.testo[j])
                        .arg(prima.cella);
        }
        if (ora.errori != prima.errori && !(ora.errori == 0 && ora.azzerata)) {
            const int k = prima.cella;
            if (ora.errori != prima.errori + 1)
                return QStringLiteral("errors from %1 to %2").arg(prima.errori).arg(ora.errori);
            if (prima.fase != Momento::InCorso || ora.cella != k || prima.testo[k].isEmpty() ||
                giusta(prima.testo[k], k) || !ora.testo[k].isEmpty())
                return QStringLiteral("an error counted without a wrong answer confirmed in cell %1 (\"%2\")")
                    .arg(k)
                    .arg(prima.testo[k]);
            ++m_copertura.errori;
        }
        if (ora.tempo != prima.tempo && !(ora.tempo == 0 && ora.azzerata)) {
            if (!m_tickCronometro || prima.fase != Momento::InCorso)
                return QStringLiteral("the stopwatch moved from %1 to %2 s without a tick in a game")
                    .arg(prima.tempo)
                    .arg(ora.tempo);
            if (ora.tempo < prima.tempo)
                return QStringLiteral("the stopwatch went back from %1 to %2 s")
                    .arg(prima.tempo)
                    .arg(ora.tempo);
        }
        if (b().TmrTimer->isActive() && ora.fase != Momento::InCorso)
            return QStringLiteral("the stopwatch runs out of a game");

        auto copre = [](QWidget *sopra, QWidget *sotto) {
            if (!sopra->isVisible() || !sotto->isVisible()) return true;
            QWidget *genitore = sotto->parentWidget();
            return genitore->childAt(sotto->geometry().center()) == sopra;
        };
        if (!copre(b().cmdAvvio, b().cmdStop)) return QStringLiteral("Start and Stop both shown");
        if (!copre(b().CmdPausa, b().cmdRiprendi)) return QStringLiteral("Pause and Resume both shown");

        const int info = infoVisibili();
        if (info > 1) return QStringLiteral("%1 info windows").arg(info);
        if (b().isEnabled() == (info == 1))
            return QStringLiteral("the board is enabled with the info window open, or the reverse");
        return {};
    }

    quint32 m_seme;
    QRandomGenerator m_caso;
    std::unique_ptr<Banco> m_banco;
    std::deque<std::function<void()>> m_piano;
    quint64 m_evento = 0;
    QString m_descrizione;
    QString m_errore;
    bool m_tickCronometro = false;
    bool m_traccia = false;
    Copertura m_copertura;
};
