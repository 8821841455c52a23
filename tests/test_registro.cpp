// SPDX-License-Identifier: GPL-3.0-or-later
// The record: games played on the real board kept as they happen, old files brought up to date,
// bad files and folders that leave the game going, and the export for spreadsheets.
#include "aiuto.h"
#include "board/registrazione.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "record/ripasso.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/mappafatti.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <csignal>
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

/// Reads a CSV file as RFC 4180 says: quoted fields with doubled quotes, CR LF between records.
QList<QStringList> leggiCsv(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString testo = QString::fromUtf8(f.readAll());
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
        } else if (c == u',') {
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

/// The board wired to a record as main() does, with a player chosen (or the guest).
struct Partite
{
    explicit Partite(const QString &file, const QString &nome = {}) : registro(giocatore, file)
    {
        giocatore.scegli(nome);
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
    void scrittureRimandate();
    void esportazione();
    void finestraRegistro();
    void fattiDifficili();

private:
    QString nuovoFile() { return m_cartella.filePath(QStringLiteral("r%1/registro.sqlite").arg(++m_file)); }

    QTemporaryDir m_cartella;
    int m_file = 0;
};

void TestRegistro::initTestCase()
{
    // The current player is remembered in the user's settings: here, in a folder of the test's own.
    qputenv("XDG_CONFIG_HOME", m_cartella.filePath(QStringLiteral("config")).toLocal8Bit());
}

void TestRegistro::partiteSulTabellone()
{
    const QString file = nuovoFile();
    {
        Partite p(file, QStringLiteral("  Giulia \n"));
        // The caption and the print prompt follow the player.
        QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella – Giulia"));
        QCOMPARE(p.banco.tipografia.nomeProposto(), QStringLiteral("Giulia"));

        // A game of one cell: a wrong answer, a long pause, then the right answer. The pause is not thought.
        std::bitset<100> una;
        una.set(37);
        p.banco->ripassa(una, FrmNumerella::Partenza::Subito);
        QCOMPARE(p.banco.stato.cella(), 37);
        p.banco.digita(29);
        p.banco.clic(p.banco->Cmd_invio);
        p.banco->CmdPausa_Click();
        QTest::qWait(400);
        p.banco->cmdRiprendi_Click();
        p.banco.rispondi();
        QCOMPARE(p.banco->momento(), Momento::Finita);

        // A game of the table of 3, stopped after two answers.
        p.banco->Label1_MouseDown(9, Qt::RightButton); // every table back
        for (int colonna : {0, 1, 3, 4, 5, 6, 7, 8, 9})
            p.banco->Label1_MouseDown(colonna, Qt::LeftButton);
        p.banco->cmdAvvio_Click();
        p.banco.rispondi();
        p.banco.rispondi();
        p.banco->cmdStop_Click();

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
    QVERIFY2(fatto->secondi < 0.3, qPrintable(QString::number(fatto->secondi))); // the pause left out

    // With no player chosen the games are the guest's; the chosen one is remembered between runs.
    QCOMPARE(Giocatore().nome(), QStringLiteral("Giulia"));
    {
        Partite p(file);
        QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella"));
        QVERIFY(p.banco.tipografia.nomeProposto().isEmpty());
        p.banco->cmdAvvio_Click();
        p.banco.rispondi();
        p.banco->cmdStop_Click();
    }
    QCOMPARE(archivio.giocatori().size(), 2);
    QCOMPARE(archivio.giocatori()[1].nome, QStringLiteral("Ospite"));

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
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    QCOMPARE(archivio.versione(), Archivio::VersioneSchema);
    const QList<SchedaPartita> partite = archivio.partite(archivio.giocatore(QStringLiteral("Giulia")));
    QCOMPARE(partite.size(), 2);
    QCOMPARE(partite[0].secondi, 180);
    QCOMPARE(partite[0].esito, FinePartita::Finita);
    QCOMPARE(partite[1].esito, FinePartita::Interrotta);
    const QList<SchedaFatto> fatti = archivio.fatti(1);
    QCOMPARE(fatti.size(), 1);
    QCOMPARE(fatti[0].secondi, 6.4);
    QCOMPARE(fatti[0].sbagliate, 1);
    // And the new version's writes work on it; no answer is taken without its game.
    QCOMPARE(archivio.iniziaPartita(1, QStringLiteral("c"), QDateTime::currentDateTimeUtc(),
                                    std::bitset<100>().set()),
             3);
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
    QTest::newRow("cartella bloccata")
        << QStringLiteral("cartella") << QStringLiteral("non viene tenuto: nella cartella") << 1
        << QStringLiteral("non c'è");
    QTest::newRow("danni all'interno")
        << QStringLiteral("danni") << QStringLiteral("era danneggiato: è stato messo da parte come") << 1
        << QStringLiteral("è danneggiato");
    QTest::newRow("un testo qualunque") << QStringLiteral("testo") << estraneo << 1 << estraneo;
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
    esporta.setProcessEnvironment(ambiente);
    esporta.start(QStringLiteral(NUMERELLA),
                  {QStringLiteral("--registro"), file, QStringLiteral("--esporta-risposte"), csv});
    QVERIFY(esporta.waitForFinished());
    const QString errore = QString::fromUtf8(esporta.readAllStandardError());
    QCOMPARE(esporta.exitCode(), statoEsporta);
    QVERIFY2(errore.contains(detto), qPrintable(errore));
    QCOMPARE(contenuto(file), prima);
    senzaFileAccanto();
    if (statoEsporta == 0) {
        const QList<QStringList> righe = leggiCsv(csv);
        QCOMPARE(righe.size(), 2);
        QCOMPARE(righe[1][0], QStringLiteral("Lia"));
        QCOMPARE(righe[1].mid(2, 2), QStringList({QStringLiteral("4"), QStringLiteral("8")}));
        // Children's names: for their owner only, as the record.
        QCOMPARE(QFile::permissions(csv) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        if (::geteuid() == 0) return; // root writes a read-only file all the same
    } else {
        QVERIFY(!QFileInfo::exists(csv));
    }

    Partite p(file, QStringLiteral("Marco"));
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
    if (caso == QStringLiteral("danni")) {
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

void TestRegistro::scrittureRimandate()
{
    const QString file = nuovoFile();
    Partite p(file, QStringLiteral("Lia"));
    QSignalSpy avvisi(&p.registro, &Registro::avviso);
    QSignalSpy chiuse(&p.registro, &Registro::partitaChiusa);
    p.banco->cmdAvvio_Click();
    p.banco.rispondi();
    p.banco.rispondi();
    QCOMPARE(p.registro.inAttesa(), 0);

    // Another program takes the file for writing and keeps it a few seconds: the board does not wait
    // for it, the answers wait in order and go as soon as it lets go. A lock is not worth a word.
    {
        QSqlDatabase altro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
        altro.setDatabaseName(file);
        QVERIFY(altro.open());
        QSqlQuery q(altro);
        QVERIFY(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QElapsedTimer orologio;
        orologio.start();
        for (int i = 0; i < 5; ++i)
            p.banco.rispondi();
        QVERIFY2(orologio.elapsed() < Archivio::AttesaScrittura * 10,
                 qPrintable(QString::number(orologio.elapsed())));
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

    // Every confirmed answer, once, in its game.
    Archivio a(file);
    QVERIFY(a.apri());
    const QList<SchedaPartita> partite = a.partite(a.giocatore(QStringLiteral("Lia")));
    QCOMPARE(partite.size(), 2);
    int risposte = 0;
    QVERIFY(a.perOgniDomanda([&](const QString &, const QDateTime &, int, int, double secondi, int) {
        risposte += secondi >= 0;
    }));
    QCOMPARE(risposte, 200);
    for (const SchedaPartita &partita : partite) {
        QCOMPARE(partita.esito, FinePartita::Finita);
        QCOMPARE(partita.esatte, 100);
    }
}

void TestRegistro::esportazione()
{
    const QString file = nuovoFile();
    // Names a spreadsheet would take for formulas or split, and letters of every kind.
    const QStringList nomi = {QStringLiteral("=SOMMA(A1:A9)"), QStringLiteral("Anna, \"la\" Rossa"),
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
    QVERIFY(Esportazione::partite(archivio, csvPartite, errore));
    QVERIFY(Esportazione::risposte(archivio, csvRisposte, errore));

    const QList<QStringList> partite = leggiCsv(csvPartite);
    QCOMPARE(partite.size(), 1 + nomi.size());
    QCOMPARE(partite[0].join(u','), QStringLiteral("giocatore,inizio,fine,tabelline,secondi,errori,esito"));
    const QList<QStringList> risposte = leggiCsv(csvRisposte);
    QCOMPARE(risposte[0].join(u','),
             QStringLiteral("giocatore,partita_inizio,riga,colonna,secondi,sbagliate"));
    QCOMPARE(risposte.size(), 1 + 2 * nomi.size());
    for (int i = 0; i < nomi.size(); ++i) {
        const QStringList &r = partite[i + 1];
        QCOMPARE(r.size(), 7);
        const bool formula = QStringLiteral("=+-@").contains(nomi[i][0]);
        QCOMPARE(r[0], formula ? u'\'' + nomi[i] : nomi[i]);
        QVERIFY(QDateTime::fromString(r[1], Qt::ISODate).isValid());
        QVERIFY(QDateTime::fromString(r[2], Qt::ISODate) >= QDateTime::fromString(r[1], Qt::ISODate));
        QCOMPARE(r[3], QStringLiteral("1-10"));
        QCOMPARE(r[5], QStringLiteral("1"));
        QCOMPARE(r[6], QStringLiteral("finita"));
        // Each answer row names its player and game the same way.
        for (const QStringList &a : risposte.mid(1 + 2 * i, 2)) {
            QCOMPARE(a.size(), 6);
            QCOMPARE(a[0], r[0]);
            QCOMPARE(a[1], r[1]);
        }
    }
    QCOMPARE(risposte[1].mid(2, 2) + risposte[1].mid(5), QStringList({"1", "1", "1"}));
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
        const QDateTime ieri = QDateTime::currentDateTimeUtc().addDays(-1);
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
    Partite p(file, QStringLiteral("Giulia"));
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
    auto *partite = f->tabPartite->model();
    // Newest first, the paused game too; a click on a header sorts by it.
    QCOMPARE(partite->rowCount(), 3);
    QCOMPARE(partite->index(0, 4).data().toString(), QStringLiteral("in corso"));
    QCOMPARE(partite->index(1, 4).data().toString(), QStringLiteral("fermata"));
    QTest::mouseClick(f->tabPartite->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(f->tabPartite->horizontalHeader()->sectionViewportPosition(3) + 5, 5));
    const QString primo = partite->index(0, 3).data().toString();
    QVERIFY(primo == QStringLiteral("0") || primo == QStringLiteral("2"));
    QCOMPARE(partite->index(primo == QStringLiteral("0") ? 2 : 0, 4).data().toString(),
             QStringLiteral("fermata"));

    using L = MappaFatti::Livello;
    for (const auto &[cella, livello] : {std::pair{67, L::Difficile},
                                         {23, L::Sicura},
                                         {58, L::Lenta},
                                         {11, L::Sicura},
                                         {44, L::MaiChiesta},
                                         {0, L::MaiChiesta}})
        QCOMPARE(f->mappa->item(cella / 10, cella % 10)->background().color(), MappaFatti::colore(livello));
    f->schede->setCurrentIndex(2);
    f->mappa->setFocus();
    f->mappa->setCurrentCell(6, 6);
    QTest::keyClick(f->mappa, Qt::Key_Right);
    QCOMPARE(f->lblFatto->text(),
             QStringLiteral("7 per 8: chiesta 2 volte, 3 sbagliate, 5,5 secondi in media"));
    QCOMPARE(f->mappa->item(6, 7)->data(Qt::AccessibleTextRole).toString(), f->lblFatto->text());
    QCOMPARE(f->lblDifficili->text(), QStringLiteral("I fatti più difficili: 7 per 8."));

    f->schede->setCurrentWidget(f->tabGiocatori);
    QCOMPARE(f->tabGiocatori->model()->rowCount(), 2);
    QCOMPARE(f->tabGiocatori->model()->index(0, 0).data().toString(), QStringLiteral("Giulia"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 1).data().toString(), QStringLiteral("3"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 3).data().toString(),
             QStringLiteral("4,6")); // 23 s over 5 answers
    QCOMPARE(f->tabGiocatori->model()->index(0, 4).data().toString(), QStringLiteral("1,5"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 5).data().toString(), QStringLiteral("7×8"));
    QCOMPARE(f->tabGiocatori->model()->index(1, 5).data().toString(),
             QStringLiteral("5×5")); // none wrong: the slowest

    // Another child chosen in the window: the board's caption follows.
    f->cmbGiocatore->setCurrentIndex(f->cmbGiocatore->findText(QStringLiteral("Marco")));
    Q_EMIT f->cmbGiocatore->activated(f->cmbGiocatore->currentIndex());
    QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella – Marco"));
    QCOMPARE(f->tabPartite->model()->rowCount(), 1);
    f->cmbGiocatore->setCurrentIndex(f->cmbGiocatore->findText(QStringLiteral("Giulia")));
    Q_EMIT f->cmbGiocatore->activated(f->cmbGiocatore->currentIndex());

    // "Ripassa": the paused game gives way to one of exactly the hard facts, which runs to its end.
    QTest::mouseClick(f->cmdRipassa, Qt::LeftButton);
    QVERIFY(!f->isVisible() || QTest::qWaitFor([&] { return !p.banco->findChild<FrmRegistro *>(); }));
    QCOMPARE(p.banco->momento(), Momento::InCorso);
    for (int k = 0; k < 100; ++k)
        QCOMPARE(p.banco->txtRisultato[k]->esclusa(), k != 67);
    QCOMPARE(p.banco.stato.cella(), 67);
    p.banco.rispondi();
    QCOMPARE(p.banco->momento(), Momento::Finita);

    // Removing the child who is playing asks first; "No" keeps her and her game.
    p.banco->Label1_MouseDown(9, Qt::RightButton); // every table back
    p.banco->cmdAvvio_Click();
    p.banco.rispondi();
    p.banco.rispondi();
    QTest::keyClick(p.banco.w.get(), Qt::Key_R, Qt::ControlModifier);
    f = p.banco->findChild<FrmRegistro *>();
    QSignalSpy avvisi(&p.registro, &Registro::avviso);
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
    QCOMPARE(f->cmbGiocatore->findText(QStringLiteral("Giulia")), -1);
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
    QVERIFY(a.perOgniDomanda([&](const QString &nome, const QDateTime &, int, int, double, int) {
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
    QString detto;
    Qt::TextFormat formato = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(domanda);
        const auto *testo = domanda->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        detto = testo->text();
        formato = testo->textFormat();
        domanda->button(QMessageBox::No)->click();
    });
    f->togliGiocatore();
    QVERIFY2(detto.contains(QStringLiteral("\"<b>x</b>\"")), qPrintable(detto));
    QCOMPARE(formato, Qt::PlainText);
}

void TestRegistro::fattiDifficili()
{
    // Twelve facts wrong recently: the ten most often wrong, in that order; a fact wrong only long ago is not
    // hard.
    QList<SchedaFatto> fatti;
    for (int k = 0; k < 30; ++k) {
        SchedaFatto f;
        f.riga = k / 10 + 1;
        f.colonna = k % 10 + 1;
        f.chiesta = 10;
        f.giuste = 10;
        f.secondi = k;
        f.sbagliateUltime = k < 12 ? 1 + k % 3 : 0;
        f.sbagliate = f.sbagliateUltime + (k >= 25 ? 5 : 0);
        fatti.append(f);
    }
    const QList<SchedaFatto> difficili = ripasso::difficili(fatti);
    QCOMPARE(difficili.size(), ripasso::MassimoDifficili);
    for (qsizetype i = 1; i < difficili.size(); ++i)
        QVERIFY(difficili[i - 1].sbagliateUltime >= difficili[i].sbagliateUltime);
    QCOMPARE(difficili.first().sbagliateUltime, 3);
    QVERIFY(difficili.last().sbagliateUltime >= 1);
    // None wrong recently: the five slowest.
    for (SchedaFatto &f : fatti)
        f.sbagliateUltime = 0;
    const std::bitset<100> lenti = ripasso::celle(ripasso::difficili(fatti));
    QCOMPARE(lenti.count(), size_t(ripasso::Lenti));
    for (int k = 25; k < 30; ++k)
        QVERIFY(lenti.test(k));
}

QTEST_MAIN(TestRegistro)
#include "test_registro.moc"
