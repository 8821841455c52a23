// SPDX-License-Identifier: GPL-3.0-or-later
// The record's database: the one place that speaks SQL, for writing games as they happen and reading them.
#pragma once

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
    Danneggiato, ///< the file is not a sound database (moved aside when opening)
    Versione,    ///< the file comes from a newer program
    Altro,
};

/// One connection to the record. Every statement is portable SQL with bound parameters; what is
/// particular to the file (the pragmas, moving a damaged file aside) stays in apri().
class Archivio
{
public:
    /// The schema this program writes; older files are brought up to it when opened.
    static constexpr int VersioneSchema = 2;
    /// Askings of a fact that count as recent: its last ones within the player's last games.
    static constexpr int AskingsRecenti = 20;
    static constexpr int PartiteRecenti = 60;

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
    bool aperto() const { return m_guasto == Guasto::Nessuno && m_db.isOpen(); }
    Guasto guasto() const { return m_guasto; }
    /// Where the damaged file went, when apri() moved one aside.
    QString messoDaParte() const { return m_messoDaParte; }
    QString percorso() const { return m_percorso; }
    /// The schema version found in the file.
    int versione();
    /// Brings a file up to version \a fino (the whole schema by default): exposed for tests of old files.
    bool migra(int fino = VersioneSchema);

    // Players.
    /// The player's id, making her when new; 0 on failure.
    qint64 giocatore(const QString &nome);
    QList<SchedaGiocatore> giocatori();
    bool rinomina(qint64 giocatore, const QString &nome);
    /// Removes the player and all her games.
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
    /// Writes the pages kept aside into the file itself, without waiting for readers or writers.
    void riordina();

    // Reading.
    QList<SchedaPartita> partite(qint64 giocatore);
    /// Every game of every player, oldest first.
    bool perOgniPartita(const std::function<void(const SchedaPartita &)> &f);
    /// Every asking of every game: player, game start, factors, seconds (negative when left), wrong answers.
    bool
    perOgniDomanda(const std::function<void(const QString &, const QDateTime &, int, int, double, int)> &f);
    /// The player's facts over their recent askings; only the facts asked at least once. With \a dal,
    /// only the askings of games started then or later.
    QList<SchedaFatto> fatti(qint64 giocatore, const QDateTime &dal = {});

    /// The primary SQLite result code of the last failure.
    static Guasto guastoDa(int codice);

private:
    bool esegui(QSqlQuery &q);
    bool esegui(const QString &sql, const QVariantList &valori = {});
    /// Removes the ended games that \a quali picks (a condition on the games with one value) and their
    /// answers, in one transaction.
    bool togliFinite(const QString &quali, qint64 valore);
    bool migraUnPasso(int da);
    bool apriFile(int fino);
    bool mettiDaParte();
    void chiudiInterrotte();

    /// " WHERE g.classe = ?" on the server, where players are matched by class and name; nothing locally.
    QString soloClasse() const;
    void legaClasse(QSqlQuery &q) const;

    QString m_percorso;
    QString m_connessione;
    QString m_classe; ///< on the server: the class read
    QSqlDatabase m_db;
    Guasto m_guasto = Guasto::Nessuno;
    QString m_messoDaParte;
    std::unique_ptr<QSqlQuery> m_domanda, m_sbagliata;
};
