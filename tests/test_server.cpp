// SPDX-License-Identifier: GPL-3.0-or-later
// The class's record on a real PostgreSQL 15: games sent once whatever fails, hostile names, least privilege.
#include "printing/tipografia.h"
#include "record/archivio.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "schoolserver/collegamento.h"
#include "schoolserver/spedizione.h"
#include "serverprova.h"

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <csignal>

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

} // namespace

class TestServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_DIRS", m_cartella.filePath(QStringLiteral("sistema")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_cartella.filePath(QStringLiteral("utente")).toUtf8());
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
        QTest::newRow("socket") << "server=postgresql://aula@/numerella?host=/run/postgresql\nclasse=3B"
                                << ""
                                << ""
                                << "host='/run/postgresql'|dbname='numerella'|user='aula'|connect_timeout='5'"
                                << ""
                                << "3B";
        QTest::newRow("tls, the user's class over the system's")
            << "server=postgresql://lab@scuola.lan:5433/registro?sslmode=require\nclasse=3B"
            << "classe=4A"
            << ""
            << "host='scuola.lan'|port='5433'|sslmode='require'|statement_timeout=10000"
            << ""
            << "4A";
        QTest::newRow("command line wins") << "server=postgresql://a@x/db"
                                           << ""
                                           << "postgres://b@y/db2"
                                           << "host='y'|user='b'|dbname='db2'"
                                           << ""
                                           << "predefinita";
        QTest::newRow("password in the URI") << "server=\"postgresql://aula:segreta@x/db\""
                                             << ""
                                             << ""
                                             << ""
                                             << "la password non va scritta"
                                             << "predefinita";
        QTest::newRow("password parameter") << ""
                                            << ""
                                            << "postgresql://x/db?password=segreta"
                                            << ""
                                            << "la password non va scritta"
                                            << "predefinita";
        QTest::newRow("not a URI") << "server=host=x dbname=y"
                                   << ""
                                   << ""
                                   << ""
                                   << "postgresql://"
                                   << "predefinita";
        QTest::newRow("quotes in a value") << ""
                                           << ""
                                           << "postgresql://x/db?application_name=it%27s"
                                           << "it\\'s"
                                           << ""
                                           << "predefinita";
    }
    void configurazione()
    {
        QFETCH(QString, sistema);
        QFETCH(QString, utente);
        QFETCH(QString, riga);
        QFETCH(QString, opzioni);
        QFETCH(QString, errore);
        QFETCH(QString, classe);
        for (const auto &[cartella, testo] :
             {std::pair{QStringLiteral("sistema"), sistema}, std::pair{QStringLiteral("utente"), utente}}) {
            QDir().mkpath(m_cartella.filePath(cartella + QStringLiteral("/numerella")));
            QFile file(m_cartella.filePath(cartella + QStringLiteral("/numerella/numerella.conf")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(testo.toUtf8() + '\n');
        }
        const Collegamento c = Collegamento::leggi(riga);
        QVERIFY2(c.errore().contains(errore), qPrintable(c.errore()));
        QCOMPARE(c.errore().isEmpty(), errore.isEmpty());
        for (const QString &pezzo : opzioni.split(u'|', Qt::SkipEmptyParts))
            QVERIFY2(c.opzioni().contains(pezzo), qPrintable(c.opzioni()));
        QVERIFY(!c.opzioni().contains(QStringLiteral("segreta")));
        QCOMPARE(c.classe(), classe);
    }

    void init()
    {
        if (QString(QTest::currentTestFunction()) == u"configurazione") return;
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
                     QStringLiteral("5 partite aspettano su questo computer, perché il "
                                    "server")) &&
                     spedizione.motivo().contains(QStringLiteral("non risponde")),
                 qPrintable(spedizione.descrizione()));
        QCOMPARE(m_server->numero(QStringLiteral("SELECT COUNT(*) FROM partite")), -1);

        QVERIFY(m_server->avvia());
        QTRY_COMPARE_WITH_TIMEOUT(spedizione.inAttesa(), 0, 10000);
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
        // The PC's role never changes nor removes anything.
        QCOMPARE(m_server->collegamento().apri(QStringLiteral("prova-pc")), QString());
        {
            QSqlQuery q(QSqlDatabase::database(QStringLiteral("prova-pc")));
            QVERIFY(!q.exec(QStringLiteral("UPDATE partite SET errori = 0")));
            QVERIFY(!q.exec(QStringLiteral("DELETE FROM domande")));
            QVERIFY(!q.exec(QStringLiteral("DELETE FROM giocatori")));
            QVERIFY(!q.exec(
                QStringLiteral("INSERT INTO giocatori (classe, nome, creato) VALUES ('4A', 'x', 'y')")));
        }
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
        constexpr int Partite = 400, Domande = 60;
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
            QTRY_VERIFY_WITH_TIMEOUT(arrivate() >= 5, 20000);
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
                QVERIFY(programma.waitForStarted());
                QTRY_VERIFY_WITH_TIMEOUT(arrivate() > prima, 20000);
                QThread::msleep(caso.bounded(40));
                ::kill(pid_t(programma.processId()), SIGKILL);
                QVERIFY(programma.waitForFinished());
            }
            QVERIFY2(arrivate() < Partite, "all sent before the last kill: the test proves nothing");
            spedizione.avvia();
        }
        QTRY_COMPARE_WITH_TIMEOUT(spedizione.inAttesa(), 0, 60000);
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
        QTRY_VERIFY_WITH_TIMEOUT(uno.inAttesa() == 0 && due.inAttesa() == 0 && tre.inAttesa() == 0, 30000);
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
        QStringList nomi;
        for (int i = 0; i < finestra.cmbGiocatore->count(); ++i)
            nomi << finestra.cmbGiocatore->itemText(i);
        QCOMPARE(nomi,
                 QStringList({QStringLiteral("Giulia"), QStringLiteral("Marco"), QStringLiteral("Sara")}));
        QCOMPARE(finestra.cmbGiocatore->currentText(), QStringLiteral("Giulia"));
        QCOMPARE(finestra.tabPartite->model()->rowCount(), 40);
        QVERIFY2(finestra.lblStato->text().contains(QStringLiteral("tutte le partite sono arrivate")),
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
        QVERIFY(m_server->sql(QStringLiteral("UPDATE numerella.versione SET numero = 1")));
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
