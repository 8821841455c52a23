// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded stream of random user events over the real windows, with the board's invariants checked after
// each.
#pragma once

#include "aiuto.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "schermoreale.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <array>
#include <deque>
#include <functional>
#include <memory>

class QPointingDevice;

/// Drives a board with random mouse, key, touch, timer, info-window, close, resize and print events
/// drawn from one seed, and checks after every event (once the events it caused ran) what no
/// sequence of events may break.
///
/// Offscreen the events are delivered in-process and the timers tick only when the driver says: the
/// same seed and event count replay the same run. On an X server (the xcb platform) the mouse and
/// the keys go through the server (XTEST) to whichever window it chooses, the timers run on their
/// own, windows are activated, closed and resized from outside, and the name prompt is a real
/// dialog answered by keys; several inputs may go out in one burst before the program sees any.
///
/// The invariants, with "a game" meaning the phases InCorso and InPausa:
///  - every cell holds ASCII digits only; the counters show Stato's values;
///  - during a game the asked cell is playable; every other non-empty cell holds its product and
///    their number is NumEsatte (so at most one cell is non-empty and unconfirmed); paused, the
///    asked cell is empty; NumEsatte never exceeds the playable cells;
///  - during a game no cell but the asked one gains text, and the green (excluded) cells stay as counted;
///  - the event that finishes a game leaves every playable cell right, and NumEsatte equal to them;
///    no cell of the finished table takes other text until the next game or table choice;
///  - NumErrori grows only by one, and only when a confirmed answer was wrong (the asked cell held
///    other digits and is now empty); it drops only to 0, when Start or Stop clears the board;
///  - the stopwatch changes only on its own tick during a running game, never backwards, and is reset
///    only with the board; its timer runs only in a running game;
///  - where Start and Stop (or Pause and Resume) are both visible, the first covers the second;
///  - at most one info window shows, and the board is disabled exactly while it does;
///  - what the child sees: only the asked cell blinks (pink or light blue), and only in a running
///    game, whose blink timer runs; the row and column numbers are hidden during a game except the
///    asked pair; on a real screen the board repaints after every event;
///  - a close request is answered: the board hides, both timers stop, the info window goes;
///  - the record, wired as main() does, keeps the board's game: never a warning, never a write left
///    waiting, a game on the record exactly while one is on the board; the record window, opened
///    during games, removes, renames and chooses players, and the file never holds an answer
///    without its game or a game without its player.
class Caos : public QObject
{
public:
    /// What the stream reached, so a test can tell that it exercised every phase.
    struct Copertura
    {
        int partiteIniziate = 0, partiteFinite = 0, pause = 0, stampe = 0, infoAperte = 0, chiusure = 0;
        int errori = 0;
        int registro = 0, tolti = 0; ///< record windows opened; players removed while playing

        Copertura &operator+=(const Copertura &c);
    };

    explicit Caos(quint32 seme);
    ~Caos() override;

    /// Sends up to \a eventi events; false at the first broken invariant, described by errore().
    bool esegui(quint64 eventi);
    /// Plays on with the child's plan alone (no noise) until one more game is finished; false at the
    /// first broken invariant, or when no game ends within 20,000 events.
    bool giocaPartita();
    /// One more whole game, then its table printed under a typed name: the end of a game and its print
    /// are reached whatever the timers did to the noise before.
    bool partitaStampata();
    /// \a f hears the number of each event as it begins: a watchdog's heartbeat.
    void alOgniEvento(std::function<void(quint64)> f) { m_alOgniEvento = std::move(f); }

    quint64 eventiFatti() const { return m_evento; }
    const QString &errore() const { return m_errore; }
    const Copertura &copertura() const { return m_copertura; }
    /// Whether the events go through an X server (see the class comment).
    bool suSchermoReale() const { return m_schermo != nullptr; }
    /// What the current event is, for a watchdog that finds the program stuck.
    QString descrizione() const { return m_descrizione; }

protected:
    /// Counts the board's paint events.
    bool eventFilter(QObject *o, QEvent *e) override;

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
        InfoETasto,
        Attiva,
        Chiudi,
        Appunti,
        Ridimensiona,
        SchermoIntero,
        Piano,
        Registro,
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

    /// One event and the checks after it.
    bool unPasso();

    // ----- the board's life (caos.cpp) -----
    void nuovoBanco();
    void mostra();
    void riapri();
    QString rispostaChiusura();
    /// Lets every event the last input caused run; false when a real screen did not answer in time.
    bool assesta();
    void rispondiAiDialoghi();
    static FrmInfo *infoAperta();
    static int infoVisibili();

    // ----- the random stream (caos.cpp) -----
    int a(int n) { return int(m_caso.bounded(quint32(n))); }
    bool moneta(int suCento) { return a(100) < suCento; }
    Mossa scegli();
    Qt::MouseButton tastoMouse();
    Qt::KeyboardModifiers modificatori();
    QString testoStrano(int massimo);
    QString nomeCasuale();
    static QString esadecimale(const QString &t);

    // ----- sending events (caosmosse.cpp) -----
    QWidget *finestra();
    QWidget *controllo(QWidget *f);
    QPoint punto(QWidget *w);
    static QPoint centro(QWidget *w);
    static QWindow *maniglia(QWidget *w);
    /// The window of \a w when its point \a p can be reached on the screen.
    QWindow *maniglia(QWidget *w, QPoint p) const;
    void clic(QWidget *w, QPoint p, Qt::MouseButton tasto = Qt::LeftButton,
              Qt::KeyboardModifiers mod = Qt::NoModifier);
    void doppioClic(QWidget *w, QPoint p, Qt::MouseButton tasto, Qt::KeyboardModifiers mod);
    void trascina(QWidget *f, QPoint da, QPoint a, Qt::MouseButton tasto);
    void muovi(QWidget *w, QPoint p);
    void premiTasto(Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier);
    void unEvento();
    void mossaPuntatore(Mossa m);
    void mossaTesto(Mossa m);
    void mossaTempo(Mossa m);
    void mossaFinestre(Mossa m);
    void infoETasto();
    void tastoCasuale();
    void tickCronometro(int volte);
    static QPointingDevice *touchscreen();

    // ----- planned steps: what a child trying to play does (caosmosse.cpp) -----
    void passo(std::function<void()> f) { m_piano.push_back(std::move(f)); }
    void pianifica();
    void pianificaRisposta();

    // ----- the record of games (caosregistro.cpp) -----
    void nuovoRegistro();
    void mossaRegistro();
    /// Answers the record window's dialogs while \a f runs: Yes to a removal, \a nome to a name.
    void conRisposte(const QString &nome, const std::function<void()> &f);
    QString controllaRegistro(const Istantanea &ora);
    QString controllaFileRegistro();

    // ----- the invariants (caosinvarianti.cpp) -----
    Istantanea leggi();
    bool controlla(const QString &guasto);
    QString confronta(const Istantanea &prima, const Istantanea &ora);
    QString controllaCelle(const Istantanea &ora);
    QString controllaPartita(const Istantanea &ora);
    QString controllaFine(const Istantanea &prima, const Istantanea &ora);
    QString controllaContatori(const Istantanea &prima, const Istantanea &ora);
    QString controllaPannello();
    QString controllaVista(const Istantanea &ora);
    QString controllaRidisegno();
    /// After each tick of the real blink timer: the question changed colour.
    void osservaLampeggio();
    bool giusta(const QString &t, int k) const;

    quint32 m_seme;
    QRandomGenerator m_caso;
    std::unique_ptr<SchermoReale> m_schermo; ///< on an X server only
    std::unique_ptr<Banco> m_banco;
    std::deque<std::function<void()>> m_piano;
    quint64 m_evento = 0;
    QString m_descrizione;
    QString m_errore;
    bool m_tickCronometro = false;
    bool m_traccia = false;
    bool m_soloPiano = false; ///< the child's plan only, for whole games
    std::function<void(quint64)> m_alOgniEvento;
    int m_ridisegni = 0;          ///< paint events of the board seen so far
    QTimer *m_dialoghi = nullptr; ///< on a real screen: answers the dialogs the board opens
    int m_cellaAlTick = -1;       ///< on a real screen: the asked cell and its colour at the last blink tick
    quint32 m_sfondoAlTick = 0;
    QString m_guastoLampeggio; ///< what a blink tick showed wrong, until the next check
    Copertura m_copertura;
    QTemporaryDir m_cartella; ///< the record's file and the settings that remember the player
    std::unique_ptr<Giocatore> m_giocatore;
    std::unique_ptr<Registro> m_registro;
    QStringList m_avvisi; ///< what the record warned
    QString m_guastoFile; ///< what the file showed wrong after the record window's last change
};
