// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the grid, the headers, the keypad, the counters and the button panel, with its handlers.
//
// Naming: the controls and the handlers keep the board's fixed vocabulary (txtRisultato, Label1,
// cmdAvvio_Click, Timer1_Timer, ...): each control's name is also its objectName, and control arrays
// are std::arrays indexed from 0. Helpers are Italian camelCase (svuotaTabellone),
// members m_. The handlers live in one file per group: avvio, tastierino, fine, lampeggio,
// cronometro, pausa, stop, selezione, stampa, minori.
#pragma once

#include "board/momento.h"
#include "record/risposta.h"
#include "sound/lettoresuoni.h"
#include "speech/sintesi.h"
#include "startup/opzioni.h"
#include "startup/stato.h"
#include "startup/ultimoingresso.h"
#include "widgets/casellagrafica.h"
#include "widgets/cella.h"
#include "widgets/contatore.h"
#include "widgets/cornice.h"
#include "widgets/etichetta.h"
#include "widgets/figura.h"
#include "widgets/pulsantegrafico.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <array>
#include <bitset>
#include <functional>

class FrmInfo;
enum class Sostegni;
class QCheckBox;
class QShortcut;
class Tipografia;

class FrmNumerella : public QWidget
{
    Q_OBJECT
public:
    /// Builds the window and runs its start-up, which opens the info window in front of it;
    /// the caller then shows it.
    FrmNumerella(Stato &stato, LettoreSuoni &suoni, Tipografia &tipografia, QWidget *parent = nullptr);
    ~FrmNumerella() override;

    /// Sets up the board, just after its start-up, as the command line asks: the tables not chosen are
    /// left out as a press on their column number does, and the sound box is switched off as a click on
    /// it does.
    void applicaOpzioni(const Opzioni &opzioni);
    /// The voice that reads the game aloud when its switch is on; without one the board stays silent.
    void usaSintesi(Sintesi &sintesi);
    /// Switches reading aloud on or off; its switch shows from the first time it is on.
    void impostaVoce(Voce voce);
    /// Senza fretta: the stopwatch hidden, and no time shown, said or printed (it still counts, for
    /// the record). Applies from now on, also in the middle of a game.
    void impostaRitmo(Ritmo ritmo);
    /// The same for the chosen child alone, marked "senza fretta" in the record: it holds for her
    /// games on top of the run's.
    void impostaRitmoGiocatore(Ritmo ritmo);
    /// How the games go now: SenzaFretta when the run or the chosen child says so.
    Ritmo ritmo() const
    {
        return m_ritmo == Ritmo::SenzaFretta || m_ritmoGiocatore == Ritmo::SenzaFretta ? Ritmo::SenzaFretta
                                                                                       : Ritmo::Cronometro;
    }
    /// Shows the board, full screen when asked (F11 and Escape switch later).
    void mostra(Schermo schermo);

    /// How ripassa() leaves the board.
    enum class Partenza { Subito, AlComando };
    /// Only the cells in \a celle stay playable, every other one green as a press on its column makes
    /// it; with Partenza::Subito the game starts at once. A game on the board is stopped first, once
    /// the child says so (chiediDiLasciare()); false, with the game left as it was, when she does not.
    bool ripassa(const std::bitset<100> &celle, Partenza partenza);
    /// The cells of the tables last chosen on the column numbers (or by the command line): a review
    /// round leaves them as they were, for a normal game after it.
    std::bitset<100> tabelleScelte() const { return m_tabelleScelte; }
    /// A game runs or is paused: asks the child whether to leave it. True when none runs or she agrees.
    bool chiediDiLasciare();
    /// Ctrl+R: pauses a running game, as Pause does, and asks for the record window.
    void apriRegistro();
    /// Stops a game on the board as Stop does; nothing between games.
    void fermaPartita();
    /// Asked by each Start before the board changes: false leaves the board as it is (the game's
    /// player was not chosen, say).
    void primaDiAvviare(std::function<bool()> domanda) { m_primaDiAvviare = std::move(domanda); }
    /// The player, shown in the caption and, in full screen where there is no caption, in the title.
    void mostraGiocatore(const QString &nome);
    /// The player has \a quanti facts to practise today: said under the grid, nothing when none.
    void mostraRipasso(int quanti);
    /// The record of an older version is being brought up to date: said under the grid until the next
    /// mostraRipasso().
    void mostraAggiornamento();

protected:
    // The controls and handlers are the board's own; tests reach them through a subclass.

    /// Lets tests fix the sequence of questions.
    void impostaSeme(quint32 seme) { m_caso.seed(seme); }
    /// The info window while it is open.
    FrmInfo *info() const;
    /// Where the board is in the life of a game, read off its controls.
    Momento momento() const;
    /// Whether the keyboard or a pointer was used last: with the keyboard, each question takes the focus.
    Ingresso ultimoIngresso() const { return m_ingresso->ultimo(); }

    // Game start and question picking.
    void cmdAvvio_Click();
    /// Picks the next question among the empty cells that are not green; false when none is left.
    bool SceltaDomanda();

    // Keypad and answer check.
    void Cmd_cifra_Click(int cifra);
    void Cmd_backspace_Click();
    void Cmd_invio_Click();

    // Timers.
    void Timer1_Timer();
    void TmrTimer_Timer();

    // Pause, resume and stop.
    void CmdPausa_Click();
    void cmdRiprendi_Click();
    void cmdStop_Click();

    // Table selection on the column headers.
    void Label1_MouseDown(int Index, Qt::MouseButton Button);

    // Printing.
    void cmdStampa_Click();

    // The window's size: F11 toggles full screen, Escape leaves it.
    void alternaSchermoIntero();
    void impostaSchermoIntero(Schermo schermo);

    // The small controls.
    void Check1_Click();
    void cmdEnd_Click();
    void cmdInfo_Click();
    void Contatore_Click();
    void chkVoce_Click();

    // The controls, by the names the handlers use.
    std::array<Cella *, 100> txtRisultato{};
    std::array<Etichetta *, 10> Label1{};
    std::array<Etichetta *, 10> Label2{};
    QPushButton *Command1 = nullptr;
    PulsanteGrafico *cmdAvvio = nullptr, *cmdStop = nullptr, *CmdPausa = nullptr, *cmdRiprendi = nullptr,
                    *cmdInfo = nullptr, *cmdStampa = nullptr, *cmdEnd = nullptr;
    CasellaGrafica *Check1 = nullptr;
    QCheckBox *chkVoce = nullptr; ///< "Leggi ad alta voce", under the sound switch once the voice is on
    Cornice *Frame1 = nullptr, *FraTimer = nullptr, *Frame2 = nullptr;
    std::array<PulsanteGrafico *, 10> Cmd{}; ///< the digit keys Cmd_0 .. Cmd_9
    PulsanteGrafico *Cmd_backspace = nullptr, *Cmd_invio = nullptr;
    Contatore *TxtMin = nullptr, *TxtSec = nullptr, *txtErrori = nullptr;
    Etichetta *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    Etichetta *lblTitolo = nullptr, *lblAutore = nullptr, *lblVersione = nullptr;
    Etichetta *lblRipasso = nullptr; ///< "Oggi: 6 da ripassare", hidden when nothing is
    Figura *mano = nullptr;
    QTimer *Timer1 = nullptr, *TmrTimer = nullptr;
    qint16 FaseLampeggio = 0;

Q_SIGNALS:
    // What happens in a game, for whoever keeps a record of it.
    /// Start was pressed; \a inGioco has the cells that take part (those not green).
    void partitaIniziata(const std::bitset<100> &inGioco);
    /// Cell \a cella is the question now.
    void domandaPosta(int cella);
    /// An answer to \a cella was confirmed, \a valore as typed.
    void rispostaData(int cella, const QString &valore, Risposta risposta);
    void partitaSospesa();
    void partitaRipresa();
    /// Stop ended the game with the stopwatch at \a secondi.
    void partitaFermata(int secondi, int errori);
    /// The last cell was answered.
    void partitaFinita(int secondi, int errori);
    /// Ctrl+R: the record window is wanted.
    void registroChiesto();
    /// The board was drawn again at scale \a fattore (resized, full screen).
    void scalaCambiata(qreal fattore);

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Start-up: the controls as created, their stacking and focus order, the wiring, then the load.
    void costruisci();
    void ordinaStrati();
    void ordinaFuoco();
    void collega();
    /// The full-screen keys.
    void collegaSchermo();
    /// Ctrl+R for the record window.
    void collegaRegistro();
    /// The stopwatch in seconds.
    int secondiCronometro() const;
    void Form_Load();

    /// Plays a clip unless sound is muted.
    void suona(Clip clip);
    /// Opens the info window in front of this one, which it disables.
    void apriInfo();
    /// The instructions tell of the voice, no hurry and the readable face once one of them is on.
    Sostegni sostegni() const;
    /// Empties every cell, hides the row numbers and zeroes the stopwatch and the error count.
    void svuotaTabellone();
    /// The finishing steps of a game.
    void finisci();
    /// Column numbers blue, with the hand pointer: they can be clicked to choose the tables.
    void mostraIntestazioni();
    /// Column numbers in the background colour, with the default pointer.
    void nascondiIntestazioni();
    /// Whether \a cella may take typing now.
    bool puoScrivere(const Cella *cella) const;
    /// The mouse over a button or key gives it the focus.
    void seguiIlMouse(QWidget *controllo);
    /// Return typed in \a cella confirms it when it is the question being asked.
    void confermaDaTastiera(const Cella *cella);

    // Playing from the keyboard, and what a screen reader hears.
    /// Alt+digit and Alt+Shift+digit press a column number; typed keys are watched from here on.
    void collegaTastiera();
    /// During a game digits, Backspace and Return typed anywhere in the window go to the asked
    /// cell; true when \a e was sent there.
    bool smistaTasto(QWidget *destinatario, QKeyEvent *e);

    // Keys for the whole session: Ctrl+N starts, Ctrl+P (or Pause) pauses and resumes, Ctrl+S stops,
    // Ctrl+T tells the time and the errors.
    void collegaComandi();
    /// Pauses a running game or resumes a paused one; the focus stays where the child was typing.
    void alternaPausa();

    // What a screen reader hears.
    /// Words a control carried for the moment go when the focus leaves it.
    void collegaVoce();
    /// A new question: into the keyboard focus when the keyboard was used last, else just told.
    void presentaDomanda(Cella *cella);
    /// Moves the focus to \a dove; any pending outcome is heard in front of its name, in the one
    /// focus event, so neither cuts the other off.
    void portaFuoco(QWidget *dove);
    /// Tells a screen reader \a frase, after any pending outcome, through the description of the
    /// control that has the focus: one event carries all the words, so none is overwritten unread.
    void annuncia(const QString &frase);
    /// Words about the question on screen, told on the cell that has it ("Sbagliato, 1 errore.").
    void annunciaSullaDomanda(const QString &parole);
    /// The board is active again: during a pause the control with the focus says so first.
    void diciAlRitorno();
    /// \a dove named \a parole in front of \a nome until the focus leaves it.
    void nominaConParole(QWidget *dove, const QString &parole, const QString &nome);
    /// Two sentences, one space between.
    static QString unisci(const QString &prima, const QString &dopo);
    /// "2 minuti e 14 secondi, 3 errori"; only the errors without hurry.
    void diciTempo();
    /// The time and the errors of the game as they are told: no time without hurry.
    QString tempoEErrori() const;
    /// Tells a screen reader \a parole through the description of the control that has the focus.
    void descrivi(const QString &parole);

    // Reading aloud: the same words a screen reader is told, said by the voice.
    /// Says \a parole aloud when the voice is on, cutting off what it still says.
    void leggi(const QString &parole);
    /// The voice switch tells whether there is a voice on the computer.
    void aggiornaCasellaVoce();
    /// The asked question ("6 per 8"), without any words carried in front of it.
    QString nomeDomanda() const;
    /// The table choice just made, told.
    void annunciaScelta(int Index, Qt::MouseButton Button);
    /// The button \a lasciato is about to hide or go grey: when it has the focus, the focus moves
    /// to \a gemello (shown in its place) with \a parole heard in front of its name, and true.
    bool passaFuoco(QWidget *lasciato, QWidget *gemello, const QString &parole);

    Stato &m_stato;
    LettoreSuoni &m_suoni;
    Tipografia &m_tipografia;
    Sintesi *m_sintesi = nullptr;
    Voce m_voce = Voce::Spenta;
    Ritmo m_ritmo = Ritmo::Cronometro;          ///< the run's
    Ritmo m_ritmoGiocatore = Ritmo::Cronometro; ///< the chosen child's own mark
    QRandomGenerator m_caso;
    QPointer<FrmInfo> m_info;
    UltimoIngresso *m_ingresso = nullptr;
    /// The key being handed to the asked cell by smistaTasto(), and that cell.
    const QKeyEvent *m_tastoInoltrato = nullptr;
    const QWidget *m_cellaInoltro = nullptr;
    QPointer<QWidget> m_annunciato; ///< the control whose description carries the last words
    QString m_premessa;             ///< the outcome told together with what comes next ("Giusto! ")
    QPointer<QWidget> m_nominato;   ///< the control whose name carries an outcome in front
    QString m_nomeVero;             ///< its own name
    QShortcut *m_schermoIntero = nullptr, *m_esciSchermoIntero = nullptr;
    QRect m_geometriaNormale; ///< the window's place before it went full screen
    std::function<bool()> m_primaDiAvviare;
    std::bitset<100> m_tabelleScelte = std::bitset<100>().set();
    QString m_giocatore;     ///< the player's name; empty for the guest
    QString m_titoloScritto; ///< the title as the board wrote it, when it still shows it
    /// The board's title: "La Numerella", with the player in full screen.
    void scriviTitolo();
};
