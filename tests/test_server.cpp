// SPDX-License-Identifier: GPL-3.0-or-later
// The class's record on a real PostgreSQL 15: games sent once whatever fails, hostile names, least privilege.
#include "attesa.h"
#include "printing/tipografia.h"
#include "record/archivio.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/paginapartite.h"
#include "schoolserver/collegamento.h"
#include "schoolserver/lunghezze.h"
#include "schoolserver/speditore.h"
#include "schoolserver/spedizione.h"
#include "schoolserver/vedetta.h"
#include "serverprova.h"

#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlDriverPlugin>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <csignal>
#include <sys/stat.h>

namespace {

/// Names a child could be given by a mischievous classmate.
const QStringList NomiOstili = {
    QStringLiteral("Giulia"),
    QStringLiteral("O'Brien \"Bobby\"; DROP TABLE giocatori; --"),
    QStringLiteral("SELECT * FROM partite WHERE 1=1 OR ''=''"),
    QStringLiteral("Zoë 😀👩‍👧 \\N $1 %s"),
    QStringLiteral("שלום مرحبا"),
};

/// Plays \a quante games of \a domande answers each in the local file, the player chosen in turn
/// from \a nomi; every third answer is first typed wrong. Returns the games' ids.
QStringList gioca(Archivio &archivio, int quante, int domande, const QStringList &nomi,
                  bool ultimaAperta = false)
{
    QStringList uuid;
    QDateTime quando = QDateTime::currentDateTimeUtc().addDays(-1);
    for (int n = 0; n < quante; ++n) {
        const qint64 giocatore = archivio.giocatore(nomi.at(n % nomi.size()));
        uuid << QUuid::createUuid().toString(QUuid::WithoutBraces);
        quando = quando.addSecs(60);
        const qint64 partita =
            archivio.iniziaPartita(giocatore, uuid.last(), quando, std::bitset<100>().set());
        for (int d = 0; d < domande; ++d) {
            const int cella = (d * 37 + n) % 100;
            if (d % 3 == 0) archivio.sbagliata(partita, d + 1, cella, QStringLiteral("'%1;").arg(d), 700 + d);
            archivio.domanda(partita, d + 1, cella, 1000 + d, d % 3 == 0 ? 1 : 0);
        }
        if (ultimaAperta && n == quante - 1) break;
        archivio.chiudiPartita(partita, quando.addSecs(50), 50, domande / 3 + 1, domande,
                               n % 2 ? FinePartita::Finita : FinePartita::Fermata);
    }
    return uuid;
}

/// Who dies while the games are being sent.
enum class Ucciso { Server, Programma };

/// Every connection to a server made while it watches: the PostgreSQL driver, made through this seam,
/// counts those the board's thread opens. That thread must never be inside a call to the server.
class GuardiaServer : public QSqlDriverCreatorBase
{
public:
    static void installa()
    {
        static bool fatto = false;
        if (!fatto) QSqlDatabase::registerSqlDriver(QStringLiteral("QPSQL"), new GuardiaServer);
        fatto = true;
    }
    QSqlDriver *createObject() const override
    {
        if (s_attiva) {
            ++s_fatte;
            if (QThread::currentThread() == QCoreApplication::instance()->thread()) ++s_dalTabellone;
        }
        QPluginLoader driver(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                             QStringLiteral("/sqldrivers/libqsqlpsql.so"));
        auto *plugin = qobject_cast<QSqlDriverPlugin *>(driver.instance());
        return plugin ? plugin->create(QStringLiteral("QPSQL")) : nullptr;
    }
    static inline bool s_attiva = false;
    static inline int s_fatte = 0, s_dalTabellone = 0;
};

} // namespace

class TestServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_DIRS", m_cartella.filePath(QStringLiteral("sistema")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_cartella.filePath(QStringLiteral("utente")).toUtf8());
        qputenv("XDG_STATE_HOME", m_cartella.filePath(QStringLiteral("stato")).toUtf8());
    }

    /// The configuration an admin writes: the URI becomes libpq's options, the password never.
    void configurazione_data()
    {
        QTest::addColumn<QString>("sistema");
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QString>("riga");
        QTest::addColumn<QString>("opzioni"); // fragments expected, separated by |
        QTest::addColumn<QString>("errore");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("permessi");  // of the password file named by %P; 0: none
        QTest::addColumn<QString>("prese"); // where a probe looks for the server, separated by ,
        QTest::newRow("socket") << "server=postgresql://aula@/numerella?host=/run/postgresql\nclasse=3B"
                                << ""
                                << ""
                                << "host='/run/postgresql'|dbname='numerella'|user='aula'|connect_timeout='5'"
                                << ""
                                << "3B" << 0 << "/run/postgresql/.s.PGSQL.5432";
        QTest::newRow("tls, the user's class over the system's")
            << "server=postgresql://lab@scuola.lan:5433/registro?sslmode=require\nclasse=3B"
            << "classe=4A"
            << ""
            << "host='scuola.lan'|port='5433'|sslmode='require'|statement_timeout=10000"
            << ""
            << "4A" << 0 << "scuola.lan:5433";
        QTest::newRow("command line wins") << "server=postgresql://a@x/db"
                                           << ""
                                           << "postgres://b@y/db2"
                                           << "host='y'|user='b'|dbname='db2'"
                                           << ""
                                           << "predefinita" << 0 << "y:5432";
        QTest::newRow("password in the URI") << "server=\"postgresql://aula:segreta@x/db\""
                                             << ""
                                             << ""
                                             << ""
                                             << "la password non va scritta"
                                             << "predefinita" << 0 << "";
        QTest::newRow("password parameter") << ""
                                            << ""
                                            << "postgresql://x/db?password=segreta"
                                            << ""
                                            << "la password non va scritta"
                                            << "predefinita" << 0 << "";
        QTest::newRow("several hosts, the address given")
            << ""
            << ""
            << "postgresql://a@h1:5433,[::1]/db?hostaddr=192.0.2.7,::1"
            << "host='h1,::1'|port='5433,'"
            << ""
            << "predefinita" << 0 << "192.0.2.7:5433,[::1]:5432";
        QTest::newRow("not a URI") << "server=host=x dbname=y"
                                   << ""
                                   << ""
                                   << ""
                                   << "postgresql://"
                                   << "predefinita" << 0 << "";
        QTest::newRow("quotes in a value") << ""
                                           << ""
                                           << "postgresql://x/db?application_name=it%27s"
                                           << "it\\'s"
                                           << ""
                                           << "predefinita" << 0 << "x:5432";
        QTest::newRow("a semicolon cuts a value short")
            << "server=postgresql://a@x/db\nclasse=3B'; DROP TABLE giocatori"
            << ""
            << ""
            << ""
            << "il valore di classe contiene un punto e virgola"
            << "3B'" << 0 << "x:5432";
        // The file is checked before any connection: the socket named is never there.
        const QString senzaServer =
            QStringLiteral("server=postgresql://aula@/numerella?host=/nessuna/presa\nfile-password=%P");
        QTest::newRow("password file readable by all")
            << senzaServer << ""
            << ""
            << ""
            << "leggibile o scrivibile da tutti"
            << "predefinita" << 0644 << "/nessuna/presa/.s.PGSQL.5432";
        QTest::newRow("password file writable by all")
            << senzaServer << ""
            << ""
            << ""
            << "leggibile o scrivibile da tutti"
            << "predefinita" << 0662 << "/nessuna/presa/.s.PGSQL.5432";
        QTest::newRow("password file for root and a group")
            << senzaServer << ""
            << ""
            << ""
            << "non risponde"
            << "predefinita" << 0640 << "/nessuna/presa/.s.PGSQL.5432";
    }
    void configurazione()
    {
        QFETCH(QString, sistema);
        QFETCH(QString, utente);
        QFETCH(QString, riga);
        QFETCH(QString, opzioni);
        QFETCH(QString, errore);
        QFETCH(QString, classe);
        QFETCH(int, permessi);
        QFETCH(QString, prese);
        const QString password = m_cartella.filePath(QStringLiteral("password"));
        sistema.replace(QStringLiteral("%P"), password);
        if (permessi) {
            QFile file(password);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("segreta\n");
            QVERIFY(::chmod(QFile::encodeName(password).constData(), mode_t(permessi)) == 0);
        }
        for (const auto &[cartella, testo] :
             {std::pair{QStringLiteral("sistema"), sistema}, std::pair{QStringLiteral("utente"), utente}}) {
            QDir().mkpath(m_cartella.filePath(cartella + QStringLiteral("/numerella")));
            QFile file(m_cartella.filePath(cartella + QStringLiteral("/numerella/numerella.conf")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(testo.toUtf8() + '\n');
        }
        const Collegamento c = Collegamento::leggi(riga);
        // A password file is looked at when connecting.
        const QString trovato = permessi ? c.apri(QStringLiteral("prova-password")) : c.errore();
        QSqlDatabase::removeDatabase(QStringLiteral("prova-password"));
        QVERIFY2(trovato.contains(errore), qPrintable(trovato));
        QCOMPARE(trovato.isEmpty(), errore.isEmpty());
        for (const QString &pezzo : opzioni.split(u'|', Qt::SkipEmptyParts))
            QVERIFY2(c.opzioni().contains(pezzo), qPrintable(c.opzioni()));
        QVERIFY(!c.opzioni().contains(QStringLiteral("segreta")));
        QCOMPARE(c.classe(), classe);
        QCOMPARE(c.prese().join(u','), prese);
    }

    /// A server that could not be reached is probed; its return sends the games at once, a server that
    /// answers the probes but fails the rounds is never tried in a loop. Steps: F a round failed, R it
    /// succeeded, s a probe found nothing listening, a one answered. After each probe: ! send now,
    /// . probe again, - leave it to the backoff.
    void vedetta_data()
    {
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QString>("dopoSonde");
        QTest::newRow("back after an outage") << "FsssaR"
                                              << "...!";
        QTest::newRow("still starting up at the first try") << "FssaFaR"
                                                            << "..!!";
        QTest::newRow("answers the probes, fails the rounds") << "FaFaFa"
                                                              << "---";
        QTest::newRow("back but refusing: a few tries, then the backoff") << "FsaFaFaFaFs"
                                                                          << ".!!!-.";
        QTest::newRow("a flapping network") << "FsaFsaR"
                                            << ".!.!";
        QTest::newRow("a success forgets the tries left") << "FsaRFa"
                                                          << ".!-";
        QTest::newRow("no probing while all is well") << "RsaFs"
                                                      << "--.";
    }
    void vedetta()
    {
        QFETCH(QString, passi);
        QFETCH(QString, dopoSonde);
        Vedetta vedetta;
        QString visto;
        for (const QChar passo : passi) {
            if (passo == u'F' || passo == u'R') {
                vedetta.giro(passo == u'F' ? Vedetta::Giro::Fallito : Vedetta::Giro::Riuscito);
                continue;
            }
            const Vedetta::Passo p =
                vedetta.sondata(passo == u'a' ? Vedetta::Sonda::Risponde : Vedetta::Sonda::Tace);
            visto += p == Vedetta::Passo::Invia ? u'!' : vedetta.sondare() ? u'.' : u'-';
        }
        QCOMPARE(visto, dopoSonde);
    }

    void init()
    {
        if (QStringList{QStringLiteral("configurazione"), QStringLiteral("vedetta")}.contains(
                QString::fromLatin1(QTest::currentTestFunction())))
            return;
        if (!ServerProva::installato())
            QSKIP("PostgreSQL 15 is not installed (package postgresql-15): the server's tests are skipped");
        if (!m_server) {
            m_server = std::make_unique<ServerProva>();
            QVERIFY2(m_server->avvia(), qPrintable(m_server->errore()));
        }
        QVERIFY(m_server->sql(QStringLiteral("TRUNCATE numerella.giocatori CASCADE")));
    }

    /// The server is down when the program starts: the games wait, the reason is told; once it is up
    /// they all arrive, answers and hostile names unchanged, and a resend adds nothing.
    void primaGiuPoiSu()
    {
        const QString file = m_cartella.filePath(QStringLiteral("giusu.sqlite"));
        Archivio archivio(file);
        QVERIFY(archivio.apri());
        gioca(archivio, 6, 12, NomiOstili, true);
        QVERIFY(m_server->ferma());

        Spedizione spedizione(file, m_server->collegamento(), 100);
        spedizione.avvia();
        QTRY_COMPARE(spedizione.inAttesa(), 5);
        QVERIFY2(spedizione.descrizione().contains(
                     QStringLiteral("5 partite in attesa su questo computer, perché il "
                                    "server")) &&
                     spedizione.motivo().contains(QStringLiteral("non risponde")),
                 qPrintable(spedizione.descrizione()));
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), -1);

        QVERIFY(m_server->avvia());
        QTRY_COMPARE_WITH_TIMEOUT(spedizione.inAttesa(), 0, attesa::limite(10000));
        QVERIFY2(spedizione.descrizione().endsWith(QStringLiteral("tutte le partite sono arrivate.")),
                 qPrintable(spedizione.descrizione()));
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 5);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM domande")), 5 * 12);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM sbagliate WHERE valore LIKE '''%;'")),
                 5 * 4);

        // What the teacher's view reads, through the PC's own role: names exactly as typed.
        {
            QString motivo;
            const std::unique_ptr<Archivio> classe = Archivio::delServer(m_server->collegamento(), motivo);
            QVERIFY2(classe, qPrintable(motivo));
            QStringList nomi;
            for (const SchedaGiocatore &g : classe->giocatori())
                nomi << g.nome;
            nomi.sort();
            QStringList attesi = NomiOstili;
            attesi.sort();
            QCOMPARE(nomi, attesi);
            int partite = 0;
            QVERIFY(classe->perOgniPartita([&partite](const SchedaPartita &) { ++partite; }));
            QCOMPARE(partite, 5);
            // Each child's facts on the server, worked out from her answers there, are the summary
            // this PC keeps: the same states in the class view as in the players view.
            int confrontati = 0;
            for (const SchedaGiocatore &g : classe->giocatori()) {
                const qint64 locale = archivio.giocatore(g.nome);
                const QList<SchedaPartita> sue = archivio.partite(locale);
                if (std::all_of(sue.begin(), sue.end(),
                                [](const SchedaPartita &p) { return p.esito.has_value(); })) {
                    QCOMPARE(classe->fatti(g.id), archivio.fatti(locale));
                    ++confrontati;
                }
            }
            QVERIFY(confrontati > 0);
            // Another class's archive on the same server sees none of them.
            QVERIFY(Archivio::delServer(Collegamento(m_server->url(), QStringLiteral("4A")), motivo)
                        ->giocatori()
                        .isEmpty());
        }
        // The PC's role never changes nor removes anything, and makes no object of its own.
        QCOMPARE(m_server->collegamento().apri(QStringLiteral("prova-pc")), QString());
        {
            QSqlQuery q(QSqlDatabase::database(QStringLiteral("prova-pc")));
            const QString uuid = m_server->testo(QStringLiteral("SELECT MIN(uuid) FROM partite"));
            for (const QString &attacco : {
                     QStringLiteral("UPDATE partite SET errori = 0"),
                     QStringLiteral("DELETE FROM domande"),
                     QStringLiteral("DELETE FROM giocatori"),
                     QStringLiteral("INSERT INTO giocatori (classe, nome, creato) VALUES ('3B', 'x', 'y')"),
                     // An answer added to a classmate's finished game.
                     QStringLiteral("INSERT INTO domande SELECT id, 99, 1, 1, 1, 0 FROM partite LIMIT 1"),
                     QStringLiteral("CREATE TEMP TABLE t (x INTEGER)"),
                     QStringLiteral(
                         "CREATE FUNCTION pg_temp.f() RETURNS INTEGER LANGUAGE sql SECURITY DEFINER"
                         " AS 'SELECT 1'"),
                     QStringLiteral("CREATE TABLE public.t (x INTEGER)"),
                     QStringLiteral("SELECT registra_partita('4A', 'x', 'y', 'z', 'i', 'f', repeat('1', 100),"
                                    " 1, 1, 1, 'finita', 'p', '[]', '[]')"),
                 })
                QVERIFY2(!q.exec(attacco), qPrintable(attacco));
            // A game already there is never written again.
            QVERIFY(q.exec(QStringLiteral(
                               "SELECT registra_partita('3B', 'x', 'y', '%1', 'i', 'f', repeat('1', 100),"
                               " 1, 1, 1, 'finita', 'p', '[{\"ordine\": 99, \"riga\": 1, \"colonna\": 1,"
                               " \"sbagliate\": 0}]', '[]')")
                               .arg(uuid)) &&
                    q.next());
            QCOMPARE(q.value(0).toBool(), false);
            // The class's own row of classi, nobody else's.
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM classi")) && q.next());
            QCOMPARE(q.value(0).toInt(), 1);
        }
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM domande")), 5 * 12);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM giocatori")), NomiOstili.size());
        QSqlDatabase::removeDatabase(QStringLiteral("prova-pc"));

        // The reply to the last commit was lost: the marks are gone, the games are sent again.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("marchi"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("DELETE FROM spedite")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("marchi"));
        spedizione.sollecita();
        QTRY_COMPARE(spedizione.inAttesa(), 0);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 5);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM domande")), 5 * 12);
    }

    void controlli_data()
    {
        QTest::addColumn<int>("argomento"); // of registra_partita, from 0; -1: none changed
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QString>("campo"); // named in the refusal; empty: the game is taken
        const QByteArray grande(1 << 20, 'x');
        const auto domande = [](int quante, const QString &riga) {
            QStringList d;
            for (int n = 1; n <= quante; ++n)
                d << QStringLiteral(R"({"ordine": %1, "riga": %2, "colonna": 3, "millisecondi": 900,)"
                                    R"( "sbagliate": 0})")
                         .arg(n)
                         .arg(riga);
            return u'[' + d.join(u',') + u']';
        };
        const auto sbagliata = [](const QString &valore, const QString &colonna = QStringLiteral("3")) {
            return QStringLiteral(
                       R"([{"ordine": 1, "riga": 2, "colonna": %1, "valore": %2, "millisecondi": 5}])")
                .arg(colonna, valore);
        };
        QTest::newRow("a game the program plays") << -1 << QVariant() << "";
        QTest::newRow("a class of 1 MB") << 0 << QVariant(QString::fromLatin1(grande)) << "p_classe";
        QTest::newRow("an empty name") << 1 << QVariant(QString()) << "p_nome";
        QTest::newRow("an empty id") << 3 << QVariant(QStringLiteral("")) << "p_uuid";
        QTest::newRow("an unfinished game") << 5 << QVariant() << "p_fine";
        QTest::newRow("cells that are not 100 0s and 1s") << 6 << QVariant(QStringLiteral("c")) << "p_celle";
        QTest::newRow("negative errors") << 8 << QVariant(-1) << "p_errori";
        QTest::newRow("an unknown outcome") << 10 << QVariant(QStringLiteral("vinta")) << "p_esito";
        QTest::newRow("no outcome") << 10 << QVariant() << "p_esito";
        QTest::newRow("row -7") << 12 << QVariant(domande(3, QStringLiteral("-7"))) << "riga in p_domande";
        QTest::newRow("row 2.5") << 12 << QVariant(domande(3, QStringLiteral("2.5"))) << "riga in p_domande";
        QTest::newRow("a row as text")
            << 12 << QVariant(domande(3, QStringLiteral("\"2\""))) << "riga in p_domande";
        QTest::newRow("answers not a list") << 12 << QVariant(QStringLiteral("{}")) << "p_domande";
        QTest::newRow("101 answers") << 12 << QVariant(domande(101, QStringLiteral("2"))) << "p_domande";
        QTest::newRow("200,000 answers")
            << 12 << QVariant(domande(200'000, QStringLiteral("2"))) << "p_domande";
        QTest::newRow("column 9999") << 13
                                     << QVariant(sbagliata(QStringLiteral("\"7\""), QStringLiteral("9999")))
                                     << "colonna in p_sbagliate";
        QTest::newRow("a wrong answer of 1 MB")
            << 13 << QVariant(sbagliata(u'"' + QString::fromLatin1(grande) + u'"'))
            << "valore in p_sbagliate";
        QTest::newRow("a wrong answer as a number")
            << 13 << QVariant(sbagliata(QStringLiteral("7"))) << "valore in p_sbagliate";
    }
    /// registra_partita() takes only a game the program could have played, whatever a PC sends it: a
    /// refusal lasts (the PC does not retry it in a loop), names what is wrong and never repeats it.
    void controlli()
    {
        QFETCH(int, argomento);
        QFETCH(QVariant, valore);
        QFETCH(QString, campo);
        QVariantList argomenti = {
            QStringLiteral("3B"),
            QStringLiteral("Giulia"),
            QStringLiteral("2026-12-01T08:00:00.000Z"),
            QUuid::createUuid().toString(QUuid::WithoutBraces),
            QStringLiteral("2026-12-08T09:00:00.000Z"),
            QStringLiteral("2026-12-08T09:05:00.000Z"),
            QString(100, u'1'),
            300,
            1,
            2,
            QStringLiteral("fermata"),
            QStringLiteral("pc1"),
            QStringLiteral(R"([{"ordine": 1, "riga": 2, "colonna": 3, "millisecondi": 900,)"
                           R"( "sbagliate": 1}, {"ordine": 2, "riga": 10, "colonna": 10,)"
                           R"( "millisecondi": null, "sbagliate": 0}])"),
            QStringLiteral(R"([{"ordine": 1, "riga": 2, "colonna": 3, "valore": "5",)"
                           R"( "millisecondi": 400}])")};
        if (argomento >= 0) {
            // A null of the column's own type.
            if (valore.isNull()) valore = QVariant(argomenti.at(argomento).metaType());
            argomenti[argomento] = valore;
        }
        const QString connessione = QStringLiteral("prova-controlli");
        QCOMPARE(m_server->collegamento().apri(connessione), QString());
        QString errore, codice;
        bool presa = false;
        {
            QSqlQuery q(QSqlDatabase::database(connessione));
            QVERIFY(q.prepare(QStringLiteral("SELECT registra_partita(?::varchar, ?::varchar, ?::varchar, "
                                             "?::varchar, ?::varchar, ?::varchar,"
                                             " ?::varchar, ?::integer, ?::integer, ?::integer, ?::varchar, "
                                             "?::varchar, ?::jsonb, ?::jsonb)")));
            for (const QVariant &v : std::as_const(argomenti))
                q.addBindValue(v);
            presa = q.exec() && q.next() && q.value(0).toBool();
            errore = q.lastError().databaseText();
            codice = q.lastError().nativeErrorCode();
        }
        QSqlDatabase::removeDatabase(connessione);
        if (campo.isEmpty()) {
            QVERIFY2(presa, qPrintable(errore));
            QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM domande")), 2);
            QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM sbagliate")), 1);
            return;
        }
        QVERIFY(!presa);
        QVERIFY2(errore.contains(QStringLiteral("registra_partita: %1").arg(campo)),
                 qPrintable(errore.left(300)));
        // The message and its context: nothing of the value sent, least of all the megabyte.
        QVERIFY2(errore.section(u'\n', 0, 0).size() < 100 && errore.size() < 1000 &&
                     !errore.contains(QStringLiteral("xxxxxxxx")),
                 qPrintable(errore.left(300)));
        QCOMPARE(codice, QStringLiteral("23514")); // check_violation: refused for good, not a passing fault
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 0);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM giocatori")), 0);
    }

    void rifiuto_data()
    {
        QTest::addColumn<QString>(
            "prepara"); // run as the superuser; the second game, 777 seconds long, meets it
        QTest::addColumn<QString>("togli");
        QTest::addColumn<QString>("parole"); // of the server's reason, or empty when the failure passes
        QTest::newRow("a constraint") << "ALTER TABLE partite ADD CONSTRAINT prova CHECK (secondi <> 777)"
                                      << "ALTER TABLE partite DROP CONSTRAINT prova"
                                      << "\"prova\"";
        const QString funzione = QStringLiteral(
            "CREATE FUNCTION prova() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER AS $$ BEGIN %1; "
            "RETURN NEW; END $$; CREATE %2 TRIGGER prova AFTER INSERT ON partite %3 FOR EACH ROW WHEN "
            "(NEW.secondi = 777) EXECUTE FUNCTION prova()");
        const QString togli = QStringLiteral("DROP TRIGGER prova ON partite; DROP FUNCTION prova()");
        QTest::newRow("a permission")
            << funzione.arg(QStringLiteral("RAISE insufficient_privilege USING MESSAGE = 'vietato'"), "", "")
            << togli << "vietato";
        QTest::newRow("at the commit")
            << funzione.arg(QStringLiteral("RAISE check_violation USING MESSAGE = 'alla fine'"),
                            QStringLiteral("CONSTRAINT"), QStringLiteral("DEFERRABLE INITIALLY DEFERRED"))
            << togli << "alla fine";
        // The connection cut between the game's rows and the commit.
        QTest::newRow("the connection cut before the commit")
            << funzione.arg(QStringLiteral("PERFORM pg_terminate_backend(pg_backend_pid())"), "", "") << togli
            << "";
    }
    /// A game the server will not take stays on the PC, with the server's reason when it lasts, while
    /// the games after it go on; once the server takes it, it arrives exactly once.
    void rifiuto()
    {
        QFETCH(QString, prepara);
        QFETCH(QString, togli);
        QFETCH(QString, parole);
        const QString file =
            m_cartella.filePath(QStringLiteral("rifiuto-%1.sqlite").arg(QTest::currentDataTag()));
        {
            Archivio archivio(file);
            QVERIFY(archivio.apri());
            gioca(archivio, 3, 9, {QStringLiteral("Marco")});
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ritocco"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral(
                "UPDATE partite SET secondi = 777 WHERE id = (SELECT id FROM partite ORDER BY inizio"
                " LIMIT 1 OFFSET 1)")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("ritocco"));
        QVERIFY(m_server->sql(QStringLiteral("SET search_path TO numerella; ") + prepara));
        const auto arrivate = [this] {
            return m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite"));
        };

        Spedizione spedizione(file, m_server->collegamento(), 20);
        spedizione.avvia();
        if (parole.isEmpty()) {
            // The connection's failure passes: the game and the ones after it wait their turn.
            QTRY_VERIFY(!spedizione.motivo().isEmpty());
            QCOMPARE(spedizione.inAttesa(), 2);
            QCOMPARE(arrivate(), 1);
        } else {
            QTRY_COMPARE(arrivate(), 2);
            QTRY_COMPARE(spedizione.rifiutate().size(), 1);
            QCOMPARE(spedizione.inAttesa(), 1);
            QVERIFY2(spedizione.rifiutate().constFirst().contains(parole) &&
                         spedizione.descrizione().contains(
                             QStringLiteral("Il server non ha preso la partita di Marco")),
                     qPrintable(spedizione.descrizione()));
        }
        QVERIFY(m_server->sql(QStringLiteral("SET search_path TO numerella; ") + togli));
        QTRY_COMPARE_WITH_TIMEOUT(spedizione.inAttesa(), 0, attesa::limite(15000));
        QVERIFY(spedizione.rifiutate().isEmpty());
        QCOMPARE(arrivate(), 3);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM domande")), 3 * 9);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM sbagliate")), 3 * 3);
    }

    /// What a PC records, the server takes: the same columns and lengths in both schemas, and a wrong
    /// answer longer than the limit (in a file written before it) arrives cut to it.
    void schemi()
    {
        const QString file = m_cartella.filePath(QStringLiteral("schemi.sqlite"));
        {
            Archivio archivio(file);
            QVERIFY(archivio.apri());
            gioca(archivio, 2, 3, {QStringLiteral("Anna")});
        }
        QStringList locali;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schemi"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("UPDATE sbagliate SET valore = '12345678901234567890'")));
            for (const QString &tabella : {QStringLiteral("giocatori"), QStringLiteral("partite"),
                                           QStringLiteral("domande"), QStringLiteral("sbagliate")}) {
                QVERIFY(q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tabella)));
                while (q.next())
                    if (q.value(2).toString().startsWith(QStringLiteral("VARCHAR")))
                        locali << QStringLiteral("%1.%2 %3")
                                      .arg(tabella, q.value(1).toString(), q.value(2).toString());
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("schemi"));
        QStringList server;
        for (const QString &riga :
             m_server
                 ->testo(QStringLiteral(
                     "SELECT table_name || '.' || column_name || ' VARCHAR(' || character_maximum_length"
                     " || ')' FROM information_schema.columns WHERE table_schema = 'numerella'"
                     " AND data_type = 'character varying'"))
                 .split(u'\n'))
            server << riga;
        // Every text column of the PC's record is on the server, just as long (the server has some more).
        for (const QString &colonna : locali) {
            if (colonna.startsWith(QStringLiteral("partite.processo")))
                continue; // which run plays it: the PC's own
            QVERIFY2(server.contains(colonna), qPrintable(colonna + u'\n' + server.join(u'\n')));
        }
        QVERIFY(server.contains(QStringLiteral("sbagliate.valore VARCHAR(%1)").arg(LunghezzaSbagliata)));

        Spedizione spedizione(file, m_server->collegamento(), 100);
        spedizione.avvia();
        QTRY_COMPARE(spedizione.inAttesa(), 0);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 2);
        QCOMPARE(m_server->testo(QStringLiteral("SELECT DISTINCT valore FROM sbagliate")),
                 QStringLiteral("1234567890123456"));
    }

    /// A password is used exactly as the admin wrote it in the password file: spaces at either end are
    /// its own, only the line end is not.
    void passwordConSpazi()
    {
        const QString password = QStringLiteral("  segreta con spazi\t ");
        // The role logs in with its password on the socket, every other role as before.
        const QString hba = m_server->testo(QStringLiteral("SHOW hba_file"));
        QFile regole(hba);
        QVERIFY(regole.open(QIODevice::ReadOnly));
        const QByteArray riga = "local numerella spazi scram-sha-256\n";
        const QByteArray prima = regole.readAll();
        regole.close();
        if (!prima.startsWith(riga)) {
            QVERIFY(regole.open(QIODevice::WriteOnly | QIODevice::Truncate));
            regole.write(riga + prima);
            regole.close();
        }
        QVERIFY(m_server->sql(
            QStringLiteral("DROP ROLE IF EXISTS spazi; CREATE ROLE spazi LOGIN IN ROLE numerella_postazione;"
                           " SET password_encryption = 'scram-sha-256'; ALTER ROLE spazi PASSWORD '%1';"
                           " INSERT INTO numerella.classi VALUES ('3B', 'spazi') ON CONFLICT DO NOTHING;"
                           " SELECT pg_reload_conf()")
                .arg(password)));
        const auto prova = [this](const QByteArray &scritta) {
            const QString file = m_cartella.filePath(QStringLiteral("password-spazi"));
            QFile::remove(file);
            QFile f(file);
            if (!f.open(QIODevice::WriteOnly) || f.write(scritta) != scritta.size())
                return QStringLiteral("?");
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            const Collegamento c(m_server->url(QStringLiteral("spazi")), QStringLiteral("3B"), file);
            const QString motivo = c.apri(QStringLiteral("prova-spazi"));
            QSqlDatabase::removeDatabase(QStringLiteral("prova-spazi"));
            return motivo;
        };
        // Refused trimmed, once the server has read its new rules.
        QTRY_VERIFY(!prova(password.trimmed().toUtf8() + '\n').isEmpty());
        QCOMPARE(prova(password.toUtf8() + '\n'), QString());
        QCOMPARE(prova(password.toUtf8() + "\r\n"), QString());
        QCOMPARE(prova(password.toUtf8()), QString());
    }

    /// A server that hangs mid-round, its own connections included: the games ended meanwhile are said
    /// to wait, in the sender's line and in the record window, until they are there.
    void inAttesaServerBloccato()
    {
        const QString file = m_cartella.filePath(QStringLiteral("bloccato.sqlite"));
        Archivio archivio(file);
        QVERIFY(archivio.apri());
        gioca(archivio, 1, 3, {QStringLiteral("Sara")});
        Spedizione spedizione(file, m_server->collegamento(), 100);
        spedizione.avvia();
        QTRY_COMPARE(spedizione.inAttesa(), 0);
        QVERIFY2(spedizione.descrizione().endsWith(QStringLiteral("tutte le partite sono arrivate.")),
                 qPrintable(spedizione.descrizione()));

        // The postmaster and every process serving the PC's role stop, as on a hung machine.
        const QStringList processi =
            m_server->testo(QStringLiteral("SELECT pid FROM pg_stat_activity WHERE usename = 'aula'"))
                .split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!processi.isEmpty()); // the sender keeps its connection between rounds
        const auto segnala = [&processi](int segnale) {
            for (const QString &pid : processi)
                ::kill(pid_t(pid.toInt()), segnale);
        };
        QVERIFY(m_server->sospendi(true));
        segnala(SIGSTOP);
        struct Riprendi
        {
            ServerProva &s;
            std::function<void(int)> segnala;
            ~Riprendi()
            {
                segnala(SIGCONT);
                s.sospendi(false);
            }
        } riprendi{*m_server, segnala};

        // A game ends: the sender is told, and its round hangs on the stopped server.
        gioca(archivio, 1, 3, {QStringLiteral("Sara")});
        const auto inAttesa = [](const QString &testo) {
            return testo.contains(QStringLiteral("1 partita in attesa")) &&
                   !testo.contains(QStringLiteral("arrivate"));
        };
        QVERIFY2(inAttesa(spedizione.descrizione()), qPrintable(spedizione.descrizione()));
        QSignalSpy detto(&spedizione, &Spedizione::cambiata);
        spedizione.sollecita();
        QCOMPARE(detto.size(), 1); // an open record window shows it at once
        QCOMPARE(detto.constFirst().constFirst().toInt(), 1);
        QVERIFY2(inAttesa(spedizione.descrizione()), qPrintable(spedizione.descrizione()));
        Giocatore sara;
        Registro registro(sara, file);
        registro.apri();
        registro.usaServer(&spedizione);
        Tipografia tipografia;
        FrmRegistro finestra(registro, tipografia, FrmRegistro::Uso::DaSolo);
        finestra.show();
        QVERIFY2(inAttesa(finestra.lblStato->text()), qPrintable(finestra.lblStato->text()));

        // Going on, the server takes the game, and the window says so by itself.
        segnala(SIGCONT);
        QVERIFY(m_server->sospendi(false));
        QTRY_COMPARE_WITH_TIMEOUT(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 2,
                                  attesa::limite(3000));
        QTRY_VERIFY_WITH_TIMEOUT(
            finestra.lblStato->text().contains(QStringLiteral("tutte le partite sono arrivate")),
            attesa::limite(3000));
    }

    /// Games another program on this PC writes, which this sender is never told of, go to a server
    /// that answers by the sender's own guard: with nothing wrong, no other round is ever due, so
    /// their arrival is the guard's.
    void altroProgramma()
    {
        const QString file = m_cartella.filePath(QStringLiteral("altroprogramma.sqlite"));
        Archivio archivio(file);
        QVERIFY(archivio.apri());
        gioca(archivio, 1, 3, {QStringLiteral("Luca")});
        Spedizione spedizione(file, m_server->collegamento());
        spedizione.avvia();
        QTRY_COMPARE(spedizione.inAttesa(), 0);
        const auto arrivate = [this] {
            return m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite"));
        };
        QCOMPARE(arrivate(), 1);
        for (int volta = 2; volta <= 3; ++volta) {
            gioca(archivio, 1, 3, {QStringLiteral("Luca")});
            // Many times the guard's wait: a margin for a loaded machine.
            QTRY_COMPARE_WITH_TIMEOUT(arrivate(), volta, attesa::limite(Speditore::Guardia));
        }
        QTRY_COMPARE(spedizione.inAttesa(), 0);
    }

    /// The record window over a hung server (its postmaster stopped) never holds the board's events:
    /// it shows this PC's games and says why; once the server answers, and after it restarts, it
    /// shows the class again by itself.
    void finestraSenzaServer()
    {
        const QString altro = m_cartella.filePath(QStringLiteral("altro.sqlite"));
        const QString file = m_cartella.filePath(QStringLiteral("finestra.sqlite"));
        {
            Archivio a(altro), b(file);
            QVERIFY(a.apri() && b.apri());
            gioca(a, 3, 4, {QStringLiteral("Sara")});
            gioca(b, 2, 4, {QStringLiteral("Giulia")});
        }
        {
            Spedizione prima(altro, m_server->collegamento(), 100);
            prima.avvia();
            QTRY_COMPARE(prima.inAttesa(), 0);
        }
        QVERIFY(m_server->sospendi(true));
        struct Riprendi
        {
            ServerProva &s;
            ~Riprendi() { s.sospendi(false); }
        } riprendi{*m_server};

        Giocatore giulia;
        giulia.scegli(QStringLiteral("Giulia"));
        Registro registro(giulia, file);
        registro.apri();
        Spedizione spedizione(file, m_server->collegamento(), 100);
        registro.usaServer(&spedizione);
        spedizione.avvia();
        // Opening the window reads this PC's record and asks for the class; the server is only ever called
        // from another thread, also while the window waits for it and when it gives up.
        GuardiaServer::installa();
        GuardiaServer::s_attiva = true;
        GuardiaServer::s_fatte = GuardiaServer::s_dalTabellone = 0;
        Tipografia tipografia;
        auto finestra = std::make_unique<FrmRegistro>(registro, tipografia, FrmRegistro::Uso::DaSolo);
        finestra->show();
        QVERIFY2(finestra->lblStato->text().contains(QStringLiteral("sto leggendo dal server…")),
                 qPrintable(finestra->lblStato->text()));
        QCOMPARE(finestra->paginaPartite->tabPartite->model()->rowCount(), 2); // this PC's games meanwhile
        QVERIFY(attesa::finche(
            [&] {
                return finestra->lblStato->text().contains(
                    QStringLiteral("soltanto le partite di questo computer, perché il server"));
            },
            Collegamento::SecondiConnessione * 3000));
        GuardiaServer::s_attiva = false;
        QVERIFY(GuardiaServer::s_fatte > 0); // the server was tried, through the seam
        QCOMPARE(GuardiaServer::s_dalTabellone, 0);

        // The server answers again: the class comes back without a click.
        QVERIFY(m_server->sospendi(false));
        QVERIFY(attesa::finche(
            [&] { return finestra->lblStato->text().contains(QStringLiteral("di tutta la classe")); },
            30000));
        QTRY_COMPARE(finestra->cmbGiocatore->count(), 2);
        const auto mostrate = [&registro] {
            QString motivo;
            int n = 0;
            Archivio *vista = registro.archivioDaMostrare(motivo);
            if (vista) vista->perOgniPartita([&n](const SchedaPartita &) { ++n; });
            // Every answer came with its game.
            int domande = 0;
            if (vista) vista->perOgniDomanda([&domande](auto &&...) { ++domande; });
            return domande == n * 4 ? n : -domande;
        };
        QTRY_COMPARE(mostrate(), 5);
        // A restart kills the reader's connection: it is opened again at the next reading, which
        // shows the game another PC sent meanwhile.
        QVERIFY(m_server->ferma());
        QVERIFY(m_server->avvia());
        {
            Archivio a(altro);
            QVERIFY(a.apri());
            gioca(a, 1, 4, {QStringLiteral("Sara")});
            Spedizione dopo(altro, m_server->collegamento(), 100);
            dopo.avvia();
            QTRY_COMPARE(dopo.inAttesa(), 0);
        }
        registro.rileggiClasse();
        QVERIFY(attesa::finche([&] { return mostrate() == 6; }, 20000));
        QVERIFY2(finestra->lblStato->text().contains(QStringLiteral("di tutta la classe")),
                 qPrintable(finestra->lblStato->text()));
    }

    void ucciso_data()
    {
        QTest::addColumn<Ucciso>("chi");
        QTest::newRow("the server, mid-send") << Ucciso::Server;
        QTest::newRow("the program, four times while it sends") << Ucciso::Programma;
    }
    /// Someone dies in the middle of the sending: once the server is back and a sender ends the job,
    /// every game is there once, with all its answers, in the order played.
    void ucciso()
    {
        QFETCH(Ucciso, chi);
        const QString file = m_cartella.filePath(QStringLiteral("ucciso%1.sqlite").arg(int(chi)));
        constexpr int Partite = 1000, Domande = 60;
        {
            Archivio archivio(file);
            QVERIFY(archivio.apri());
            gioca(archivio, Partite, Domande, {QStringLiteral("Marco"), QStringLiteral("Anna")});
        }
        const auto arrivate = [this] {
            return m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite"));
        };
        Spedizione spedizione(file, m_server->collegamento(), 200);
        if (chi == Ucciso::Server) {
            spedizione.avvia();
            QVERIFY(attesa::finche([&] { return arrivate() >= 5; }, 20000));
            QVERIFY(m_server->uccidi());
            QTRY_VERIFY(!spedizione.motivo().isEmpty());
            QVERIFY2(spedizione.inAttesa() > 0, "all sent before the kill: the test proves nothing");
            QVERIFY(m_server->avvia());
        } else {
            QRandomGenerator caso(7);
            for (int volta = 0; volta < 4; ++volta) {
                QProcess programma;
                QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
                ambiente.insert(QStringLiteral("NUMERELLA_INVIA"), file);
                ambiente.insert(QStringLiteral("NUMERELLA_INVIA_URL"), m_server->url());
                programma.setProcessEnvironment(ambiente);
                const int prima = arrivate();
                programma.start(QCoreApplication::applicationFilePath(), {});
                QVERIFY(programma.waitForStarted(attesa::limite(3000)));
                // Polled closely: a quick machine sends hundreds of games in QTRY's 50 ms.
                const QDeadlineTimer fermo(attesa::limite(20000));
                while (arrivate() <= prima && !fermo.hasExpired())
                    QThread::msleep(1);
                QVERIFY(arrivate() > prima);
                QThread::msleep(caso.bounded(40));
                ::kill(pid_t(programma.processId()), SIGKILL);
                QVERIFY(programma.waitForFinished(attesa::limite(3000)));
            }
            QVERIFY2(arrivate() < Partite, "all sent before the last kill: the test proves nothing");
            spedizione.avvia();
        }
        // However long it takes, while games go on arriving.
        QVERIFY(attesa::avanzando([&] { return spedizione.inAttesa() == 0; }, arrivate, 20000));
        QCOMPARE(arrivate(), Partite);
        QCOMPARE(m_server->numero(
                     QStringLiteral("SELECT COUNT(*) FROM (SELECT partita FROM domande GROUP BY partita"
                                    " HAVING COUNT(*) = 60) d")),
                 Partite);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM sbagliate")), Partite * Domande / 3);
        QCOMPARE(
            m_server->numero(QStringLiteral(
                "SELECT COUNT(*) FROM partite a JOIN partite b ON a.id < b.id WHERE a.inizio > b.inizio")),
            0);
    }

    /// Two programs on one file and a third on another send at the same time: each game once.
    void dueSpeditori()
    {
        const QString primo = m_cartella.filePath(QStringLiteral("primo.sqlite"));
        const QString secondo = m_cartella.filePath(QStringLiteral("secondo.sqlite"));
        {
            Archivio a(primo), b(secondo);
            QVERIFY(a.apri() && b.apri());
            gioca(a, 40, 20, {QStringLiteral("Giulia"), QStringLiteral("Marco")});
            gioca(b, 40, 20, {QStringLiteral("Giulia"), QStringLiteral("Sara")});
        }
        Spedizione uno(primo, m_server->collegamento(), 100), due(primo, m_server->collegamento(), 100),
            tre(secondo, m_server->collegamento(), 100);
        for (Spedizione *s : {&uno, &due, &tre})
            s->avvia();
        QTRY_VERIFY_WITH_TIMEOUT(uno.inAttesa() == 0 && due.inAttesa() == 0 && tre.inAttesa() == 0,
                                 attesa::limite(30000));
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 80);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM domande")), 80 * 20);
        // Giulia of the first PC and Giulia of the second are one child of the class.
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM giocatori")), 3);

        // The second PC's record window: the whole class, Giulia's games from both PCs, nothing waiting.
        Giocatore giulia;
        giulia.scegli(QStringLiteral("Giulia"));
        Registro registro(giulia, secondo);
        registro.apri();
        registro.usaServer(&tre);
        Tipografia tipografia;
        FrmRegistro finestra(registro, tipografia, FrmRegistro::Uso::DaSolo);
        // Read in the background, shown when there.
        QTRY_COMPARE(finestra.cmbGiocatore->count(), 3);
        QStringList nomi;
        for (int i = 0; i < finestra.cmbGiocatore->count(); ++i)
            nomi << finestra.cmbGiocatore->itemText(i);
        QCOMPARE(nomi,
                 QStringList({QStringLiteral("Giulia"), QStringLiteral("Marco"), QStringLiteral("Sara")}));
        QCOMPARE(finestra.cmbGiocatore->currentText(), QStringLiteral("Giulia"));
        QTRY_COMPARE(finestra.paginaPartite->tabPartite->model()->rowCount(), 40);
        QVERIFY2(finestra.lblStato->text().contains(QStringLiteral("tutte le partite sono arrivate")) &&
                     finestra.lblStato->text().contains(QStringLiteral("di tutta la classe 3B")),
                 qPrintable(finestra.lblStato->text()));
    }

    /// A server with another version of the schema is refused and the games stay local.
    void versioneSbagliata()
    {
        const QString file = m_cartella.filePath(QStringLiteral("versione.sqlite"));
        Archivio archivio(file);
        QVERIFY(archivio.apri());
        gioca(archivio, 2, 5, {QStringLiteral("Luca")});
        QVERIFY(m_server->sql(QStringLiteral("UPDATE numerella.versione SET numero = 7")));
        Spedizione spedizione(file, m_server->collegamento(), 100);
        spedizione.avvia();
        QTRY_VERIFY(!spedizione.motivo().isEmpty());
        QVERIFY2(spedizione.motivo().contains(QStringLiteral("versione 7")), qPrintable(spedizione.motivo()));
        QCOMPARE(spedizione.inAttesa(), 2);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 0);
        QVERIFY(m_server->sql(
            QStringLiteral("UPDATE numerella.versione SET numero = %1").arg(Collegamento::VersioneServer)));
        QTRY_COMPARE(spedizione.inAttesa(), 0);
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), 2);
    }

    void cleanupTestCase() { m_server.reset(); }

private:
    QTemporaryDir m_cartella;
    std::unique_ptr<ServerProva> m_server;
};

// With NUMERELLA_INVIA set, the program's sending side alone, for the test that kills it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (const QString file = qEnvironmentVariable("NUMERELLA_INVIA"); !file.isEmpty()) {
        Spedizione spedizione(
            file, Collegamento(qEnvironmentVariable("NUMERELLA_INVIA_URL"), QStringLiteral("3B")), 100);
        spedizione.avvia();
        return QApplication::exec();
    }
    TestServer prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}
#include "test_server.moc"
