// SPDX-License-Identifier: GPL-3.0-or-later
// A private PostgreSQL 15 for the tests and benchmarks, on a Unix socket, prepared with the program's own
// script.
#pragma once

#include "attesa.h"
#include "schoolserver/collegamento.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>

/// Started by tools/postgres.sh in the folder NUMERELLA_POSTGRES names (run-tests.sh starts it there and
/// stops it at the end, whatever happens to the tests) or in a temporary one. avvia() makes the database
/// "numerella" anew with the schema of numerella-server.sql and the login role "aula" (a PC's) of class 3B.
class ServerProva
{
public:
    static constexpr auto Classe = "3B";

    static bool installato()
    {
        return QFileInfo::exists(QStringLiteral("/usr/lib/postgresql/15/bin/postgres"));
    }

    ServerProva() { QFile::setPermissions(m_cartella.path(), QFileDevice::Permissions(0x7711)); }
    ~ServerProva() { strumento(QStringLiteral("stop")); }

    /// Starts the server; the first time also makes the database, the schema and the roles.
    bool avvia()
    {
        QString uscita;
        if (!strumento(QStringLiteral("start"), &uscita)) return false;
        m_presa = uscita.trimmed();
        if (m_pronto) return true;
        const auto postgres = [this](const QString &testo) {
            return psql({QStringLiteral("-d"), QStringLiteral("postgres"), QStringLiteral("-c"), testo});
        };
        m_pronto =
            postgres(QStringLiteral("DROP DATABASE IF EXISTS numerella WITH (FORCE)")) &&
            postgres(QStringLiteral("DROP ROLE IF EXISTS aula")) &&
            postgres(QStringLiteral("CREATE DATABASE numerella")) &&
            psql({QStringLiteral("-d"), QStringLiteral("numerella"), QStringLiteral("-f"),
                  QStringLiteral(NUMERELLA_SORGENTI "/resources/server/numerella-server.sql")}) &&
            sql(QStringLiteral("CREATE ROLE aula LOGIN IN ROLE numerella_postazione;"
                               "INSERT INTO numerella.classi VALUES ('3B', 'aula'), ('4A', 'postgres')"));
        return m_pronto;
    }
    bool ferma() { return strumento(QStringLiteral("stop")); }
    /// Kills the server at once, as a crash would.
    bool uccidi() { return strumento(QStringLiteral("kill")); }
    /// Stops the postmaster (SIGSTOP) as a hung machine would, or lets it go on (SIGCONT).
    bool sospendi(bool fermo)
    {
        QFile pid(cartella() + QStringLiteral("/dati/postmaster.pid"));
        if (!pid.open(QIODevice::ReadOnly)) return false;
        const int numero = pid.readLine().trimmed().toInt();
        return numero > 0 && ::kill(numero, fermo ? SIGSTOP : SIGCONT) == 0;
    }

    /// The URI a PC of class 3B is configured with, as \a ruolo.
    QString url(const QString &ruolo = QStringLiteral("aula")) const
    {
        return QStringLiteral("postgresql://%1@/numerella?host=%2").arg(ruolo, m_presa);
    }
    Collegamento collegamento(const QString &ruolo = QStringLiteral("aula")) const
    {
        return Collegamento(url(ruolo), QString::fromLatin1(Classe));
    }
    /// Runs \a testo as the server's superuser in the record's database.
    bool sql(const QString &testo) const
    {
        return psql({QStringLiteral("-d"), QStringLiteral("numerella"), QStringLiteral("-c"), testo});
    }
    /// A number read as the superuser (who sees every class); -1 on failure.
    qint64 numero(const QString &consulta) const
    {
        bool ok = false;
        const qint64 n = testo(consulta).toLongLong(&ok);
        return ok ? n : -1;
    }
    /// A query's rows as text, columns separated by |, read as the superuser; empty on failure.
    QString testo(const QString &consulta) const
    {
        QProcess p;
        p.start(QStringLiteral("psql"),
                {QStringLiteral("-X"), QStringLiteral("-qAt"), QStringLiteral("-h"), m_presa,
                 QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"),
                 QStringLiteral("numerella"), QStringLiteral("-c"),
                 QStringLiteral("SET search_path TO numerella; ") + consulta});
        if (!p.waitForFinished(attesa::limite(30000)) || p.exitCode() != 0) return {};
        return QString::fromUtf8(p.readAllStandardOutput().trimmed());
    }
    QString presa() const { return m_presa; }
    QString errore() const { return m_errore; }

private:
    QString cartella() const
    {
        const QString condivisa = qEnvironmentVariable("NUMERELLA_POSTGRES");
        return condivisa.isEmpty() ? m_cartella.filePath(QStringLiteral("pg")) : condivisa;
    }
    bool strumento(const QString &azione, QString *uscita = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(NUMERELLA_SORGENTI "/tools/postgres.sh"), {azione, cartella()});
        const bool ok = p.waitForFinished(attesa::limite(60000)) && p.exitStatus() == QProcess::NormalExit &&
                        p.exitCode() == 0;
        if (uscita) *uscita = QString::fromLocal8Bit(p.readAllStandardOutput());
        if (!ok) m_errore = QString::fromLocal8Bit(p.readAllStandardError());
        return ok;
    }
    bool psql(const QStringList &argomenti) const
    {
        QProcess p;
        p.start(QStringLiteral("psql"),
                QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                            QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), m_presa,
                            QStringLiteral("-U"), QStringLiteral("postgres")} +
                    argomenti);
        const bool ok = p.waitForFinished(attesa::limite(60000)) && p.exitCode() == 0;
        if (!ok) qWarning("psql: %s", p.readAllStandardError().constData());
        return ok;
    }

    QTemporaryDir m_cartella;
    QString m_presa;
    QString m_errore;
    bool m_pronto = false;
};
