// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender: reads the ended games from the local file, writes each to the server in one
// transaction.
#include "schoolserver/speditore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <atomic>

namespace {

std::atomic_int contatore = 0;

/// Prepares \a sql on \a db, binds \a valori and runs it.
bool esegui(QSqlQuery &q, const QString &sql, const QVariantList &valori)
{
    if (!q.prepare(sql)) return false;
    for (const QVariant &v : valori)
        q.addBindValue(v);
    return q.exec();
}

/// The games that ended and are not yet marked sent, as a condition on partite p.
const QString InAttesa =
    QStringLiteral("p.esito IS NOT NULL AND NOT EXISTS (SELECT 1 FROM spedite s WHERE s.uuid = p.uuid)");

} // namespace

Speditore::Speditore(const QString &fileLocale, const Collegamento &collegamento, int millisecondiRiprova,
                     QObject *parent)
    : QObject(parent), m_fileLocale(fileLocale), m_collegamento(collegamento),
      m_millisecondiRiprova(millisecondiRiprova)
{
    const int n = ++contatore;
    m_locale = QStringLiteral("spedizione-locale-%1").arg(n);
    m_server = QStringLiteral("spedizione-server-%1").arg(n);
}

Speditore::~Speditore() = default;

void Speditore::avvia()
{
    m_riprova = new QTimer(this);
    m_riprova->setInterval(m_millisecondiRiprova);
    connect(m_riprova, &QTimer::timeout, this, &Speditore::invia);
    m_riprova->start();
    invia();
}

void Speditore::chiudi()
{
    delete m_riprova;
    m_riprova = nullptr;
    for (const QString &nome : {m_locale, m_server}) {
        if (!QSqlDatabase::contains(nome)) continue;
        QSqlDatabase::database(nome, false).close();
        QSqlDatabase::removeDatabase(nome);
    }
    m_serverAperto = false;
}

bool Speditore::apriLocale()
{
    if (QSqlDatabase::contains(m_locale)) return true;
    // The record makes the file; until then nothing has been played.
    if (!QFileInfo::exists(m_fileLocale)) return false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_locale);
        db.setDatabaseName(m_fileLocale);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        QSqlQuery q(db);
        // Which games the server confirmed: kept beside them, so the file carries it wherever it goes.
        if (db.open() &&
            esegui(q,
                   QStringLiteral(
                       "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'partite'"),
                   {}) &&
            q.next() && q.value(0).toInt() == 1 &&
            esegui(q,
                   QStringLiteral("CREATE TABLE IF NOT EXISTS spedite (uuid VARCHAR(36) PRIMARY KEY,"
                                  " quando VARCHAR(32) NOT NULL)"),
                   {}))
            return true;
    }
    QSqlDatabase::removeDatabase(m_locale);
    return false;
}

bool Speditore::copiaRighe(qint64 partita, qint64 id, const QString &tabella, const QString &ultime,
                           QSqlQuery &server)
{
    constexpr int Colonne = 6;
    constexpr int RighePerVolta = 1000; // well within the server's limit of bound values
    QSqlQuery l(QSqlDatabase::database(m_locale, false));
    l.setForwardOnly(true);
    if (!esegui(l,
                QStringLiteral("SELECT ordine, riga, colonna, %1 FROM %2 WHERE partita = ? ORDER BY ordine")
                    .arg(ultime, tabella.section(u' ', 0, 0)),
                {partita}))
        return false;
    QVariantList valori;
    const auto scrivi = [&] {
        if (valori.isEmpty()) return true;
        QStringList righe(valori.size() / Colonne, QStringLiteral("(?, ?, ?, ?, ?, ?)"));
        const bool ok =
            esegui(server, QStringLiteral("INSERT INTO %1 VALUES %2").arg(tabella, righe.join(u',')), valori);
        valori.clear();
        return ok;
    };
    // Many rows a statement: one round trip for a whole game.
    while (l.next()) {
        valori << id;
        for (int k = 0; k < Colonne - 1; ++k)
            valori << l.value(k);
        if (valori.size() == Colonne * RighePerVolta && !scrivi()) return false;
    }
    return scrivi();
}

int Speditore::contaInAttesa()
{
    QSqlQuery q(QSqlDatabase::database(m_locale, false));
    if (!esegui(q, QStringLiteral("SELECT COUNT(*) FROM partite p WHERE ") + InAttesa, {}) || !q.next())
        return 0;
    return q.value(0).toInt();
}

QList<qint64> Speditore::partiteInAttesa()
{
    QList<qint64> partite;
    if (!apriLocale()) return partite;
    QSqlQuery q(QSqlDatabase::database(m_locale, false));
    q.setForwardOnly(true);
    if (esegui(q, QStringLiteral("SELECT p.id FROM partite p WHERE %1 ORDER BY p.inizio, p.id").arg(InAttesa),
               {}))
        while (q.next())
            partite.append(q.value(0).toLongLong());
    return partite;
}

void Speditore::invia()
{
    QList<qint64> partite = partiteInAttesa();
    // A connection kept from an earlier round may have died with a server that restarted since:
    // then one more try on a new one.
    const int tentativi = m_serverAperto ? 2 : 1;
    QString motivo;
    for (int tentativo = 0; tentativo < tentativi; ++tentativo) {
        if (!m_serverAperto) {
            motivo = m_collegamento.apri(m_server);
            if (!motivo.isEmpty()) break;
            m_serverAperto = true;
        }
        while (!partite.isEmpty() && motivo.isEmpty()) {
            // The program is ending: the rest waits for the next run.
            if (QThread::currentThread()->isInterruptionRequested()) return;
            motivo = spedisci(partite.first());
            if (motivo.isEmpty()) partite.removeFirst();
        }
        if (motivo.isEmpty()) {
            Q_EMIT stato(contaInAttesa(), {});
            return;
        }
        // Opened again at the next try: the server may have gone and come back.
        QSqlDatabase::database(m_server, false).close();
        m_serverAperto = false;
    }
    Q_EMIT stato(int(partite.size()), motivo);
}

QString Speditore::spedisci(qint64 partita)
{
    QSqlDatabase locale = QSqlDatabase::database(m_locale, false);
    QSqlQuery p(locale);
    if (!esegui(
            p,
            QStringLiteral("SELECT p.uuid, g.nome, g.creato, p.inizio, p.fine, p.celle, p.secondi, p.errori,"
                           " p.esatte, p.esito FROM partite p JOIN giocatori g ON g.id = p.giocatore"
                           " WHERE p.id = ?"),
            {partita}) ||
        !p.next())
        return QStringLiteral("il registro di questo computer non si legge (%1)").arg(p.lastError().text());
    const QString uuid = p.value(0).toString();

    QSqlDatabase server = QSqlDatabase::database(m_server, false);
    QSqlQuery s(server);
    const auto rifiutata = [&](const QSqlQuery &q) {
        const QString parole = q.lastError().databaseText().section(u'\n', 0, 0);
        server.rollback();
        return q.lastError().type() == QSqlError::ConnectionError || !server.isOpen()
                   ? m_collegamento.perche(server)
                   : QStringLiteral("il server %1 non ha preso una partita (%2)")
                         .arg(m_collegamento.descrizione(), parole);
    };
    if (!server.transaction()) return m_collegamento.perche(server);
    if (!esegui(s,
                QStringLiteral("INSERT INTO giocatori (classe, nome, creato) VALUES (?, ?, ?)"
                               " ON CONFLICT (classe, nome) DO NOTHING"),
                {m_collegamento.classe(), p.value(1), p.value(2)}) ||
        !esegui(s, QStringLiteral("SELECT id FROM giocatori WHERE classe = ? AND nome = ?"),
                {m_collegamento.classe(), p.value(1)}) ||
        !s.next())
        return rifiutata(s);
    const qint64 giocatore = s.value(0).toLongLong();
    if (!esegui(s,
                QStringLiteral(
                    "INSERT INTO partite (uuid, giocatore, inizio, fine, celle, secondi, errori, esatte,"
                    " esito, postazione) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                    " ON CONFLICT (uuid) DO NOTHING RETURNING id"),
                {uuid, giocatore, p.value(3), p.value(4), p.value(5), p.value(6), p.value(7), p.value(8),
                 p.value(9), QSysInfo::machineHostName()}))
        return rifiutata(s);
    // No row back: the server has the game already, answers included (same transaction).
    if (s.next()) {
        const qint64 id = s.value(0).toLongLong();
        const QString domande =
            QStringLiteral("domande (partita, ordine, riga, colonna, millisecondi, sbagliate)");
        const QString sbagliate =
            QStringLiteral("sbagliate (partita, ordine, riga, colonna, valore, millisecondi)");
        QSqlQuery d(server);
        if (!copiaRighe(partita, id, domande, QStringLiteral("millisecondi, sbagliate"), d) ||
            !copiaRighe(partita, id, sbagliate, QStringLiteral("valore, millisecondi"), d))
            return rifiutata(d);
    }
    if (!server.commit()) return rifiutata(s);

    // A failure here only means the game is sent again, and the server keeps it once.
    QSqlQuery m(locale);
    esegui(m,
           QStringLiteral("INSERT INTO spedite (uuid, quando) VALUES (?, ?) ON CONFLICT (uuid) DO NOTHING"),
           {uuid, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)});
    return {};
}
