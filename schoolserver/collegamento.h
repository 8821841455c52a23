// SPDX-License-Identifier: GPL-3.0-or-later
// The school's server as an admin configures it: where it is, which class, where the password is.
#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

/// A connection to the class's record on a PostgreSQL server, from a libpq connection URI
/// (postgresql://user@host:port/dbname?sslmode=require, or postgresql://user@/dbname?host=/run/postgresql).
/// The password is never in the URI: libpq takes it from ~/.pgpass or PGPASSFILE, or it is read from a
/// file that only root and one group may read, named in the configuration.
class Collegamento
{
    Q_DECLARE_TR_FUNCTIONS(Collegamento)

public:
    /// The server's schema this program reads and writes (numerella.versione).
    static constexpr int VersioneServer = 2;
    /// A server that does not answer is given up after this long, at connecting and at each statement.
    static constexpr int SecondiConnessione = 5;
    static constexpr int MillisecondiIstruzione = 10000;

    Collegamento() = default;
    Collegamento(const QString &url, const QString &classe, const QString &filePassword = {});

    /// Reads the keys server, classe and file-password of numerella.conf (the system's, then the
    /// user's over it); \a urlRiga, from the command line, wins over the file's server for one run.
    static Collegamento leggi(const QString &urlRiga = {});
    /// The class when none is configured.
    static QString classePredefinita();

    bool configurato() const { return !m_url.isEmpty(); }
    QString url() const { return m_url; }
    QString classe() const { return m_classe.isEmpty() ? classePredefinita() : m_classe; }
    /// What is wrong with the configuration itself, in Italian; empty when it can be tried.
    QString errore() const { return m_errore; }
    /// The server for messages: host and database, never a password.
    QString descrizione() const { return m_descrizione; }
    /// libpq's connection options, timeouts and schema included (no password).
    QString opzioni() const { return m_opzioni; }
    /// Where the server listens, for a probe that does not log in: "host:port", or the path of a Unix
    /// socket (a host that is a folder).
    QStringList prese() const { return m_prese; }

    /// Opens the connection \a nome on the calling thread and checks the schema's version. Returns
    /// an empty string when ready, else why not in Italian; the connection is then closed.
    QString apri(const QString &nome) const;
    /// Runs \a lavoro (which returns why it failed, empty on success) on the connection \a nome, opened
    /// first when \a aperto is false. A connection kept open may have died with a server that restarted
    /// since: when \a lavoro fails on it, it is opened again and \a lavoro tried once more. After a
    /// failure the connection is closed, for the next call to open it again. Returns why it failed.
    QString conConnessione(const QString &nome, bool &aperto, const std::function<QString()> &lavoro) const;
    /// Why \a db failed, in Italian, from the driver's words.
    QString perche(const QSqlDatabase &db) const;

private:
    void leggiUrl();
    void leggiPrese(const QStringList &ospiti, const QStringList &porte);

    QString m_url, m_classe, m_filePassword;
    QString m_opzioni, m_descrizione, m_errore;
    QStringList m_prese;
};
