// SPDX-License-Identifier: GPL-3.0-or-later
// The random-event driver: the run, the board's life and the random stream.
#include "caos.h"

#include "recordwindow/frmregistro.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <tuple>

Caos::Copertura &Caos::Copertura::operator+=(const Copertura &c)
{
    partiteIniziate += c.partiteIniziate;
    partiteFinite += c.partiteFinite;
    pause += c.pause;
    stampe += c.stampe;
    infoAperte += c.infoAperte;
    chiusure += c.chiusure;
    errori += c.errori;
    registro += c.registro;
    tolti += c.tolti;
    return *this;
}

Caos::Caos(quint32 seme) : m_seme(seme), m_caso(seme)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_schermo = std::make_unique<SchermoReale>();
        if (!m_schermo->disponibile()) m_schermo.reset();
    }
    if (m_schermo) {
        m_dialoghi = new QTimer(this);
        m_dialoghi->setInterval(40);
        connect(m_dialoghi, &QTimer::timeout, this, &Caos::rispondiAiDialoghi);
        m_dialoghi->start();
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setText(QStringLiteral("42"), QClipboard::Selection);
    m_traccia = qEnvironmentVariableIsSet("NUMERELLA_TRACCIA");
    // The settings and the player chosen, remembered in the user's state folder: here, in the run's own.
    qputenv("XDG_CONFIG_HOME", m_cartella.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", m_cartella.filePath(QStringLiteral("stato")).toLocal8Bit());
    m_giocatore = std::make_unique<Giocatore>();
    nuovoBanco();
}

Caos::~Caos()
{
    m_banco.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_registro.reset();
}

bool Caos::esegui(quint64 eventi)
{
    m_soloPiano = false;
    while (m_evento < eventi)
        if (!unPasso()) return false;
    return true;
}

bool Caos::giocaPartita()
{
    m_soloPiano = true;
    const int finite = m_copertura.partiteFinite;
    for (int i = 0; i < 20000 && m_copertura.partiteFinite == finite; ++i)
        if (!unPasso()) return false;
    if (m_copertura.partiteFinite > finite) return true;
    QWidget *modale = QApplication::activeModalWidget();
    return controlla(QStringLiteral("no game finished in 20000 events (board %1, Start %2, in front: %3)")
                         .arg(b().isEnabled() ? u"enabled" : u"disabled")
                         .arg(b().cmdAvvio->isEnabled() ? u"enabled" : u"disabled")
                         .arg(modale ? modale->objectName() : QStringLiteral("nothing")));
}

bool Caos::partitaStampata()
{
    // The noise may have left the board larger than the screen, Start out of reach: a child would drag
    // it back first.
    if (const QScreen *s = b().screen();
        m_schermo && s && !s->availableGeometry().contains(b().frameGeometry())) {
        b().showNormal();
        b().resize(
            b().size().boundedTo(s->availableGeometry().size() - (b().frameGeometry().size() - b().size())));
        b().move(s->availableGeometry().topLeft());
        assesta();
    }
    if (!giocaPartita()) return false;
    const int prima = m_copertura.stampe;
    m_banco->tipografia.dialogoVero = false;
    m_banco->tipografia.nomi = {QStringLiteral("Anna")};
    m_piano.clear();
    passo([this] {
        m_descrizione = QStringLiteral("print");
        clic(b().cmdStampa, centro(b().cmdStampa));
    });
    if (!unPasso()) return false;
    return m_copertura.stampe > prima || controlla(QStringLiteral("the finished game was not printed"));
}

bool Caos::unPasso()
{
    ++m_evento;
    if (m_alOgniEvento) m_alOgniEvento(m_evento);
    m_descrizione.clear();
    // A record window opened by a random Ctrl+R goes before the next event: only mossaRegistro works in it.
    if (auto *f = b().findChild<FrmRegistro *>(); f && f->isVisible()) f->close();
    const Istantanea prima = leggi();
    m_tickCronometro = false;
    unEvento();
    if (!assesta()) return controlla(QStringLiteral("the X server or the program did not answer"));
    if (m_traccia) qInfo("%llu: %s", m_evento, qPrintable(m_descrizione));
    if (!b().isVisible()) {
        if (!controlla(rispostaChiusura())) return false;
        riapri();
        return true;
    }
    const Istantanea ora = leggi();
    if (!controlla(confronta(prima, ora)) || !controlla(controllaRidisegno())) return false;
    // The recordings would grow without end; a print always finds a name waiting.
    m_banco->suoni.suonati.clear();
    m_copertura.stampe += int(m_banco->tipografia.titoliStampati.size());
    m_banco->tipografia.titoliStampati.clear();
    if (m_banco->tipografia.nomi.isEmpty()) m_banco->tipografia.nomi = {nomeCasuale()};
    return true;
}

bool Caos::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::Paint && m_banco && o == m_banco->w.get()) ++m_ridisegni;
    return QObject::eventFilter(o, e);
}

// ----- the board's life -----

void Caos::nuovoBanco()
{
    m_banco.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_cellaAlTick = -1;
    const Info info = m_caso.bounded(4) == 0 ? Info::Aperta : Info::Chiusa;
    m_banco = std::make_unique<Banco>(info, m_caso.generate());
    nuovoRegistro();
    b().installEventFilter(this);
    if (m_schermo) {
        // The real timers: the board's own, running as it switches them; the stopwatch's ticks are noted.
        b().Timer1->start();
        connect(b().TmrTimer, &QTimer::timeout, this, [this] { m_tickCronometro = true; });
        connect(b().Timer1, &QTimer::timeout, this, &Caos::osservaLampeggio);
        // Half the boards ask the name with the real dialog, answered by keys.
        m_banco->tipografia.dialogoVero = moneta(50);
    }
    mostra();
}

void Caos::mostra()
{
    if (!m_schermo) {
        // Ticks come only from the driver, and only while the board keeps the timer on.
        b().Timer1->blockSignals(true);
        b().TmrTimer->blockSignals(true);
    }
    b().show();
    b().activateWindow();
    if (m_schermo) std::ignore = QTest::qWaitForWindowExposed(m_banco->w.get());
    m_piano.clear();
    assesta();
}

/// After a close request: the real program would end; here the board shows again or a new one starts.
void Caos::riapri()
{
    ++m_copertura.chiusure;
    // Closing with the info window open deletes it and leaves the board disabled, closing in a game
    // stops its timers: the program ends there, so a board in such a state is never seen again.
    const Momento f = b().momento();
    if (m_caso.bounded(2) == 0 || !b().isEnabled() || f == Momento::InCorso || f == Momento::InPausa)
        nuovoBanco();
    else
        mostra();
}

QString Caos::rispostaChiusura()
{
    if (b().Timer1->isActive() || b().TmrTimer->isActive()) return QStringLiteral("closed with a timer on");
    if (b().info() || infoAperta()) return QStringLiteral("closed with the info window still open");
    return {};
}

bool Caos::assesta()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!m_schermo) return true;
    // Twice: the first brings the input, the second what the program's answers to it caused
    // (windows mapped, focus moved, exposures).
    const bool ok = m_schermo->sincronizza() && m_schermo->sincronizza();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok;
}

/// A dialog in front (the name prompt): typed into, then confirmed, cancelled or closed, as a child would.
void Caos::rispondiAiDialoghi()
{
    auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialogo || !dialogo->isVisible() || !dialogo->windowHandle()) return;
    if (!dialogo->isActiveWindow() || moneta(10)) m_schermo->daiFuoco(dialogo->windowHandle());
    for (int i = a(4); i > 0; --i)
        m_schermo->tasto(Qt::Key(Qt::Key_A + a(26)), moneta(20) ? Qt::ShiftModifier : Qt::NoModifier);
    if (moneta(10)) m_schermo->tasto(Qt::Key_V, Qt::ControlModifier);
    switch (a(6)) {
    case 0:
        m_schermo->tasto(Qt::Key_Escape);
        break;
    case 1:
        m_schermo->chiediChiusura(dialogo->windowHandle());
        break;
    case 2: // a click somewhere on the dialog
        m_schermo->clic(m_schermo->globale(dialogo->windowHandle(), punto(dialogo)), Qt::LeftButton);
        break;
    default:
        m_schermo->tasto(Qt::Key_Return);
    }
}

FrmInfo *Caos::infoAperta()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *i = qobject_cast<FrmInfo *>(w); i && i->isVisible()) return i;
    return nullptr;
}

int Caos::infoVisibili()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<FrmInfo *>(w) && w->isVisible() ? 1 : 0;
    return n;
}

// ----- the random stream -----

Caos::Mossa Caos::scegli()
{
    static constexpr std::pair<Mossa, int> pesi[] = {
        {Mossa::Clic, 20},         {Mossa::DoppioClic, 5},     {Mossa::ClicPunto, 8},
        {Mossa::Trascina, 2},      {Mossa::Movimento, 5},      {Mossa::Tasto, 14},
        {Mossa::Testo, 4},         {Mossa::MetodoInput, 2},    {Mossa::Tocco, 5},
        {Mossa::Tick, 10},         {Mossa::TickCronometro, 8}, {Mossa::RafficaCronometro, 1},
        {Mossa::Info, 2},          {Mossa::InfoETasto, 2},     {Mossa::Attiva, 2},
        {Mossa::Chiudi, 1},        {Mossa::Appunti, 1},        {Mossa::Ridimensiona, 1},
        {Mossa::SchermoIntero, 1}, {Mossa::Piano, 30},         {Mossa::Registro, 3},
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

Qt::MouseButton Caos::tastoMouse()
{
    static constexpr Qt::MouseButton tasti[] = {Qt::LeftButton,  Qt::LeftButton,   Qt::LeftButton,
                                                Qt::RightButton, Qt::MiddleButton, Qt::BackButton};
    return tasti[a(int(std::size(tasti)))];
}

Qt::KeyboardModifiers Caos::modificatori()
{
    if (!moneta(10)) return Qt::NoModifier;
    static constexpr Qt::KeyboardModifier m[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    return m[a(3)];
}

/// Short text of random characters: ASCII, other scripts' digits, letters, controls, directional
/// marks, emoji, combining marks.
QString Caos::testoStrano(int massimo)
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

QString Caos::nomeCasuale()
{
    // Whole games stand for a class's day: children's names, not every script's glyphs filling the font
    // caches.
    if (m_soloPiano) {
        static const QString nomi[] = {QString(), QStringLiteral("Anna"), QStringLiteral("Luca Bianchi"),
                                       QStringLiteral("Zoë")};
        return nomi[a(int(std::size(nomi)))];
    }
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

QString Caos::esadecimale(const QString &t)
{
    QString s;
    for (char32_t c : t.toUcs4())
        s += QStringLiteral("U+%1 ").arg(quint32(c), 4, 16, QChar(u'0'));
    return s.trimmed();
}
