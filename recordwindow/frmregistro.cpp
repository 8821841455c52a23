// SPDX-License-Identifier: GPL-3.0-or-later
// The record window "Registro": a child's games, their chart, the facts map, the players side by side.
#include "recordwindow/frmregistro.h"

#include "printing/resoconto.h"
#include "printing/tipografia.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/orologio.h"
#include "record/registro.h"
#include "record/ripasso.h"
#include "recordwindow/paginaandamento.h"
#include "recordwindow/paginaclasse.h"
#include "recordwindow/paginafatti.h"
#include "recordwindow/paginagiocatori.h"
#include "recordwindow/paginapartite.h"
#include "schoolserver/letturaclasse.h"
#include "schoolserver/spedizione.h"
#include "widgets/accessibilita.h"
#include "widgets/dialoghiscalati.h"
#include "widgets/disposizioniscalate.h"
#include "widgets/sceltafile.h"
#include "widgets/stilescalato.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

/// The window's size at the board's own scale.
constexpr QSize Base(760, 560);

/// The frame a window manager puts around \a w; before the first show, a title bar's height.
QMargins cornice(const QWidget *w)
{
    const QRect fuori = w->frameGeometry(), dentro = w->geometry();
    if (fuori != dentro)
        return {dentro.left() - fuori.left(), dentro.top() - fuori.top(), fuori.right() - dentro.right(),
                fuori.bottom() - dentro.bottom()};
    return {0, w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w), 0, 0};
}

/// \a file as the window shows it: among right-to-left words a path keeps reading left to right, or its
/// slashes and dots would wander to the other end. Qt lays out a right-to-left name inside a path out of
/// order even so: such a path shows its file's name alone.
QString percorso(const QWidget *w, const QString &file)
{
    QString nativo = QDir::toNativeSeparators(file);
    if (w->layoutDirection() != Qt::RightToLeft) return nativo;
    const bool misto = std::any_of(nativo.cbegin(), nativo.cend(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
    if (misto) nativo = QFileInfo(file).fileName();
    return QChar(0x2066) + nativo + QChar(0x2069);
}

} // namespace

FrmRegistro::FrmRegistro(Registro &registro, Tipografia &tipografia, Uso uso, QWidget *parent)
    : QWidget(parent, Qt::Window), m_registro(registro), m_tipografia(tipografia)
{
    setObjectName(QStringLiteral("frmRegistro"));
    setWindowTitle(tr("Registro"));
    accessibilita::impostaRuolo(this, QAccessible::Dialog);
    m_font = font();
    costruisci(uso);
    m_disposizioni = std::make_unique<DisposizioniScalate>(this);
    impostaScala(1.0);
    aggiorna();
}

FrmRegistro::~FrmRegistro() = default;

void FrmRegistro::costruisci(Uso uso)
{
    auto *colonna = new QVBoxLayout(this);

    auto *chi = new QHBoxLayout;
    auto *etichetta = new QLabel(tr("&Giocatore:"), this);
    cmbGiocatore = new QComboBox(this);
    cmbGiocatore->setObjectName(QStringLiteral("cmbGiocatore"));
    cmbGiocatore->setAccessibleName(tr("Giocatore"));
    cmbGiocatore->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // A child's name is never cut: in a longer language the window rather takes a smaller scale.
    cmbGiocatore->setSizePolicy(QSizePolicy::Minimum, cmbGiocatore->sizePolicy().verticalPolicy());
    etichetta->setBuddy(cmbGiocatore);
    // The box shows a child's record; the board's child changes only on purpose.
    cmbGiocatore->installEventFilter(this);
    cmbGiocatore->view()->installEventFilter(this);
    //: Makes the child shown in the box "Giocatore" the one who plays on the board.
    cmdGioca = new QPushButton(tr("&Usa per giocare"), this);
    cmdGioca->setObjectName(QStringLiteral("cmdGioca"));
    cmdGioca->setToolTip(tr("Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)"));
    cmdNuovo = new QPushButton(tr("&Nuovo…"), this);
    cmdNuovo->setObjectName(QStringLiteral("cmdNuovo"));
    cmdRinomina = new QPushButton(tr("Rino&mina…"), this);
    cmdRinomina->setObjectName(QStringLiteral("cmdRinomina"));
    cmdTogli = new QPushButton(tr("&Togli…"), this);
    cmdTogli->setObjectName(QStringLiteral("cmdTogli"));
    chi->addWidget(etichetta);
    chi->addWidget(cmbGiocatore, 1);
    chi->addWidget(cmdGioca);
    chi->addWidget(cmdNuovo);
    chi->addWidget(cmdRinomina);
    cmdSvuota = new QPushButton(tr("S&vuota…"), this);
    cmdSvuota->setObjectName(QStringLiteral("cmdSvuota"));
    cmdSvuota->setToolTip(tr("Toglie tutte le partite del giocatore; il giocatore resta"));
    auto *etichettaPeriodo = new QLabel(tr("Perio&do:"), this);
    cmbPeriodo = new QComboBox(this);
    cmbPeriodo->setObjectName(QStringLiteral("cmbPeriodo"));
    cmbPeriodo->setAccessibleName(tr("Periodo"));
    //: The periods whose games the window shows, in the box "Periodo:".
    for (const auto &[testo, periodo] : {std::pair{QT_TR_NOOP("oggi"), Periodo::Oggi},
                                         {QT_TR_NOOP("questa settimana"), Periodo::Settimana},
                                         {QT_TR_NOOP("questo mese"), Periodo::Mese},
                                         {QT_TR_NOOP("tutto"), Periodo::Tutto}})
        cmbPeriodo->addItem(tr(testo), int(periodo));
    cmbPeriodo->setCurrentIndex(cmbPeriodo->findData(int(Periodo::Tutto)));
    etichettaPeriodo->setBuddy(cmbPeriodo);
    chi->addWidget(cmdTogli);
    chi->addWidget(cmdSvuota);
    chi->addSpacing(fontMetrics().height());
    chi->addWidget(etichettaPeriodo);
    chi->addWidget(cmbPeriodo);
    colonna->addLayout(chi);

    schede = new QTabWidget(this);
    schede->setObjectName(QStringLiteral("schede"));

    paginaPartite = new PaginaPartite(this);
    schede->addTab(paginaPartite, tr("&Partite"));
    paginaAndamento = new PaginaAndamento(this);
    schede->addTab(paginaAndamento, tr("&Andamento"));
    paginaFatti = new PaginaFatti(this);
    schede->addTab(paginaFatti, tr("&Fatti"));
    paginaGiocatori = new PaginaGiocatori(this);
    schede->addTab(paginaGiocatori, tr("G&iocatori"));
    paginaClasse = new PaginaClasse(this);
    //: The tab of the class's map: how many children know each fact.
    schede->addTab(paginaClasse, tr("C&lasse"));
    colonna->addWidget(schede, 1);

    lblStato = new QLabel(this);
    lblStato->setTextFormat(Qt::PlainText); // file names as they are
    lblStato->setObjectName(QStringLiteral("lblStato"));
    lblStato->setWordWrap(true);
    colonna->addWidget(lblStato);

    auto *pulsanti = new QHBoxLayout;
    cmdRipassa = new QPushButton(tr("&Ripassa"), this);
    cmdRipassa->setObjectName(QStringLiteral("cmdRipassa"));
    cmdRipassa->setToolTip(
        tr("Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro"));
    cmdRipassa->setVisible(uso == Uso::ConTabellone);
    //: A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the
    //: board, and practice never judges her slow.
    chkSenzaFretta = new QCheckBox(tr("Sen&za fretta"), this);
    chkSenzaFretta->setObjectName(QStringLiteral("chkSenzaFretta"));
    chkSenzaFretta->setAccessibleName(tr("Senza fretta per questo giocatore"));
    chkSenzaFretta->setToolTip(tr("Niente cronometro nelle sue partite; il ripasso guarda solo giusto o "
                                  "sbagliato, mai la lentezza"));
    cmdEsporta = new QPushButton(tr("&Esporta…"), this);
    cmdEsporta->setObjectName(QStringLiteral("cmdEsporta"));
    cmdStampa = new QPushButton(tr("&Stampa…"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdChiudi = new QPushButton(tr("&Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdTogliPartita = new QPushButton(tr("T&ogli la partita…"), this);
    cmdTogliPartita->setObjectName(QStringLiteral("cmdTogliPartita"));
    cmdEsportaGiocatori = new QPushButton(tr("Esporta la ta&bella…"), this);
    cmdEsportaGiocatori->setObjectName(QStringLiteral("cmdEsportaGiocatori"));
    pulsanti->addWidget(cmdRipassa);
    pulsanti->addWidget(chkSenzaFretta);
    pulsanti->addWidget(cmdTogliPartita);
    pulsanti->addWidget(cmdEsportaGiocatori);
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdEsporta);
    pulsanti->addWidget(cmdStampa);
    pulsanti->addWidget(cmdChiudi);
    colonna->addLayout(pulsanti);

    connect(cmbGiocatore, &QComboBox::activated, this, [this] {
        mostraGiocatore();
        mostraChiGioca();
    });
    connect(cmdGioca, &QPushButton::clicked, this, &FrmRegistro::faiGiocare);
    connect(cmdNuovo, &QPushButton::clicked, this, &FrmRegistro::nuovoGiocatore);
    connect(cmdRinomina, &QPushButton::clicked, this, &FrmRegistro::rinominaGiocatore);
    connect(cmdTogli, &QPushButton::clicked, this, &FrmRegistro::togliGiocatore);
    // Only a click or the space bar: showing another child sets the box without marking anyone.
    connect(chkSenzaFretta, &QCheckBox::clicked, this, &FrmRegistro::segnaSenzaFretta);
    connect(cmdRipassa, &QPushButton::clicked, this, &FrmRegistro::ripassa);
    connect(cmdEsporta, &QPushButton::clicked, this, &FrmRegistro::esporta);
    connect(cmdStampa, &QPushButton::clicked, this, &FrmRegistro::stampa);
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSvuota, &QPushButton::clicked, this, &FrmRegistro::svuotaGiocatore);
    connect(cmdTogliPartita, &QPushButton::clicked, this, &FrmRegistro::togliPartita);
    connect(cmdEsportaGiocatori, &QPushButton::clicked, this, &FrmRegistro::esportaGiocatori);
    connect(cmbPeriodo, &QComboBox::currentIndexChanged, this, &FrmRegistro::mostraGiocatore);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    // Alt and a tab's letter: that tab, and the focus in it.
    schede->tabBar()->installEventFilter(this);
    connect(schede, &QTabWidget::currentChanged, this, [this](int indice) {
        // The players view and the class's map ask every child's facts: read when first looked at.
        if (schede->widget(indice) == paginaGiocatori && !paginaGiocatori->pronta())
            paginaGiocatori->riempi();
        if (schede->widget(indice) == paginaClasse && !paginaClasse->pronta())
            paginaClasse->mostra(quadroClasse());
        mostraPulsanti();
        // The tab bar is named after its current tab: a reader is told that the name changed.
        QAccessibleEvent nome(schede->tabBar(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nome);
    });
    // The drop-down and sort arrows grow with the text.
    for (QComboBox *c : findChildren<QComboBox *>())
        c->setStyle(StileScalato::istanza());
    for (QTableView *t : findChildren<QTableView *>())
        t->horizontalHeader()->setStyle(StileScalato::istanza());
    // The class is read from the school's server in the background, again whenever games reached it
    // (or a server answers again), and shown when it is there.
    if (Spedizione *s = m_registro.spedizione())
        connect(s, &Spedizione::cambiata, this, [this] {
            mostraStato();
            m_registro.rileggiClasse();
        });
    if (LetturaClasse *l = m_registro.letturaClasse()) {
        // A reading that failed changes only what the status line says.
        connect(l, &LetturaClasse::pronta, this, [this, l] {
            if (l->stato() == LetturaClasse::Stato::Letta)
                aggiorna();
            else
                mostraStato();
        });
        m_registro.rileggiClasse();
    }
}

void FrmRegistro::impostaScala(qreal fattore)
{
    applicaScala(fattore);
    const QScreen *schermo = screen();
    QSize dimensione(qRound(Base.width() * m_fattore), qRound(Base.height() * m_fattore));
    if (schermo) {
        // A board's scale fits its width to a whiteboard: this window, taller, is kept within the screen,
        // its frame too. A language longer than the window was made for may need more room than the
        // screen has at the board's scale: then a smaller one, never below the window's own size.
        const QSize libero = schermo->availableGeometry().marginsRemoved(cornice(this)).size();
        for (int prova = 0; prova < 3 && m_fattore > 1.0; ++prova) {
            const QSize serve = minimumSizeHint();
            const qreal quanto =
                std::min(qreal(libero.width()) / serve.width(), qreal(libero.height()) / serve.height());
            if (quanto >= 1.0) break;
            applicaScala(std::max(1.0, m_fattore * quanto * 0.98));
        }
        dimensione =
            QSize(qRound(Base.width() * m_fattore), qRound(Base.height() * m_fattore)).boundedTo(libero);
    }
    resize(dimensione);
    if (isVisible()) mettiSopra(frameGeometry());
}

void FrmRegistro::applicaScala(qreal fattore)
{
    m_fattore = fattore;
    QFont f = m_font;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(m_font.pointSizeF() * fattore);
    else
        f.setPixelSize(qRound(m_font.pixelSize() * fattore));
    setFont(f);
    m_disposizioni->applica(fattore); // margins and spacings grow with the text
    StileScalato::impostaFrecce(this, fattore);
    // Tables' headers keep a font of their own on the X server, and rows their first height.
    for (QTableView *tabella : findChildren<QTableView *>()) {
        tabella->horizontalHeader()->setFont(f);
        tabella->verticalHeader()->setFont(f);
        tabella->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() * 3 / 2);
        tabella->verticalHeader()->setMinimumSectionSize(QFontMetrics(f).height() * 3 / 2);
    }
    paginaGiocatori->adattaIntestazioni();
    if (layout()) layout()->invalidate();
}

void FrmRegistro::mettiSopra(const QRect &sopra)
{
    const QMargins margini = cornice(this);
    QRect posto(QPoint(), size().grownBy(margini));
    posto.moveCenter(sopra.center());
    if (const QScreen *schermo = screen()) {
        const QRect libero = schermo->availableGeometry();
        posto.moveLeft(std::clamp(posto.left(), libero.left(),
                                  std::max(libero.left(), libero.right() - posto.width() + 1)));
        posto.moveTop(std::clamp(posto.top(), libero.top(),
                                 std::max(libero.top(), libero.bottom() - posto.height() + 1)));
    }
    move(posto.topLeft()); // a window's place is its frame's
}

QDateTime FrmRegistro::inizioPeriodo(Periodo periodo, const QDateTime &ora)
{
    return quadro::inizio(periodo, ora);
}

FrmRegistro::Periodo FrmRegistro::periodo() const
{
    return Periodo(cmbPeriodo->currentData().toInt());
}

bool FrmRegistro::locale() const
{
    return m_vista && m_vista == m_registro.archivio();
}

void FrmRegistro::mostraPulsanti()
{
    QWidget *pagina = schede->currentWidget();
    const bool tenuto = m_registro.archivio() != nullptr;
    const bool partite = paginaPartite->tabPartite->model()->rowCount() > 0;
    cmdTogliPartita->setVisible(pagina == paginaPartite);
    cmdTogliPartita->setEnabled(tenuto && locale() && partite);
    cmdSvuota->setEnabled(tenuto && locale() && partite);
    cmdEsportaGiocatori->setVisible(pagina == paginaGiocatori);
    cmdEsportaGiocatori->setEnabled(m_vista != nullptr);
}

bool FrmRegistro::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == cmbGiocatore->view() && evento->type() == QEvent::KeyPress) {
        // Return on a name in the open list chooses her, as Return on the closed box does.
        const int tasto = static_cast<QKeyEvent *>(evento)->key();
        const int riga = cmbGiocatore->view()->currentIndex().row();
        if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter) && riga >= 0) {
            cmbGiocatore->hidePopup();
            if (riga != cmbGiocatore->currentIndex()) {
                cmbGiocatore->setCurrentIndex(riga);
                mostraGiocatore();
                mostraChiGioca();
            }
            if (cmdGioca->isEnabled()) faiGiocare();
            return true;
        }
    }
    if (oggetto == cmbGiocatore && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent *>(evento)->key();
        if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter) && cmdGioca->isEnabled()) {
            faiGiocare();
            return true;
        }
    }
    if (oggetto == schede->tabBar() && evento->type() == QEvent::Shortcut) {
        // A page hidden with the focus in it hands the focus on to the next control (Ripassa), which a
        // reader would say before the new page: the focus waits, and goes into the new page.
        m_cambioScheda = true;
        static_cast<QObject *>(schede->tabBar())->event(evento); // the tab bar changes tab
        m_cambioScheda = false;
        entraNellaScheda();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

bool FrmRegistro::focusNextPrevChild(bool avanti)
{
    return m_cambioScheda || QWidget::focusNextPrevChild(avanti);
}

void FrmRegistro::entraNellaScheda()
{
    QWidget *pagina = schede->currentWidget();
    for (QWidget *w = pagina; w; w = w->nextInFocusChain()) {
        if ((w == pagina || pagina->isAncestorOf(w)) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
        if (w->nextInFocusChain() == pagina) break;
    }
}

void FrmRegistro::closeEvent(QCloseEvent *e)
{
    QWidget::closeEvent(e);
    // With no window manager nobody gives the keys back to the board.
    if (QWidget *da = parentWidget()) da->window()->activateWindow();
}

void FrmRegistro::aggiorna()
{
    QString motivo;
    m_vista = m_registro.archivioDaMostrare(motivo);
    mostraGiocatori();
    mostraGiocatore();
}

void FrmRegistro::mostraGiocatori()
{
    cmbGiocatore->clear();
    m_idVista.clear();
    m_idLocali.clear();
    Archivio *locale = m_registro.archivio();
    const QString corrente = m_registro.giocatore().nomeRegistro();
    if (locale) {
        // The chosen child is listed even before her first game; one removed by another program is not
        // made again.
        if (!m_registro.rimossaAltrove(corrente)) locale->giocatore(corrente);
        for (const SchedaGiocatore &g : locale->giocatori())
            m_idLocali.insert(g.nome, g.id);
    }
    if (m_vista == locale)
        m_idVista = m_idLocali;
    else if (m_vista)
        for (const SchedaGiocatore &g : m_vista->giocatori())
            m_idVista.insert(g.nome, g.id);
    // The class's children from every computer, and this one's own not yet sent.
    QStringList nomi = m_idVista.keys() + m_idLocali.keys();
    nomi.removeDuplicates();
    std::sort(nomi.begin(), nomi.end(),
              [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; });
    for (const QString &nome : std::as_const(nomi))
        cmbGiocatore->addItem(Giocatore::mostrato(nome), nome);
    cmbGiocatore->setCurrentIndex(std::max(0, cmbGiocatore->findData(corrente)));
    const bool tenuto = locale != nullptr;
    for (QWidget *w : {static_cast<QWidget *>(cmbGiocatore), static_cast<QWidget *>(cmdNuovo),
                       static_cast<QWidget *>(cmdRinomina), static_cast<QWidget *>(cmdTogli),
                       static_cast<QWidget *>(cmdRipassa), static_cast<QWidget *>(cmdEsporta),
                       static_cast<QWidget *>(cmdStampa)})
        w->setEnabled(tenuto);
    mostraChiGioca();
    mostraStato();
}

void FrmRegistro::mostraStato()
{
    Archivio *locale = m_registro.archivio();
    QString stato =
        locale ? tr("Il registro è in %1.").arg(percorso(this, locale->percorso())) : m_registro.avvisoDato();
    if (const Spedizione *s = m_registro.spedizione()) stato += u'\n' + s->descrizione();
    if (const LetturaClasse *l = m_registro.letturaClasse()) stato += u'\n' + l->descrizione();
    if (m_vista && m_vista != locale)
        stato += u'\n' + tr("Qui si vede il registro della classe sul server della scuola: da questo "
                            "computer non si possono togliere partite né svuotare il registro di un "
                            "giocatore; lo fa l'insegnante sul server.");
    lblStato->setText(stato);
}

void FrmRegistro::mostraGiocatore()
{
    m_quadro = leggiQuadro(scelto());
    paginaPartite->mostra(m_quadro.partite);
    paginaAndamento->mostra(m_quadro.partite);
    paginaFatti->mostra(m_quadro);
    paginaGiocatori->impostaArchivio(m_vista, periodo());
    if (schede->currentWidget() == paginaGiocatori) paginaGiocatori->riempi();
    paginaClasse->invecchia();
    if (schede->currentWidget() == paginaClasse) paginaClasse->mostra(quadroClasse());
    // Today's round works from every game, whatever the period.
    cmdRipassa->setEnabled(m_quadro.giocato());
    cmdRinomina->setEnabled(m_idLocali.contains(scelto()) && scelto() != Giocatore::ospite());
    // The mark is kept on this computer: a class read from the school's server cannot change it.
    Archivio *qui = m_registro.archivio();
    const qint64 idQui = m_idLocali.value(scelto());
    chkSenzaFretta->setChecked(qui && idQui && qui->senzaFretta(idQui) == apprendimento::Tempo::Ignora);
    chkSenzaFretta->setEnabled(locale() && idQui != 0);
    mostraPulsanti();
}

void FrmRegistro::segnaSenzaFretta(bool segnata)
{
    const qint64 id = m_idLocali.value(scelto());
    const bool segnato =
        locale() && id != 0 &&
        m_registro.segnaSenzaFretta(id, segnata ? apprendimento::Tempo::Ignora : apprendimento::Tempo::Conta);
    // Her map, her round and the players table as she is judged now.
    aggiorna();
    if (!segnato)
        //: In the record window's status line when the mark "Senza fretta" cannot be written.
        lblStato->setText(tr("Il registro non ha potuto segnare \"Senza fretta\"."));
}

void FrmRegistro::faiGiocare()
{
    if (!m_registro.archivio()) return;
    m_registro.giocatore().scegli(scelto());
    mostraGiocatore();
    mostraChiGioca();
    // Said at once to a screen reader, as the board's caption shows it.
    QAccessibleEvent detto(cmbGiocatore, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&detto);
    QAccessibleEvent avviso(cmbGiocatore, QAccessible::Alert);
    QAccessible::updateAccessibility(&avviso);
}

void FrmRegistro::mostraChiGioca()
{
    const QString chi = m_registro.giocatore().nomeRegistro();
    //: What a screen reader says of the box "Giocatore": who plays on the board now. %1: a name.
    accessibilita::impostaDescrizione(cmbGiocatore, tr("Ora gioca %1").arg(Giocatore::mostrato(chi)));
    cmdGioca->setEnabled(m_registro.archivio() && !scelto().isEmpty() && scelto() != chi);
}

Quadro FrmRegistro::leggiQuadro(const QString &nome) const
{
    SchedaGiocatore g;
    g.nome = nome;
    g.id = m_idVista.value(nome);
    Quadro q = quadro::leggi(m_vista, g, periodo(), orologio::adesso(), m_registro.lunghezzaRipasso());
    // The game on the board so far: the file has its answers, but its sums only at its end.
    bool inCorso = false;
    for (SchedaPartita &p : q.partite)
        inCorso = m_registro.completaInCorso(p) || inCorso;
    if (inCorso) q.giocatore = quadro::somme(q.giocatore, q.partite);
    return q;
}

QString FrmRegistro::chiediNome(const QString &titolo, const QString &proposto)
{
    const DialoghiScalati dialoghi(m_fattore);
    bool confermato = false;
    const QString scritto = QInputDialog::getText(
        //: %1: the longest name allowed, in characters.
        this, titolo, tr("Nome (al massimo %1 caratteri):").arg(Giocatore::LunghezzaMassima),
        QLineEdit::Normal, proposto, &confermato);
    if (!confermato) return {};
    const QString nome = Giocatore::pulito(scritto);
    if (nome.isEmpty() || Giocatore::chiave(nome) == Giocatore::chiave(Giocatore::ospite())) {
        QMessageBox::information(this, titolo,
                                 tr("Il nome va scritto su una riga, al massimo %1 caratteri, e non può "
                                    "essere \"%2\".")
                                     .arg(Giocatore::LunghezzaMassima)
                                     .arg(Giocatore::ospite()));
        return {};
    }
    return nome;
}

QString FrmRegistro::scelto() const
{
    return cmbGiocatore->currentData().toString();
}

QString FrmRegistro::omonimo(const QString &nome, const QString &tranne) const
{
    for (int i = 0; i < cmbGiocatore->count(); ++i) {
        const QString altro = cmbGiocatore->itemData(i).toString();
        if (altro != tranne && Giocatore::chiave(altro) == Giocatore::chiave(nome)) return altro;
    }
    return {};
}

bool FrmRegistro::rifiutaOmonimo(const QString &titolo, const QString &nome, const QString &tranne)
{
    const QString altro = omonimo(nome, tranne);
    if (altro.isEmpty()) return false;
    QMessageBox::information(this, titolo,
                             tr("C'è già un giocatore di nome \"%1\": scegli un nome diverso.").arg(altro));
    return true;
}

void FrmRegistro::nuovoGiocatore()
{
    //: The title of the dialog asking a new child's name.
    const QString nome = chiediNome(tr("Nuovo giocatore"), {});
    if (nome.isEmpty() || rifiutaOmonimo(tr("Nuovo giocatore"), nome, {})) return;
    m_registro.giocatore().scegli(nome);
    aggiorna();
}

void FrmRegistro::rinominaGiocatore()
{
    const DialoghiScalati dialoghi(m_fattore);
    Archivio *archivio = m_registro.archivio();
    const QString vecchio = scelto();
    if (!archivio || vecchio == Giocatore::ospite()) return;
    const QString nome = chiediNome(tr("Rinomina"), vecchio);
    if (nome.isEmpty() || nome == vecchio || rifiutaOmonimo(tr("Rinomina"), nome, vecchio)) return;
    if (m_registro.rinominaGiocatore(m_idLocali.value(vecchio), vecchio, nome))
        m_registro.giocatore().scegli(nome);
    aggiorna();
}

void FrmRegistro::togliGiocatore()
{
    const DialoghiScalati dialoghi(m_fattore);
    Archivio *archivio = m_registro.archivio();
    const QString nome = scelto();
    if (!archivio || nome.isEmpty()) return;
    // The computers of a school may add to its server but never remove: the teacher does that there.
    //: %1: the child's name, as typed.
    const QString domanda =
        m_vista == archivio ? tr("Togliere \"%1\" dal registro, con tutte le sue partite?")
                            //: %1: the child's name; her games stay on the school's server.
                            : tr("Togliere \"%1\" dal registro, con tutte le sue partite? Sul server della "
                                 "scuola le sue partite restano: le toglie l'insegnante.");
    //: The title of the question before a child is removed from the record.
    if (!conferma(QStringLiteral("confermaTogli"), tr("Togli"), domanda.arg(Giocatore::mostrato(nome))))
        return;
    m_registro.togliGiocatore(m_idLocali.value(nome), nome);
    aggiorna();
}

bool FrmRegistro::conferma(const QString &nome, const QString &titolo, const QString &testo)
{
    QMessageBox domanda(QMessageBox::Question, titolo, testo, QMessageBox::Yes | QMessageBox::No, this);
    domanda.setObjectName(nome);
    domanda.setTextFormat(Qt::PlainText);      // names as typed, never read as markup
    domanda.setDefaultButton(QMessageBox::No); // nothing removed by a hasty Return
    return domanda.exec() == QMessageBox::Yes;
}

void FrmRegistro::svuotaGiocatore()
{
    const DialoghiScalati dialoghi(m_fattore);
    Archivio *archivio = m_registro.archivio();
    const QString nome = scelto();
    const qint64 id = m_idLocali.value(nome);
    if (!archivio || !locale() || id == 0) return;
    if (!conferma(QStringLiteral("confermaSvuota"), tr("Svuota"),
                  //: %1, twice: the child's name.
                  tr("Togliere tutte le partite di \"%1\"? %1 resta fra i giocatori.")
                      .arg(Giocatore::mostrato(nome))))
        return;
    archivio->svuota(id);
    aggiorna();
}

void FrmRegistro::togliPartita()
{
    const DialoghiScalati dialoghi(m_fattore);
    Archivio *archivio = m_registro.archivio();
    const QModelIndex scelta = paginaPartite->tabPartite->currentIndex();
    if (!archivio || !locale() || !scelta.isValid()) return;
    const QAbstractItemModel *partite = scelta.model();
    const QModelIndex inizio = partite->index(scelta.row(), 0);
    const qint64 id = inizio.data(PaginaPartite::RuoloId).toLongLong();
    if (id == 0) {
        QMessageBox::information(this, tr("Togli la partita"),
                                 tr("La partita in corso non si può togliere."));
        return;
    }
    const int errori = partite->index(scelta.row(), 3).data(Qt::UserRole).toInt();
    const QString quando = inizio.data().toString(),
                  tempo = partite->index(scelta.row(), 2).data().toString();
    if (!conferma(QStringLiteral("confermaTogliPartita"), tr("Togli la partita"),
                  errori == 1
                      //: %1: the game's date and time (Italian: "del 07/12/2026 10:15"), %2: its time on the
                      //: stopwatch (m:ss); the game had one mistake.
                      ? tr("Togliere dal registro la partita del %1 (%2, 1 errore)?").arg(quando, tempo)
                      //: %1: the game's date and time (Italian: "del 07/12/2026 10:15"), %2: its time on the
                      //: stopwatch (m:ss), %n: its mistakes.
                      : tr("Togliere dal registro la partita del %1 (%2, %n errori)?", nullptr, errori)
                            .arg(quando, tempo)))
        return;
    archivio->togliPartita(id);
    aggiorna();
}

bool FrmRegistro::scriviGiocatori(const QString &file, QString &errore)
{
    return paginaGiocatori->scrivi(file, errore);
}

void FrmRegistro::esportaGiocatori()
{
    const DialoghiScalati dialoghi(m_fattore);
    // In the user's documents, as the games' export: the working folder may be /.
    const QString file =
        sceltaFileDaScrivere(this, tr("Esporta la tabella dei giocatori"),
                             QDir(Esportazione::cartella())
                                 //: The name proposed for the players view's file, ".csv" kept.
                                 .filePath(tr("giocatori.csv")),
                             QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty()) return;
    QString errore;
    if (!scriviGiocatori(file, errore))
        QMessageBox::warning(this, tr("Esporta"), tr("Non riesco a esportare: %1.").arg(errore));
    else
        lblStato->setText(tr("Giocatori esportati in %1.").arg(percorso(this, file)));
}

void FrmRegistro::ripassa()
{
    if (!m_quadro.giro.isEmpty()) {
        Q_EMIT ripassaChiesto(ripasso::celle(m_quadro.giro));
        return;
    }
    // Nothing is made up as hard: it says so, and offers the whole table instead.
    const DialoghiScalati dialoghi(m_fattore);
    QMessageBox niente(QMessageBox::Information, tr("Ripassa"),
                       tr("Oggi non c'è niente da ripassare: i fatti che hai già incontrato li sai."
                          "\n\nVuoi fare una partita normale?"),
                       QMessageBox::NoButton, this);
    niente.setObjectName(QStringLiteral("nienteDaRipassare"));
    QPushButton *gioca = niente.addButton(tr("&Gioca una partita normale"), QMessageBox::AcceptRole);
    niente.addButton(tr("&Chiudi"), QMessageBox::RejectRole);
    niente.setAccessibleName(tr("Oggi non c'è niente da ripassare"));
    niente.setAccessibleDescription(niente.text());
    niente.exec();
    if (niente.clickedButton() == gioca) Q_EMIT partitaNormaleChiesta();
}

void FrmRegistro::esporta()
{
    const DialoghiScalati dialoghi(m_fattore);
    Archivio *archivio = m_vista;
    if (!archivio) return;
    // One dialog says which files are written, and in which form.
    QDialog dialogo(this);
    dialogo.setObjectName(QStringLiteral("dlgEsporta"));
    dialogo.setWindowTitle(tr("Esporta"));
    auto *colonna = new QVBoxLayout(&dialogo);
    auto *riga = new QHBoxLayout;
    auto *etichetta = new QLabel(tr("&File:"), &dialogo);
    auto *txtFile = new QLineEdit(QDir(Esportazione::cartella())
                                      //: The name the export proposes for the games' file: a word of your
                                      //: language, ".csv" kept.
                                      .filePath(tr("partite.csv")),
                                  &dialogo);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    etichetta->setBuddy(txtFile);
    auto *cmdScegli = new QPushButton(tr("S&cegli…"), &dialogo);
    riga->addWidget(etichetta);
    riga->addWidget(txtFile, 1);
    riga->addWidget(cmdScegli);
    colonna->addLayout(riga);
    // The dialog takes the size its texts ask for, wrapped ones included: left to the window, a wrapped
    // label is given too few lines once the dialog is scaled.
    colonna->setSizeConstraint(QLayout::SetFixedSize);
    auto *lblFile = new QLabel(&dialogo);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setWordWrap(true);
    colonna->addWidget(lblFile);
    // Each form, then what it means on a line of its own that wraps: a long language keeps the dialog
    // within the screen.
    const auto forma = [&](const QString &nome, const QString &testo, const QString &spiegazione) {
        auto *scelta = new QRadioButton(testo, &dialogo);
        scelta->setObjectName(nome);
        scelta->setAccessibleDescription(spiegazione);
        auto *parole = new QLabel(spiegazione, &dialogo);
        parole->setWordWrap(true);
        parole->setIndent(dialogo.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          dialogo.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
        colonna->addWidget(scelta);
        colonna->addWidget(parole);
        return scelta;
    };
    const Csv foglio(FormaCsv::Locale);
    auto *optFoglio = forma(QStringLiteral("optFoglio"), tr("Per il fo&glio di calcolo"),
                            //: %1: the CSV separator, %2: the decimal sign of the system's numbers. The
                            //: date shows the spreadsheet's format and stays as it is.
                            tr("Separatore \"%1\", decimali con \"%2\", date come 2026-12-07 10:15:03, UTF-8 "
                               "con BOM.")
                                .arg(foglio.separatore())
                                .arg(foglio.decimali()));
    optFoglio->setChecked(true);
    auto *optStandard = forma(QStringLiteral("optStandard"), tr("&Standard per i programmi (RFC 4180)"),
                              tr("Separatore \",\", punto decimale, date ISO 8601."));
    auto *bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    bottoni->button(QDialogButtonBox::Ok)->setText(tr("&Esporta"));
    bottoni->button(QDialogButtonBox::Cancel)->setText(tr("&Annulla"));
    colonna->addWidget(bottoni);
    const auto accanto = [](const QString &file, const QString &aggiunta) {
        QString r = file;
        r.insert(file.endsWith(QStringLiteral(".csv")) ? file.size() - 4 : file.size(), aggiunta);
        return r;
    };
    const auto risposte = [&](const QString &file) {
        //: Added to the games' file name for the answers' file ("partite-risposte.csv").
        return accanto(file, tr("-risposte"));
    };
    const auto fatti = [&](const QString &file) {
        //: Added to the games' file name for the facts' file ("partite-fatti.csv").
        return accanto(file, tr("-fatti"));
    };
    const QString nomePeriodo = quadro::nome(periodo());
    const auto spiega = [&] {
        const QString file = txtFile->text().trimmed();
        lblFile->setText(
            file.isEmpty()
                ? tr("Scrivi il nome del file.")
                //: %1, %2 and %3: the three files written; %4: the period chosen in the window ("tutto il
                //: registro", "oggi", "questa settimana", "questo mese").
                : tr("Scrive tre file, con le partite del periodo: %4.\n• %1, una riga per partita;\n• %2, "
                     "una riga per risposta;\n• %3, una riga per fatto, con il suo stato di oggi.")
                      .arg(percorso(this, file), percorso(this, risposte(file)), percorso(this, fatti(file)),
                           nomePeriodo));
        bottoni->button(QDialogButtonBox::Ok)->setEnabled(!file.isEmpty());
    };
    spiega();
    connect(txtFile, &QLineEdit::textChanged, &dialogo, spiega);
    connect(cmdScegli, &QPushButton::clicked, &dialogo, [&] {
        const QString scelto = sceltaFileDaScrivere(&dialogo, tr("Esporta le partite"), txtFile->text(),
                                                    QStringLiteral("CSV (*.csv)"));
        if (!scelto.isEmpty()) txtFile->setText(scelto);
    });
    connect(bottoni, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    if (dialogo.exec() != QDialog::Accepted) return;
    const QString file = txtFile->text().trimmed();
    const Csv csv(optStandard->isChecked() ? FormaCsv::Standard : FormaCsv::Locale);
    QString errore;
    // The period chosen in the window, as every tab and the report show it.
    const QDateTime dal = quadro::inizio(periodo(), orologio::adesso());
    if (!Esportazione::partite(*archivio, file, errore, csv, dal) ||
        !Esportazione::risposte(*archivio, risposte(file), errore, csv, dal) ||
        !Esportazione::fatti(*archivio, fatti(file), errore, csv, dal))
        QMessageBox::warning(this, tr("Esporta"), tr("Non riesco a esportare: %1.").arg(errore));
    else
        lblStato->setText(
            tr("Partite esportate in %1, risposte in %2, fatti in %3.")
                .arg(percorso(this, file), percorso(this, risposte(file)), percorso(this, fatti(file))));
}

QuadroClasse FrmRegistro::quadroClasse() const
{
    QList<Quadro> quadri;
    QStringList nomi;
    for (const SchedaGiocatore &g : m_vista ? m_vista->giocatori() : QList<SchedaGiocatore>()) {
        if (g.nome == Giocatore::ospite()) continue; // not one of the class
        quadri.append(g.nome == scelto() ? m_quadro : leggiQuadro(g.nome));
        nomi.append(Giocatore::mostrato(g.nome));
    }
    return QuadroClasse::da(quadri, nomi);
}

Resoconto FrmRegistro::resoconto() const
{
    // Pages laid out for paper from the record itself: the same whatever the window's size, and the
    // same period and states as the tabs.
    Resoconto r;
    r.giocatore = Giocatore::mostrato(scelto());
    r.periodo = quadro::nome(periodo());
    r.oggi = m_quadro.oggi;
    r.partite = m_quadro.partite;
    r.fatti = m_quadro.fatti();
    r.giudizio = m_quadro.giudizio;
    r.daRipassare = m_quadro.giro;
    // A class, not a family's one child: the players side by side on a page of their own.
    if (const QList<SchedaGiocatore> giocatori = m_vista ? m_vista->giocatori() : QList<SchedaGiocatore>();
        giocatori.size() > 1) {
        for (const SchedaGiocatore &g : giocatori) {
            const Quadro q = g.nome == scelto() ? m_quadro : leggiQuadro(g.nome);
            SchedaGiocatore somme = q.giocatore;
            somme.nome = Giocatore::mostrato(g.nome);
            r.classe.append(somme);
            r.difficiliClasse.append(quadro::inBreve(q.difficili()));
        }
        r.mappaClasse = quadroClasse();
    }
    // Each tab of the class prints its own page alone.
    if (schede->currentWidget() == paginaGiocatori && !r.classe.isEmpty()) r.parti = Resoconto::Parti::Classe;
    if (schede->currentWidget() == paginaClasse) {
        r.mappaClasse = quadroClasse();
        r.parti = Resoconto::Parti::MappaClasse;
    }
    return r;
}

void FrmRegistro::stampa()
{
    const DialoghiScalati dialoghi(m_fattore);
    if (!m_vista) return;
    const Resoconto r = resoconto();
    if (r.parti == Resoconto::Parti::Tutto && m_idVista.value(scelto()) == 0) return;
    m_tipografia.stampaPagine(this, [&r](QPrinter &stampante) { return resoconto::disegna(stampante, r); });
}
