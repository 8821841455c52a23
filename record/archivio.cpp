// SPDX-License-Identifier: GPL-3.0-or-later
// The record's database through Qt SQL: schema and migrations, the writes of a game, the readings.
#include "record/archivio.h"

#include "record/giocatore.h"
#include "schoolserver/collegamento.h"
#include "schoolserver/lunghezze.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QSysInfo>
#include <QUrl>
#include <QVariant>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace {

/// SQLite's primary result codes that tell what went wrong.
enum Codice {
    CodiceOccupato = 5,
    CodiceBloccato = 6,
    CodiceSolaLettura = 8,
    CodiceIO = 10,
    CodiceDanneggiato = 11,
    CodicePieno = 13,
    CodiceNonApribile = 14,
    CodiceVincolo = 19,
    CodiceNonDatabase = 26,
};

/// Each step brings the schema from version n to n + 1 and is run in one transaction with the
/// references unchecked; a new step is appended at the end. Version 1 was the first schema;
/// version 2 records which run plays a game, so that two programs on one file never close each
/// other's games; version 3 never gives a removed player's or game's number to another (an
/// answer written late can then never land in someone else's game), keeps no answer without its
/// game and marks the file as a record of ours; version 4 keeps a summary of each fact for
/// each player, built from the answers already kept; version 5 gives that summary the memory model,
/// built again from all the answers; version 6 marks the children who play "senza fretta" (none yet, so
/// no summary changes).
const std::array<QStringList, Archivio::VersioneSchema> Passi = {
    QStringList{
        QStringLiteral("CREATE TABLE versione (numero INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO versione (numero) VALUES (0)"),
        QStringLiteral("CREATE TABLE giocatori ("
                       " id INTEGER PRIMARY KEY,"
                       " nome VARCHAR(160) NOT NULL UNIQUE,"
                       " creato VARCHAR(32) NOT NULL)"),
        // celle: one character a cell, '1' in play, '0' left out (green); times are ISO 8601 in UTC.
        QStringLiteral("CREATE TABLE partite ("
                       " id INTEGER PRIMARY KEY,"
                       " uuid VARCHAR(36) NOT NULL UNIQUE,"
                       " giocatore INTEGER NOT NULL REFERENCES giocatori (id),"
                       " inizio VARCHAR(32) NOT NULL,"
                       " fine VARCHAR(32),"
                       " celle VARCHAR(100) NOT NULL,"
                       " secondi INTEGER,"
                       " errori INTEGER,"
                       " esatte INTEGER,"
                       " esito VARCHAR(16))"),
        QStringLiteral("CREATE INDEX partite_giocatore ON partite (giocatore, inizio)"),
        // One row per asking that ended: millisecondi to the right answer, pauses left out; NULL
        // when the question was left unanswered.
        QStringLiteral("CREATE TABLE domande ("
                       " partita INTEGER NOT NULL REFERENCES partite (id),"
                       " ordine INTEGER NOT NULL,"
                       " riga INTEGER NOT NULL,"
                       " colonna INTEGER NOT NULL,"
                       " millisecondi INTEGER,"
                       " sbagliate INTEGER NOT NULL,"
                       " PRIMARY KEY (partita, ordine))"),
        // Every wrong answer as typed, kept as it is confirmed.
        QStringLiteral("CREATE TABLE sbagliate ("
                       " partita INTEGER NOT NULL REFERENCES partite (id),"
                       " ordine INTEGER NOT NULL,"
                       " riga INTEGER NOT NULL,"
                       " colonna INTEGER NOT NULL,"
                       " valore VARCHAR(16) NOT NULL,"
                       " millisecondi INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX sbagliate_partita ON sbagliate (partita, ordine)"),
    },
    QStringList{
        QStringLiteral("ALTER TABLE partite ADD COLUMN processo VARCHAR(300)"),
        // Files of the first version cannot tell who plays an open game: it was cut off.
        QStringLiteral("UPDATE partite SET esito = 'interrotta' WHERE esito IS NULL"),
    },
    QStringList{
        // SQLite changes a key only by making the table anew: each table is copied whole, except
        // answers whose game is gone, which no game can claim.
        QStringLiteral("CREATE TABLE giocatori_3 ("
                       " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " nome VARCHAR(160) NOT NULL UNIQUE,"
                       " creato VARCHAR(32) NOT NULL)"),
        QStringLiteral("INSERT INTO giocatori_3 (id, nome, creato) SELECT id, nome, creato FROM giocatori"),
        QStringLiteral("CREATE TABLE partite_3 ("
                       " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                       " uuid VARCHAR(36) NOT NULL UNIQUE,"
                       " giocatore INTEGER NOT NULL REFERENCES giocatori (id),"
                       " inizio VARCHAR(32) NOT NULL,"
                       " fine VARCHAR(32),"
                       " celle VARCHAR(100) NOT NULL,"
                       " secondi INTEGER,"
                       " errori INTEGER,"
                       " esatte INTEGER,"
                       " esito VARCHAR(16),"
                       " processo VARCHAR(300))"),
        QStringLiteral(
            "INSERT INTO partite_3 (id, uuid, giocatore, inizio, fine, celle, secondi, errori, esatte,"
            " esito, processo) SELECT id, uuid, giocatore, inizio, fine, celle, secondi, errori,"
            " esatte, esito, processo FROM partite WHERE giocatore IN (SELECT id FROM giocatori)"),
        QStringLiteral("CREATE TABLE domande_3 ("
                       " partita INTEGER NOT NULL REFERENCES partite (id),"
                       " ordine INTEGER NOT NULL,"
                       " riga INTEGER NOT NULL,"
                       " colonna INTEGER NOT NULL,"
                       " millisecondi INTEGER,"
                       " sbagliate INTEGER NOT NULL,"
                       " PRIMARY KEY (partita, ordine))"),
        QStringLiteral("INSERT INTO domande_3 (partita, ordine, riga, colonna, millisecondi, sbagliate)"
                       " SELECT partita, ordine, riga, colonna, millisecondi, sbagliate FROM domande"
                       " WHERE partita IN (SELECT id FROM partite_3)"),
        QStringLiteral("CREATE TABLE sbagliate_3 ("
                       " partita INTEGER NOT NULL REFERENCES partite (id),"
                       " ordine INTEGER NOT NULL,"
                       " riga INTEGER NOT NULL,"
                       " colonna INTEGER NOT NULL,"
                       " valore VARCHAR(16) NOT NULL,"
                       " millisecondi INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO sbagliate_3 (partita, ordine, riga, colonna, valore, millisecondi)"
                       " SELECT partita, ordine, riga, colonna, valore, millisecondi FROM sbagliate"
                       " WHERE partita IN (SELECT id FROM partite_3)"),
        QStringLiteral("DROP TABLE sbagliate"),
        QStringLiteral("DROP TABLE domande"),
        QStringLiteral("DROP TABLE partite"),
        QStringLiteral("DROP TABLE giocatori"),
        QStringLiteral("ALTER TABLE giocatori_3 RENAME TO giocatori"),
        QStringLiteral("ALTER TABLE partite_3 RENAME TO partite"),
        QStringLiteral("ALTER TABLE domande_3 RENAME TO domande"),
        QStringLiteral("ALTER TABLE sbagliate_3 RENAME TO sbagliate"),
        QStringLiteral("CREATE INDEX partite_giocatore ON partite (giocatore, inizio)"),
        QStringLiteral("CREATE INDEX sbagliate_partita ON sbagliate (partita, ordine)"),
        QStringLiteral("PRAGMA application_id = %1").arg(Archivio::Marchio),
    },
    Archivio::passoFatti(),
    Archivio::passoModello(),
    QStringList{
        QStringLiteral("ALTER TABLE giocatori ADD COLUMN senza_fretta INTEGER NOT NULL DEFAULT 0"),
    },
};

std::optional<FinePartita> esitoDa(const QVariant &v)
{
    for (FinePartita e : {FinePartita::Finita, FinePartita::Fermata, FinePartita::Interrotta}) {
        if (v.toString() == parolaEsito(e)) return e;
    }
    return std::nullopt;
}

QString istante(const QDateTime &t)
{
    return t.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime istanteDa(const QVariant &v)
{
    return v.isNull() ? QDateTime() : QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
}

QString celle(const std::bitset<100> &inGioco)
{
    QString s(100, u'0');
    for (int k = 0; k < 100; ++k)
        if (inGioco.test(k)) s[k] = u'1';
    return s;
}

std::bitset<100> celleDa(const QString &s)
{
    std::bitset<100> b;
    for (int k = 0; k < 100 && k < s.size(); ++k)
        b.set(k, s[k] == u'1');
    return b;
}

/// This run, as written beside the games it plays: the machine and the process.
QString questoProcesso()
{
    return QStringLiteral("%1 %2").arg(QSysInfo::machineHostName()).arg(QCoreApplication::applicationPid());
}

/// Whether the run \a processo, written by questoProcesso(), is still playing.
bool vivo(const QString &processo)
{
    const qsizetype spazio = processo.lastIndexOf(u' ');
    if (spazio < 0 || processo.left(spazio) != QSysInfo::machineHostName()) return true; // cannot tell
    if (processo == questoProcesso()) return false; // an earlier run that had our number
    const pid_t pid = processo.mid(spazio + 1).toInt();
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

std::atomic_int contatore = 0; // records are opened on more than one thread

} // namespace

Archivio::Archivio(const QString &percorso)
    : m_percorso(percorso), m_connessione(QStringLiteral("registro-%1").arg(++contatore))
{
}

Archivio::~Archivio()
{
    chiudi();
}

void Archivio::chiudi()
{
    m_domanda.reset();
    m_sbagliata.reset();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connessione);
    }
}

std::unique_ptr<Archivio> Archivio::delServer(const Collegamento &collegamento, QString &motivo)
{
    auto archivio = std::make_unique<Archivio>(collegamento.descrizione());
    motivo = collegamento.apri(archivio->m_connessione);
    archivio->m_db = QSqlDatabase::database(archivio->m_connessione, false);
    if (!motivo.isEmpty()) return nullptr;
    archivio->m_classe = collegamento.classe();
    return archivio;
}

QString Archivio::soloClasse() const
{
    return m_classe.isEmpty() ? QString() : QStringLiteral(" WHERE g.classe = ?");
}

void Archivio::legaClasse(QSqlQuery &q) const
{
    if (!m_classe.isEmpty()) q.addBindValue(m_classe);
}

Guasto Archivio::guastoDa(int codice)
{
    switch (codice & 0xff) {
    case CodiceOccupato:
    case CodiceBloccato:
        return Guasto::Occupato;
    case CodiceSolaLettura:
        return Guasto::SolaLettura;
    case CodicePieno:
        return Guasto::DiscoPieno;
    case CodiceNonApribile:
        return Guasto::NonApribile;
    case CodiceDanneggiato:
    case CodiceNonDatabase:
        return Guasto::Danneggiato;
    case CodiceVincolo:
        return Guasto::Vincolo;
    case CodiceIO:
    default:
        return Guasto::Altro;
    }
}

bool Archivio::esegui(QSqlQuery &q)
{
    if (q.exec()) return true;
    m_ultimo = guastoDa(q.lastError().nativeErrorCode().toInt());
    return false;
}

bool Archivio::esegui(const QString &sql, const QVariantList &valori)
{
    QSqlQuery q(m_db);
    if (!q.prepare(sql)) {
        m_ultimo = guastoDa(q.lastError().nativeErrorCode().toInt());
        return false;
    }
    for (const QVariant &v : valori)
        q.addBindValue(v);
    return esegui(q);
}

bool Archivio::fallita(Guasto guasto)
{
    m_guasto = guasto != Guasto::Nessuno ? guasto : m_ultimo != Guasto::Nessuno ? m_ultimo : Guasto::Altro;
    return false;
}

void Archivio::attendi(int millisecondi)
{
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(millisecondi));
}

bool Archivio::apri(int fino)
{
    return apri(controlla(m_percorso), fino);
}

bool Archivio::apri(Guasto controllo, int fino)
{
    // Only a record of ours is ever moved aside.
    if (controllo != Guasto::Nessuno && controllo != Guasto::Danneggiato) return fallita(controllo);
    if (controllo == Guasto::Nessuno && apriFile(fino)) return true;
    if (m_guasto != Guasto::Danneggiato && controllo != Guasto::Danneggiato) return false;
    if (!mettiDaParte()) return fallita(Guasto::Danneggiato);
    m_guasto = m_ultimo = Guasto::Nessuno;
    return apriFile(fino);
}

Guasto Archivio::riconosci(const QString &percorso)
{
    return Archivio(percorso).riconosci();
}

Guasto Archivio::controlla(const QString &percorso, int *versione)
{
    Archivio archivio(percorso);
    if (versione) *versione = 0;
    if (const Guasto estraneo = archivio.riconosci(); estraneo != Guasto::Nessuno) return estraneo;
    if (QFileInfo(percorso).size() == 0) return Guasto::Nessuno;
    // Any other trouble is for the opening itself to find and name.
    if (archivio.leggi()) {
        if (versione) *versione = archivio.versione();
        return Guasto::Nessuno;
    }
    return archivio.guasto() != Guasto::Danneggiato ? Guasto::Nessuno : Guasto::Danneggiato;
}

Guasto Archivio::riconosci()
{
    const QFileInfo info(m_percorso);
    if (!info.exists() || info.size() == 0) return Guasto::Nessuno; // new: ours to make
    // Read through SQLite alone: a descriptor of the file opened and closed beside it would drop every
    // lock this program holds on the file, and a second program closing would then take the change log
    // away from under this one's games. Read as unchangeable, so that SQLite makes no side file, takes
    // no lock and rolls nothing back.
    // With a change log beside it, the file alone may be half of the truth: a run killed while it
    // copied the log back leaves pages of two moments in it, which look like no record at all. Then it
    // is read through the log first, as every connection of SQLite reads it.
    const bool conLog = QFileInfo::exists(m_percorso + QStringLiteral("-wal"));
    Guasto esito = Guasto::Estraneo;
    for (const QString &modo : {QStringLiteral("?mode=ro"), QStringLiteral("?immutable=1")}) {
        if (modo == QStringLiteral("?mode=ro") && !conLog) continue;
        esito = riconosciCome(modo);
        if (esito != Guasto::NonApribile && esito != Guasto::Illeggibile) break;
    }
    return esito;
}

Guasto Archivio::riconosciCome(const QString &modo)
{
    const QString nome = m_connessione + QStringLiteral("-riconosci");
    Guasto esito = Guasto::Estraneo;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(QUrl::fromLocalFile(m_percorso).toString(QUrl::FullyEncoded) + modo);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        QSqlQuery q(db);
        const auto intero = [&q](const QString &sql, qint64 &valore) {
            if (!q.exec(sql) || !q.next()) return false;
            valore = q.value(0).toLongLong();
            return true;
        };
        qint64 marchio = 0, versioneUtente = 0;
        if (!db.open()) {
            esito = Guasto::NonApribile;
        } else if (!intero(QStringLiteral("PRAGMA application_id"), marchio)) {
            // No database at all (its header is not SQLite's), or one that cannot be read.
            const Guasto g = guastoDa(q.lastError().nativeErrorCode().toInt());
            esito = g == Guasto::Danneggiato   ? Guasto::Illeggibile
                    : g == Guasto::NonApribile ? Guasto::NonApribile
                                               : Guasto::Estraneo;
        } else if (marchio == Marchio) {
            esito = Guasto::Nessuno;
        } else if (marchio == 0 && intero(QStringLiteral("PRAGMA user_version"), versioneUtente) &&
                   versioneUtente == 0) {
            // Made before the mark: ours when the file holds our version table, or no table at all.
            // A file SQLite cannot read past its header is damaged: ours only if marked, so not this one.
            QStringList tabelle;
            bool letto = q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
            while (letto && q.next())
                tabelle.append(q.value(0).toString());
            if (letto && (tabelle.isEmpty() || (tabelle.contains(QStringLiteral("versione")) &&
                                                tabelle.contains(QStringLiteral("partite")))))
                esito = Guasto::Nessuno;
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return esito;
}

bool Archivio::integro()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check(1)"))) {
        const Guasto g = guastoDa(q.lastError().nativeErrorCode().toInt());
        return fallita(g == Guasto::Altro ? Guasto::Danneggiato : g);
    }
    if (!q.next() || q.value(0).toString() != QStringLiteral("ok")) return fallita(Guasto::Danneggiato);
    return true;
}

bool Archivio::apriFile(int fino)
{
    const QFileInfo file(m_percorso);
    QDir cartella = file.absoluteDir();
    if (!cartella.exists()) {
        if (!cartella.mkpath(QStringLiteral("."))) return fallita(Guasto::CartellaBloccata);
        QFile::setPermissions(cartella.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Whether the file can be written is known before SQLite opens it, which would leave side files
    // beside a read-only one.
    if (!QFileInfo(cartella.absolutePath()).isWritable()) return fallita(Guasto::CartellaBloccata);
    if (file.exists() && !file.isWritable()) return fallita(Guasto::SolaLettura);
    if (!file.exists()) {
        // Made here, before SQLite opens it, so that only its owner can read it; SQLite gives its side files
        // the same rights.
        QFile nuovo(m_percorso);
        if (!nuovo.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner) &&
            !QFileInfo::exists(m_percorso))
            return fallita(Guasto::NonApribile);
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connessione);
    m_db.setDatabaseName(m_percorso);
    // Another program on the same file holds it only for one short write at a time.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_attesaApertura));
    if (!m_db.open()) {
        const Guasto g = guastoDa(m_db.lastError().nativeErrorCode().toInt());
        return fallita(g == Guasto::Altro ? Guasto::NonApribile : g);
    }
    const int trovata = versione();
    if (trovata < 0) return fallita();
    if (trovata > VersioneSchema) return fallita(Guasto::Versione);
    if (trovata > 0 && trovata < fino && !copia(trovata)) return fallita();
    if (trovata == 0) {
        // A database without our version table is not ours to fill.
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
        if (!esegui(q) || !q.next()) return fallita();
        if (q.value(0).toInt() > 0) return fallita(Guasto::Estraneo);
    }
    // The log of changes beside the file, committed without waiting for the disk: a program that
    // dies keeps every commit, a power cut may lose the last ones but never damages the file.
    // Its pages are written into the file between games (riordina()), never while a child answers.
    if (!esegui(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !esegui(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !esegui(QStringLiteral("PRAGMA wal_autocheckpoint=0")))
        return fallita();
    if (!migra(fino)) return fallita();
    // After the steps, which make tables anew: from here on no row may point at one that is gone.
    if (!esegui(QStringLiteral("PRAGMA foreign_keys=ON"))) return fallita();
    if (fino < VersioneSchema) return true;
    // A write that changes nothing: a read-only file says so now, not in the middle of a game.
    if (!esegui(QStringLiteral("UPDATE versione SET numero = numero"))) return fallita();
    chiudiInterrotte();
    m_domanda = std::make_unique<QSqlQuery>(m_db);
    m_sbagliata = std::make_unique<QSqlQuery>(m_db);
    if (!m_domanda->prepare(
            QStringLiteral("INSERT INTO domande (partita, ordine, riga, colonna, millisecondi, "
                           "sbagliate) VALUES (?, ?, ?, ?, ?, ?)")) ||
        !m_sbagliata->prepare(QStringLiteral("INSERT INTO sbagliate (partita, ordine, riga, colonna, valore, "
                                             "millisecondi) VALUES (?, ?, ?, ?, ?, ?)")))
        return fallita(guastoDa(m_domanda->lastError().nativeErrorCode().toInt()));
    attendi(AttesaScrittura);
    return true;
}

bool Archivio::apriInLettura()
{
    if (!QFileInfo::exists(m_percorso)) return fallita(Guasto::Assente);
    if (const Guasto estraneo = riconosci(); estraneo != Guasto::Nessuno) return fallita(estraneo);
    if (!leggi()) return false;
    const int trovata = versione();
    if (trovata > VersioneSchema) return fallita(Guasto::Versione);
    if (trovata <= 0) return fallita(trovata == 0 ? Guasto::Estraneo : Guasto::Nessuno);
    m_schema = trovata;
    return true;
}

bool Archivio::leggi()
{
    // With a change log beside it, the file is read through the log (another run may be writing);
    // without one, as a file nobody changes: either way nothing is made, locked or rolled back.
    const QString uri = QUrl::fromLocalFile(m_percorso).toString(QUrl::FullyEncoded);
    const bool conLog = QFileInfo::exists(m_percorso + QStringLiteral("-wal"));
    for (const QString &modo : {QStringLiteral("?mode=ro"), QStringLiteral("?immutable=1")}) {
        if (modo == QStringLiteral("?mode=ro") && !conLog) continue;
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connessione);
        m_db.setDatabaseName(uri + modo);
        m_db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
        m_guasto = m_ultimo = Guasto::Nessuno;
        if (!m_db.open()) {
            fallita(guastoDa(m_db.lastError().nativeErrorCode().toInt()));
        } else if (integro()) {
            return true;
        }
        if (m_guasto == Guasto::Danneggiato) return false;
        chiudi();
    }
    return false;
}

bool Archivio::mettiDaParte()
{
    chiudi();
    const QString data = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString nuovo = QStringLiteral("%1.danneggiato-%2").arg(m_percorso, data);
    QFile file(m_percorso);
    if (!file.rename(nuovo)) {
        m_motivoSpostamento = file.errorString();
        return false;
    }
    // The side files belong to the damaged file: they go with it.
    for (const QString &coda : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_percorso + coda)) QFile::rename(m_percorso + coda, nuovo + coda);
    }
    m_messoDaParte = nuovo;
    return true;
}

bool Archivio::copia(int versione)
{
    // Made by SQLite itself, whole and consistent with what other programs are writing, never by reading
    // the file beside the connection. The empty file made first gives the copy the record's own rights.
    QString nome = QStringLiteral("%1.versione-%2").arg(m_percorso).arg(versione);
    for (int n = 2; QFileInfo::exists(nome); ++n)
        nome = QStringLiteral("%1.versione-%2-%3").arg(m_percorso).arg(versione).arg(n);
    QFile vuoto(nome);
    if (!vuoto.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner)) {
        m_ultimo = Guasto::CartellaBloccata;
        return false;
    }
    vuoto.close();
    if (!esegui(QStringLiteral("VACUUM INTO ?"), {nome})) {
        QFile::remove(nome); // a copy cut short by a full disk is no copy
        return false;
    }
    m_copia = nome;
    return true;
}

int Archivio::versione()
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT numero FROM versione"));
    if (q.exec()) return q.next() ? q.value(0).toInt() : 0;
    const Guasto g = guastoDa(q.lastError().nativeErrorCode().toInt());
    if (g == Guasto::Altro) return 0; // no such table: a new file
    m_ultimo = g;
    return -1;
}

bool Archivio::migra(int fino)
{
    // Two programs may open a new file at once: the one that lost the race finds it done.
    for (int tentativo = 0; tentativo < 3; ++tentativo) {
        bool riuscita = true;
        for (int v = versione(); riuscita && v >= 0 && v < fino; v = versione())
            riuscita = migraUnPasso(v);
        if (riuscita && versione() >= fino) {
            m_schema = versione();
            return true;
        }
        if (m_ultimo != Guasto::Occupato && m_ultimo != Guasto::Altro) return false;
        m_ultimo = Guasto::Nessuno;
    }
    if (m_ultimo == Guasto::Nessuno) m_ultimo = Guasto::Altro;
    return false;
}

bool Archivio::migraUnPasso(int da)
{
    if (!m_db.transaction()) {
        m_ultimo = guastoDa(m_db.lastError().nativeErrorCode().toInt());
        return false;
    }
    bool riuscita = true;
    for (const QString &sql : Passi.at(da)) {
        if (!(riuscita = esegui(sql))) break;
    }
    if (riuscita && da + 1 == VersioneFatti) riuscita = ricostruisciFatti();
    if (riuscita) riuscita = esegui(QStringLiteral("UPDATE versione SET numero = ?"), {da + 1});
    if (riuscita && m_db.commit()) return true;
    m_db.rollback();
    return false;
}

void Archivio::chiudiInterrotte()
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT id, inizio, processo FROM partite WHERE esito IS NULL"));
    if (!esegui(q)) return;
    QList<std::pair<qint64, QDateTime>> morte;
    while (q.next()) {
        if (!vivo(q.value(2).toString())) morte.append({q.value(0).toLongLong(), istanteDa(q.value(1))});
    }
    q.finish();
    for (const auto &[id, inizio] : morte) {
        // What the run that died had written: its answers, their time and its wrong answers.
        QSqlQuery somme(m_db);
        somme.prepare(QStringLiteral("SELECT COUNT(millisecondi), SUM(millisecondi),"
                                     " (SELECT COUNT(*) FROM sbagliate WHERE partita = ?)"
                                     " FROM domande WHERE partita = ?"));
        somme.addBindValue(id);
        somme.addBindValue(id);
        if (!esegui(somme) || !somme.next()) return;
        const qint64 millisecondi = somme.value(1).toLongLong();
        esegui(QStringLiteral("UPDATE partite SET esito = ?, fine = ?, secondi = ?, errori = ?, esatte = ?"
                              " WHERE id = ? AND esito IS NULL"),
               {parolaEsito(FinePartita::Interrotta), istante(inizio.addMSecs(millisecondi)),
                int(millisecondi / 1000), somme.value(2).toInt(), somme.value(0).toInt(), id});
    }
}

qint64 Archivio::trova(const QString &nome)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT id FROM giocatori WHERE nome = ?"));
    q.addBindValue(nome);
    if (!esegui(q)) return -1;
    return q.next() ? q.value(0).toLongLong() : 0;
}

QString Archivio::giocatoreDi(qint64 partita)
{
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("SELECT g.nome FROM partite p JOIN giocatori g ON g.id = p.giocatore WHERE p.id = ?"));
    q.addBindValue(partita);
    return esegui(q) && q.next() ? q.value(0).toString() : QString();
}

bool Archivio::cambiatoAltrove()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next()) return false;
    const qint64 versione = q.value(0).toLongLong();
    if (versione == m_versioneDati) return false;
    const bool prima = m_versioneDati != 0;
    m_versioneDati = versione;
    // What was read of a game may have changed with it.
    m_partitaFatti = 0;
    return prima;
}

qint64 Archivio::giocatore(const QString &nome)
{
    for (int tentativo = 0; tentativo < 2; ++tentativo) {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT id FROM giocatori WHERE nome = ?"));
        q.addBindValue(nome);
        if (!esegui(q)) return 0;
        if (q.next()) return q.value(0).toLongLong();
        q.finish();
        // Another program may have made her in between: then the second look finds her.
        if (!esegui(QStringLiteral("INSERT INTO giocatori (nome, creato) VALUES (?, ?)"),
                    {nome, istante(QDateTime::currentDateTimeUtc())}) &&
            m_ultimo != Guasto::Vincolo)
            return 0;
    }
    return 0;
}

QList<SchedaGiocatore> Archivio::giocatori()
{
    QList<SchedaGiocatore> elenco;
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral(
            "SELECT g.id, g.nome, COUNT(p.id), MAX(p.inizio), SUM(p.secondi), SUM(p.esatte), SUM(p.errori),"
            " COUNT(p.errori), %2"
            " FROM giocatori g LEFT JOIN partite p ON p.giocatore = g.id%1"
            " GROUP BY g.id, g.nome ORDER BY g.nome")
            .arg(soloClasse(), m_schema >= VersioneSenzaFretta ? QStringLiteral("MAX(g.senza_fretta)")
                                                               : QStringLiteral("0")));
    legaClasse(q);
    if (!esegui(q)) return elenco;
    while (q.next()) {
        SchedaGiocatore g;
        g.id = q.value(0).toLongLong();
        g.nome = q.value(1).toString();
        g.partite = q.value(2).toInt();
        g.ultima = istanteDa(q.value(3));
        const double esatte = q.value(5).toDouble();
        g.secondiPerRisposta = esatte > 0 ? q.value(4).toDouble() / esatte : 0;
        const int chiuse = q.value(7).toInt(); // a game being played has no errors counted yet
        g.erroriPerPartita = chiuse > 0 ? q.value(6).toDouble() / chiuse : 0;
        g.tempo = q.value(8).toInt() != 0 ? apprendimento::Tempo::Ignora : apprendimento::Tempo::Conta;
        elenco.append(g);
    }
    return elenco;
}

bool Archivio::rinomina(qint64 giocatore, const QString &nome)
{
    return esegui(QStringLiteral("UPDATE giocatori SET nome = ? WHERE id = ?"), {nome, giocatore});
}

bool Archivio::rimuovi(qint64 giocatore)
{
    if (!m_db.transaction()) return false;
    // A game of hers not ended is being played by another program (or was cut off there): it goes on
    // under the guest, and its answers are never refused.
    bool riuscita = true;
    QSqlQuery aperte(m_db);
    aperte.prepare(QStringLiteral("SELECT COUNT(*) FROM partite WHERE giocatore = ? AND esito IS NULL"));
    aperte.addBindValue(giocatore);
    if (!esegui(aperte) || !aperte.next()) riuscita = false;
    if (riuscita && aperte.value(0).toInt() > 0) {
        aperte.finish();
        const qint64 ospite = this->giocatore(Giocatore::ospite());
        riuscita =
            ospite != 0 && ospite != giocatore &&
            esegui(QStringLiteral("UPDATE partite SET giocatore = ? WHERE giocatore = ? AND esito IS NULL"),
                   {ospite, giocatore}) &&
            rifaiFatti(ospite);
    }
    const QString sue = QStringLiteral("(SELECT id FROM partite WHERE giocatore = ?)");
    riuscita = riuscita && esegui(QStringLiteral("DELETE FROM fatti WHERE giocatore = ?"), {giocatore}) &&
               esegui(QStringLiteral("DELETE FROM ritmo WHERE giocatore = ?"), {giocatore}) &&
               esegui(QStringLiteral("DELETE FROM domande WHERE partita IN ") + sue, {giocatore}) &&
               esegui(QStringLiteral("DELETE FROM sbagliate WHERE partita IN ") + sue, {giocatore}) &&
               esegui(QStringLiteral("DELETE FROM partite WHERE giocatore = ?"), {giocatore}) &&
               esegui(QStringLiteral("DELETE FROM giocatori WHERE id = ?"), {giocatore});
    if (riuscita && m_db.commit()) return true;
    m_db.rollback();
    return false;
}

bool Archivio::togliFinite(const QString &quali, qint64 valore)
{
    // Only ended games: a game being played goes on being written.
    const QString finite =
        QStringLiteral("(SELECT id FROM partite WHERE %1 AND esito IS NOT NULL)").arg(quali);
    if (!m_db.transaction()) return false;
    QList<qint64> giocatori;
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("SELECT DISTINCT giocatore FROM partite WHERE %1 AND esito IS NOT NULL").arg(quali));
    q.addBindValue(valore);
    bool riuscita = esegui(q);
    while (riuscita && q.next())
        giocatori.append(q.value(0).toLongLong());
    q.finish();
    riuscita = riuscita &&
               esegui(QStringLiteral("DELETE FROM domande WHERE partita IN ") + finite, {valore}) &&
               esegui(QStringLiteral("DELETE FROM sbagliate WHERE partita IN ") + finite, {valore}) &&
               esegui(QStringLiteral("DELETE FROM partite WHERE id IN ") + finite, {valore});
    // Each fact's summary says what the answers left say.
    for (qint64 g : std::as_const(giocatori))
        riuscita = riuscita && rifaiFatti(g);
    if (riuscita && m_db.commit()) return true;
    m_db.rollback();
    return false;
}

bool Archivio::svuota(qint64 giocatore)
{
    return togliFinite(QStringLiteral("giocatore = ?"), giocatore);
}

bool Archivio::togliPartita(qint64 partita)
{
    return togliFinite(QStringLiteral("id = ?"), partita);
}

qint64 Archivio::iniziaPartita(qint64 giocatore, const QString &uuid, const QDateTime &inizio,
                               const std::bitset<100> &inGioco)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT INTO partite (uuid, giocatore, inizio, celle, processo) VALUES (?, ?, ?, ?, ?)"));
    for (const QVariant &v : QVariantList{uuid, giocatore, istante(inizio), celle(inGioco), questoProcesso()})
        q.addBindValue(v);
    if (!esegui(q)) return 0;
    return q.lastInsertId().toLongLong();
}

bool Archivio::domanda(qint64 partita, int ordine, int cella, qint64 millisecondi, int sbagliate)
{
    if (!m_domanda) return false;
    m_domanda->bindValue(0, partita);
    m_domanda->bindValue(1, ordine);
    m_domanda->bindValue(2, cella / 10 + 1);
    m_domanda->bindValue(3, cella % 10 + 1);
    m_domanda->bindValue(4, millisecondi < 0 ? QVariant() : QVariant(millisecondi));
    m_domanda->bindValue(5, sbagliate);
    // The answer and its fact's summary together, or neither: in a transaction of their own, or at a
    // savepoint inside the one around many writes.
    const bool inLotto = m_inLotto;
    if (!(inLotto ? esegui(QStringLiteral("SAVEPOINT domanda")) : inizia())) return false;
    // In WAL mode the pages are written at the commit: a full disk shows there, with its reason.
    if (esegui(*m_domanda) && aggiornaFatto(partita, cella, millisecondi, sbagliate) &&
        (inLotto ? esegui(QStringLiteral("RELEASE domanda")) : conferma()))
        return true;
    if (inLotto) {
        const Guasto perche = m_ultimo; // the reason, not the undoing's
        esegui(QStringLiteral("ROLLBACK TO domanda"));
        esegui(QStringLiteral("RELEASE domanda"));
        m_ultimo = perche;
    } else {
        annulla();
    }
    return false;
}

bool Archivio::sbagliata(qint64 partita, int ordine, int cella, const QString &valore, qint64 millisecondi)
{
    if (!m_sbagliata) return false;
    m_sbagliata->bindValue(0, partita);
    m_sbagliata->bindValue(1, ordine);
    m_sbagliata->bindValue(2, cella / 10 + 1);
    m_sbagliata->bindValue(3, cella % 10 + 1);
    m_sbagliata->bindValue(4, valore.left(LunghezzaSbagliata));
    m_sbagliata->bindValue(5, millisecondi);
    return esegui(*m_sbagliata);
}

bool Archivio::chiudiPartita(qint64 partita, const QDateTime &fine, int secondi, int errori, int esatte,
                             FinePartita esito)
{
    return esegui(QStringLiteral("UPDATE partite SET fine = ?, secondi = ?, errori = ?, esatte = ?, esito = ?"
                                 " WHERE id = ?"),
                  {istante(fine), secondi, errori, esatte, parolaEsito(esito), partita});
}

bool Archivio::inizia()
{
    m_inLotto = m_db.transaction();
    if (!m_inLotto) m_ultimo = guastoDa(m_db.lastError().nativeErrorCode().toInt());
    return m_inLotto;
}

bool Archivio::conferma()
{
    m_inLotto = false;
    if (m_db.commit()) return true;
    m_ultimo = guastoDa(m_db.lastError().nativeErrorCode().toInt());
    return false;
}

void Archivio::annulla()
{
    m_inLotto = false;
    m_db.rollback();
}

void Archivio::riordina()
{
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
}

namespace {

// A game with no end yet is played elsewhere, or its run died and the next start will close it: meanwhile
// its time, right answers and errors are what its answers say.
const QString ColonnePartita = QStringLiteral(
    "p.id, p.uuid, g.nome, p.inizio, p.fine, p.celle, p.secondi, p.errori, p.esatte, p.esito,"
    " CASE WHEN p.esito IS NULL THEN (SELECT SUM(d.millisecondi) FROM domande d WHERE d.partita = p.id) END,"
    " CASE WHEN p.esito IS NULL THEN (SELECT COUNT(d.millisecondi) FROM domande d WHERE d.partita = p.id) "
    "END,"
    " CASE WHEN p.esito IS NULL THEN (SELECT COUNT(*) FROM sbagliate s WHERE s.partita = p.id) END");

SchedaPartita schedaDa(const QSqlQuery &q)
{
    SchedaPartita s;
    s.id = q.value(0).toLongLong();
    s.uuid = q.value(1).toString();
    s.giocatore = q.value(2).toString();
    s.inizio = istanteDa(q.value(3));
    s.fine = istanteDa(q.value(4));
    s.inGioco = celleDa(q.value(5).toString());
    s.secondi = q.value(6).toInt();
    s.errori = q.value(7).toInt();
    s.esatte = q.value(8).toInt();
    s.esito = esitoDa(q.value(9));
    if (!s.esito) {
        s.secondi = int(q.value(10).toLongLong() / 1000);
        s.esatte = q.value(11).toInt();
        s.errori = q.value(12).toInt();
    }
    return s;
}

} // namespace

QList<SchedaPartita> Archivio::partite(qint64 giocatore)
{
    QList<SchedaPartita> elenco;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM partite p JOIN giocatori g ON g.id = p.giocatore"
                             " WHERE p.giocatore = ? ORDER BY p.inizio, p.id")
                  .arg(ColonnePartita));
    q.addBindValue(giocatore);
    if (!esegui(q)) return elenco;
    while (q.next())
        elenco.append(schedaDa(q));
    return elenco;
}

bool Archivio::perOgniPartita(const std::function<void(const SchedaPartita &)> &f)
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM partite p JOIN giocatori g ON g.id = p.giocatore%2"
                             " ORDER BY p.inizio, p.id")
                  .arg(ColonnePartita, soloClasse()));
    legaClasse(q);
    if (!esegui(q)) return false;
    while (q.next())
        f(schedaDa(q));
    return true;
}

bool Archivio::perOgniDomanda(
    const std::function<void(const QString &, const QDateTime &, int, int, qint64, int)> &f)
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT g.nome, p.inizio, d.riga, d.colonna, d.millisecondi, d.sbagliate"
                             " FROM domande d JOIN partite p ON p.id = d.partita"
                             " JOIN giocatori g ON g.id = p.giocatore%1 ORDER BY p.inizio, p.id, d.ordine")
                  .arg(soloClasse()));
    legaClasse(q);
    if (!esegui(q)) return false;
    while (q.next())
        f(q.value(0).toString(), istanteDa(q.value(1)), q.value(2).toInt(), q.value(3).toInt(),
          q.value(4).isNull() ? -1 : q.value(4).toLongLong(), q.value(5).toInt());
    return true;
}
