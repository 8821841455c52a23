// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls as created, their stacking and focus order, and start-up.
#include "board/frmnumerella.h"

#include "board/disposizione.h"
#include "board/frasi.h"
#include "board/interruttori.h"
#include "board/logica.h"
#include "info/frminfo.h"
#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"
#include "widgets/immagini.h"
#include "widgets/scala.h"

#include <QApplication>
#include <QKeySequence>
#include <QPainter>
#include <QScreen>

using namespace aspetto;
namespace lay = disposizione;

namespace {

/// Gives a child its name, place (at any scale) and (optionally) a name for screen readers.
template <typename W> W *posa(W *w, const char *nome, const Posto &posto, const QString &accessibile = {})
{
    w->setObjectName(QLatin1String(nome));
    scalatura::posa(w, posto);
    if (!accessibile.isEmpty()) w->setAccessibleName(accessibile);
    return w;
}

Etichetta *etichetta(QWidget *genitore, const QString &testo, const QFont &font, Qt::Alignment allineamento,
                     quint32 colore)
{
    auto *e = new Etichetta(testo, genitore);
    e->setFont(font);
    e->setAlignment(allineamento);
    e->impostaColore(colore);
    // Another language's longer words shrink to their fixed place instead of being cut.
    e->impostaAdattamento(Etichetta::Adattamento::Restringi);
    return e;
}

/// \a posto inside a frame \a larghezza twips wide, mirrored when words run right to left, so that a
/// counter and its word read in the language's order ("0 minuti 0 secondi").
Posto nelVerso(const Posto &posto, int larghezza)
{
    if (!QGuiApplication::isRightToLeft()) return posto;
    return {larghezza - posto.left - posto.width, posto.top, posto.width, posto.height};
}

/// The erase key's picture is wider than the key (1035 twips, 69 pixels): it is clipped at its edges.
constexpr QSize FrecciaIndietro{73, 33};

/// The lettering of a panel's picture button at \a posto.
Immagine scritta(const QString &parola, const Posto &posto, immagini::Sfumatura s,
                 immagini::Inchiostro inchiostro)
{
    return immagini::parola(parola, s, misura(posto), 16, inchiostro);
}

/// How to press column number \a n + 1 from the keyboard (Alt+0 is the 10).
QString spiegazioneColonna(int n)
{
    //: %2 is "del 7" or "dell'8", %3 "al 7" or "all'8", as translated in the sentences ("frasi"); Maiusc is
    //: the Shift key.
    return FrmNumerella::tr(
               "Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3")
        .arg(QString::number((n + 1) % 10), frasi::dellaTabellina(n + 1), frasi::finoAlla(n + 1));
}

/// The keys of a control, told after its name and shown in its tooltip.
void spiega(QWidget *w, const QString &tasti)
{
    accessibilita::impostaDescrizione(w, tasti);
    w->setToolTip(w->accessibleName() + QStringLiteral(": ") + tasti);
}

} // namespace

FrmNumerella::FrmNumerella(Stato &stato, LettoreSuoni &suoni, Tipografia &tipografia, QWidget *parent)
    : QWidget(parent), m_stato(stato), m_suoni(suoni), m_tipografia(tipografia),
      m_caso(QRandomGenerator::global()->generate())
{
    costruisci();
    ordinaStrati();
    ordinaFuoco();
    collega();
    Form_Load();
}

FrmNumerella::~FrmNumerella()
{
    // The controls about to go drop the focus: nothing must be told of them any more.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (m_info) delete m_info.data();
}

FrmInfo *FrmNumerella::info() const
{
    return m_info;
}

void FrmNumerella::costruisci()
{
    setObjectName(QStringLiteral("frmNumerella"));
    accessibilita::impostaRuolo(this, QAccessible::Window);
    setWindowTitle(QStringLiteral("La Numerella"));
    setWindowIcon(immagini::iconaFinestra());
    // Opens at its layout's size, which is also the smallest; a larger window shows the board scaled.
    setMinimumSize(px(lay::LarghezzaFinestra), px(lay::AltezzaFinestra));
    resize(minimumSize());
    coloraFinestra(this, GialloChiaro, Nero);

    Command1 = new PulsanteGrafico(Arancio, {}, {}, this);
    accessibilita::velaSempre(Command1); // always behind the grid
    posa(Command1, "Command1", lay::Command1);
    Command1->setText(QStringLiteral("Command1"));
    Command1->setEnabled(false);
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->unsetCursor();

    for (int k = 0; k < 100; ++k) {
        auto *c = new Cella(this);
        posa(c, "txtRisultato", lay::txtRisultato(k),
             //: A question on the board, as a screen reader says it: "6 per 8" is six times eight.
             tr("%1 per %2").arg(k / 10 + 1).arg(k % 10 + 1));
        c->setProperty("Index", k);
        c->setFont(fontComic(14.25));
        txtRisultato[k] = c;
    }
    for (int n = 0; n < 10; ++n) {
        Label1[n] = posa(etichetta(this, QString::number(n + 1), fontComic(18, Peso::Grassetto),
                                   Qt::AlignCenter, GialloChiaro),
                         "Label1", lay::Label1(n));
        Label1[n]->setProperty("Index", n);
        Label1[n]->setAccessibleDescription(spiegazioneColonna(n));
        Label2[n] = posa(etichetta(this, QString::number(n + 1), fontComic(18, Peso::Grassetto),
                                   Qt::AlignCenter, GialloChiaro),
                         "Label2", lay::Label2(n));
        Label2[n]->setProperty("Index", n);
    }
    // The column headers store the custom pointer; start-up gives it its hand picture.

    // The panel's buttons; those that can be disabled have a grey picture for it.
    enum class Grigia { Si, No };
    auto pulsante = [this](const char *nome, const Posto &posto, quint32 sfondo, const QString &parola,
                           Grigia grigia, immagini::Sfumatura s = immagini::Sfumatura::Arancio) {
        return posa(new PulsanteGrafico(sfondo, scritta(parola, posto, s, immagini::Inchiostro::Nero),
                                        grigia == Grigia::Si
                                            ? scritta(parola, posto, s, immagini::Inchiostro::Grigio)
                                            : Immagine(),
                                        this),
                    nome, posto, parola);
    };
    cmdAvvio = pulsante("cmdAvvio", lay::cmdAvvio, Arancio, //: The button that starts a game.
                        tr("Avvio"), Grigia::Si);
    cmdStop = pulsante("cmdStop", lay::cmdStop, FacciaPulsante, //: The button that stops the game under way.
                       tr("Stop"), Grigia::No);
    CmdPausa = pulsante("CmdPausa", lay::CmdPausa, Arancio, //: The button that pauses the game.
                        tr("Pausa"), Grigia::Si);
    cmdRiprendi =
        pulsante("cmdRiprendi", lay::cmdRiprendi, FacciaPulsante, //: The button that resumes the paused game.
                 tr("Riprendi"), Grigia::No);
    cmdInfo = pulsante("cmdInfo", lay::cmdInfo, Arancio, //: The button that opens the instructions.
                       tr("Info"), Grigia::No);
    cmdStampa = pulsante("cmdStampa", lay::cmdStampa, Arancio, //: The button that prints the finished table.
                         tr("Stampa"), Grigia::Si);
    cmdEnd = pulsante("cmdEnd", lay::cmdEnd, Bianco, //: The button that ends the program.
                      tr("Esci"), Grigia::No, immagini::Sfumatura::Rosso);
    Check1 = posa(
        new CasellaGrafica(Arancio, immagini::svg(QStringLiteral("altoparlante_spento"), misura(lay::Check1)),
                           immagini::svg(QStringLiteral("altoparlante"), misura(lay::Check1)), this),
        "Check1", lay::Check1, //: The sound switch, as a screen reader names it.
        tr("Silenzio"));
    // Key names as the language writes them ("Strg+N"), through Qt's own translations.
    spiega(cmdAvvio, QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText));
    //: The keys of Pause and Resume, told after their names.
    const QString pausa = tr("Ctrl+P o il tasto Pausa");
    spiega(CmdPausa, pausa);
    spiega(cmdRiprendi, pausa);
    spiega(cmdStop, QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));

    Frame1 = posa(new Cornice(
                      //: The caption of the on-screen keypad's frame.
                      tr("Tastierino numerico"), fontParole(8.25), Cornice::Didascalia::SiSpegne, this),
                  "Frame1", lay::Frame1);
    for (int d = 0; d < 10; ++d) {
        const QString cifra = QString::number(d);
        Cmd[d] = posa(new PulsanteGrafico(CianoChiaro,
                                          immagini::parola(cifra, immagini::Sfumatura::Magenta,
                                                           misura(lay::Cmd_cifra(d)), 22),
                                          {}, Frame1),
                      "", lay::Cmd_cifra(d), //: A key of the on-screen keypad, e.g. "Tasto 7".
                      tr("Tasto %1").arg(d));
        Cmd[d]->setObjectName(QStringLiteral("Cmd_%1").arg(d));
    }
    Cmd_backspace =
        posa(new PulsanteGrafico(
                 Arancio,
                 immagini::parola(QStringLiteral("<--"), immagini::Sfumatura::Lavanda, FrecciaIndietro, 18),
                 {}, Frame1),
             "Cmd_backspace", lay::Cmd_backspace, //: The keypad's erase key.
             tr("Cancella"));
    Cmd_invio = posa(new PulsanteGrafico(VerdeAcqua, immagini::ok(), {}, Frame1), "Cmd_invio", lay::Cmd_invio,
                     //: The keypad's key that gives the answer.
                     tr("OK"));

    FraTimer = posa(new Cornice( //: The stopwatch's frame.
                        tr("Cronometro"), fontParole(9), Cornice::Didascalia::SempreNera, this),
                    "FraTimer", lay::FraTimer);
    TxtMin =
        posa(new Contatore(Qt::AlignRight, FraTimer), "TxtMin", nelVerso(lay::TxtMin, lay::FraTimer.width),
             //: The stopwatch's minutes, as a screen reader names them.
             tr("Minuti"));
    Label4 = posa(etichetta(FraTimer, //: Beside the stopwatch's minutes.
                            tr("minuti"), fontParole(9.75), Qt::AlignLeft | Qt::AlignTop, Blu),
                  "Label4", nelVerso(lay::Label4, lay::FraTimer.width));
    TxtSec =
        posa(new Contatore(Qt::AlignRight, FraTimer), "TxtSec", nelVerso(lay::TxtSec, lay::FraTimer.width),
             //: The stopwatch's seconds, as a screen reader names them.
             tr("Secondi"));
    Label5 = posa(etichetta(FraTimer, //: Beside the stopwatch's seconds.
                            tr("secondi"), fontParole(9.75), Qt::AlignLeft | Qt::AlignTop, Blu),
                  "Label5", nelVerso(lay::Label5, lay::FraTimer.width));

    Frame2 = posa(new Cornice(QString(), fontParole(8.25), Cornice::Didascalia::SempreNera, this), "Frame2",
                  lay::Frame2);
    Label3 = posa(etichetta(Frame2,
                            //: The errors counter's heading.
                            tr("Errori"), fontParole(14.25), Qt::AlignCenter, Blu),
                  "Label3", nelVerso(lay::Label3, lay::Frame2.width));
    txtErrori = posa(new Contatore(Qt::AlignHCenter, Frame2), "txtErrori",
                     nelVerso(lay::txtErrori, lay::Frame2.width), tr("Errori"));
    Frame2->setAccessibleName(tr("Errori"));
    for (Contatore *c : {TxtMin, TxtSec, txtErrori}) {
        c->setText(QStringLiteral("0"));
        //: The keys of the stopwatch and the errors counter, told after their names.
        spiega(c, tr("Ctrl+T dice il tempo e gli errori"));
    }
    accessibilita::impostaDescrizione(
        this, tr("Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; "
                 "Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; "
                 "F11: schermo intero"));

    lblTitolo =
        posa(etichetta(this, QString(), conEmoji(fontParole(20.25)), Qt::AlignHCenter | Qt::AlignTop, Blu),
             "lblTitolo", lay::lblTitolo);
    lblAutore =
        posa(etichetta(this,
                       //: A small line under the title: the program is free software under the GPL.
                       tr("Software libero, GPL"), fontParole(8.25), Qt::AlignLeft | Qt::AlignTop, Blu),
             "lblAutore", lay::lblAutore);
    lblVersione = posa(etichetta(this, tr("Versione %1").arg(QStringLiteral(NUMERELLA_VERSIONE)),
                                 fontParole(8.25), Qt::AlignLeft | Qt::AlignTop, Blu),
                       "lblVersione", lay::lblVersione);
    lblRipasso = posa(
        etichetta(this, QString(), fontParole(9, Peso::Grassetto), Qt::AlignHCenter | Qt::AlignTop, Rosso),
        "lblRipasso", lay::lblRipasso);
    lblRipasso->impostaAdattamento(Etichetta::Adattamento::Restringi);
    lblRipasso->hide();

    mano = posa(new Figura(immagini::svg(QStringLiteral("mano"), misura(lay::mano)), this), "mano", lay::mano,
                //: The pointing hand over the column numbers.
                tr("Mano"));
    mano->hide();

    // Places are absolute, so the board keeps its arrangement in a language written from right to left;
    // its words follow that direction, but numbers, the grid and the keypad read left to right, as
    // schools teach written arithmetic.
    for (QWidget *numeri : std::initializer_list<QWidget *>{Frame1, TxtMin, TxtSec, txtErrori})
        numeri->setLayoutDirection(Qt::LeftToRight);
    for (Cella *c : txtRisultato)
        c->setLayoutDirection(Qt::LeftToRight);
    for (int n = 0; n < 10; ++n) {
        Label1[n]->setLayoutDirection(Qt::LeftToRight);
        Label2[n]->setLayoutDirection(Qt::LeftToRight);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    TmrTimer = new QTimer(this);
    TmrTimer->setObjectName(QStringLiteral("TmrTimer"));
    TmrTimer->setInterval(1000);
    // Counts play time in whole ticks: keep them on the second rather than coalesced.
    TmrTimer->setTimerType(Qt::PreciseTimer);
    Timer1->start();
    TmrTimer->start();

    // Placed in the middle of the screen.
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void FrmNumerella::ordinaStrati()
{
    // From the bottom of the stack to the top: each raise puts a control above those before it.
    std::vector<QWidget *> dalBasso{mano};
    for (int n = 0; n < 10; ++n)
        dalBasso.push_back(Label1[n]);
    for (int n = 0; n < 10; ++n)
        dalBasso.push_back(Label2[n]);
    dalBasso.insert(dalBasso.end(),
                    {lblTitolo, lblAutore, lblVersione, lblRipasso, Command1, cmdStop, Frame1});
    for (int k = 0; k <= 9; ++k)
        dalBasso.push_back(txtRisultato[k]);
    dalBasso.push_back(cmdEnd);
    for (int k = 10; k <= 98; ++k)
        dalBasso.push_back(txtRisultato[k]);
    dalBasso.insert(dalBasso.end(), {FraTimer, cmdAvvio, Frame2, cmdInfo, cmdStampa, Check1, cmdRiprendi,
                                     CmdPausa, txtRisultato[99]});
    for (QWidget *w : dalBasso)
        w->raise();
}

void FrmNumerella::ordinaFuoco()
{
    std::vector<QWidget *> ordine{cmdAvvio, Cmd_backspace};
    for (int d = 1; d <= 9; ++d)
        ordine.push_back(Cmd[d]);
    ordine.insert(ordine.end(), {Cmd[0], Cmd_invio});
    for (Cella *c : txtRisultato)
        ordine.push_back(c);
    // Exit comes last, never between two rows of cells where one Space too many would end the program.
    ordine.insert(ordine.end(), {CmdPausa, cmdInfo, cmdStampa, Check1, cmdRiprendi, cmdStop, cmdEnd});
    for (size_t i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
    cmdAvvio->setFocus();
}

void FrmNumerella::collega()
{
    for (Cella *c : txtRisultato) {
        c->impostaPermesso([this](const Cella *cella) { return puoScrivere(cella); });
        connect(c, &Cella::invio, this, [this, c] { confermaDaTastiera(c); });
    }
    for (int n = 0; n < 10; ++n)
        connect(Label1[n], &Etichetta::premuto, this,
                [this, n](Qt::MouseButton b) { Label1_MouseDown(n, b); });
    for (int d = 0; d < 10; ++d)
        connect(Cmd[d], &QPushButton::clicked, this, [this, d] { Cmd_cifra_Click(d); });
    connect(Cmd_backspace, &QPushButton::clicked, this, &FrmNumerella::Cmd_backspace_Click);
    connect(Cmd_invio, &QPushButton::clicked, this, &FrmNumerella::Cmd_invio_Click);
    connect(cmdAvvio, &QPushButton::clicked, this, &FrmNumerella::cmdAvvio_Click);
    connect(CmdPausa, &QPushButton::clicked, this, &FrmNumerella::CmdPausa_Click);
    connect(cmdRiprendi, &QPushButton::clicked, this, &FrmNumerella::cmdRiprendi_Click);
    connect(cmdStop, &QPushButton::clicked, this, &FrmNumerella::cmdStop_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &FrmNumerella::cmdStampa_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &FrmNumerella::cmdInfo_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &FrmNumerella::cmdEnd_Click);
    connect(Check1, &QCheckBox::clicked, this, &FrmNumerella::Check1_Click);
    for (Contatore *c : {TxtMin, TxtSec, txtErrori})
        connect(c, &Contatore::cliccato, this, &FrmNumerella::Contatore_Click);
    collegaSchermo();
    collegaRegistro();
    connect(Timer1, &QTimer::timeout, this, &FrmNumerella::Timer1_Timer);
    connect(TmrTimer, &QTimer::timeout, this, &FrmNumerella::TmrTimer_Timer);
    collegaTastiera();
    collegaComandi();
    collegaVoce();

    std::vector<QWidget *> seguonoMouse{Check1,      Cmd_backspace, Cmd_invio, cmdAvvio, CmdPausa,
                                        cmdRiprendi, cmdStop,       cmdStampa, cmdInfo,  cmdEnd};
    seguonoMouse.insert(seguonoMouse.end(), Cmd.begin(), Cmd.end());
    for (QWidget *w : seguonoMouse) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void FrmNumerella::Form_Load()
{
    for (int k = 0; k < 100; ++k)
        txtRisultato[k]->impostaSfondo(Bianco);
    apriInfo();
    m_stato.ModoLampeggio = 0;
    m_stato.PosizioneLampeggio = 0;
    mostraIntestazioni();
    scriviTitolo();
    m_stato.SuonoSpento = 0;
    m_stato.InCorso = false;
    Frame1->setEnabled(false);
    accendi(Timer1);
    spegni(TmrTimer);
    logica::costruisciTabelle(m_stato);
    CmdPausa->setEnabled(false);
    cmdRiprendi->hide();
    cmdRiprendi->setEnabled(false);
    cmdStampa->setEnabled(false);
    // Stop is covered by Start until a game starts: hidden, it is neither reached by Tab nor reported.
    cmdStop->hide();
}

void FrmNumerella::mostraIntestazioni()
{
    for (Etichetta *e : Label1) {
        e->impostaColore(Blu);
        e->setCursor(immagini::cursoreMano(scalatura::corrente(this).fattore));
        e->setToolTip(e->accessibleDescription());
    }
}

void FrmNumerella::nascondiIntestazioni()
{
    for (Etichetta *e : Label1) {
        e->impostaColore(GialloChiaro);
        e->unsetCursor();
        e->setToolTip(QString());
    }
}

void FrmNumerella::suona(Clip clip)
{
    suonaSeAcceso(m_stato, m_suoni, clip);
}

void FrmNumerella::apriInfo()
{
    m_info = FrmInfo::apri(m_stato, m_suoni, this, sostegni());
}

void FrmNumerella::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The info window opened during start-up appears once this window is active: shown before, it
    // would lose the activation to this one and take it back, and a screen reader would announce it
    // twice. Later, it stays in front.
    if (m_info && !m_info->isVisible()) {
        if (isActiveWindow())
            m_info->mostra();
        else
            activateWindow(); // also where no window manager activates a new window
    } else if (m_info) {
        m_info->raise();
        m_info->activateWindow();
    }
}

Momento FrmNumerella::momento() const
{
    // Start is hidden exactly while a game runs or is paused; Resume shows only in a pause.
    if (cmdAvvio->isHidden()) return cmdRiprendi->isHidden() ? Momento::InCorso : Momento::InPausa;
    // The button's own switch: the whole board is disabled while the info window shows.
    return cmdStampa->isEnabledTo(this) ? Momento::Finita : Momento::Riposo;
}

bool FrmNumerella::puoScrivere(const Cella *cella) const
{
    switch (momento()) {
    case Momento::Riposo:
        return true; // between games every cell is an ordinary box
    case Momento::Finita:
        // What is printed is what the child answered: the finished table stays as it is until the
        // next Start or table choice.
    case Momento::InPausa:
        return false;
    case Momento::InCorso:
        break;
    }
    return cella == txtRisultato[m_stato.cella()];
}
