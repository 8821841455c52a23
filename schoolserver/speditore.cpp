// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender: reads the ended games from the local file, writes each to the server in one
// call that the server commits as a whole.
#include "schoolserver/speditore.h"

#include "schoolserver/lunghezze.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
/// Of those, the ones to try now: a game the server refused waits for its next turn.
const QString DaProvare =
    QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM rifiutate r WHERE r.uuid = p.uuid AND r.prossima > ?)");

QString adesso()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

/// SQLSTATE classes of failures that pass: the connection, a conflict, the server's resources or its
/// operator (a restart, a statement cancelled or timed out). Any other refusal lasts.
bool passeggero(const QSqlError &errore)
{
    static const QStringList classi = {QStringLiteral("08"), QStringLiteral("40"), QStringLiteral("53"),
                                       QStringLiteral("57"), QStringLiteral("58"), QStringLiteral("XX")};
    return errore.type() == QSqlError::ConnectionError || errore.nativeErrorCode().size() != 5 ||
           classi.contains(errore.nativeErrorCode().left(2));
}

/// A probe waits this long for each address.
constexpr int MillisecondiSonda = 2000;

/// Whether something accepts a connection at \a indirizzo within MillisecondiSonda.
bool accetta(const sockaddr *indirizzo, socklen_t lunghezza)
{
    const int presa = ::socket(indirizzo->sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (presa < 0) return false;
    bool accettata = ::connect(presa, indirizzo, lunghezza) == 0;
    // A Unix socket with its queue full: someone listens there.
    if (!accettata && errno == EAGAIN) accettata = indirizzo->sa_family == AF_UNIX;
    if (!accettata && errno == EINPROGRESS) {
        pollfd attesa{presa, POLLOUT, 0};
        int errore = 0;
        socklen_t l = sizeof errore;
        accettata = ::poll(&attesa, 1, MillisecondiSonda) == 1 &&
                    ::getsockopt(presa, SOL_SOCKET, SO_ERROR, &errore, &l) == 0 && errore == 0;
    }
    ::close(presa);
    return accettata;
}

/// Whether the server listens at \a dove ("host:port" or a socket's path): a bare connection, closed
/// before a word is said, which costs the server no login (with log_connections on, it logs one line).
bool ascolta(const QString &dove)
{
    if (dove.startsWith(u'/')) {
        sockaddr_un indirizzo{};
        indirizzo.sun_family = AF_UNIX;
        const QByteArray percorso = QFile::encodeName(dove);
        if (percorso.size() >= qsizetype(sizeof indirizzo.sun_path)) return false;
        std::copy(percorso.cbegin(), percorso.cend(), indirizzo.sun_path);
        return accetta(reinterpret_cast<const sockaddr *>(&indirizzo), sizeof indirizzo);
    }
    const qsizetype duePunti = dove.lastIndexOf(u':');
    QString ospite = dove.left(duePunti);
    if (ospite.startsWith(u'[')) ospite = ospite.mid(1, ospite.size() - 2);
    addrinfo richiesta{};
    richiesta.ai_family = AF_UNSPEC;
    richiesta.ai_socktype = SOCK_STREAM;
    richiesta.ai_flags = AI_NUMERICSERV;
    addrinfo *indirizzi = nullptr;
    if (::getaddrinfo(ospite.toUtf8().constData(), dove.mid(duePunti + 1).toUtf8().constData(), &richiesta,
                      &indirizzi) != 0)
        return false;
    bool risponde = false;
    for (const addrinfo *a = indirizzi; a && !risponde; a = a->ai_next)
        risponde = accetta(a->ai_addr, a->ai_addrlen);
    ::freeaddrinfo(indirizzi);
    return risponde;
}

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
    m_riprova->setSingleShot(true);
    connect(m_riprova, &QTimer::timeout, this, &Speditore::invia);
    m_guardia = new QTimer(this);
    m_guardia->setSingleShot(true);
    connect(m_guardia, &QTimer::timeout, this, &Speditore::guarda);
    m_sonda = new QTimer(this);
    m_sonda->setSingleShot(true);
    connect(m_sonda, &QTimer::timeout, this, &Speditore::sonda);
    invia();
}

void Speditore::chiudi()
{
    delete m_riprova;
    m_riprova = nullptr;
    delete m_guardia;
    m_guardia = nullptr;
    delete m_sonda;
    m_sonda = nullptr;
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
                   {}) &&
            // The games the server refused for good, why, and when they are tried again.
            esegui(q,
                   QStringLiteral("CREATE TABLE IF NOT EXISTS rifiutate (uuid VARCHAR(36) PRIMARY KEY,"
                                  " motivo VARCHAR(1000) NOT NULL, volte INTEGER NOT NULL,"
                                  " prossima VARCHAR(32) NOT NULL)"),
                   {}))
            return true;
    }
    QSqlDatabase::removeDatabase(m_locale);
    return false;
}

QJsonArray Speditore::righe(qint64 partita, const QString &tabella, const QStringList &colonne)
{
    QJsonArray righe;
    QSqlQuery l(QSqlDatabase::database(m_locale, false));
    l.setForwardOnly(true);
    if (!esegui(l,
                QStringLiteral("SELECT %1 FROM %2 WHERE partita = ? ORDER BY ordine")
                    .arg(colonne.join(QStringLiteral(", ")), tabella),
                {partita}))
        return righe;
    while (l.next()) {
        QJsonObject riga;
        for (int k = 0; k < colonne.size(); ++k) {
            const QVariant v = l.value(k);
            // Files written before the limit may hold longer answers: the server keeps the same first ones.
            riga.insert(colonne.at(k), v.isNull() ? QJsonValue()
                                       : colonne.at(k) == u"valore"
                                           ? QJsonValue(v.toString().left(LunghezzaSbagliata))
                                           : QJsonValue(v.toLongLong()));
        }
        righe.append(riga);
    }
    return righe;
}

int Speditore::contaInAttesa()
{
    // No record yet: nothing waits.
    if (!apriLocale()) return 0;
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
    if (esegui(q,
               QStringLiteral("SELECT p.id FROM partite p WHERE %1%2 ORDER BY p.inizio, p.id")
                   .arg(InAttesa, DaProvare),
               {adesso()}))
        while (q.next())
            partite.append(q.value(0).toLongLong());
    return partite;
}

void Speditore::invia()
{
    QList<qint64> partite = partiteInAttesa();
    bool interrotta = false;
    const QString motivo = m_collegamento.conConnessione(m_server, m_serverAperto, [&] {
        while (!partite.isEmpty()) {
            // The program is ending: the rest waits for the next run.
            if (QThread::currentThread()->isInterruptionRequested()) {
                interrotta = true;
                return QString();
            }
            const Invio invio = spedisci(partite.first());
            if (invio.esito == Esito::NonArrivata) return invio.motivo;
            // A game refused for good waits aside; the ones after it go on.
            partite.removeFirst();
        }
        return QString();
    });
    if (interrotta) return;
    m_fallimenti = motivo.isEmpty() ? 0 : m_fallimenti + 1;
    programma();
    m_vedetta.giro(motivo.isEmpty() ? Vedetta::Giro::Riuscito : Vedetta::Giro::Fallito);
    programmaSonda();
    m_detti = contaInAttesa();
    Q_EMIT stato(m_detti, motivo, rifiutate());
}

void Speditore::programma()
{
    if (!m_riprova || !m_guardia) return;
    if (m_fallimenti == 0) {
        // All sent that could be: the guard looks for more.
        m_riprova->stop();
        m_guardia->start(std::min(Guardia, m_millisecondiRiprova * 20));
        return;
    }
    m_guardia->stop();
    // After a failure sooner, then less and less often; at random within the wait, so that a lab's PCs
    // do not all arrive together when the server comes back. Half as long again each time: after an
    // outage of a minute the next try is some 20 s away, the minute is reached after a few minutes.
    const int massimo = std::min(RiprovaMassima, m_millisecondiRiprova * 20);
    int attesa =
        int(std::min(double(massimo), m_millisecondiRiprova * std::pow(1.5, std::min(m_fallimenti - 1, 30))));
    attesa -= int(QRandomGenerator::global()->bounded(attesa / 2 + 1));
    m_riprova->start(attesa);
}

void Speditore::guarda()
{
    // One small query on the local file; the server is not touched unless a game waits.
    if (!partiteInAttesa().isEmpty()) return invia();
    // Another program on the same file may have sent what this one counted: the count told stays true.
    if (const int inAttesa = contaInAttesa(); inAttesa != m_detti) {
        m_detti = inAttesa;
        Q_EMIT stato(inAttesa, {}, rifiutate());
    }
    programma();
}

void Speditore::sonda()
{
    const QStringList prese = m_collegamento.prese();
    const bool risponde = std::any_of(prese.cbegin(), prese.cend(), ascolta);
    if (m_vedetta.sondata(risponde ? Vedetta::Sonda::Risponde : Vedetta::Sonda::Tace) ==
        Vedetta::Passo::Invia)
        return invia();
    programmaSonda();
}

void Speditore::programmaSonda()
{
    if (!m_sonda) return;
    if (!m_vedetta.sondare() || m_collegamento.prese().isEmpty()) return m_sonda->stop();
    m_sonda->start(Vedetta::SondaMinima + int(QRandomGenerator::global()->bounded(Vedetta::SondaMassima -
                                                                                  Vedetta::SondaMinima + 1)));
}

QStringList Speditore::rifiutate()
{
    QStringList righe;
    QSqlQuery q(QSqlDatabase::database(m_locale, false));
    if (!apriLocale() ||
        !esegui(q,
                QStringLiteral(
                    "SELECT g.nome, p.inizio, r.motivo FROM rifiutate r JOIN partite p ON p.uuid = r.uuid"
                    " JOIN giocatori g ON g.id = p.giocatore WHERE %1 ORDER BY p.inizio")
                    .arg(InAttesa),
                {}))
        return righe;
    while (q.next()) {
        const QDateTime inizio =
            QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
        //: A game the school's server refused, listed after "Il server non ha preso". %1: the child, %2: when
        //: the game began (Italian: "del 7/12/2026 10:15"), %3: the server's own words.
        righe << tr("la partita di %1 del %2: %3")
                     .arg(q.value(0).toString(),
                          //: When a refused game began, as a QLocale date format; reorder as your language
                          //: writes dates.
                          QLocale().toString(inizio, tr("d/M/yyyy HH:mm")), q.value(2).toString());
    }
    return righe;
}

Speditore::Invio Speditore::spedisci(qint64 partita)
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
        return {Esito::NonArrivata,
                //: Why games wait to be sent, after "perché"; lower case. %1: the database's words.
                tr("il registro di questo computer non si legge (%1)").arg(p.lastError().text())};
    const QString uuid = p.value(0).toString();
    const auto json = [](const QJsonArray &a) {
        return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
    };
    const QString domande =
        json(righe(partita, QStringLiteral("domande"),
                   {QStringLiteral("ordine"), QStringLiteral("riga"), QStringLiteral("colonna"),
                    QStringLiteral("millisecondi"), QStringLiteral("sbagliate")}));
    const QString sbagliate =
        json(righe(partita, QStringLiteral("sbagliate"),
                   {QStringLiteral("ordine"), QStringLiteral("riga"), QStringLiteral("colonna"),
                    QStringLiteral("valore"), QStringLiteral("millisecondi")}));

    // The whole game in one statement, committed by the server as it ends: its answer is the commit's.
    QSqlDatabase server = QSqlDatabase::database(m_server, false);
    QSqlQuery s(server);
    const bool scritta =
        esegui(s,
               QStringLiteral(
                   "SELECT registra_partita(?::varchar, ?::varchar, ?::varchar, ?::varchar, ?::varchar,"
                   " ?::varchar, ?::varchar, ?::integer, ?::integer, ?::integer, ?::varchar, ?::varchar,"
                   " ?::jsonb, ?::jsonb)"),
               {m_collegamento.classe(), p.value(1), p.value(2), uuid, p.value(3), p.value(4), p.value(5),
                p.value(6), p.value(7), p.value(8), p.value(9), QSysInfo::machineHostName(), domande,
                sbagliate}) &&
        s.next();
    if (!scritta) {
        const QSqlError errore = s.lastError();
        if (passeggero(errore) || !server.isOpen())
            return {
                Esito::NonArrivata,
                errore.type() == QSqlError::ConnectionError || errore.databaseText().isEmpty()
                    ? m_collegamento.perche(server)
                    //: Why games wait to be sent, after "perché"; lower case. %1: the server, %2: its words.
                    : tr("il server %1 non ha preso una partita (%2)")
                          .arg(m_collegamento.descrizione(), errore.databaseText().section(u'\n', 0, 0))};
        // Refused for good: kept aside with the server's own words, tried again less and less often.
        const QString parole = errore.databaseText().section(u'\n', 0, 0);
        QSqlQuery m(locale);
        esegui(m,
               QStringLiteral(
                   "INSERT INTO rifiutate (uuid, motivo, volte, prossima) VALUES (?, ?, 1, ?)"
                   " ON CONFLICT (uuid) DO UPDATE SET motivo = excluded.motivo, volte = rifiutate.volte + 1,"
                   " prossima = excluded.prossima"),
               {uuid, parole,
                QDateTime::currentDateTimeUtc()
                    .addMSecs(std::min<qint64>(RifiutataMassima, qint64(m_millisecondiRiprova) * 100
                                                                     << std::min(rifiutiDi(uuid), 10)))
                    .toString(Qt::ISODateWithMs)});
        return {Esito::Rifiutata, parole};
    }

    // A failure here only means the game is sent again, and the server keeps the first one.
    QSqlQuery m(locale);
    esegui(m,
           QStringLiteral("INSERT INTO spedite (uuid, quando) VALUES (?, ?) ON CONFLICT (uuid) DO NOTHING"),
           {uuid, adesso()});
    esegui(m, QStringLiteral("DELETE FROM rifiutate WHERE uuid = ?"), {uuid});
    return {Esito::Arrivata, {}};
}

int Speditore::rifiutiDi(const QString &uuid)
{
    QSqlQuery q(QSqlDatabase::database(m_locale, false));
    return esegui(q, QStringLiteral("SELECT volte FROM rifiutate WHERE uuid = ?"), {uuid}) && q.next()
               ? q.value(0).toInt()
               : 0;
}
