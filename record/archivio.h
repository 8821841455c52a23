// SPDX-License-Identifier: GPL-3.0-or-later
// The record's database: the one place that speaks SQL, for writing games as they happen and reading them.
#pragma once

#include "record/apprendimento.h"
#include "record/schedafatto.h"
#include "record/schedagiocatore.h"
#include "record/schedapartita.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <memory>

class Collegamento;
/// Why the record cannot be kept.
enum class Guasto {
    Nessuno,
    CartellaBloccata, ///< the folder cannot be made or written
    NonApribile,      ///< the file cannot be opened
    SolaLettura,      ///< the file or its disk is read-only
    DiscoPieno,
    Occupato,    ///< another program holds the file too long
    Danneggiato, ///< the record is damaged (moved aside when opening)
    Versione,    ///< the file comes from a newer program
    Estraneo,    ///< the file is not a record of ours: never touched
    Illeggibile, ///< the file is no database at all: at the record's own place, a damaged record
    Assente,     ///< there is no file to read
    Vincolo,     ///< a write the schema refuses (an answer whose game is gone): dropped, never retried
    Altro,
};

/// One connection to the record. Every statement is portable SQL with bound parameters; what is
/// particular to the file (the pragmas, moving a damaged file aside) stays in apri().
class Archivio
{
public:
    /// The schema this program writes; older files are brought up to it when opened.
    static constexpr int VersioneSchema = 6;
    /// The step that added each fact's memory model, built from the answers (see archiviofatti.cpp).
    static constexpr int VersioneFatti = 5;
    /// The step that marks each child who plays "senza fretta".
    static constexpr int VersioneSenzaFretta = 6;
    /// The mark in the file's header that says the file is a record of ours ("NUME").
    static constexpr qint32 Marchio = 0x4E554D45;
    /// How long a write waits, in milliseconds, for another program's write on the same file.
    static constexpr int AttesaScrittura = 100;

    explicit Archivio(const QString &percorso);
    /// The class's record on the school's server, for reading (players, games, facts, export): the
    /// same queries, limited to the configured class. Null, with the reason in \a motivo, when the
    /// server cannot be used.
    static std::unique_ptr<Archivio> delServer(const Collegamento &collegamento, QString &motivo);
    ~Archivio();
    Archivio(const Archivio &) = delete;
    Archivio &operator=(const Archivio &) = delete;

    /// Opens the file (making it and its folder, readable by the user only, when new), brings the
    /// schema up to date and closes the games of runs that died. A damaged file is moved aside with
    /// the date in its name and a new one started. False when the record cannot be kept: see guasto().
    /// \a fino is for tests of old files: the schema is brought only that far.
    bool apri(int fino = VersioneSchema);
    /// The same, with the file already checked by controlla() (a damaged record is moved aside).
    bool apri(Guasto controllo, int fino = VersioneSchema);
    /// Whether the file at \a percorso may be opened as a record: Nessuno for one of ours or none
    /// at all, Estraneo for another program's database (never touched), Illeggibile for a file that is
    /// no database at all, Danneggiato for a record of ours that SQLite's quick check finds damaged.
    /// Only SQLite opens the file, so it may be called while the record is open. Reads only, on any thread;
    /// it may take a while on a large file.
    /// \a versione, when given, receives the schema step of the file read (0 for none).
    static Guasto controlla(const QString &percorso, int *versione = nullptr);
    /// The same without the check for damage inside: quick, for trying a record again.
    static Guasto riconosci(const QString &percorso);
    /// How long opening waits for another program's write, in milliseconds (3 s unless told).
    void attendiApertura(int millisecondi) { m_attesaApertura = millisecondi; }
    /// Opens the record for reading only (export): nothing is written, made, repaired or moved, and
    /// a damaged or foreign file is refused. False when it cannot be read: see guasto().
    bool apriInLettura();
    bool aperto() const { return m_guasto == Guasto::Nessuno && m_db.isOpen(); }
    /// Why the record could not be opened.
    Guasto guasto() const { return m_guasto; }
    /// Why the last statement failed, when the record is open.
    Guasto ultimoGuasto() const { return m_ultimo; }
    /// The copy of the file as an older program left it, made by apri() before bringing it up to date:
    /// beside it, named with its schema step ("registro.sqlite.versione-3").
    QString copiaFatta() const { return m_copia; }
    /// Where the damaged file went, when apri() moved one aside.
    QString messoDaParte() const { return m_messoDaParte; }
    /// Why a damaged file could not be moved aside.
    QString motivoSpostamento() const { return m_motivoSpostamento; }
    /// How long a write waits for another program that holds the file, in milliseconds.
    void attendi(int millisecondi);
    QString percorso() const { return m_percorso; }
    /// The schema version found in the file.
    int versione();
    /// The SQL of the step that adds the facts' summary; the summary itself is built after it.
    static QStringList passoFatti();
    /// The SQL of the step that gives each fact its memory model; the summary is built again after it.
    static QStringList passoModello();
    /// Brings a file up to version \a fino (the whole schema by default): exposed for tests of old files.
    bool migra(int fino = VersioneSchema);

    // Players.
    /// The player's id, making her when new; 0 on failure.
    qint64 giocatore(const QString &nome);
    /// The player's id without making her: 0 when there is none, -1 when the file refused.
    qint64 trova(const QString &nome);
    /// The name of the player a game is kept under; empty when the game is gone.
    QString giocatoreDi(qint64 partita);
    /// Whether another connection wrote into the file since the last call (false at the first).
    bool cambiatoAltrove();
    QList<SchedaGiocatore> giocatori();
    bool rinomina(qint64 giocatore, const QString &nome);
    /// Removes the player and all her games, in one transaction; a game of hers not ended (another
    /// program plays it) goes on under the guest.
    bool rimuovi(qint64 giocatore);
    /// Removes the player's ended games and their answers; she stays, as does a game being played.
    bool svuota(qint64 giocatore);
    /// Removes one ended game and its answers; false for a game being played.
    bool togliPartita(qint64 partita);

    // A game, as it happens.
    /// Starts a game and returns its id; 0 on failure.
    qint64 iniziaPartita(qint64 giocatore, const QString &uuid, const QDateTime &inizio,
                         const std::bitset<100> &inGioco);
    /// An asking that ended: answered right after \a millisecondi, or left (millisecondi < 0).
    bool domanda(qint64 partita, int ordine, int cella, qint64 millisecondi, int sbagliate);
    /// A wrong answer typed during asking \a ordine.
    bool sbagliata(qint64 partita, int ordine, int cella, const QString &valore, qint64 millisecondi);
    bool chiudiPartita(qint64 partita, const QDateTime &fine, int secondi, int errori, int esatte,
                       FinePartita esito);
    /// A transaction around many writes: begun, committed (false, with ultimoGuasto(), when the file
    /// refused) or rolled back.
    bool inizia();
    bool conferma();
    void annulla();
    /// Writes the pages kept aside into the file itself, without waiting for readers or writers.
    void riordina();

    // Reading.
    QList<SchedaPartita> partite(qint64 giocatore);
    /// Every game of every player, oldest first.
    bool perOgniPartita(const std::function<void(const SchedaPartita &)> &f);
    /// Every asking of every game: player, game start, factors, milliseconds (negative when left), wrong
    /// answers.
    bool
    perOgniDomanda(const std::function<void(const QString &, const QDateTime &, int, int, qint64, int)> &f);
    /// The player's facts over all their askings, from the summary kept as answers are written (on
    /// the school's server, from the answers themselves); only the facts asked at least once. With
    /// \a dal, only the askings of games started then or later, worked out from them.
    QList<SchedaFatto> fatti(qint64 giocatore, const QDateTime &dal = {});
    /// The same, worked out from every answer kept (since \a dal): what the summary must always equal.
    QList<SchedaFatto> fattiDalleDomande(qint64 giocatore, const QDateTime &dal = {});
    /// The player's pace now: the median of her last right-first-time answers in milliseconds, 0 while
    /// they are too few (see apprendimento::mediana).
    qint64 mediana(qint64 giocatore);
    /// Whether the player's time counts in judging her answers: not when she is marked "senza fretta",
    /// nor for anyone in a run told so (giudicaTutti).
    apprendimento::Tempo tempo(qint64 giocatore);
    /// Her own mark: Ignora for a child marked "senza fretta"; Conta on the school's server and in
    /// files older than the mark.
    apprendimento::Tempo senzaFretta(qint64 giocatore);
    /// Marks her "senza fretta" (Ignora) or not, and builds her facts again as judged so, in one
    /// transaction.
    bool segnaSenzaFretta(qint64 giocatore, apprendimento::Tempo tempo);
    /// How everyone is judged in this run: Ignora when the run is "senza fretta" for all.
    void giudicaTutti(apprendimento::Tempo tempo) { m_tempoPerTutti = tempo; }
    /// How the player's answers are judged now: her pace, and whether time counts.
    apprendimento::Giudizio giudizio(qint64 giocatore) { return {mediana(giocatore), tempo(giocatore)}; }
    /// Every player's facts, players by name, with how she is judged.
    bool perOgniFatto(
        const std::function<void(const QString &, const SchedaFatto &, const apprendimento::Giudizio &)> &f);

    /// The primary SQLite result code of the last failure.
    static Guasto guastoDa(int codice);

private:
    bool esegui(QSqlQuery &q);
    bool esegui(const QString &sql, const QVariantList &valori = {});
    /// Ends a failed opening: the reason is the last statement's unless one is given.
    bool fallita(Guasto guasto = Guasto::Nessuno);
    /// Removes the ended games that \a quali picks (a condition on the games with one value) and their
    /// answers, in one transaction.
    bool togliFinite(const QString &quali, qint64 valore);
    bool migraUnPasso(int da);
    /// Every asking of \a giocatore folded into her facts and her pace.
    bool ripercorri(qint64 giocatore, apprendimento::Tempo tempo, QList<SchedaFatto> &fatti,
                    QList<int> &ritmo, const QDateTime &dal = {});
    /// Builds the facts' summary of \a giocatore anew from the answers kept, judged by her own mark.
    bool rifaiFatti(qint64 giocatore);
    bool rifaiFatti(qint64 giocatore, apprendimento::Tempo tempo);
    /// Builds the facts' summary of every player from the answers kept.
    bool ricostruisciFatti();
    /// Brings the summary of the fact in \a cella up to the asking just written.
    bool aggiornaFatto(qint64 partita, int cella, qint64 millisecondi, int sbagliate);
    /// Writes \a fatto of \a giocatore, and her pace \a ritmo.
    bool scriviFatto(qint64 giocatore, const SchedaFatto &fatto);
    bool scriviRitmo(qint64 giocatore, const QList<int> &ritmo);
    /// Reads her pace as kept beside the summary; false when the file refused.
    bool leggiRitmo(qint64 giocatore, QList<int> &ritmo);
    bool apriFile(int fino);
    /// Whether the file is one of ours, from its header alone (and, for files older than the mark,
    /// its tables), read through SQLite without touching it.
    Guasto riconosci();
    /// riconosci() through SQLite opened with the URI parameters \a modo ("?mode=ro", "?immutable=1").
    Guasto riconosciCome(const QString &modo);
    /// "ok" from SQLite's quick check, false with Danneggiato otherwise.
    bool integro();
    /// Opens the file for reading only, changing nothing, and checks it.
    bool leggi();
    bool mettiDaParte();
    /// Copies the file, at schema step \a versione, beside it before a step changes it.
    bool copia(int versione);
    void chiudi();
    void chiudiInterrotte();

    /// " WHERE g.classe = ?" on the server, where players are matched by class and name; nothing locally.
    QString soloClasse() const;
    void legaClasse(QSqlQuery &q) const;

    QString m_percorso;
    QString m_connessione;
    QString m_classe; ///< on the server: the class read
    QSqlDatabase m_db;
    Guasto m_guasto = Guasto::Nessuno;
    Guasto m_ultimo = Guasto::Nessuno;
    bool m_inLotto = false; ///< inside the transaction of inizia()
    int m_attesaApertura = 3000;
    QString m_messoDaParte;
    QString m_copia;
    QString m_motivoSpostamento;
    std::unique_ptr<QSqlQuery> m_domanda, m_sbagliata;
    // The game whose answers the summary is being brought up to: its player and start.
    qint64 m_partitaFatti = 0, m_giocatoreFatti = 0;
    QDateTime m_inizioFatti;
    qint64 m_versioneDati = 0; ///< the file's data_version when last looked at
    int m_schema = 0;          ///< the schema step the open file is at (0 on the school's server)
    apprendimento::Tempo m_tempoPerTutti = apprendimento::Tempo::Conta;
    apprendimento::Tempo m_tempoFatti = apprendimento::Tempo::Conta; ///< the mark of m_giocatoreFatti
};
