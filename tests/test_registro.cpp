// SPDX-License-Identifier: GPL-3.0-or-later
// The record: games played on the real board kept as they happen, old files brought up to date,
// bad files and folders that leave the game going, and the export for spreadsheets.
#include "aiuto.h"
#include "board/registrazione.h"
#include "printing/resoconto.h"
#include "record/andamento.h"
#include "record/apprendimento.h"
#include "record/camminofatti.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/orologio.h"
#include "record/quadro.h"
#include "record/registro.h"
#include "record/ripasso.h"
#include "recordwindow/frmchigioca.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/graficopartite.h"
#include "recordwindow/mappafatti.h"
#include "recordwindow/paginaandamento.h"
#include "recordwindow/paginaclasse.h"
#include "recordwindow/paginafatti.h"
#include "recordwindow/paginagiocatori.h"
#include "recordwindow/paginapartite.h"

#include <QAbstractFileIconProvider>
#include <QAccessible>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTranslator>
#include <QXYSeries>
#include <csignal>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

/// Runs \a sql on the file directly, as another program would.
void scriviDiretto(const QString &file, const QStringList &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("diretto"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        for (const QString &s : sql) {
            QSqlQuery q(db);
            QVERIFY2(q.exec(s), qPrintable(s + u' ' + q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("diretto"));
}

/// Every row of the record but child \a giocatore's facts and pace and the games \a partite (with their
/// answers), table by table, as another program reads them: what removing those games leaves as it was.
QStringList altreRighe(const QString &file, qint64 giocatore, const QString &partite)
{
    QStringList righe;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lettore"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) return {QStringLiteral("not opened")};
        QSqlQuery tabelle(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"
                           " ORDER BY name"),
            db);
        while (tabelle.next()) {
            const QString t = tabelle.value(0).toString();
            const QString fuori = t == QStringLiteral("partite") ? QStringLiteral("id IN (%1)").arg(partite)
                                  : t == QStringLiteral("domande") || t == QStringLiteral("sbagliate")
                                      ? QStringLiteral("partita IN (%1)").arg(partite)
                                  : t == QStringLiteral("fatti") || t == QStringLiteral("ritmo")
                                      ? QStringLiteral("giocatore = %1").arg(giocatore)
                                      : QStringLiteral("0");
            QSqlQuery q(QStringLiteral("SELECT * FROM %1 WHERE NOT (%2) ORDER BY rowid").arg(t, fuori), db);
            while (q.next()) {
                QStringList campi{t};
                for (int c = 0; c < q.record().count(); ++c)
                    campi << q.value(c).toString();
                righe << campi.join(u'|');
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lettore"));
    return righe;
}

/// How long the board's own connection to \a file waits for a lock (ms), as SQLite says.
int attesaDelRegistro(const QString &file)
{
    for (const QString &nome : QSqlDatabase::connectionNames()) {
        const QSqlDatabase db = QSqlDatabase::database(nome, false);
        if (db.databaseName() != file || !db.isOpen() || nome == QStringLiteral("altro")) continue;
        QSqlQuery q(QStringLiteral("PRAGMA busy_timeout"), db);
        return q.next() ? q.value(0).toInt() : -1;
    }
    return -1;
}

/// The ids of the games \a dove picks, as an SQL list.
QString idPartite(const QString &file, const QString &dove)
{
    QStringList id;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lettore"));
        db.setDatabaseName(file);
        if (db.open())
            for (QSqlQuery q(QStringLiteral("SELECT id FROM partite WHERE ") + dove, db); q.next();)
                id << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lettore"));
    return id.join(u',');
}

/// A CSV file read back as RFC 4180 says (quoted fields with doubled quotes, CR LF between records),
/// with \a separatore between fields; \a bom tells whether it began with UTF-8's byte order mark.
QList<QStringList> leggiCsv(const QString &file, QChar separatore, bool &bom)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray byte = f.readAll();
    bom = byte.startsWith("\xEF\xBB\xBF");
    const QString testo = QString::fromUtf8(bom ? byte.mid(3) : byte);
    QList<QStringList> righe;
    QStringList riga;
    QString campo;
    bool virgolette = false;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == u'"' && i + 1 < testo.size() && testo[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                virgolette = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            virgolette = true;
        } else if (c == separatore) {
            riga.append(campo);
            campo.clear();
        } else if (c == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n') {
            riga.append(campo);
            righe.append(riga);
            riga.clear();
            campo.clear();
            ++i;
        } else {
            campo += c;
        }
    }
    return righe;
}

/// What pdftotext finds on \a pdf: with \a opzione "-bbox" every word with its box, page by page.
QString testoPdf(const QString &pdf, const QString &opzione)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {opzione, pdf, QStringLiteral("-")});
    if (!p.waitForFinished(attesa::limite(60000))) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

/// How the export is made: by the library's functions, or by the program run with its options.
enum class Via { Libreria, Programma };

/// Whether the test's board starts with a player chosen, as --giocatore does, or only the one remembered.
enum class Avvio { ConGiocatore, Ricordato };

/// The board wired to a record as main() does, with a player chosen (or the guest).
struct Partite
{
    explicit Partite(const QString &file, const QString &nome = {}, Avvio avvio = Avvio::ConGiocatore)
        : registro(giocatore, file)
    {
        if (avvio == Avvio::ConGiocatore) giocatore.scegli(nome);
        registra(*banco, registro, banco.tipografia);
    }
    /// Answers every question right until the game ends.
    void finisci()
    {
        while (banco->momento() == Momento::InCorso)
            banco.rispondi();
    }
    Giocatore giocatore;
    Registro registro;
    Banco banco;
};

/// Every mnemonic of a window's buttons, labels and tabs: each letter once, or Alt+letter presses none.
void mnemoniciUnici(QWidget *finestra)
{
    QStringList testi;
    for (QAbstractButton *b : finestra->findChildren<QAbstractButton *>())
        if (b->isVisibleTo(finestra)) testi << b->text();
    for (QLabel *l : finestra->findChildren<QLabel *>())
        if (l->buddy()) testi << l->text();
    for (QTabBar *t : finestra->findChildren<QTabBar *>())
        for (int i = 0; i < t->count(); ++i)
            testi << t->tabText(i);
    QHash<QChar, QString> prese;
    for (const QString &t : testi) {
        for (qsizetype i = 0; i + 1 < t.size(); ++i) {
            if (t[i] != u'&') continue;
            if (t[i + 1] == u'&') {
                ++i;
                continue;
            }
            const QChar lettera = t[i + 1].toLower();
            QVERIFY2(!prese.contains(lettera),
                     qPrintable(QStringLiteral("Alt+%1: %2 e %3").arg(lettera, prese.value(lettera), t)));
            prese.insert(lettera, t);
            break;
        }
    }
}

/// A language of its own: every text in « », so that a stored or exported word that follows the language
/// shows.
class Virgolette : public QTranslator
{
public:
    QString translate(const char *, const char *testo, const char *, int) const override
    {
        return QStringLiteral("«%1»").arg(QString::fromUtf8(testo));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestRegistro : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void partiteSulTabellone();
    void migrazioneDallaPrima();
    void fileGuasti_data();
    void fileGuasti();
    void strappatoNelCopiareIlLog();
    void scrittureRimandate();
    void toltaAltrove();
    void esportazione_data();
    void esportazione();
    void resoconto_data();
    void resoconto();
    void finestraRegistro();
    void statiDelFatto_data();
    void statiDelFatto();
    void giroDelRipasso_data();
    void giroDelRipasso();
    void indovinaDellaBimba_data();
    void indovinaDellaBimba();
    void fattiDaTutteLeDomande();
    void senzaFrettaTenuta();
    void chiGioca_data();
    void chiGioca();
    void finestraPerLettore();
    void strumentiInsegnante();
    void stessaVerita_data();
    void stessaVerita();

private:
    QString nuovoFile() { return m_cartella.filePath(QStringLiteral("r%1/registro.sqlite").arg(++m_file)); }

    QTemporaryDir m_cartella;
    int m_file = 0;
};

void TestRegistro::initTestCase()
{
    // The current player is remembered in the user's state folder: here, in a folder of the test's own.
    qputenv("XDG_CONFIG_HOME", m_cartella.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", m_cartella.filePath(QStringLiteral("stato")).toLocal8Bit());
}

void TestRegistro::partiteSulTabellone()
{
    const QString file = nuovoFile();
    qint64 risposta = 0, pausa = 0; // ms
    {
        Partite p(file, QStringLiteral("  Giulia \n"));
        // The caption and the print prompt follow the player.
        QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella – Giulia"));
        QCOMPARE(p.banco.tipografia.nomeProposto(), QStringLiteral("Giulia"));

        // A game of one cell: a wrong answer, a long pause, then the right answer. The pause is not thought.
        std::bitset<100> una;
        una.set(37);
        QElapsedTimer tutto, ferma;
        tutto.start();
        p.banco->ripassa(una, FrmNumerella::Partenza::Subito);
        QCOMPARE(p.banco.stato.cella(), 37);
        p.banco.digita(29);
        p.banco.clic(p.banco->Cmd_invio);
        p.banco->CmdPausa_Click();
        ferma.start();
        QTest::qWait(400);
        pausa = ferma.elapsed();
        p.banco->cmdRiprendi_Click();
        p.banco.rispondi();
        risposta = tutto.elapsed();
        QCOMPARE(p.banco->momento(), Momento::Finita);
        // Said under the grid once the game is over, and to a screen reader.
        QVERIFY(!p.banco->lblRipasso->isHidden());
        QCOMPARE(p.banco->lblRipasso->text(), QStringLiteral("Oggi: 1 da ripassare"));
        QCOMPARE(p.banco->lblRipasso->accessibleName(), p.banco->lblRipasso->text());

        // A game of the table of 3, stopped after two answers.
        p.banco->Label1_MouseDown(9, Qt::RightButton); // every table back
        for (int colonna : {0, 1, 3, 4, 5, 6, 7, 8, 9})
            p.banco->Label1_MouseDown(colonna, Qt::LeftButton);
        p.banco->cmdAvvio_Click();
        p.banco.rispondi();
        p.banco.rispondi();
        p.banco->cmdStop_Click();
        // Two more facts, right once: not yet twice, but answered well today they wait for another day.
        QCOMPARE(p.banco->lblRipasso->text(), QStringLiteral("Oggi: 1 da ripassare"));

        // A game still running when the program ends.
        p.banco->cmdAvvio_Click();
        p.banco.rispondi();
    }
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    const QList<SchedaGiocatore> giocatori = archivio.giocatori();
    QCOMPARE(giocatori.size(), 1);
    QCOMPARE(giocatori[0].nome, QStringLiteral("Giulia"));
    QCOMPARE(giocatori[0].partite, 3);
    const QList<SchedaPartita> partite = archivio.partite(giocatori[0].id);
    QCOMPARE(partite.size(), 3);
    QCOMPARE(partite[0].esito, FinePartita::Finita);
    QCOMPARE(partite[0].errori, 1);
    QCOMPARE(partite[0].esatte, 1);
    QCOMPARE(partite[0].inGioco.count(), size_t(1));
    QCOMPARE(partite[1].esito, FinePartita::Fermata);
    QCOMPARE(partite[1].esatte, 2);
    QCOMPARE(partite[1].inGioco.count(), size_t(10));
    QVERIFY(partite[1].inGioco.test(2) && partite[1].inGioco.test(92) && !partite[1].inGioco.test(3));
    QCOMPARE(partite[2].esito, FinePartita::Interrotta);
    QCOMPARE(partite[2].esatte, 1);
    for (const SchedaPartita &p : partite)
        QVERIFY(p.fine >= p.inizio && p.inizio.isValid());

    const QList<SchedaFatto> fatti = archivio.fatti(giocatori[0].id);
    const auto fatto =
        std::find_if(fatti.begin(), fatti.end(), [](const SchedaFatto &f) { return f.cella() == 37; });
    QVERIFY(fatto != fatti.end());
    QCOMPARE(fatto->riga, 4);
    QCOMPARE(fatto->colonna, 8);
    QCOMPARE(fatto->chiesta, 1);
    QCOMPARE(fatto->sbagliate, 1);
    // The pause left out: however slow the machine, less than the whole wait without the pause.
    QVERIFY2(fatto->secondi() * 1000 <= risposta - pausa,
             qPrintable(QStringLiteral("%1 s, %2 ms with a pause of %3 ms")
                            .arg(fatto->secondi())
                            .arg(risposta)
                            .arg(pausa)));

    // With no player chosen the games are the guest's; the chosen one is remembered between runs.
    QCOMPARE(Giocatore().nome(), QStringLiteral("Giulia"));
    {
        // On a clock moved for trying a week in an afternoon.
        qputenv(orologio::Variabile, "2030-01-02T10:00");
        Partite p(file);
        QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella"));
        QVERIFY(p.banco.tipografia.nomeProposto().isEmpty());
        QVERIFY(p.banco->lblRipasso->isHidden()); // the guest's practice is nobody's
        p.banco->cmdAvvio_Click();
        p.banco.rispondi();
        p.banco->cmdStop_Click();
        qunsetenv(orologio::Variabile);
    }
    QCOMPARE(archivio.giocatori().size(), 2);
    QCOMPARE(archivio.giocatori()[1].nome, QStringLiteral("Ospite"));
    QCOMPARE(archivio.partite(archivio.giocatori()[1].id)[0].inizio.toLocalTime().date(), QDate(2030, 1, 2));

    // The real prompt offers the name selected: typing replaces it.
    Tipografia tipografia;
    tipografia.proponiNome(QStringLiteral("Giulia"));
    QString offerto, scelto;
    QTimer::singleShot(0, [&] {
        auto *dialogo = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        auto *riga = dialogo->findChild<QLineEdit *>();
        offerto = riga->selectedText();
        QTest::keyClicks(riga, QStringLiteral("Marco"));
        dialogo->accept();
    });
    QCOMPARE(tipografia.chiediNome(nullptr), QStringLiteral("Marco"));
    QCOMPARE(offerto, QStringLiteral("Giulia"));
}

void TestRegistro::migrazioneDallaPrima()
{
    const QString file = nuovoFile();
    {
        Archivio prima(file);
        QVERIFY(prima.apri(1));
        QCOMPARE(prima.versione(), 1);
    }
    // What a program of the first version left: a finished game and one it was playing when it died.
    scriviDiretto(
        file,
        {
            QStringLiteral(
                "INSERT INTO giocatori (id, nome, creato) VALUES (1, 'Giulia', '2026-01-10T08:00:00.000Z')"),
            QStringLiteral("INSERT INTO partite (id, uuid, giocatore, inizio, fine, celle, secondi, errori, "
                           "esatte, esito)"
                           " VALUES (1, 'a', 1, '2026-01-10T08:00:00.000Z', '2026-01-10T08:03:00.000Z', "
                           "'%1', 180, 2, 100,"
                           " 'finita')")
                .arg(QString(100, u'1')),
            QStringLiteral("INSERT INTO partite (id, uuid, giocatore, inizio, celle) VALUES (2, 'b', 1,"
                           " '2026-01-11T08:00:00.000Z', '%1')")
                .arg(QString(100, u'1')),
            QStringLiteral("INSERT INTO domande VALUES (2, 1, 7, 8, 6400, 1)"),
            QStringLiteral("INSERT INTO sbagliate VALUES (2, 1, 7, 8, '54', 2000)"),
            // An answer whose game is gone, as the first versions could leave.
            QStringLiteral("INSERT INTO domande VALUES (9, 1, 3, 4, 1000, 0)"),
        });
    {
        // Brought up to date at start-up off the board's thread, with a word under the grid: the board
        // plays on meanwhile and its writes wait in memory.
        Partite p(file, QStringLiteral("Marco"));
        QSignalSpy aggiornamento(&p.registro, &Registro::aggiornamento);
        auto *sotto = p.banco->findChild<QLabel *>(QStringLiteral("lblRipasso"));
        QString detto;
        // Read as the board has just written it: the opening, queued after, says the day's practice.
        connect(&p.registro, &Registro::aggiornamento, sotto, [&] { detto = sotto->text(); });
        p.registro.controlla();
        p.banco->cmdAvvio_Click();
        for (int i = 0; i < 5; ++i)
            p.banco.rispondi();
        QCOMPARE(p.registro.inAttesa(), 6);
        QTRY_COMPARE(p.registro.inAttesa(), 0);
        QCOMPARE(aggiornamento.size(), 1);
        QCOMPARE(detto, QStringLiteral("sto aggiornando il registro…"));
        p.finisci();
    }
    // The file as the older program left it, copied beside it first and named with its step.
    {
        Archivio copia(file + QStringLiteral(".versione-1"));
        QVERIFY(copia.apriInLettura());
        QCOMPARE(copia.versione(), 1);
        int giocate = 0;
        QVERIFY(copia.perOgniPartita([&](const SchedaPartita &) { ++giocate; }));
        QCOMPARE(giocate, 2);
        QCOMPARE(QFile::permissions(copia.percorso()) & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
    }
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    QVERIFY(archivio.copiaFatta().isEmpty());
    QCOMPARE(archivio.versione(), Archivio::VersioneSchema);
    const QList<SchedaPartita> diMarco = archivio.partite(archivio.giocatore(QStringLiteral("Marco")));
    QCOMPARE(diMarco.size(), 1);
    QCOMPARE(diMarco[0].esatte, 100);
    const QList<SchedaPartita> partite = archivio.partite(archivio.giocatore(QStringLiteral("Giulia")));
    QCOMPARE(partite.size(), 2);
    QCOMPARE(partite[0].secondi, 180);
    QCOMPARE(partite[0].esito, FinePartita::Finita);
    QCOMPARE(partite[1].esito, FinePartita::Interrotta);
    const QList<SchedaFatto> fatti = archivio.fatti(1);
    QCOMPARE(fatti.size(), 1);
    QCOMPARE(fatti[0].secondi(), 6.4);
    QCOMPARE(fatti[0].sbagliate, 1);
    // And the new version's writes work on it; no answer is taken without its game.
    QCOMPARE(archivio.iniziaPartita(1, QStringLiteral("c"), QDateTime::currentDateTimeUtc(),
                                    std::bitset<100>().set()),
             4);
    QVERIFY(!archivio.domanda(9, 2, 5, 100, 0));
    QCOMPARE(archivio.ultimoGuasto(), Guasto::Vincolo);
}

void TestRegistro::fileGuasti_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("attesa");   // what the board's warning says
    QTest::addColumn<int>("statoEsporta"); // the exit status of --esporta-risposte on the file
    QTest::addColumn<QString>("detto");    // and what it says on standard error
    const QString estraneo = QStringLiteral("non è un registro della Numerella, e resta com'è");
    // A folder that cannot be written may be written later: the games wait in memory meanwhile.
    QTest::newRow("cartella bloccata")
        << QStringLiteral("cartella") << QStringLiteral("per ora non si può scrivere: nella cartella") << 1
        << QStringLiteral("non c'è");
    QTest::newRow("danni all'interno")
        << QStringLiteral("danni") << QStringLiteral("era danneggiato: è stato messo da parte come") << 1
        << QStringLiteral("è danneggiato");
    QTest::newRow("un testo qualunque") << QStringLiteral("testo") << estraneo << 1 << estraneo;
    // At its own place, where nothing else writes, a file that is no database is the record, damaged.
    QTest::newRow("primo foglio azzerato al suo posto")
        << QStringLiteral("azzerato") << QStringLiteral("era danneggiato: è stato messo da parte come") << 1
        << estraneo;
    QTest::newRow("il database di un altro programma")
        << QStringLiteral("estraneo") << estraneo << 1 << estraneo;
    QTest::newRow("file di sola lettura")
        << QStringLiteral("sola lettura") << QStringLiteral("si può soltanto leggere") << 0 << QString();
}

void TestRegistro::fileGuasti()
{
    QFETCH(QString, caso);
    QFETCH(QString, attesa);
    QFETCH(int, statoEsporta);
    QFETCH(QString, detto);
    QString file = nuovoFile();
    const bool alSuoPosto = caso == QStringLiteral("azzerato");
    const QByteArray datiPrima = qgetenv("XDG_DATA_HOME");
    const auto ripristina = qScopeGuard([&datiPrima] { qputenv("XDG_DATA_HOME", datiPrima); });
    if (alSuoPosto) {
        qputenv("XDG_DATA_HOME", QFileInfo(file).absolutePath().toLocal8Bit());
        file = Registro::percorsoPredefinito();
    }
    const QString cartella = QFileInfo(file).absolutePath();
    QDir().mkpath(cartella);
    const auto contenuto = [](const QString &nome) {
        QFile f(nome);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto registroCon37 = [&file] {
        // Lia answered 4 per 8: a fact whose row and column differ.
        Archivio a(file);
        QVERIFY(a.apri());
        const qint64 p = a.iniziaPartita(a.giocatore(QStringLiteral("Lia")), QStringLiteral("l1"),
                                         QDateTime::currentDateTimeUtc(), std::bitset<100>().set(37));
        QVERIFY(p && a.domanda(p, 1, 37, 2500, 0));
        QVERIFY(a.chiudiPartita(p, QDateTime::currentDateTimeUtc(), 3, 0, 1, FinePartita::Finita));
    };
    if (caso == QStringLiteral("cartella")) {
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            // Root writes in any folder: a file where the folder should be stops it all the same.
            QFile ostacolo(cartella + QStringLiteral("/file"));
            QVERIFY(ostacolo.open(QIODevice::WriteOnly));
            file = ostacolo.fileName() + QStringLiteral("/registro.sqlite");
        }
    } else if (caso == QStringLiteral("danni")) {
        registroCon37();
        // A few pages inside overwritten; the header is whole.
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.size() >= 6 * 4096);
        f.seek(2 * 4096);
        f.write(QByteArray(3 * 4096, '\xa5'));
    } else if (caso == QStringLiteral("azzerato")) {
        registroCon37();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(4096, '\0'));
    } else if (caso == QStringLiteral("testo")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("questo non è un registro ").repeated(400));
    } else if (caso == QStringLiteral("estraneo")) {
        scriviDiretto(file, {QStringLiteral("CREATE TABLE clienti (nome TEXT)"),
                             QStringLiteral("INSERT INTO clienti VALUES ('Rossi')")});
    } else {
        registroCon37();
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
    }
    const QByteArray prima = contenuto(file);
    const auto senzaFileAccanto = [&] {
        for (const QString &coda :
             {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
            QVERIFY2(!QFileInfo::exists(file + coda), qPrintable(coda));
    };

    // The export only reads: whatever the file is, it stays as it was, and a file it cannot read is
    // an error.
    const QString csv = m_cartella.filePath(QStringLiteral("risposte-%1.csv").arg(m_file));
    QProcess esporta;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), m_cartella.filePath(QStringLiteral("config")));
    ambiente.insert(QStringLiteral("XDG_STATE_HOME"), m_cartella.filePath(QStringLiteral("stato")));
    esporta.setProcessEnvironment(ambiente);
    esporta.start(QStringLiteral(NUMERELLA),
                  {QStringLiteral("--registro"), file, QStringLiteral("--esporta-risposte"), csv});
    QVERIFY(esporta.waitForFinished(attesa::limite(3000)));
    const QString errore = QString::fromUtf8(esporta.readAllStandardError());
    QCOMPARE(esporta.exitCode(), statoEsporta);
    QVERIFY2(errore.contains(detto), qPrintable(errore));
    QCOMPARE(contenuto(file), prima);
    senzaFileAccanto();
    if (statoEsporta == 0) {
        bool bom = false;
        const QList<QStringList> righe = leggiCsv(csv, Csv().separatore(), bom);
        QCOMPARE(righe.size(), 2);
        QCOMPARE(righe[1][0], QStringLiteral("Lia"));
        QCOMPARE(righe[1].mid(2, 2), QStringList({QStringLiteral("4"), QStringLiteral("8")}));
        // Children's names: for their owner only, as the record.
        QCOMPARE(QFile::permissions(csv) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        if (::geteuid() == 0) return; // root writes a read-only file all the same
    } else {
        QVERIFY(!QFileInfo::exists(csv));
    }

    // The record at its own place is the one found when none is named.
    Partite p(alSuoPosto ? QString() : file, QStringLiteral("Marco"));
    QCOMPARE(p.registro.percorso(), file);
    QSignalSpy avvisi(&p.registro, &Registro::avviso);
    // The record is opened by the first game: its trouble waits for the game's end.
    p.banco->cmdAvvio_Click();
    for (int i = 0; i < 5; ++i)
        p.banco.rispondi();
    QCOMPARE(avvisi.size(), 0);
    QCOMPARE(p.banco->momento(), Momento::InCorso);
    p.banco->cmdStop_Click();
    QCOMPARE(avvisi.size(), 1);
    QVERIFY2(avvisi[0][0].toString().contains(attesa), qPrintable(avvisi[0][0].toString()));
    auto *messaggio = p.banco->findChild<QMessageBox *>(QStringLiteral("avvisoRegistro"));
    QVERIFY(messaggio && messaggio->isVisible() && !messaggio->isModal());
    // Once a run.
    p.banco->cmdAvvio_Click();
    p.finisci();
    QCOMPARE(avvisi.size(), 1);

    const QStringList accanto = QDir(cartella).entryList(
        {QStringLiteral("registro.sqlite.danneggiato-%1-*").arg(QDate::currentDate().toString(Qt::ISODate))});
    if (caso == QStringLiteral("danni") || alSuoPosto) {
        // Moved aside whole, dated, and a new record kept the games.
        QCOMPARE(accanto.size(), 1);
        QCOMPARE(contenuto(cartella + u'/' + accanto[0]), prima);
        Archivio archivio(file);
        QVERIFY(archivio.apri());
        QCOMPARE(archivio.partite(archivio.giocatore(QStringLiteral("Marco"))).size(), 2);
    } else if (caso != QStringLiteral("cartella")) {
        // Not ours: never moved, never changed.
        QVERIFY(accanto.isEmpty());
        QCOMPARE(contenuto(file), prima);
        senzaFileAccanto();
    }
}

void TestRegistro::strappatoNelCopiareIlLog()
{
    // A run killed while it copied its change log back into the file leaves the file's first pages new
    // and the rest old; the log beside it still holds the whole. Read alone, such a file is no database.
    const QString file = nuovoFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    {
        Archivio a(file);
        QVERIFY(a.apri());
        QVERIFY(a.giocatore(QStringLiteral("Lia")) > 0);
    }
    const auto leggi = [](const QString &nome) {
        QFile f(nome);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QByteArray vecchio, log, nuovo;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("strappo"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(q.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                                      " WHERE i < 200) INSERT INTO giocatori (nome, creato)"
                                      " SELECT printf('Bimbo %03d %.100c', i, 'x'), '2026-12-08' FROM n")));
        vecchio = leggi(file);
        log = leggi(file + QStringLiteral("-wal"));
        QVERIFY(q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
        nuovo = leggi(file);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("strappo"));
    QVERIFY(!log.isEmpty() && nuovo.size() > vecchio.size() + 4096);

    for (const qsizetype pagine : {qsizetype(1), nuovo.size() / 4096 / 2}) {
        const QString strappato = nuovoFile();
        QDir().mkpath(QFileInfo(strappato).absolutePath());
        for (const auto &[nome, dati] :
             {std::pair{strappato, nuovo.left(pagine * 4096) + vecchio.mid(pagine * 4096)},
              std::pair{strappato + QStringLiteral("-wal"), log}}) {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size());
        }
        QCOMPARE(Archivio::riconosci(strappato), Guasto::Nessuno);
        Archivio a(strappato);
        QVERIFY(a.apri());
        QCOMPARE(a.giocatori().size(), 201);
    }
}

void TestRegistro::scrittureRimandate()
{
    const QString file = nuovoFile();
    QVERIFY(Archivio(file).apri());
    // Another program holds the record as this one starts: the game goes on, its writes wait in memory
    // and go when the file is let go. A lock is not worth a word.
    QSqlDatabase prima = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prima"));
    prima.setDatabaseName(file);
    QVERIFY(prima.open());
    QSqlQuery blocco(prima);
    QVERIFY(blocco.exec(QStringLiteral("BEGIN IMMEDIATE")));
    Partite p(file, QStringLiteral("Lia"));
    QSignalSpy avvisi(&p.registro, &Registro::avviso);
    QSignalSpy chiuse(&p.registro, &Registro::partitaChiusa);
    p.banco->cmdAvvio_Click();
    p.banco.rispondi();
    p.banco.rispondi();
    QCOMPARE(p.registro.archivio(), nullptr);
    QTest::qWait(500);
    QCOMPARE(p.registro.inAttesa(), 3);
    QVERIFY(blocco.exec(QStringLiteral("COMMIT")));
    blocco.finish();
    prima.close();
    QTRY_COMPARE(p.registro.inAttesa(), 0);
    QVERIFY(p.registro.archivio());
    QCOMPARE(avvisi.size(), 0);

    // Another program takes the file for writing and keeps it a few seconds: the board does not wait
    // for it, the answers wait in order and go as soon as it lets go. A lock is not worth a word.
    {
        QSqlDatabase altro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
        altro.setDatabaseName(file);
        QVERIFY(altro.open());
        QSqlQuery q(altro);
        QVERIFY(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        for (int i = 0; i < 5; ++i)
            p.banco.rispondi();
        // Once the lock is met, the board's own connection waits no more for it.
        QCOMPARE(attesaDelRegistro(file), 0);
        QTest::qWait(1500);
        QCOMPARE(p.registro.inAttesa(), 5);
        QVERIFY(q.exec(QStringLiteral("COMMIT")));
        QTRY_COMPARE(p.registro.inAttesa(), 0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("altro"));

    // The disk fills up (files may grow no more) in the middle of the game: its answers, its end and
    // the next game's start wait; one warning, between games; space comes back and all of it goes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit libero{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &libero), 0);
    rlimit pieno = libero;
    pieno.rlim_cur = rlim_t(QFileInfo(file + QStringLiteral("-wal")).size());
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &pieno), 0);
    for (int i = 0; i < 3; ++i)
        p.banco.rispondi();
    QCOMPARE(p.registro.inAttesa(), 3);
    QCOMPARE(avvisi.size(), 0); // never during a game
    p.finisci();
    QCOMPARE(avvisi.size(), 1);
    QVERIFY2(avvisi[0][0].toString().contains(QStringLiteral("restano in memoria")),
             qPrintable(avvisi[0][0].toString()));
    p.banco->cmdAvvio_Click();
    p.banco.rispondi();
    QCOMPARE(chiuse.size(), 0);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &libero), 0);
    QTRY_COMPARE(p.registro.inAttesa(), 0);
    QCOMPARE(chiuse.size(), 1);
    p.finisci();
    QCOMPARE(chiuse.size(), 2);
    QCOMPARE(avvisi.size(), 1);
    blocco = QSqlQuery();
    prima = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("prima"));

    // Every confirmed answer, once, in its game.
    Archivio a(file);
    QVERIFY(a.apri());
    const QList<SchedaPartita> partite = a.partite(a.giocatore(QStringLiteral("Lia")));
    QCOMPARE(partite.size(), 2);
    int risposte = 0;
    QVERIFY(a.perOgniDomanda([&](const QString &, const QDateTime &, int, int, qint64 millisecondi, int) {
        risposte += millisecondi >= 0;
    }));
    QCOMPARE(risposte, 200);
    for (const SchedaPartita &partita : partite) {
        QCOMPARE(partita.esito, FinePartita::Finita);
        QCOMPARE(partita.esatte, 100);
    }
}

void TestRegistro::toltaAltrove()
{
    const QString file = nuovoFile();
    Partite p(file, QStringLiteral("Giulia"));
    const auto togliAltrove = [&file](const QString &nome) {
        QProcess altro;
        altro.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        altro.start(QStringLiteral(PARTITA_AUTOMATICA), {file, QStringLiteral("togli"), nome});
        QVERIFY(altro.waitForFinished(attesa::limite(3000)));
        QCOMPARE(altro.exitCode(), 0);
    };
    // Another program removes her while she plays here: her game goes on there under the guest, so no
    // answer is refused; here it ends, kept, and the guest plays on.
    p.banco->cmdAvvio_Click();
    for (int i = 0; i < 3; ++i)
        p.banco.rispondi();
    togliAltrove(QStringLiteral("Giulia"));
    for (int i = 0; i < 3; ++i)
        p.banco.rispondi();
    QCOMPARE(p.registro.inAttesa(), 0);
    QTRY_COMPARE(p.banco->momento(), Momento::Riposo);
    QCOMPARE(p.giocatore.nome(), QString());
    // A child chosen here, then removed there between games: the next game is the guest's.
    p.giocatore.scegli(QStringLiteral("Sofia"));
    p.banco->cmdAvvio_Click();
    p.finisci();
    togliAltrove(QStringLiteral("Sofia"));
    {
        // Nor does the record window, which lists the chosen child before her first game.
        FrmRegistro f(p.registro, p.banco.tipografia, FrmRegistro::Uso::ConTabellone);
        QCOMPARE(p.registro.archivio()->trova(QStringLiteral("Sofia")), 0);
        QCOMPARE(f.cmbGiocatore->findText(QStringLiteral("Sofia")), -1);
    }
    p.banco->cmdAvvio_Click();
    p.finisci();
    QTRY_COMPARE(p.giocatore.nome(), QString());

    Archivio a(file);
    QVERIFY(a.apri());
    QCOMPARE(a.trova(QStringLiteral("Giulia")), 0);
    QCOMPARE(a.trova(QStringLiteral("Sofia")), 0);
    const QList<SchedaPartita> ospite = a.partite(a.trova(Giocatore::ospite()));
    QCOMPARE(ospite.size(), 2);
    QCOMPARE(ospite[0].esito, FinePartita::Fermata);
    // Every answer given before the board stopped it: the three before and the one that found her gone.
    QVERIFY2(ospite[0].esatte >= 4, qPrintable(QString::number(ospite[0].esatte)));
    QCOMPARE(ospite[1].esito, FinePartita::Finita);
    QCOMPARE(ospite[1].esatte, 100);
    // The guest's facts count the answers of the game she took over.
    int chieste = 0;
    for (const SchedaFatto &f : a.fatti(a.trova(Giocatore::ospite())))
        chieste += f.chiesta;
    QCOMPARE(chieste, ospite[0].esatte + 100);
}

void TestRegistro::esportazione_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<FormaCsv>("forma");
    QTest::addColumn<QChar>("separatore");
    QTest::addColumn<QChar>("decimali");
    QTest::addColumn<Via>("via");
    // The Italian rows through the real program's options, in a time zone other than the test's (UTC).
    QTest::newRow("italiano, foglio di calcolo")
        << QLocale(QLocale::Italian) << FormaCsv::Locale << QChar(u';') << QChar(u',') << Via::Programma;
    QTest::newRow("italiano, standard")
        << QLocale(QLocale::Italian) << FormaCsv::Standard << QChar(u',') << QChar(u'.') << Via::Programma;
    QTest::newRow("inglese, foglio di calcolo")
        << QLocale(QLocale::English, QLocale::UnitedStates) << FormaCsv::Locale << QChar(u',') << QChar(u'.')
        << Via::Libreria;
    QTest::newRow("inglese, standard") << QLocale(QLocale::English, QLocale::UnitedStates)
                                       << FormaCsv::Standard << QChar(u',') << QChar(u'.') << Via::Libreria;
}

void TestRegistro::esportazione()
{
    QFETCH(QLocale, locale);
    QFETCH(FormaCsv, forma);
    QFETCH(QChar, separatore);
    QFETCH(QChar, decimali);
    QFETCH(Via, via);
    // The words kept and exported are data: the same whatever language the windows speak.
    Virgolette lingua;
    QVERIFY(QCoreApplication::installTranslator(&lingua));
    const auto togli = qScopeGuard([&lingua] { QCoreApplication::removeTranslator(&lingua); });
    QCOMPARE(nomeEsito(FinePartita::Finita), QStringLiteral("«finita»"));
    const QString file = nuovoFile();
    // Names a spreadsheet would take for formulas or split, and letters of every kind.
    const QStringList nomi = {QStringLiteral("=SOMMA(A1:A9)"), QStringLiteral("Anna, \"la\"; Rossa"),
                              QStringLiteral("-2+3"), QStringLiteral("@Lia"),
                              QStringLiteral("+39 Zoë 🦊 אבי")};
    for (const QString &nome : nomi) {
        Partite p(file, nome);
        p.banco->ripassa(std::bitset<100>().set(0).set(99), FrmNumerella::Partenza::Subito);
        p.banco.digita(7);
        p.banco.clic(p.banco->Cmd_invio);
        p.finisci();
    }
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    QString errore;
    const QString csvPartite = m_cartella.filePath(QStringLiteral("partite.csv"));
    const QString csvRisposte = m_cartella.filePath(QStringLiteral("risposte.csv"));
    const QString csvFatti = m_cartella.filePath(QStringLiteral("fatti.csv"));
    const QTimeZone roma(QByteArrayLiteral("Europe/Rome"));
    QVERIFY2(roma.isValid(), "no time zone data (tzdata)");
    if (via == Via::Libreria) {
        const Csv csv(forma, locale);
        QVERIFY(Esportazione::partite(archivio, csvPartite, errore, csv));
        QVERIFY(Esportazione::risposte(archivio, csvRisposte, errore, csv));
        QVERIFY(Esportazione::fatti(archivio, csvFatti, errore, csv));
    } else {
        QProcess esporta;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("LANG"), locale.name() + QStringLiteral(".UTF-8"));
        ambiente.insert(QStringLiteral("TZ"), QString::fromLatin1(roma.id()));
        esporta.setProcessEnvironment(ambiente);
        QStringList opzioni = {
            QStringLiteral("--registro"),         file,        QStringLiteral("--esporta"),       csvPartite,
            QStringLiteral("--esporta-risposte"), csvRisposte, QStringLiteral("--esporta-fatti"), csvFatti};
        if (forma == FormaCsv::Standard) opzioni << QStringLiteral("--csv-standard");
        esporta.start(QStringLiteral(NUMERELLA), opzioni);
        QVERIFY(esporta.waitForFinished(-1));
        QVERIFY2(esporta.exitStatus() == QProcess::NormalExit && esporta.exitCode() == 0,
                 esporta.readAllStandardError().constData());
    }

    // A spreadsheet in the user's language needs the byte order mark to read UTF-8; programs do not.
    bool bomPartite = false, bomRisposte = false;
    const QList<QStringList> partite = leggiCsv(csvPartite, separatore, bomPartite);
    const QList<QStringList> risposte = leggiCsv(csvRisposte, separatore, bomRisposte);
    QCOMPARE(bomPartite, forma == FormaCsv::Locale);
    QCOMPARE(bomRisposte, forma == FormaCsv::Locale);
    QCOMPARE(partite.size(), 1 + nomi.size());
    QCOMPARE(partite[0].join(u','), QStringLiteral("giocatore,inizio,fine,tabelline,secondi,errori,esito"));
    QCOMPARE(risposte[0].join(u','),
             QStringLiteral("giocatore,partita_inizio,riga,colonna,millisecondi,sbagliate"));
    QCOMPARE(risposte.size(), 1 + 2 * nomi.size());
    const QList<SchedaPartita> giocate = [&] {
        QList<SchedaPartita> tutte;
        archivio.perOgniPartita([&tutte](const SchedaPartita &p) { tutte.append(p); });
        return tutte;
    }();
    // Local time to the second, as a spreadsheet reads a date; the standard form with its offset.
    const QTimeZone locali = via == Via::Programma ? roma : QTimeZone::systemTimeZone();
    const auto istante = [forma, &locali](const QString &campo) {
        if (forma == FormaCsv::Standard) return QDateTime::fromString(campo, Qt::ISODate);
        QDateTime t = QDateTime::fromString(campo, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        t.setTimeZone(locali);
        return t;
    };
    for (int i = 0; i < nomi.size(); ++i) {
        const QStringList &r = partite[i + 1];
        QCOMPARE(r.size(), 7);
        const bool formula = QStringLiteral("=+-@").contains(nomi[i][0]);
        QCOMPARE(r[0], formula ? u'\'' + nomi[i] : nomi[i]);
        QCOMPARE(istante(r[1]), giocate[i].inizio.toLocalTime().addMSecs(-giocate[i].inizio.time().msec()));
        QVERIFY(istante(r[2]) >= istante(r[1]));
        QCOMPARE(r[3], QStringLiteral("1 10")); // a list, never the range "1-10"
        QCOMPARE(r[5], QStringLiteral("1"));
        QCOMPARE(r[6], QStringLiteral("finita"));
        // Each answer row names its player and game the same way, its time in whole milliseconds.
        for (const QStringList &a : risposte.mid(1 + 2 * i, 2)) {
            QCOMPARE(a.size(), 6);
            QCOMPARE(a[0], r[0]);
            QCOMPARE(a[1], r[1]);
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+$")).match(a[4]).hasMatch(), qPrintable(a[4]));
        }
    }
    QCOMPARE(risposte[1].mid(2, 2) + risposte[1].mid(5), QStringList({"1", "1", "1"}));
    bool bomFatti = false;
    const QList<QStringList> fatti = leggiCsv(csvFatti, separatore, bomFatti);
    QCOMPARE(fatti.size(), 1 + 2 * nomi.size());
    QCOMPARE(fatti[0].join(u','),
             QStringLiteral("giocatore,riga,colonna,stato,volte,sbagliate,secondi_mediana,"
                            "ultima_volta,prossimo_ripasso,stima"));
    // The model's estimate with two digits after the file's decimal sign, and the day practice asks it.
    const QRegularExpression stima(QStringLiteral("^[01]\\%1\\d\\d$").arg(decimali));
    for (const QStringList &r : fatti.mid(1)) {
        QVERIFY2(QStringList({"da imparare", "quasi sicura", "sicura", "da ripassare"}).contains(r.value(3)),
                 qPrintable(r.join(u'|')));
        QVERIFY2(QDate::fromString(r.value(8), Qt::ISODate).isValid(), qPrintable(r.join(u'|')));
        QVERIFY2(stima.match(r.value(9)).hasMatch(), qPrintable(r.join(u'|')));
    }
}

void TestRegistro::resoconto_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("formato");
    QTest::newRow("A4") << QPageSize::A4;
    QTest::newRow("Letter") << QPageSize::Letter;
}

void TestRegistro::resoconto()
{
    QFETCH(QPageSize::PageSizeId, formato);
    const QString file = nuovoFile();
    const QDate oggi = QDate::currentDate();
    const auto alle = [&oggi](int giorniFa, int ora) {
        return QDateTime(oggi.addDays(-giorniFa), QTime(ora, 0));
    };
    QList<QDateTime> giocateDaGiulia;
    {
        // Giulia: two full games ten days ago at 3 s an answer, three yesterday at 2 s without errors, a
        // slow practice round of two facts and a stopped game; Marco: one game.
        Archivio a(file);
        QVERIFY(a.apri());
        const qint64 giulia = a.giocatore(QStringLiteral("Giulia")),
                     marco = a.giocatore(QStringLiteral("Marco"));
        int n = 0;
        const auto partita = [&](qint64 chi, const QDateTime &inizio, const std::bitset<100> &celle,
                                 int secondi, int errori, int esatte, FinePartita esito) {
            const qint64 p = a.iniziaPartita(chi, QString::number(++n), inizio.toUTC(), celle);
            QVERIFY(a.domanda(p, 1, 67, 6000, 1));
            QVERIFY(a.chiudiPartita(p, inizio.addSecs(secondi).toUTC(), secondi, errori, esatte, esito));
            if (chi == giulia) giocateDaGiulia.append(inizio);
        };
        const std::bitset<100> tutte = std::bitset<100>().set();
        partita(giulia, alle(10, 9), tutte, 300, 1, 100, FinePartita::Finita);
        partita(giulia, alle(10, 17), tutte, 300, 3, 100, FinePartita::Finita);
        for (int ora : {9, 12, 18})
            partita(giulia, alle(1, ora), tutte, 200, 0, 100, FinePartita::Finita);
        partita(giulia, alle(1, 19), std::bitset<100>().set(67).set(58), 20, 0, 2, FinePartita::Finita);
        partita(giulia, alle(0, 8), tutte, 90, 10, 10, FinePartita::Fermata); // as many wrong as right
        partita(marco, alle(2, 10), tutte, 250, 5, 100, FinePartita::Finita);
        // Lia: 5 per 5 twice, quick and right, this morning: all she met is sure. Ugo has not played.
        const qint64 lia = a.iniziaPartita(a.giocatore(QStringLiteral("Lia")), QStringLiteral("lia"),
                                           alle(0, 7).toUTC(), std::bitset<100>().set(44));
        QVERIFY(a.domanda(lia, 1, 44, 900, 0) && a.domanda(lia, 2, 44, 900, 0));
        QVERIFY(a.chiudiPartita(lia, alle(0, 7).addSecs(2).toUTC(), 2, 0, 2, FinePartita::Finita));
        QVERIFY(a.giocatore(QStringLiteral("Ugo")));
    }
    Giocatore giocatore;
    giocatore.scegli(QStringLiteral("Giulia"));
    Registro registro(giocatore, file);
    TipografiaFinta tipografia;
    QTemporaryDir cartella;
    tipografia.cartella = cartella.path();
    tipografia.formato = QPageSize(formato);
    FrmRegistro f(registro, tipografia, FrmRegistro::Uso::DaSolo);

    // The trend in words counts full games only; errors are per 10 answers given.
    const QString frase =
        QStringLiteral("Nell'ultima settimana: 2,0 secondi per risposta, prima 3,0; 0,0 errori "
                       "ogni 10 risposte, prima 0,2.");
    QCOMPARE(f.paginaAndamento->lblAndamento->text(), frase);
    // The stopped game, in the chart's numbers: 10 wrong in 20 answers.
    const QAbstractItemModel *numeri = f.paginaAndamento->tabAndamento->model();
    QCOMPARE(numeri->index(numeri->rowCount() - 1, 1).data().toString(), QStringLiteral("fermata"));
    QCOMPARE(numeri->index(numeri->rowCount() - 1, 3).data().toString(), QStringLiteral("5,0"));
    // On the chart: the full games joined, yesterday's side by side around yesterday's tick, the others apart
    // or left out with the switch; its dates on the days, its numbers with the decimal comma.
    QChart *grafico = f.paginaAndamento->grafico->chart();
    QCOMPARE(grafico->series().size(), 3);
    auto *secondi = qobject_cast<QLineSeries *>(grafico->series()[0]);
    QVERIFY(secondi);
    QCOMPARE(secondi->count(), 5);
    QCOMPARE(secondi->at(0).y(), 3.0);
    for (int k = 2; k < 5; ++k) {
        QVERIFY(qAbs(secondi->at(k).x() - 9) < 0.45);
        QVERIFY(secondi->at(k).x() > secondi->at(k - 1).x());
    }
    // Practice rounds and stopped games each their own mark; errors on a plot and a scale of their own.
    QChart *errori = f.paginaAndamento->grafico->graficoErrori();
    for (QChart *piano : {grafico, errori}) {
        QCOMPARE(piano->series().size(), 3);
        QCOMPARE(piano->axes(Qt::Vertical).size(), 1);
        auto *ripassi = qobject_cast<QScatterSeries *>(piano->series()[1]);
        auto *fermate = qobject_cast<QScatterSeries *>(piano->series()[2]);
        QVERIFY(ripassi && fermate);
        QCOMPARE(ripassi->count(), 1);
        QCOMPARE(fermate->count(), 1);
        QVERIFY(ripassi->markerShape() != fermate->markerShape());
        QVERIFY(ripassi->name() != fermate->name());
    }
    // The stopped game: 10 wrong in 20 answers.
    QVERIFY(qAbs(qobject_cast<QXYSeries *>(errori->series()[2])->at(0).y() - 5.0) < 1e-9);
    QVERIFY(grafico->axes(Qt::Vertical)[0] != errori->axes(Qt::Vertical)[0]);
    auto *giorni = qobject_cast<QCategoryAxis *>(grafico->axes(Qt::Horizontal).value(0));
    QVERIFY(giorni);
    const QStringList date = giorni->categoriesLabels();
    QCOMPARE(date.first(), QLocale().toString(oggi.addDays(-10), QStringLiteral("dd/MM")));
    QCOMPARE(giorni->endValue(date.first()), 0.0);
    for (const QString &d : date)
        QCOMPARE(giorni->endValue(d), std::round(giorni->endValue(d)));
    QVERIFY(grafico->localizeNumbers() && grafico->locale().decimalPoint() == QStringLiteral(","));
    f.paginaAndamento->chkAltre->setChecked(false);
    QCOMPARE(f.paginaAndamento->grafico->chart()->series().size(), 1);
    QCOMPARE(f.paginaAndamento->grafico->graficoErrori()->series().size(), 1);

    // The facts' words tell a child with nothing to practise from one who never played.
    for (const auto &[nome, parole] :
         {std::pair{QStringLiteral("Lia"), QStringLiteral("Oggi non c'è niente da ripassare.")},
          {QStringLiteral("Ugo"), QStringLiteral("Ancora nessuna partita da cui capire che cosa ripassare.")},
          {QStringLiteral("Giulia"), QStringLiteral("Il ripasso di oggi: 7 per 8.")}}) {
        f.cmbGiocatore->setCurrentIndex(f.cmbGiocatore->findText(nome));
        Q_EMIT f.cmbGiocatore->activated(f.cmbGiocatore->currentIndex());
        QCOMPARE(f.paginaFatti->lblDifficili->text(), parole);
    }

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    // The printed report: the same page at the board's own scale and at a whiteboard's.
    for (qreal scala : {1.0, 4.7}) {
        f.impostaScala(scala);
        f.stampa();
    }
    QCOMPARE(tipografia.file.size(), 2);
    const auto parole = [](const QString &pdf) {
        const QString tutto = testoPdf(pdf, QStringLiteral("-bbox"));
        return tutto.mid(tutto.indexOf(QStringLiteral("<page")));
    };
    const QString caselle = parole(tipografia.file[0]);
    QVERIFY(caselle.contains(QStringLiteral("<word")));
    QCOMPARE(parole(tipografia.file[1]), caselle);
    // Nothing drawn past the margins.
    const QRegularExpression pagina(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpression parola(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""));
    const QRegularExpressionMatch misura = pagina.match(caselle);
    QVERIFY(misura.hasMatch());
    const double larga = misura.captured(1).toDouble(), alta = misura.captured(2).toDouble();
    const double margine = 15 / 25.4 * 72 - 1;
    for (auto m = parola.globalMatch(caselle); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        QVERIFY2(w.captured(1).toDouble() >= margine && w.captured(3).toDouble() <= larga - margine &&
                     w.captured(2).toDouble() >= margine && w.captured(4).toDouble() <= alta - margine,
                 qPrintable(w.captured(0)));
    }
    // Text as text: the child, the trend, the chart's titles, the map's legend, the facts to practise, every
    // game; the class on a page of its own.
    const QString testo = testoPdf(tipografia.file[0], QStringLiteral("-raw")).simplified();
    QStringList attese = {QStringLiteral("Registro di Giulia"),
                          frase,
                          QStringLiteral("Secondi per risposta"),
                          QStringLiteral("Errori ogni 10 risposte"),
                          QStringLiteral("sicura"),
                          QStringLiteral("da imparare"),
                          QStringLiteral("mai chiesta"),
                          QStringLiteral("Il ripasso di oggi"),
                          QStringLiteral("7 per 8."),
                          QStringLiteral("finita (ripasso)"),
                          QStringLiteral("fermata")};
    for (const QDateTime &t : giocateDaGiulia)
        attese.append(QLocale().toString(t, QStringLiteral("dd/MM/yyyy HH:mm")));
    for (const QString &a : attese)
        QVERIFY2(testo.contains(a), qPrintable(a + QStringLiteral(" not in: ") + testo));
    const QStringList pagine = caselle.split(QStringLiteral("<page"), Qt::SkipEmptyParts);
    QVERIFY(pagine.size() >= 2);
    QVERIFY(pagine.last().contains(QStringLiteral(">Marco<")) &&
            !pagine.first().contains(QStringLiteral(">Marco<")));
}

void TestRegistro::finestraRegistro()
{
    const QString file = nuovoFile();
    {
        // Giulia: 7 per 8 wrong three times over two askings, 6 per 9 slow, 3 per 4 sure; Marco: one game.
        Archivio a(file);
        QVERIFY(a.apri());
        const qint64 giulia = a.giocatore(QStringLiteral("Giulia")),
                     marco = a.giocatore(QStringLiteral("Marco"));
        // Mid-morning, so that the games an hour later are still yesterday's at any time of day.
        const QDateTime ieri = QDate::currentDate().addDays(-1).startOfDay().addSecs(10 * 3600).toUTC();
        const qint64 p1 = a.iniziaPartita(giulia, QStringLiteral("g1"), ieri, std::bitset<100>().set());
        QVERIFY(a.domanda(p1, 1, 67, 6000, 1) && a.domanda(p1, 2, 23, 2000, 0) &&
                a.domanda(p1, 3, 58, 9000, 0));
        QVERIFY(a.chiudiPartita(p1, ieri.addSecs(17), 17, 1, 3, FinePartita::Finita));
        const qint64 p2 =
            a.iniziaPartita(giulia, QStringLiteral("g2"), ieri.addSecs(3600), std::bitset<100>().set());
        QVERIFY(a.domanda(p2, 1, 67, 5000, 2) && a.domanda(p2, 2, 11, 1000, 0));
        QVERIFY(a.chiudiPartita(p2, ieri.addSecs(3606), 6, 2, 2, FinePartita::Fermata));
        const qint64 p3 = a.iniziaPartita(marco, QStringLiteral("m1"), ieri, std::bitset<100>().set());
        QVERIFY(a.domanda(p3, 1, 44, 3000, 0));
        QVERIFY(a.chiudiPartita(p3, ieri.addSecs(3), 3, 0, 1, FinePartita::Finita));
    }
    // Named as typed, " giulia" is the Giulia of the record, not a second child.
    Partite p(file, QStringLiteral(" giulia"));
    p.registro.apri();
    QCOMPARE(p.giocatore.nomeRegistro(), QStringLiteral("Giulia"));
    p.banco->show();
    p.banco->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.banco.w.get()));
    p.banco->cmdAvvio_Click();
    // Ctrl+R pauses the game, as Pause does, and opens the window.
    QTest::keyClick(p.banco.w.get(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(p.banco->momento(), Momento::InPausa);
    auto *f = p.banco->findChild<FrmRegistro *>();
    QVERIFY(f && f->isVisible());

    QCOMPARE(f->cmbGiocatore->currentText(), QStringLiteral("Giulia"));
    mnemoniciUnici(f);
    // Marked "senza fretta" with a click, she plays without the stopwatch, and the mark is kept; a
    // second click takes it away.
    QVERIFY(p.banco->FraTimer->isVisibleTo(p.banco.w.get()));
    QVERIFY(!f->chkSenzaFretta->isChecked() && f->chkSenzaFretta->isEnabled());
    QTest::mouseClick(f->chkSenzaFretta, Qt::LeftButton);
    QVERIFY(!p.banco->FraTimer->isVisibleTo(p.banco.w.get()));
    QCOMPARE(p.registro.archivio()->senzaFretta(p.registro.archivio()->trova(QStringLiteral("Giulia"))),
             apprendimento::Tempo::Ignora);
    QVERIFY(f->chkSenzaFretta->isChecked());
    QTest::mouseClick(f->chkSenzaFretta, Qt::LeftButton);
    QVERIFY(p.banco->FraTimer->isVisibleTo(p.banco.w.get()));
    QCOMPARE(p.registro.senzaFretta(), apprendimento::Tempo::Conta);
    // A new child named as one already there but for case and spaces is refused, and told why.
    QString detto;
    QTimer::singleShot(0, [&] {
        auto *nome = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(nome);
        nome->setTextValue(QStringLiteral(" GIU lia"));
        QTimer::singleShot(0, [&] {
            auto *messaggio = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(messaggio);
            detto = messaggio->text();
            messaggio->accept();
        });
        nome->accept();
    });
    f->nuovoGiocatore();
    QVERIFY2(detto.contains(QStringLiteral("\"Giulia\"")), qPrintable(detto));
    QCOMPARE(f->cmbGiocatore->count(), 2);
    QCOMPARE(f->cmbGiocatore->currentText(), QStringLiteral("Giulia"));
    auto *partite = f->paginaPartite->tabPartite->model();
    // Newest first, the paused game too; a click on a header sorts by it.
    QCOMPARE(partite->rowCount(), 3);
    QCOMPARE(partite->index(0, 4).data().toString(), QStringLiteral("in corso"));
    QCOMPARE(partite->index(1, 4).data().toString(), QStringLiteral("fermata"));
    QTest::mouseClick(
        f->paginaPartite->tabPartite->horizontalHeader()->viewport(), Qt::LeftButton, {},
        QPoint(f->paginaPartite->tabPartite->horizontalHeader()->sectionViewportPosition(3) + 5, 5));
    const QString primo = partite->index(0, 3).data().toString();
    QVERIFY(primo == QStringLiteral("0") || primo == QStringLiteral("2"));
    QCOMPARE(partite->index(primo == QStringLiteral("0") ? 2 : 0, 4).data().toString(),
             QStringLiteral("fermata"));

    // Each asked once, right: likely known; 7 per 8 twice, wrong both times: to learn; a letter beside
    // the colour.
    using S = apprendimento::Stato;
    for (const auto &[cella, stato] :
         {std::pair{67, S::DaImparare}, {23, S::QuasiSicura}, {44, S::MaiChiesta}})
        QCOMPARE(f->paginaFatti->mappa->item(cella / 10, cella % 10)->background().color(),
                 MappaFatti::colore(stato));
    QCOMPARE(f->paginaFatti->mappa->item(6, 7)->text(), QStringLiteral("56 I"));
    f->schede->setCurrentIndex(2);
    f->paginaFatti->mappa->setFocus();
    f->paginaFatti->mappa->setCurrentCell(6, 6);
    QTest::keyClick(f->paginaFatti->mappa, Qt::Key_Right);
    // Italian elides the article before the 1st, the 8th and the 11th.
    const QDate ieri = QDate::currentDate().addDays(-1);
    QCOMPARE(
        f->paginaFatti->lblFatto->text(),
        QStringLiteral("7 per 8: da imparare; chiesta 2 volte, 2 sbagliate, l'ultima %1%2; di solito 5,5 "
                       "secondi")
            .arg(QList{1, 8, 11}.contains(ieri.day()) ? QStringLiteral("l'") : QStringLiteral("il "),
                 QLocale(QLocale::Italian).toString(ieri, QStringLiteral("d MMMM"))));
    QCOMPARE(f->paginaFatti->mappa->item(6, 7)->data(Qt::AccessibleTextRole).toString(),
             f->paginaFatti->lblFatto->text());
    // Only the fact she got wrong: those right once (before her pace is known) are likely known.
    QCOMPARE(f->paginaFatti->lblDifficili->text(), QStringLiteral("Il ripasso di oggi: 7 per 8."));

    f->schede->setCurrentWidget(f->paginaGiocatori->tabGiocatori->parentWidget());
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->rowCount(), 2);
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(0, 0).data().toString(),
             QStringLiteral("Giulia"));
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(0, 1).data().toString(), QStringLiteral("3"));
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(0, 3).data().toString(),
             QStringLiteral("4,6")); // 23 s over 5 answers
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(0, 4).data().toString(), QStringLiteral("1,5"));
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(0, 5).data().toString(), QStringLiteral("3"));
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(0, 7).data().toString(), QStringLiteral("7×8"));
    QCOMPARE(f->paginaGiocatori->tabGiocatori->model()->index(1, 7).data().toString(), QString());

    // Passing over another child with the arrows shows her record, and she does not play: that takes
    // the button or Return; then the board's caption and the box's reader say who plays.
    QCOMPARE(f->cmbGiocatore->accessibleDescription(), QStringLiteral("Ora gioca Giulia"));
    QVERIFY(!f->cmdGioca->isEnabled());
    f->cmbGiocatore->setFocus();
    const int marco = f->cmbGiocatore->findText(QStringLiteral("Marco"));
    QTest::keyClick(f->cmbGiocatore, marco > f->cmbGiocatore->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(f->cmbGiocatore->currentText(), QStringLiteral("Marco"));
    QCOMPARE(f->paginaPartite->tabPartite->model()->rowCount(), 1);
    QCOMPARE(p.giocatore.nome(), QStringLiteral("Giulia"));
    QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella – Giulia"));
    QVERIFY(f->cmdGioca->isEnabled());
    QTest::keyClick(f->cmbGiocatore, Qt::Key_Return);
    QCOMPARE(p.giocatore.nome(), QStringLiteral("Marco"));
    QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella – Marco"));
    QCOMPARE(f->cmbGiocatore->accessibleDescription(), QStringLiteral("Ora gioca Marco"));
    QVERIFY(!f->cmdGioca->isEnabled());
    f->cmbGiocatore->setCurrentIndex(f->cmbGiocatore->findText(QStringLiteral("Giulia")));
    Q_EMIT f->cmbGiocatore->activated(f->cmbGiocatore->currentIndex());
    QCOMPARE(p.giocatore.nome(), QStringLiteral("Marco"));
    QTest::mouseClick(f->cmdGioca, Qt::LeftButton);
    QCOMPARE(p.giocatore.nome(), QStringLiteral("Giulia"));

    // "Ripassa" over the paused game asks first, in words a screen reader is given; "No" keeps the game.
    for (const bool lascia : {false, true}) {
        QTimer::singleShot(0, [lascia] {
            auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(domanda && domanda->objectName() == QStringLiteral("confermaRipassa"));
            QVERIFY(!domanda->accessibleName().isEmpty());
            QCOMPARE(domanda->accessibleDescription(), domanda->text());
            for (QAbstractButton *b : domanda->buttons())
                if (b->text().startsWith(lascia ? QStringLiteral("&Sì") : QStringLiteral("&No"))) b->click();
        });
        QTest::mouseClick(f->cmdRipassa, Qt::LeftButton);
        if (!lascia) {
            QCOMPARE(p.banco->momento(), Momento::InPausa);
            QVERIFY(f->isVisible());
        }
    }
    // Then a game of exactly today's round (one fact: little else is worth asking), which runs to its end.
    QVERIFY(!f->isVisible() || attesa::finche([&] { return !p.banco->findChild<FrmRegistro *>(); }));
    QCOMPARE(p.banco->momento(), Momento::InCorso);
    for (int k = 0; k < 100; ++k)
        QCOMPARE(p.banco->txtRisultato[k]->esclusa(), k != 67);
    p.finisci();
    QCOMPARE(p.banco->momento(), Momento::Finita);

    // A game running under the record window.
    p.banco->Label1_MouseDown(9, Qt::RightButton); // every table back
    p.banco->cmdAvvio_Click();
    p.banco.rispondi();
    p.banco.rispondi();
    QTest::keyClick(p.banco.w.get(), Qt::Key_R, Qt::ControlModifier);
    f = p.banco->findChild<FrmRegistro *>();
    QSignalSpy avvisi(&p.registro, &Registro::avviso);
    // Its file dialog tells the files it lists by their names: reading them could block the program
    // for good (/proc/kmsg, for root).
    const QString immagine = m_cartella.filePath(QStringLiteral("immagine senza estensione"));
    {
        QFile png(immagine);
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(64, '\0'));
    }
    QTimer::singleShot(0, [&] {
        auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        QTimer::singleShot(0, [&] {
            auto *scelta = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(scelta && scelta->iconProvider());
            const QString tipo = scelta->iconProvider()->type(QFileInfo(immagine));
            scelta->reject(); // first: a failure below must not leave the test waiting on the dialog
            QCOMPARE(tipo,
                     QMimeDatabase().mimeTypeForName(QStringLiteral("application/octet-stream")).comment());
        });
        for (QPushButton *b : dialogo->findChildren<QPushButton *>())
            if (b->text() == QStringLiteral("S&cegli…")) b->click();
        dialogo->reject();
    });
    f->esporta();
    // The export's dialog names both files it writes, and writes them in the form chosen.
    const QString csv = m_cartella.filePath(QStringLiteral("dalla finestra.csv"));
    const QString csvRisposte = m_cartella.filePath(QStringLiteral("dalla finestra-risposte.csv"));
    QTimer::singleShot(0, [&] {
        auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialogo && dialogo->objectName() == QStringLiteral("dlgEsporta"));
        dialogo->findChild<QLineEdit *>(QStringLiteral("txtFile"))->setText(csv);
        const QString detto = dialogo->findChild<QLabel *>(QStringLiteral("lblFile"))->text();
        QVERIFY2(detto.contains(csv) && detto.contains(csvRisposte), qPrintable(detto));
        dialogo->findChild<QRadioButton *>(QStringLiteral("optStandard"))->click();
        dialogo->accept();
    });
    f->esporta();
    bool bom = true;
    QCOMPARE(leggiCsv(csv, u',', bom).value(0).value(1), QStringLiteral("inizio"));
    QVERIFY(!bom && QFileInfo::exists(csvRisposte));

    // Renamed while she plays: her game follows the new name, and goes with her below.
    QTimer::singleShot(0, [] {
        auto *nome = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(nome);
        nome->setTextValue(QStringLiteral("Giulia B."));
        nome->accept();
    });
    f->rinominaGiocatore();
    QCOMPARE(f->cmbGiocatore->currentText(), QStringLiteral("Giulia B."));
    // Removing the child who is playing asks first; "No" keeps her and her game.
    for (const auto risposta : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer::singleShot(0, [risposta] {
            auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(domanda && domanda->objectName() == QStringLiteral("confermaTogli"));
            domanda->button(risposta)->click();
        });
        f->togliGiocatore();
        QCOMPARE(p.banco->momento(), risposta == QMessageBox::No ? Momento::InPausa : Momento::Riposo);
    }
    // "Yes": her game ended first and went with her; the board goes on with the guest.
    QCOMPARE(f->cmbGiocatore->findText(QStringLiteral("Giulia B.")), -1);
    QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella"));
    f->close();
    for (int partita = 0; partita < 2; ++partita) {
        p.banco->cmdAvvio_Click();
        p.finisci();
    }
    QCOMPARE(avvisi.size(), 0);
    Archivio a(file);
    QVERIFY(a.apri());
    QCOMPARE(a.giocatori().size(), 2); // Marco and the guest, now chosen
    const QList<SchedaPartita> ospite = a.partite(a.giocatore(Giocatore::ospite()));
    QCOMPARE(ospite.size(), 2);
    int risposte = 0;
    QVERIFY(a.perOgniDomanda([&](const QString &nome, const QDateTime &, int, int, qint64, int) {
        QVERIFY(nome == Giocatore::ospite() || nome == QStringLiteral("Marco"));
        ++risposte;
    }));
    QCOMPARE(risposte, 1 + 2 * 100); // Marco's one and the guest's two whole games, nothing of Giulia's
    for (const SchedaPartita &partita : ospite) {
        QCOMPARE(partita.esito, FinePartita::Finita);
        QCOMPARE(partita.esatte, 100);
    }
    // Her games' numbers are never given again.
    QVERIFY(ospite[0].id > 5);

    // A name is shown as it was typed, never read as markup.
    p.giocatore.scegli(QStringLiteral("<b>x</b>"));
    p.banco->apriRegistro();
    f = p.banco->findChild<FrmRegistro *>();
    QVERIFY(f);
    QCOMPARE(f->cmbGiocatore->currentText(), QStringLiteral("<b>x</b>"));
    QString dettoNome;
    Qt::TextFormat formato = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(domanda);
        const auto *testo = domanda->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        dettoNome = testo->text();
        formato = testo->textFormat();
        domanda->button(QMessageBox::No)->click();
    });
    f->togliGiocatore();
    QVERIFY2(dettoNome.contains(QStringLiteral("\"<b>x</b>\"")), qPrintable(dettoNome));
    QCOMPARE(formato, Qt::PlainText);
}

namespace {

/// A local day of the test's own, \a giorni after the first of December 2026, at ten.
QDateTime giornoDiProva(int giorni)
{
    return QDateTime(QDate(2026, 12, 1).addDays(giorni), QTime(10, 0));
}

/// "0:2000 1:x 1:- 2:3000/1": askings as day:milliseconds (x wrong, - left, /n with n wrong first).
QList<apprendimento::Chiesta> chiesteDa(const QString &testo)
{
    QList<apprendimento::Chiesta> chieste;
    for (const QString &parte : testo.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList giornoTempo = parte.split(u':');
        const QStringList tempoSbagliate = giornoTempo[1].split(u'/');
        apprendimento::Chiesta c{giornoDiProva(giornoTempo[0].toInt()), 0, tempoSbagliate.value(1).toInt()};
        if (tempoSbagliate[0] == u"x") {
            c.millisecondi = 1500;
            c.sbagliate = 1;
        } else {
            c.millisecondi = tempoSbagliate[0] == u"-" ? -1 : tempoSbagliate[0].toLongLong();
        }
        chieste.append(c);
    }
    return chieste;
}

} // namespace

void TestRegistro::statiDelFatto_data()
{
    // A fact's askings as day:milliseconds (x wrong, - left, /n with n wrong first), her median, whether
    // her time counts, the day looked at; the state it must give, and whether practice asks it that day.
    QTest::addColumn<QString>("chieste");
    QTest::addColumn<qint64>("mediana"); // 0 while too few answers say it
    QTest::addColumn<bool>("senzaFretta");
    QTest::addColumn<int>("oggi");
    QTest::addColumn<int>("stato");
    QTest::addColumn<bool>("chiesta");
    using S = apprendimento::Stato;
    const auto riga = [](const char *nome, const char *chieste, int oggi, S stato, bool chiesta,
                         qint64 mediana = 1000, bool senzaFretta = false) {
        QTest::newRow(nome) << QString::fromLatin1(chieste) << mediana << senzaFretta << oggi << int(stato)
                            << chiesta;
    };
    riga("mai chiesta", "", 0, S::MaiChiesta, false);
    // A first game all right and quick: likely known, asked again only as its memory fades.
    riga("prima partita, giusta e svelta", "0:900", 0, S::QuasiSicura, false);
    riga("il giorno dopo", "0:900", 1, S::QuasiSicura, false);
    riga("giusta e svelta, poi svanisce", "0:900", 20, S::DaRipassare, true);
    riga("giusta una volta, poi sbagliata", "0:900 1:x", 1, S::DaImparare, true);
    riga("sbagliata", "0:x", 0, S::DaImparare, true);
    riga("lasciata", "0:-", 0, S::DaImparare, true);
    riga("sbagliata anche il giorno dopo", "0:x 1:900/1", 1, S::DaImparare, true);
    // Right minutes after a wrong answer: she may recall what she was shown; it waits for tomorrow.
    riga("giusta subito dopo l'errore", "0:x 0:900", 0, S::DaImparare, false);
    riga("e il giorno dopo", "0:x 0:900", 1, S::DaImparare, true);
    riga("imparata in tre giorni", "0:x 0:900 1:900 2:900", 2, S::QuasiSicura, false);
    riga("due volte svelta", "0:900 0:900", 0, S::Sicura, false);
    riga("lenta per lei", "0:900 0:2500", 0, S::DaImparare, true);
    riga("non lenta per chi va piano", "0:3900 0:3900", 0, S::Sicura, false, 2000);
    riga("senza mediana nulla è lento", "0:9000 0:9000", 0, S::Sicura, false, 0);
    // Judged before her pace was known: slow for her pace now.
    riga("lenta per il ritmo di adesso", "0:9000", 0, S::DaImparare, true);
    riga("senza fretta la lentezza non conta", "0:900 0:2500", 0, S::Sicura, false, 1000, true);
    riga("senza fretta l'errore conta", "0:900 0:x", 0, S::DaImparare, true, 1000, true);
    riga("senza fretta, il ripasso lento va bene", "0:900 0:900 12:2500", 12, S::QuasiSicura, false, 1000,
         true);
    riga("senza fretta mai lenta", "0:9000 0:9000 1:9000", 1, S::Sicura, false, 1000, true);
    // A review: the memory fades between days, and lasts longer after each fluent review.
    riga("sicura, poi da ripassare", "0:900 0:900", 12, S::DaRipassare, true);
    riga("ripassata, dura di più", "0:900 0:900 12:900", 24, S::QuasiSicura, false);
    riga("ripasso sbagliato", "0:900 0:900 12:x", 12, S::DaImparare, true);
    riga("ripasso lento", "0:900 0:900 12:2500", 12, S::DaImparare, true);
    // Wrong until it clicks: quick right answers on later days make it likely known, as always.
    riga("imparata di colpo", "0:x 0:x 1:x 2:900 3:900 4:900", 4, S::QuasiSicura, false);
    // Right and quick, then missed again, more than once: her quick answers say less, not yet sure.
    riga("a volte sì, a volte no", "0:900 1:x 2:900 3:900 4:x 5:900 6:900", 6, S::QuasiSicura, false);
}

void TestRegistro::statiDelFatto()
{
    QFETCH(QString, chieste);
    QFETCH(qint64, mediana);
    QFETCH(bool, senzaFretta);
    QFETCH(int, oggi);
    QFETCH(int, stato);
    QFETCH(bool, chiesta);
    const apprendimento::Giudizio giudizio(mediana, senzaFretta ? apprendimento::Tempo::Ignora
                                                                : apprendimento::Tempo::Conta);
    const QDate giorno = giornoDiProva(oggi).date();
    QDate ripasso;
    const apprendimento::Stato s = apprendimento::statoDa(chiesteDa(chieste), giorno, giudizio, &ripasso);
    // As the record folds it: her guess rate from her facts' relapses, here this fact's alone.
    SchedaFatto fatto;
    for (const apprendimento::Chiesta &c : chiesteDa(chieste)) {
        apprendimento::Giudizio suo = giudizio;
        suo.indovina = apprendimento::indovina(apprendimento::ricadute(fatto));
        apprendimento::aggiorna(fatto, c, suo);
    }
    const double stima = apprendimento::stima(fatto, giorno, giudizio);
    QVERIFY2(int(s) == stato,
             qPrintable(QStringLiteral("%1, stima %2").arg(apprendimento::parolaStato(s)).arg(stima)));
    QCOMPARE(apprendimento::daChiedere(fatto, giorno, giudizio), chiesta);
    QCOMPARE(QList<SchedaFatto>{fatto} == ripasso::giro({fatto}, giorno, 10, giudizio), chiesta);

    // The same askings of 1 per 1 kept in a record, for a child whose pace is the row's median, first
    // marked the other way and then as the row says: the summary is built again, and the map's state
    // and words, the export's word and practice are the model's, "senza fretta" or not.
    const QString file = nuovoFile();
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    const qint64 bimba = archivio.giocatore(QStringLiteral("Bimba"));
    const apprendimento::Tempo altro =
        senzaFretta ? apprendimento::Tempo::Conta : apprendimento::Tempo::Ignora;
    QVERIFY(archivio.segnaSenzaFretta(bimba, altro));
    if (mediana > 0) {
        // Her pace from 10 per 10, which shares no table with 1 per 1, long before.
        const qint64 p = archivio.iniziaPartita(bimba, QStringLiteral("ritmo"), giornoDiProva(-400),
                                                std::bitset<100>().set(99));
        for (int k = 1; k <= apprendimento::TempiRitmo; ++k)
            QVERIFY(archivio.domanda(p, k, 99, mediana, 0));
    }
    int n = 0;
    for (const apprendimento::Chiesta &c : chiesteDa(chieste)) {
        const qint64 p = archivio.iniziaPartita(bimba, QStringLiteral("p%1").arg(++n), c.quando,
                                                std::bitset<100>().set(0));
        QVERIFY(archivio.domanda(p, 1, 0, c.millisecondi, c.sbagliate));
    }
    QVERIFY(archivio.segnaSenzaFretta(bimba, giudizio.tempo));
    QCOMPARE(archivio.giudizio(bimba).tempo, giudizio.tempo);
    QCOMPARE(archivio.mediana(bimba), mediana);
    const QList<SchedaFatto> tenuti = archivio.fatti(bimba);
    QCOMPARE(archivio.fattiDalleDomande(bimba), tenuti);
    SchedaFatto tenuto;
    for (const SchedaFatto &f : tenuti)
        if (f.cella() == 0) tenuto = f;
    tenuto.riga = tenuto.colonna = 1;
    fatto.riga = fatto.colonna = 1;
    const apprendimento::Giudizio suo = archivio.giudizio(bimba);
    QCOMPARE(int(apprendimento::stato(tenuto, giorno, suo)), stato);
    QCOMPARE(MappaFatti::parole(tenuto, giorno, suo), MappaFatti::parole(fatto, giorno, giudizio));
    QCOMPARE(apprendimento::daChiedere(tenuto, giorno, suo), chiesta);
    // The due day: the first on which practice asks it, as the export says it.
    if (fatto.chiesta > 0) {
        QVERIFY(ripasso.isValid());
        QCOMPARE(apprendimento::stima(fatto, ripasso, giudizio) < apprendimento::SogliaRipasso, true);
        if (ripasso > fatto.ultima.date())
            QVERIFY(apprendimento::stima(fatto, ripasso.addDays(-1), giudizio) >=
                    apprendimento::SogliaRipasso);
    }
}

void TestRegistro::giroDelRipasso_data()
{
    // Facts with their askings (as in statiDelFatto, her median 1 s) and the round of day 12, in order.
    QTest::addColumn<QStringList>("fatti");
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<QList<int>>("giro"); // indexes into fatti
    const QStringList misti = {
        "0:900 0:900 5:900 11:900", // 0: sure, reviewed yesterday
        "0:x 11:x",                 // 1: wrong yesterday too
        "0:900",                    // 2: known at first sight, fading most
        "0:x 11:2500",              // 3: slow yesterday
        "0:900 0:900",              // 4: sure, fading too
        "12:x 12:900",              // 5: right minutes after a wrong answer: waits
        "0:900 11:900",             // 6: reviewed yesterday
    };
    QTest::newRow("prima le meno note, poi i ripassi") << misti << 10 << QList<int>{1, 3, 2, 4};
    // Known from the start, a fading fact only takes the room the facts to learn leave.
    QTest::newRow("ripasso=2: prima quelle da imparare") << misti << 2 << QList<int>{1, 3};
    QTest::newRow("niente da chiedere")
        << QStringList{"11:900", "11:900 11:900", "12:x 12:900"} << 10 << QList<int>{};
    // Right minutes after a wrong answer, with four others asked since: it comes back today.
    QTest::newRow("di nuovo oggi, con altre in mezzo")
        << QStringList{"12:x 12:900", "12:x", "12:x", "12:x", "12:x"} << 10 << QList<int>{1, 2, 3, 4, 0};
    // Only hard facts: one known fact mixed in, one an asking still tells something of (right once,
    // judged by a guess rate that makes one quick answer no proof); never a sure one.
    QTest::newRow("una nota fra le difficili")
        << QStringList{"11:x", "11:x", "11:x", "0:900 0:900 5:900 11:900", "11:900"} << 10
        << QList<int>{0, 1, 2, 4};
    QTest::newRow("le sicure non servono fra le difficili")
        << QStringList{"11:x", "11:x", "11:x", "0:900 0:900 5:900 11:900", "0:900 0:900 10:900"} << 10
        << QList<int>{0, 1, 2};
}

void TestRegistro::giroDelRipasso()
{
    QFETCH(QStringList, fatti);
    QFETCH(int, lunghezza);
    QFETCH(QList<int>, giro);
    QList<SchedaFatto> schede;
    for (const QString &chieste : fatti) {
        SchedaFatto f;
        for (const apprendimento::Chiesta &c : chiesteDa(chieste))
            apprendimento::aggiorna(f, c, qint64(1000));
        f.riga = int(schede.size()) + 1;
        f.colonna = 1;
        schede.append(f);
    }
    QList<int> preso;
    for (const SchedaFatto &f : ripasso::giro(schede, giornoDiProva(12).date(), lunghezza, qint64(1000)))
        preso.append(f.riga - 1);
    QCOMPARE(preso, giro);
}

void TestRegistro::indovinaDellaBimba_data()
{
    // Ten facts she learnt, how each went; then one more fact missed and three times right and quick
    // on later days: how sure that makes it, for her.
    QTest::addColumn<QString>("imparate");
    QTest::addColumn<int>("stato");
    using S = apprendimento::Stato;
    QTest::newRow("sbagliate finché non le sa") << "0:x 1:x 2:x 3:900 4:900" << int(S::Sicura);
    QTest::newRow("giuste e svelte a tratti, poi sbagliate")
        << "0:x 1:900 2:x 3:900 4:x 5:900 6:x 7:900" << int(S::DaImparare);
}

void TestRegistro::indovinaDellaBimba()
{
    // Her guess rate is hers: the same answers to the last fact prove more for a child whose quick
    // right answers were never followed by a miss. The record's summary is the fold's.
    QFETCH(QString, imparate);
    QFETCH(int, stato);
    const QString file = nuovoFile();
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    const qint64 bimba = archivio.giocatore(QStringLiteral("Bimba"));
    CamminoFatti cammino;
    int n = 0;
    // A game a day with the facts in the table's order, as the record folds them.
    const auto gioca = [&](const QList<int> &celle, const QString &chieste) {
        for (const apprendimento::Chiesta &c : chiesteDa(chieste)) {
            const qint64 p =
                archivio.iniziaPartita(bimba, QStringLiteral("p%1").arg(++n), c.quando, std::bitset<100>());
            int ordine = 0;
            for (int cella : celle) {
                QVERIFY(archivio.domanda(p, ++ordine, cella, c.millisecondi, c.sbagliate));
                cammino.chiesta(cella / 10 + 1, cella % 10 + 1, c);
            }
        }
    };
    gioca({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, imparate);
    gioca({99}, QStringLiteral("10:x 11:900 12:900 13:900"));
    QCOMPARE(archivio.fatti(bimba), cammino.fatti());
    QCOMPARE(archivio.fattiDalleDomande(bimba), cammino.fatti());
    const QDate giorno = giornoDiProva(13).date();
    const apprendimento::Stato s = apprendimento::stato(cammino.fatto(99), giorno, cammino.giudizio());
    QVERIFY2(int(s) == stato, qPrintable(apprendimento::parolaStato(s)));
}

void TestRegistro::senzaFrettaTenuta()
{
    // A slow child's record as the step before the mark left it: brought up to date, nothing changes
    // until she is marked; the mark survives a reopening, and a run "senza fretta" for everyone judges
    // the others so too without touching what their record keeps.
    const QString file = nuovoFile();
    {
        Archivio a(file);
        QVERIFY(a.apri());
        for (const QString &nome : {QStringLiteral("Giulia"), QStringLiteral("Marco")}) {
            const qint64 id = a.giocatore(nome);
            const qint64 p = a.iniziaPartita(id, nome, giornoDiProva(-1), std::bitset<100>().set());
            // Quick on the first ten facts, three times slower on the next ten.
            for (int k = 0; k < 20; ++k)
                QVERIFY(a.domanda(p, k + 1, k, k < 10 ? 1000 : 3000, 0));
            QVERIFY(a.chiudiPartita(p, giornoDiProva(-1).addSecs(60), 60, 0, 20, FinePartita::Finita));
        }
    }
    scriviDiretto(file,
                  {QStringLiteral("ALTER TABLE giocatori DROP COLUMN senza_fretta"),
                   QStringLiteral("UPDATE versione SET numero = %1").arg(Archivio::VersioneSenzaFretta - 1)});
    const QDate oggi = giornoDiProva(0).date();
    const auto lente = [&oggi](Archivio &a, qint64 id) {
        int n = 0;
        for (const SchedaFatto &f : a.fatti(id))
            n += f.cella() >= 10 &&
                 apprendimento::stato(f, oggi, a.giudizio(id)) == apprendimento::Stato::DaImparare;
        return n;
    };
    QList<SchedaFatto> diMarco;
    {
        Archivio a(file);
        QVERIFY(a.apri());
        QVERIFY(
            a.copiaFatta().endsWith(QStringLiteral(".versione-%1").arg(Archivio::VersioneSenzaFretta - 1)));
        QCOMPARE(a.versione(), Archivio::VersioneSchema);
        for (const SchedaGiocatore &g : a.giocatori())
            QCOMPARE(g.tempo, apprendimento::Tempo::Conta);
        QCOMPARE(lente(a, 1), 10);
        diMarco = a.fatti(2);
        QVERIFY(a.segnaSenzaFretta(1, apprendimento::Tempo::Ignora));
        QCOMPARE(lente(a, 1), 0);
        QCOMPARE(a.fatti(1), a.fattiDalleDomande(1));
    }
    {
        Archivio a(file);
        QVERIFY(a.apri());
        QCOMPARE(a.senzaFretta(1), apprendimento::Tempo::Ignora);
        QCOMPARE(a.senzaFretta(2), apprendimento::Tempo::Conta);
        QCOMPARE(a.giocatori().value(0).tempo, apprendimento::Tempo::Ignora);
        QCOMPARE(lente(a, 1), 0);
        QCOMPARE(lente(a, 2), 10);
        // Every word the map says of her facts: none slow, none to learn.
        for (const SchedaFatto &f : a.fatti(1))
            QVERIFY(!MappaFatti::parole(f, oggi, a.giudizio(1)).contains(QStringLiteral("imparare")));
        a.giudicaTutti(apprendimento::Tempo::Ignora);
        QCOMPARE(lente(a, 2), 0);
        a.giudicaTutti(apprendimento::Tempo::Conta);
        QCOMPARE(a.fatti(2), diMarco);
    }
    // The copy of the older step still reads, as an export reads it.
    Archivio copia(file + QStringLiteral(".versione-%1").arg(Archivio::VersioneSenzaFretta - 1));
    QVERIFY(copia.apriInLettura());
    QCOMPARE(copia.giocatori().size(), 2);
    QCOMPARE(copia.senzaFretta(1), apprendimento::Tempo::Conta);
}

void TestRegistro::fattiDaTutteLeDomande()
{
    // 80 games over days: the first asks all 100 facts, the others only 7 per 8 and 2 per 3; the
    // summary written with each answer, the one a migration builds and the answers' own all agree.
    const QString file = nuovoFile();
    {
        Archivio a(file);
        QVERIFY(a.apri());
        const qint64 giulia = a.giocatore(QStringLiteral("Giulia"));
        const qint64 prima =
            a.iniziaPartita(giulia, QStringLiteral("p0"), giornoDiProva(-40), std::bitset<100>().set());
        // 10 per 10 left after a wrong answer: never answered right.
        for (int k = 0; k < 100; ++k)
            QVERIFY(a.domanda(prima, k + 1, k, k == 99 ? -1 : 1000 + 10 * k, k == 67 || k == 99 ? 1 : 0));
        for (int n = 1; n < 80; ++n) {
            const qint64 p =
                a.iniziaPartita(giulia, QStringLiteral("p%1").arg(n), giornoDiProva(-40 + n / 2).addSecs(n),
                                std::bitset<100>().set(67).set(12));
            // 7 per 8: 13 more askings, 3 more of them wrong, the last on the 30th of November at 3,2 s.
            if (n >= 67)
                QVERIFY(a.domanda(p, 1, 67, n == 79 ? 3200 : 3100 + n % 3 * 100, n % 4 == 0 ? 1 : 0));
            QVERIFY(a.domanda(p, 2, 12, 1200, 0));
            QVERIFY(
                a.chiudiPartita(p, giornoDiProva(-40 + n / 2).addSecs(n + 5), 5, 0, 2, FinePartita::Finita));
        }
    }
    QFile::remove(file + QStringLiteral("-vecchio"));
    QVERIFY(QFile::copy(file, file + QStringLiteral("-vecchio")));
    // The same record as an older program left it: no summary yet.
    scriviDiretto(file + QStringLiteral("-vecchio"),
                  {QStringLiteral("DROP TABLE fatti"), QStringLiteral("DROP TABLE ritmo"),
                   QStringLiteral("UPDATE versione SET numero = 2")});
    Archivio nuovo(file), vecchio(file + QStringLiteral("-vecchio"));
    QVERIFY(nuovo.apri() && vecchio.apri());
    const QList<SchedaFatto> fatti = nuovo.fatti(1);
    QCOMPARE(fatti.size(), 100);
    QCOMPARE(vecchio.fatti(1), fatti);
    QCOMPARE(nuovo.fattiDalleDomande(1), fatti);
    // The map says it all, about the first game's facts too.
    const QDate oggi = giornoDiProva(0).date();
    QCOMPARE(MappaFatti::parole(fatti[67], oggi),
             QStringLiteral("7 per 8: da imparare; chiesta 14 volte, 4 sbagliate, l'ultima il 30 novembre; "
                            "di solito 3,2 secondi"));
    QCOMPARE(
        MappaFatti::parole(fatti[0], oggi),
        QStringLiteral(
            "1 per 1: da ripassare; chiesta 1 volta, 0 sbagliate, il 22 ottobre; di solito 1,0 secondi"));
    QCOMPARE(MappaFatti::parole(fatti[99], oggi),
             QStringLiteral("10 per 10: da imparare; chiesta 1 volta, 1 sbagliata, il 22 ottobre"));
    QCOMPARE(apprendimento::stato(fatti[12], oggi), apprendimento::Stato::Sicura);
    QVERIFY(MappaFatti::parole(fatti[12], oggi).contains(QStringLiteral("; da ripassare ")));

    // Practice of a slow fact, over and over, does not make her pace slow: it stays slow for her.
    QList<int> ritmo(apprendimento::MinimoRitmo, 1000);
    SchedaFatto lento;
    for (int i = 0; i < 2 * apprendimento::TempiRitmo; ++i) {
        const apprendimento::Chiesta c{giornoDiProva(i), 3000, 0};
        const SchedaFatto prima = lento;
        apprendimento::aggiorna(lento, c, apprendimento::mediana(ritmo));
        apprendimento::aggiornaRitmo(ritmo, c, prima);
    }
    QCOMPARE(apprendimento::mediana(ritmo), 1000);
    QCOMPARE(apprendimento::stato(lento, oggi), apprendimento::Stato::DaImparare);
}

void TestRegistro::chiGioca_data()
{
    // The players in the record (the one remembered from the last run first), the one named on the
    // command line, the button pressed in "Chi gioca?" ("Esc": none), and whose game starts ("-": none).
    QTest::addColumn<QStringList>("nomi");
    QTest::addColumn<QString>("daRigaDiComando");
    QTest::addColumn<QString>("premuto");
    QTest::addColumn<QString>("gioca");
    const QStringList tre = {"Sofia", "Luca", "Anna & Bea", "Ospite"};
    QTest::newRow("tre bambini") << tre << QString() << "Luca"
                                 << "Luca";
    QTest::newRow("l'ospite fra tre") << tre << QString() << "Ospite"
                                      << "Ospite";
    QTest::newRow("chiusa con Esc") << tre << QString() << "Esc"
                                    << "-";
    QTest::newRow("nominata sulla riga di comando") << tre << "Anna & Bea" << QString() << "Anna & Bea";
    QTest::newRow("una bambina e l'ospite")
        << QStringList{"Sofia", "Ospite"} << QString() << QString() << "Sofia";
}

void TestRegistro::chiGioca()
{
    QFETCH(QStringList, nomi);
    QFETCH(QString, daRigaDiComando);
    QFETCH(QString, premuto);
    QFETCH(QString, gioca);
    const QString file = nuovoFile();
    {
        Archivio a(file);
        QVERIFY(a.apri());
        for (const QString &n : nomi)
            QVERIFY(a.giocatore(n));
        // The earlier run's child has a fact to practise today.
        const QDateTime ieri = QDate::currentDate().addDays(-1).startOfDay().addSecs(10 * 3600).toUTC();
        const qint64 g = a.iniziaPartita(a.giocatore(nomi.first()), QStringLiteral("ieri"), ieri,
                                         std::bitset<100>().set());
        QVERIFY(a.domanda(g, 1, 67, 6000, 1) && a.sbagliata(g, 1, 67, QStringLiteral("54"), 2000));
        QVERIFY(a.chiudiPartita(g, ieri.addSecs(6), 6, 1, 1, FinePartita::Finita));
    }
    Giocatore().scegli(nomi.first()); // an earlier run's child
    Partite p(file, daRigaDiComando, daRigaDiComando.isEmpty() ? Avvio::Ricordato : Avvio::ConGiocatore);
    // The record not open yet: only a child named on the command line.
    if (daRigaDiComando.isEmpty()) QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella"));
    p.registro.archivio(); // as the start-up check's end opens it
    // Before "Chi gioca?" the board names nobody, neither in its title nor with her practice.
    const QString nominata = !premuto.isEmpty()          ? QString()
                             : daRigaDiComando.isEmpty() ? nomi.first()
                                                         : daRigaDiComando;
    QCOMPARE(p.banco->windowTitle(), nominata.isEmpty() ? QStringLiteral("La Numerella")
                                                        : QStringLiteral("La Numerella – %1").arg(nominata));
    QCOMPARE(p.banco->lblRipasso->isVisibleTo(p.banco.w.get()), nominata == nomi.first());
    QStringList offerti;
    bool chiesto = false;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<FrmChiGioca *>(QApplication::activeModalWidget());
        if (!d) return; // nothing asked
        chiesto = true;
        QCOMPARE(QAccessible::queryAccessibleInterface(d)->role(), QAccessible::Dialog);
        mnemoniciUnici(d);
        for (QPushButton *b : d->pulsanti)
            offerti << QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
        // Keys only: the arrows move the focus, Space presses.
        QCOMPARE(d->focusWidget(), d->pulsanti.first());
        if (premuto == QStringLiteral("Esc")) {
            QTest::keyClick(d, Qt::Key_Escape);
            return;
        }
        for (int i = 0; i < int(offerti.indexOf(premuto)); ++i)
            QTest::keyClick(d->focusWidget(), Qt::Key_Right);
        QTest::keyClick(d->focusWidget(), Qt::Key_Space);
    });
    p.banco->cmdAvvio_Click();
    QCoreApplication::processEvents();
    QCOMPARE(chiesto, !premuto.isEmpty());
    if (chiesto) {
        QStringList bambini = nomi.filter(QRegularExpression(QStringLiteral("^(?!Ospite$)")));
        std::sort(bambini.begin(), bambini.end(),
                  [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; });
        QCOMPARE(offerti, bambini << QStringLiteral("Ospite"));
    }
    if (gioca == QStringLiteral("-")) {
        QCOMPARE(p.banco->momento(), Momento::Riposo);
        return;
    }
    QCOMPARE(p.banco->momento(), Momento::InCorso);
    QCOMPARE(p.registro.giocatore().nomeRegistro(), gioca);
    // Asked once a run: the next game is hers too.
    p.banco->cmdStop_Click();
    p.banco->cmdAvvio_Click();
    QCOMPARE(p.banco->momento(), Momento::InCorso);
    p.banco->cmdStop_Click();
    Archivio a(file);
    QVERIFY(a.apri());
    for (const SchedaGiocatore &g : a.giocatori())
        QCOMPARE(g.partite, (g.nome == gioca ? 2 : 0) + (g.nome == nomi.first() ? 1 : 0));
    // In full screen, where there is no caption, the title says who plays.
    p.banco->show();
    p.banco->impostaSchermoIntero(Schermo::Intero);
    const QString titolo = p.banco->lblTitolo->text();
    p.banco->impostaSchermoIntero(Schermo::Finestra);
    QCOMPARE(titolo, gioca == Giocatore::ospite() ? QStringLiteral("La Numerella")
                                                  : QStringLiteral("La Numerella – %1").arg(gioca));
    QCOMPARE(p.banco->lblTitolo->text(), QStringLiteral("La Numerella"));
}

namespace {

/// Giulia's record: a game long ago (7 per 8 wrong), one this morning (3 per 4 right, 6 per 9 slow);
/// Marco's one game.
void dueTempi(const QString &file)
{
    Archivio a(file);
    QVERIFY(a.apri());
    const qint64 giulia = a.giocatore(QStringLiteral("Giulia")), marco = a.giocatore(QStringLiteral("Marco"));
    const QDateTime prima = QDateTime::currentDateTimeUtc().addDays(-40);
    const QDateTime oggi = QDate::currentDate().startOfDay().toUTC().addSecs(60);
    const qint64 p1 = a.iniziaPartita(giulia, QStringLiteral("vecchia"), prima, std::bitset<100>().set());
    QVERIFY(a.domanda(p1, 1, 67, 6000, 2) && a.sbagliata(p1, 1, 67, QStringLiteral("54"), 2000));
    QVERIFY(a.chiudiPartita(p1, prima.addSecs(6), 6, 2, 1, FinePartita::Finita));
    const qint64 p2 = a.iniziaPartita(giulia, QStringLiteral("nuova"), oggi, std::bitset<100>().set());
    QVERIFY(a.domanda(p2, 1, 23, 2000, 0) && a.domanda(p2, 2, 58, 9000, 0));
    QVERIFY(a.chiudiPartita(p2, oggi.addSecs(11), 11, 0, 2, FinePartita::Fermata));
    const qint64 p3 = a.iniziaPartita(marco, QStringLiteral("marco"), oggi, std::bitset<100>().set());
    QVERIFY(a.domanda(p3, 1, 44, 3000, 0));
    QVERIFY(a.chiudiPartita(p3, oggi.addSecs(3), 3, 0, 1, FinePartita::Finita));
}

/// The board shown and active.
bool sulloSchermo(Partite &p)
{
    p.banco->show();
    return QTest::qWaitForWindowActive(p.banco.w.get());
}

/// The record window Ctrl+R opens over the board, active.
FrmRegistro *apriRegistro(Partite &p)
{
    QTest::keyClick(p.banco->windowHandle(), Qt::Key_R, Qt::ControlModifier);
    auto *f = p.banco->findChild<FrmRegistro *>();
    if (!f) return nullptr;
    f->activateWindow();
    return QTest::qWaitForWindowActive(f) ? f : nullptr;
}

/// The places along the x axis where the chart has a point.
int puntiDelGrafico(FrmRegistro *f)
{
    QSet<qreal> x;
    for (const QAbstractSeries *serie : f->paginaAndamento->grafico->chart()->series())
        if (const auto *linea = qobject_cast<const QXYSeries *>(serie))
            for (const QPointF &punto : linea->points())
                x.insert(punto.x());
    return int(x.size());
}

/// Accessible names told to have changed, in order.
QList<QObject *> s_nominati, s_fuochi;
void registraNomi(QAccessibleEvent *e)
{
    if (e->type() == QAccessible::NameChanged) s_nominati.append(e->object());
    if (e->type() == QAccessible::Focus) s_fuochi.append(e->object());
}

} // namespace

void TestRegistro::finestraPerLettore()
{
    const QString file = nuovoFile();
    dueTempi(file);
    Partite p(file, QStringLiteral("Giulia"));
    QVERIFY(sulloSchermo(p));
    QPointer<FrmRegistro> f = apriRegistro(p);
    QVERIFY(f);
    QAccessibleInterface *finestra = QAccessible::queryAccessibleInterface(f);
    QCOMPARE(finestra->role(), QAccessible::Dialog);
    QCOMPARE(QAccessible::queryAccessibleInterface(f->paginaAndamento->grafico)->role(), QAccessible::Chart);
    QCOMPARE(finestra->text(QAccessible::Name), QStringLiteral("Registro"));

    // Alt and a tab's letter: the tab, its name told, and the focus in its page.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as a reader does
    QAccessible::installUpdateHandler(registraNomi);
    const struct
    {
        Qt::Key tasto;
        const char *scheda;
        QWidget *fuoco;
        const char *nome;
    } schede[] = {
        {Qt::Key_A, "Andamento", f->paginaAndamento->grafico, "Andamento delle partite"},
        {Qt::Key_F, "Fatti", f->paginaFatti->mappa, "Mappa dei fatti"},
        {Qt::Key_I, "Giocatori", f->paginaGiocatori->tabGiocatori, "Tutti i giocatori"},
        {Qt::Key_P, "Partite", f->paginaPartite->tabPartite, "Partite"},
    };
    for (const auto &s : schede) {
        s_nominati.clear();
        s_fuochi.clear();
        QTest::keyClick(f->windowHandle(), s.tasto, Qt::AltModifier);
        QCOMPARE(f->focusWidget(), s.fuoco);
        // Nothing outside the page is said on the way (the button after the page left, say).
        for (QObject *detto : std::as_const(s_fuochi))
            QVERIFY2(detto == s.fuoco || s.fuoco->isAncestorOf(qobject_cast<QWidget *>(detto)) ||
                         s.fuoco == detto->parent(),
                     qPrintable(detto->objectName()));
        QCOMPARE(QAccessible::queryAccessibleInterface(s.fuoco)->text(QAccessible::Name),
                 QLatin1String(s.nome));
        QAccessibleInterface *barra = QAccessible::queryAccessibleInterface(f->schede->tabBar());
        QCOMPARE(barra->text(QAccessible::Name), QLatin1String(s.scheda));
        QVERIFY(s_nominati.contains(f->schede->tabBar()));
    }
    QAccessible::installUpdateHandler(nullptr);

    // The chart's alternative: its points as a table, a row a game, walked cell by cell.
    QAccessibleInterface *numeri = QAccessible::queryAccessibleInterface(f->paginaAndamento->tabAndamento);
    QCOMPARE(numeri->role(), QAccessible::Table);
    QCOMPARE(numeri->text(QAccessible::Name), QStringLiteral("Andamento in numeri"));
    QAccessibleTableInterface *tabella = numeri->tableInterface();
    QVERIFY(tabella);
    QCOMPARE(tabella->columnCount(), 4);
    QCOMPARE(tabella->columnDescription(2), QStringLiteral("Secondi per risposta"));
    const QList<andamento::Punto> punti = andamento::punti(
        p.registro.archivio()->partite(p.registro.archivio()->giocatore(f->cmbGiocatore->currentText())));
    QVERIFY(!punti.isEmpty());
    // A cell is heard with its column's name, never as a bare number.
    QCOMPARE(tabella->cellAt(0, 2)->text(QAccessible::Name),
             QStringLiteral("Secondi per risposta: ") +
                 andamento::numero(punti[0].secondiPerRisposta, QLocale(QLocale::Italian)));
    QCOMPARE(tabella->rowCount(), puntiDelGrafico(f));
    QVERIFY(tabella->rowCount() > 0);

    // A map cell says its words; the hardest facts come next by Tab.
    QTest::keyClick(f->windowHandle(), Qt::Key_F, Qt::AltModifier);
    QAccessibleTableInterface *mappa =
        QAccessible::queryAccessibleInterface(f->paginaFatti->mappa)->tableInterface();
    QVERIFY(mappa);
    const QString parole = mappa->cellAt(6, 7)->text(QAccessible::Name);
    QCOMPARE(parole, f->paginaFatti->mappa->item(6, 7)->data(Qt::AccessibleTextRole).toString());
    QVERIFY2(parole.startsWith(QStringLiteral("7 per 8: ")), qPrintable(parole));
    for (int n = 0; n < 4 && f->focusWidget() != f->paginaFatti->lblDifficili; ++n)
        QTest::keyClick(f->windowHandle(), Qt::Key_Tab);
    QCOMPARE(f->focusWidget(), f->paginaFatti->lblDifficili);
    QVERIFY(QAccessible::queryAccessibleInterface(f->paginaFatti->lblDifficili)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral("Il ripasso di oggi: 7 per 8")));

    // Escape closes it, and the board has the keys again.
    QTest::keyClick(f->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!f);
    QVERIFY(QTest::qWaitForWindowActive(p.banco.w.get()));
}

void TestRegistro::strumentiInsegnante()
{
    const QString file = nuovoFile();
    dueTempi(file);
    Partite p(file, QStringLiteral("Giulia"));
    QVERIFY(sulloSchermo(p));
    // A game on the board, three answers in: one wrong.
    p.banco->ripassa(std::bitset<100>().set(0).set(1).set(2).set(3), FrmNumerella::Partenza::Subito);
    p.banco.rispondi();
    p.banco.digita(99);
    p.banco.clic(p.banco->Cmd_invio);
    p.banco.rispondi();
    QPointer<FrmRegistro> f = apriRegistro(p);
    QVERIFY(f);
    auto *partite = f->paginaPartite->tabPartite->model();
    // Listed with what was played so far.
    QCOMPARE(partite->rowCount(), 3);
    QCOMPARE(partite->index(0, 4).data().toString(), QStringLiteral("in corso"));
    QCOMPARE(partite->index(0, 3).data().toString(), QStringLiteral("1"));

    // The period: the list, the chart and the map follow it.
    const auto periodo = [&](FrmRegistro::Periodo quale) {
        f->cmbPeriodo->setCurrentIndex(f->cmbPeriodo->findData(int(quale)));
    };
    using S = MappaFatti::Stato;
    const int puntiTutti = puntiDelGrafico(f);
    periodo(FrmRegistro::Periodo::Oggi);
    QCOMPARE(partite->rowCount(), 2);
    QVERIFY(puntiDelGrafico(f) < puntiTutti);
    QCOMPARE(f->paginaAndamento->tabAndamento->model()->rowCount(), puntiDelGrafico(f));
    QCOMPARE(f->paginaFatti->mappa->item(6, 7)->background().color(), MappaFatti::colore(S::MaiChiesta));
    QVERIFY(f->paginaFatti->mappa->item(2, 3)->background().color() != MappaFatti::colore(S::MaiChiesta));
    periodo(FrmRegistro::Periodo::Tutto);
    QCOMPARE(partite->rowCount(), 3);
    QCOMPARE(f->paginaFatti->mappa->item(6, 7)->background().color(), MappaFatti::colore(S::DaImparare));
    QCOMPARE(FrmRegistro::inizioPeriodo(FrmRegistro::Periodo::Settimana,
                                        QDateTime(QDate(2026, 12, 10), QTime(9, 0))),
             QDate(2026, 12, 7).startOfDay());
    QCOMPARE(
        FrmRegistro::inizioPeriodo(FrmRegistro::Periodo::Mese, QDateTime(QDate(2026, 12, 10), QTime(9, 0))),
        QDate(2026, 12, 1).startOfDay());

    // One game removed: the old one, with its answers; the game going on cannot be.
    const auto rispondi = [](QMessageBox::StandardButton risposta, QString *testo = nullptr) {
        QTimer::singleShot(0, [risposta, testo] {
            auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(domanda);
            if (testo) *testo = domanda->text();
            if (QAbstractButton *b = domanda->button(risposta))
                b->click();
            else
                domanda->accept();
        });
    };
    f->paginaPartite->tabPartite->setCurrentIndex(partite->index(0, 0));
    QString detto;
    rispondi(QMessageBox::Ok, &detto);
    f->togliPartita();
    QVERIFY2(detto.contains(QStringLiteral("in corso")), qPrintable(detto));
    QCOMPARE(partite->rowCount(), 3);
    f->paginaPartite->tabPartite->setCurrentIndex(partite->index(2, 0));
    rispondi(QMessageBox::No);
    f->togliPartita();
    QCOMPARE(partite->rowCount(), 3);
    // Every other game, the later ones too, and every other child's rows stay exactly as they were.
    const qint64 giulia = p.registro.archivio()->giocatore(QStringLiteral("Giulia"));
    QString tolte = idPartite(file, QStringLiteral("uuid = 'vecchia'"));
    QStringList restano = altreRighe(file, giulia, tolte);
    QVERIFY(restano.filter(QRegularExpression(QStringLiteral("^domande\\|"))).size() >= 3);
    rispondi(QMessageBox::Yes);
    f->togliPartita();
    QCOMPARE(partite->rowCount(), 2);
    QCOMPARE(f->paginaFatti->mappa->item(6, 7)->background().color(), MappaFatti::colore(S::MaiChiesta));
    QCOMPARE(altreRighe(file, giulia, tolte), restano);

    // Her record emptied: she stays, and so does the game she is playing, which goes on being kept; Marco,
    // after her in the record, keeps all he had.
    tolte = idPartite(file, QStringLiteral("giocatore = %1 AND esito IS NOT NULL").arg(giulia));
    restano = altreRighe(file, giulia, tolte);
    QVERIFY(restano.filter(QRegularExpression(QStringLiteral("^fatti\\|"))).size() >= 1);
    rispondi(QMessageBox::Yes);
    f->svuotaGiocatore();
    QCOMPARE(altreRighe(file, giulia, tolte), restano);
    QCOMPARE(f->cmbGiocatore->currentText(), QStringLiteral("Giulia"));
    QCOMPARE(partite->rowCount(), 1);
    QCOMPARE(partite->index(0, 4).data().toString(), QStringLiteral("in corso"));

    // The players view written out.
    const QString csv = m_cartella.filePath(QStringLiteral("giocatori.csv"));
    QString errore;
    QVERIFY2(f->scriviGiocatori(csv, errore), qPrintable(errore));
    QFile scritto(csv);
    QVERIFY(scritto.open(QIODevice::ReadOnly));
    const QString testo = QString::fromUtf8(scritto.readAll());
    for (const char *parola : {"Giocatore", "Partite", "Giulia", "Marco"})
        QVERIFY2(testo.contains(QLatin1String(parola)), qPrintable(testo));
    f->close();
    QTRY_VERIFY(!f);
    p.banco->cmdRiprendi_Click();
    p.finisci();
    Archivio a(file);
    QVERIFY(a.apri());
    const QList<SchedaPartita> rimaste = a.partite(a.giocatore(QStringLiteral("Giulia")));
    QCOMPARE(rimaste.size(), 1);
    QCOMPARE(rimaste[0].esito, FinePartita::Finita);
    QCOMPARE(rimaste[0].esatte, 4);
    QCOMPARE(rimaste[0].errori, 1);
    QCOMPARE(a.fatti(a.giocatore(QStringLiteral("Giulia"))).size(), 4);
}

namespace {

/// A class of three: Giulia's game long ago (7 per 8 wrong; 2 per 3 and 1 per 1 fluent twice), her game
/// this morning (1 per 1, 3 per 4, 6 per 9 fluent) and a game stopped with no answer; Marco's game this
/// morning (5 per 5 and 7 per 8 wrong); Sara, who never played.
void unaClasse(const QString &file)
{
    Archivio a(file);
    QVERIFY(a.apri());
    const qint64 giulia = a.giocatore(QStringLiteral("Giulia")), marco = a.giocatore(QStringLiteral("Marco"));
    QVERIFY(a.giocatore(QStringLiteral("Sara")) > 0);
    const QDateTime prima = QDateTime::currentDateTimeUtc().addDays(-40);
    const QDateTime oggi = QDate::currentDate().startOfDay().toUTC().addSecs(60);
    const auto tutte = std::bitset<100>().set();
    const qint64 p1 = a.iniziaPartita(giulia, QStringLiteral("g1"), prima, tutte);
    QVERIFY(a.domanda(p1, 1, 67, 6000, 1) && a.domanda(p1, 2, 12, 2000, 0) && a.domanda(p1, 3, 12, 2000, 0) &&
            a.domanda(p1, 4, 0, 1500, 0) && a.domanda(p1, 5, 0, 1500, 0));
    QVERIFY(a.chiudiPartita(p1, prima.addSecs(14), 14, 1, 5, FinePartita::Finita));
    const qint64 p2 = a.iniziaPartita(giulia, QStringLiteral("g2"), oggi, tutte);
    QVERIFY(a.domanda(p2, 1, 0, 1500, 0) && a.domanda(p2, 2, 23, 2000, 0) && a.domanda(p2, 3, 58, 2000, 0));
    QVERIFY(a.chiudiPartita(p2, oggi.addSecs(6), 6, 0, 3, FinePartita::Fermata));
    const qint64 vuota = a.iniziaPartita(giulia, QStringLiteral("g3"), oggi.addSecs(30), tutte);
    QVERIFY(a.chiudiPartita(vuota, oggi.addSecs(31), 1, 0, 0, FinePartita::Interrotta));
    const qint64 p3 = a.iniziaPartita(marco, QStringLiteral("m1"), oggi, tutte);
    QVERIFY(a.domanda(p3, 1, 44, 3000, 1) && a.domanda(p3, 2, 67, 3000, 1));
    QVERIFY(a.chiudiPartita(p3, oggi.addSecs(6), 6, 2, 2, FinePartita::Finita));
}

} // namespace

void TestRegistro::stessaVerita_data()
{
    QTest::addColumn<FrmRegistro::Periodo>("periodo");
    QTest::addColumn<int>("partite");       // Giulia's games in the period, the empty one left out
    QTest::addColumn<QString>("stati");     // her facts 1×1, 2×3, 3×4, 6×9, 7×8 as the map's letters
    QTest::addColumn<QString>("difficili"); // her hardest facts on the class page
    QTest::addColumn<QString>("setteOtto"); // the class map's words for 7 per 8
    using P = FrmRegistro::Periodo;
    const QString tutti = QStringLiteral("7 per 8: la sanno 0 su 3; da imparare per Giulia, Marco");
    const QString soloMarco = QStringLiteral("7 per 8: la sanno 0 su 3; da imparare per Marco");
    QTest::newRow("tutto") << P::Tutto << 2 << "I R Q Q I"
                           << "7×8, 1×1" << tutti;
    QTest::newRow("oggi") << P::Oggi << 1 << "I - Q Q -"
                          << "1×1" << soloMarco;
    QTest::newRow("mese") << P::Mese << 1 << "I - Q Q -"
                          << "1×1" << soloMarco;
}

// One record and one period: the map, the players view, the hardest facts, the class page and map, the
// report and the export tell the same.
void TestRegistro::stessaVerita()
{
    QFETCH(FrmRegistro::Periodo, periodo);
    QFETCH(int, partite);
    QFETCH(QString, stati);
    QFETCH(QString, difficili);
    QFETCH(QString, setteOtto);
    const QString file = nuovoFile();
    unaClasse(file);
    Giocatore giocatore;
    giocatore.scegli(QStringLiteral("Giulia"));
    Registro registro(giocatore, file);
    TipografiaFinta tipografia;
    FrmRegistro f(registro, tipografia, FrmRegistro::Uso::DaSolo);
    f.cmbPeriodo->setCurrentIndex(f.cmbPeriodo->findData(int(periodo)));
    using S = apprendimento::Stato;
    const QMap<QString, S> lettere{{QStringLiteral("S"), S::Sicura},
                                   {QStringLiteral("R"), S::DaRipassare},
                                   {QStringLiteral("Q"), S::QuasiSicura},
                                   {QStringLiteral("I"), S::DaImparare},
                                   {QStringLiteral("-"), S::MaiChiesta}};
    const QList<int> celle{0, 12, 23, 58, 67};
    const QStringList attese = stati.split(u' ');

    // The map, in colour and in words.
    const Resoconto r = f.resoconto();
    for (qsizetype i = 0; i < celle.size(); ++i) {
        const int k = celle[i];
        const S stato = lettere.value(attese[i]);
        QCOMPARE(f.paginaFatti->mappa->item(k / 10, k % 10)->background().color(), MappaFatti::colore(stato));
        const QString parole =
            f.paginaFatti->mappa->item(k / 10, k % 10)->data(Qt::AccessibleTextRole).toString();
        QVERIFY2(stato != S::MaiChiesta || parole.endsWith(QStringLiteral("non chiesta in questo periodo")),
                 qPrintable(parole));
        // The report's map: the same state.
        SchedaFatto sulFoglio;
        sulFoglio.riga = k / 10 + 1;
        sulFoglio.colonna = k % 10 + 1;
        for (const SchedaFatto &s : r.fatti)
            if (s.cella() == k) sulFoglio = s;
        QCOMPARE(quadro::stato(sulFoglio, r.oggi, r.giudizio), stato);
    }
    // Ripassa is today's in every period, and says so; the board's line counts what it asks.
    QVERIFY(f.cmdRipassa->isEnabled());
    int sulTabellone = -1;
    connect(&registro, &Registro::daRipassare, this, [&](int n) { sulTabellone = n; });
    registro.contaRipasso();
    QVERIFY(sulTabellone >= registro.giro().size() && !registro.giro().isEmpty());
    QCOMPARE(f.paginaFatti->lblDifficili->text().contains(QStringLiteral("sempre quello di oggi")),
             periodo != FrmRegistro::Periodo::Tutto);

    // The report: the period named, its games, the empty one left out.
    QCOMPARE(r.periodo, quadro::nome(periodo));
    QCOMPARE(r.partite.size(), partite);
    QCOMPARE(f.paginaPartite->tabPartite->model()->rowCount(), partite);
    // The class page: each child's sums over the period and her hardest facts, never a known one.
    QCOMPARE(r.classe.size(), 3);
    QCOMPARE(r.classe[0].nome, QStringLiteral("Giulia"));
    QCOMPARE(r.classe[0].partite, partite);
    QCOMPARE(r.difficiliClasse[0].join(QStringLiteral(", ")), difficili);
    QCOMPARE(r.classe[2].partite, 0); // Sara

    // The players view: the same counts as the map and the report.
    f.schede->setCurrentWidget(f.paginaGiocatori);
    QAbstractItemModel *giocatori = f.paginaGiocatori->tabGiocatori->model();
    QCOMPARE(giocatori->index(0, 0).data().toString(), QStringLiteral("Giulia"));
    QCOMPARE(giocatori->index(0, 1).data().toInt(), partite);
    // Likely known counts with the sure ones.
    QCOMPARE(giocatori->index(0, 5).data().toInt(),
             int(attese.count(QStringLiteral("S")) + attese.count(QStringLiteral("Q"))));
    QCOMPARE(giocatori->index(0, 6).data().toInt(), int(attese.count(QStringLiteral("R"))));
    QStringList daImparare = difficili.split(QStringLiteral(", "));
    std::sort(daImparare.begin(), daImparare.end());
    QStringList vista = giocatori->index(0, 7).data().toString().split(QStringLiteral(", "));
    std::sort(vista.begin(), vista.end());
    QCOMPARE(vista, daImparare);
    // Sara never played: no average at all, never "0,0".
    QCOMPARE(giocatori->index(2, 3).data().toString(), QStringLiteral("—"));

    // The class's map, on the screen and on paper.
    f.schede->setCurrentWidget(f.paginaClasse);
    QCOMPARE(f.paginaClasse->mappaClasse->item(6, 7)->data(Qt::AccessibleTextRole).toString(), setteOtto);
    const Resoconto classe = f.resoconto();
    QCOMPARE(classe.parti, Resoconto::Parti::MappaClasse);
    QCOMPARE(classe.mappaClasse.parole(67), setteOtto);
    QCOMPARE(classe.mappaClasse.fatti[0].sanno, int(quadro::saputa(lettere.value(attese[0]))));

    // The export proposes a folder that exists, made when a new account has none.
    QVERIFY(QFileInfo(Esportazione::cartella()).isDir());
    QVERIFY(QFileInfo(Esportazione::cartella()).isWritable());
    // The export: the facts of the period, in the states the map shows.
    QTemporaryDir cartella;
    const QString fatti = cartella.filePath(QStringLiteral("fatti.csv"));
    QString errore;
    Archivio a(file);
    QVERIFY(a.apriInLettura());
    QVERIFY2(Esportazione::fatti(a, fatti, errore, Csv(FormaCsv::Standard),
                                 FrmRegistro::inizioPeriodo(periodo, orologio::adesso())),
             qPrintable(errore));
    QFile letto(fatti);
    QVERIFY(letto.open(QIODevice::ReadOnly));
    QMap<int, QString> esportati;
    for (const QByteArray &riga : letto.readAll().split('\n')) {
        const QList<QByteArray> campi = riga.trimmed().split(',');
        if (campi.value(0) != "Giulia") continue;
        esportati.insert((campi[1].toInt() - 1) * 10 + campi[2].toInt() - 1, QString::fromUtf8(campi[3]));
    }
    for (qsizetype i = 0; i < celle.size(); ++i) {
        const S stato = lettere.value(attese[i]);
        QCOMPARE(esportati.value(celle[i]),
                 stato == S::MaiChiesta ? QString() : apprendimento::parolaStato(stato));
    }
}

QTEST_MAIN(TestRegistro)
#include "test_registro.moc"
