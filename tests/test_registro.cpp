// SPDX-License-Identifier: GPL-3.0-or-later
// The record: games played on the real board kept as they happen, old files brought up to date,
// bad files and folders that leave the game going, and the export for spreadsheets.
#include "aiuto.h"
#include "board/registrazione.h"
#include "record/apprendimento.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "record/ripasso.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/mappafatti.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
    void statiGuasti_data();
    void statiGuasti();
    void esportazione();
    void finestraRegistro();
    void statiDelFatto_data();
    void statiDelFatto();
    void giroDelRipasso_data();
    void giroDelRipasso();
    void fattiDaTutteLeDomande();

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
    QVERIFY2(fatto->secondi() < 0.3, qPrintable(QString::number(fatto->secondi()))); // the pause left out

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
    QCOMPARE(fatti[0].secondi(), 6.4);
    QCOMPARE(fatti[0].sbagliate, 1);
    // And the new version's writes work on it.
    QVERIFY(archivio.iniziaPartita(1, QStringLiteral("c"), QDateTime::currentDateTimeUtc(),
                                   std::bitset<100>().set()));
}

void TestRegistro::statiGuasti_data()
{
    QTest::addColumn<QString>("caso");
    QTest::newRow("cartella bloccata") << QStringLiteral("cartella");
    QTest::newRow("file danneggiato") << QStringLiteral("danneggiato");
    QTest::newRow("file di sola lettura") << QStringLiteral("sola lettura");
}

void TestRegistro::statiGuasti()
{
    QFETCH(QString, caso);
    QString file = nuovoFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QByteArray rovina = QByteArray("questo non è un registro ").repeated(400);
    QString attesa;
    if (caso == QStringLiteral("cartella")) {
        attesa = QStringLiteral("non viene tenuto: nella cartella");
        if (::geteuid() != 0) {
            QVERIFY(
                QFile::setPermissions(QFileInfo(file).absolutePath(), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            // Root writes in any folder: a file where the folder should be stops it all the same.
            QFile ostacolo(QFileInfo(file).absolutePath() + QStringLiteral("/file"));
            QVERIFY(ostacolo.open(QIODevice::WriteOnly));
            file = ostacolo.fileName() + QStringLiteral("/registro.sqlite");
        }
    } else if (caso == QStringLiteral("danneggiato")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(rovina);
        attesa = QStringLiteral("era danneggiato: è stato messo da parte come");
    } else {
        {
            Archivio(file).apri();
        }
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        if (::geteuid() == 0) QSKIP("root writes a read-only file all the same");
        attesa = QStringLiteral("si può soltanto leggere");
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

    if (caso == QStringLiteral("danneggiato")) {
        // Moved aside whole, dated, and a new record kept the games.
        const QStringList accanto = QDir(QFileInfo(file).absolutePath())
                                        .entryList({QStringLiteral("registro.sqlite.danneggiato-%1-*")
                                                        .arg(QDate::currentDate().toString(Qt::ISODate))});
        QCOMPARE(accanto.size(), 1);
        QFile vecchio(QFileInfo(file).absolutePath() + u'/' + accanto[0]);
        QVERIFY(vecchio.open(QIODevice::ReadOnly));
        QCOMPARE(vecchio.readAll(), rovina);
        Archivio archivio(file);
        QVERIFY(archivio.apri());
        QCOMPARE(archivio.partite(archivio.giocatore(QStringLiteral("Marco"))).size(), 2);
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

    // Each asked once but 7 per 8 twice, wrong both times: all still to learn; a letter beside the colour.
    using S = apprendimento::Stato;
    for (const auto &[cella, stato] :
         {std::pair{67, S::DaImparare}, {23, S::DaImparare}, {44, S::MaiChiesta}})
        QCOMPARE(f->mappa->item(cella / 10, cella % 10)->background().color(), MappaFatti::colore(stato));
    QCOMPARE(f->mappa->item(6, 7)->text(), QStringLiteral("56 I"));
    f->schede->setCurrentIndex(2);
    f->mappa->setFocus();
    f->mappa->setCurrentCell(6, 6);
    QTest::keyClick(f->mappa, Qt::Key_Right);
    QCOMPARE(f->lblFatto->text(),
             QStringLiteral(
                 "7 per 8: da imparare; chiesta 2 volte, 2 sbagliate, l'ultima il %1; di solito 5,5 secondi")
                 .arg(QLocale(QLocale::Italian)
                          .toString(QDate::currentDate().addDays(-1), QStringLiteral("d MMMM"))));
    QCOMPARE(f->mappa->item(6, 7)->data(Qt::AccessibleTextRole).toString(), f->lblFatto->text());
    // Wrong first, then the longest unasked.
    QCOMPARE(f->lblDifficili->text(),
             QStringLiteral("Il ripasso di oggi: 7 per 8, 3 per 4, 6 per 9, 2 per 2."));

    f->schede->setCurrentWidget(f->tabGiocatori);
    QCOMPARE(f->tabGiocatori->model()->rowCount(), 2);
    QCOMPARE(f->tabGiocatori->model()->index(0, 0).data().toString(), QStringLiteral("Giulia"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 1).data().toString(), QStringLiteral("3"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 3).data().toString(),
             QStringLiteral("4,6")); // 23 s over 5 answers
    QCOMPARE(f->tabGiocatori->model()->index(0, 4).data().toString(), QStringLiteral("1,5"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 5).data().toString(), QStringLiteral("0"));
    QCOMPARE(f->tabGiocatori->model()->index(0, 7).data().toString(), QStringLiteral("2×2, 3×4, 6×9, 7×8"));
    QCOMPARE(f->tabGiocatori->model()->index(1, 7).data().toString(), QStringLiteral("5×5"));

    // Another child chosen in the window: the board's caption follows.
    f->cmbGiocatore->setCurrentIndex(f->cmbGiocatore->findText(QStringLiteral("Marco")));
    Q_EMIT f->cmbGiocatore->activated(f->cmbGiocatore->currentIndex());
    QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella – Marco"));
    QCOMPARE(f->tabPartite->model()->rowCount(), 1);
    f->cmbGiocatore->setCurrentIndex(f->cmbGiocatore->findText(QStringLiteral("Giulia")));
    Q_EMIT f->cmbGiocatore->activated(f->cmbGiocatore->currentIndex());

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
    // Then a game of exactly today's round, which runs to its end.
    QVERIFY(!f->isVisible() || QTest::qWaitFor([&] { return !p.banco->findChild<FrmRegistro *>(); }));
    QCOMPARE(p.banco->momento(), Momento::InCorso);
    for (int k = 0; k < 100; ++k)
        QCOMPARE(p.banco->txtRisultato[k]->esclusa(), k != 67 && k != 23 && k != 58 && k != 11);
    p.finisci();
    QCOMPARE(p.banco->momento(), Momento::Finita);

    // Removing a child asks first; "No" keeps her.
    QTest::keyClick(p.banco.w.get(), Qt::Key_R, Qt::ControlModifier);
    f = p.banco->findChild<FrmRegistro *>();
    for (const auto risposta : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer::singleShot(0, [risposta] {
            auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(domanda && domanda->objectName() == QStringLiteral("confermaTogli"));
            domanda->button(risposta)->click();
        });
        f->togliGiocatore();
    }
    QCOMPARE(f->cmbGiocatore->findText(QStringLiteral("Giulia")), -1);
    QCOMPARE(p.banco->windowTitle(), QStringLiteral("La Numerella"));
    Archivio a(file);
    QVERIFY(a.apri());
    QCOMPARE(a.giocatori().size(), 2); // Marco and the guest, now chosen
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
    QTest::addColumn<QString>("chieste");
    QTest::addColumn<qint64>("mediana"); // the child's, 0 while too few answers say it
    QTest::addColumn<int>("oggi");
    QTest::addColumn<int>("stato");
    QTest::addColumn<int>("prossimo"); // the review's day, -1 for none
    // As apprendimento::Stato.
    constexpr int MaiChiesta = 0, DaImparare = 1, Sicura = 2, DaRipassare = 3;
    static_assert(int(apprendimento::Stato::DaRipassare) == DaRipassare);
    QTest::newRow("mai chiesta") << QStringLiteral("") << qint64(1000) << 0 << MaiChiesta << -1;
    QTest::newRow("sbagliata") << QStringLiteral("0:x") << qint64(1000) << 0 << DaImparare << -1;
    QTest::newRow("lasciata") << QStringLiteral("0:-") << qint64(1000) << 0 << DaImparare << -1;
    QTest::newRow("giusta dopo un errore")
        << QStringLiteral("0:900/1 0:900") << qint64(1000) << 0 << DaImparare << -1;
    QTest::newRow("fluente una volta") << QStringLiteral("0:900") << qint64(1000) << 0 << DaImparare << -1;
    QTest::newRow("fluente due volte") << QStringLiteral("0:900 0:1900") << qint64(1000) << 0 << Sicura << 1;
    QTest::newRow("lenta per lei") << QStringLiteral("0:900 0:2100") << qint64(1000) << 0 << DaImparare << -1;
    QTest::newRow("non lenta per chi va piano")
        << QStringLiteral("0:3900 0:3900") << qint64(2000) << 0 << Sicura << 1;
    QTest::newRow("senza mediana nulla è lento")
        << QStringLiteral("0:9000 0:9000") << qint64(0) << 0 << Sicura << 1;
    QTest::newRow("il giorno del ripasso")
        << QStringLiteral("0:900 0:900") << qint64(1000) << 1 << DaRipassare << 1;
    QTest::newRow("ripasso in anticipo non conta")
        << QStringLiteral("0:900 0:900 0:900") << qint64(1000) << 0 << Sicura << 1;
    QTest::newRow("ripassi sempre più lontani")
        << QStringLiteral("0:900 0:900 1:900 4:900 11:900 25:900 55:900") << qint64(1000) << 60 << Sicura
        << 85;
    QTest::newRow("ripasso tardivo") << QStringLiteral("0:900 0:900 9:900") << qint64(1000) << 10 << Sicura
                                     << 12;
    QTest::newRow("ripasso sbagliato")
        << QStringLiteral("0:900 0:900 1:x") << qint64(1000) << 1 << DaImparare << -1;
    QTest::newRow("ripasso lento") << QStringLiteral("0:900 0:900 3:2500") << qint64(1000) << 3 << DaImparare
                                   << -1;
    QTest::newRow("di nuovo due volte")
        << QStringLiteral("0:900 0:900 1:x 1:900 2:900") << qint64(1000) << 2 << Sicura << 3;
}

void TestRegistro::statiDelFatto()
{
    QFETCH(QString, chieste);
    QFETCH(qint64, mediana);
    QFETCH(int, oggi);
    QFETCH(int, stato);
    QFETCH(int, prossimo);
    QDate ripasso;
    QCOMPARE(int(apprendimento::statoDa(chiesteDa(chieste), giornoDiProva(oggi).date(), mediana, &ripasso)),
             stato);
    QCOMPARE(ripasso, prossimo < 0 ? QDate() : giornoDiProva(prossimo).date());
}

void TestRegistro::giroDelRipasso_data()
{
    // Facts prepared in each state; then how many of each the round takes, in this order.
    QTest::addColumn<QList<int>>("quanti"); // wrong, slow, due for review, sure
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<QList<int>>("presi");
    QTest::newRow("niente da ripassare") << QList<int>{0, 0, 0, 30} << 10 << QList<int>{0, 0, 0, 0};
    QTest::newRow("un quarto di sicure mentre altre aspettano")
        << QList<int>{12, 3, 0, 30} << 10 << QList<int>{8, 0, 0, 2};
    QTest::newRow("sbagliate prima delle lente") << QList<int>{5, 5, 5, 0} << 10 << QList<int>{5, 5, 0, 0};
    QTest::newRow("poi da ripassare") << QList<int>{3, 0, 10, 10} << 10 << QList<int>{3, 0, 5, 2};
    QTest::newRow("nessuna aspetta: sicure fino alla lunghezza")
        << QList<int>{2, 1, 1, 30} << 10 << QList<int>{2, 1, 1, 6};
    QTest::newRow("poche sicure") << QList<int>{12, 0, 0, 1} << 10 << QList<int>{9, 0, 0, 1};
    QTest::newRow("meno fatti chiesti della lunghezza")
        << QList<int>{1, 0, 0, 2} << 10 << QList<int>{1, 0, 0, 2};
    QTest::newRow("ripasso=4") << QList<int>{20, 0, 0, 20} << 4 << QList<int>{3, 0, 0, 1};
}

void TestRegistro::giroDelRipasso()
{
    QFETCH(QList<int>, quanti);
    QFETCH(int, lunghezza);
    QFETCH(QList<int>, presi);
    const QDate oggi = giornoDiProva(10).date();
    // Facts in every state, each kind's oldest last in the list: the round must still take them first.
    QList<SchedaFatto> fatti;
    for (int tipo = 0; tipo < 4; ++tipo) {
        for (int n = quanti[tipo] - 1; n >= 0; --n) {
            SchedaFatto f;
            f.riga = fatti.size() / 10 + 1;
            f.colonna = fatti.size() % 10 + 1;
            f.chiesta = 3;
            f.ultima = giornoDiProva(n);
            f.ultimoEsito = tipo == 0   ? EsitoDomanda::Sbagliata
                            : tipo == 1 ? EsitoDomanda::Lenta
                                        : EsitoDomanda::Fluente;
            f.passo = tipo < 2 ? 0 : 1;
            if (tipo == 2) f.prossimoRipasso = oggi.addDays(-n);
            if (tipo == 3) f.prossimoRipasso = oggi.addDays(1 + n);
            fatti.append(f);
        }
    }
    std::reverse(fatti.begin(), fatti.end()); // the record's order says nothing
    const QList<SchedaFatto> giro = ripasso::giro(fatti, oggi, lunghezza);
    QList<int> contati(4, 0);
    int ultimoTipo = 0;
    for (qsizetype i = 0; i < giro.size(); ++i) {
        const SchedaFatto &f = giro[i];
        const int tipo = f.passo == 0 ? (f.ultimoEsito == EsitoDomanda::Sbagliata ? 0 : 1)
                                      : (f.prossimoRipasso <= oggi ? 2 : 3);
        QVERIFY2(tipo >= ultimoTipo, "the most urgent first");
        // Within a kind, the oldest (the most overdue, the nearest review) first.
        if (i > 0 && tipo == ultimoTipo && tipo < 2) QVERIFY(giro[i - 1].ultima <= f.ultima);
        if (i > 0 && tipo == ultimoTipo && tipo >= 2)
            QVERIFY(giro[i - 1].prossimoRipasso <= f.prossimoRipasso);
        ultimoTipo = tipo;
        ++contati[tipo];
    }
    QCOMPARE(contati, presi);
    QCOMPARE(ripasso::celle(giro).count(), size_t(giro.size()));
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
    QCOMPARE(MappaFatti::parole(fatti[0], oggi),
             QStringLiteral(
                 "1 per 1: da imparare; chiesta 1 volta, 0 sbagliate, il 22 ottobre; di solito 1,0 secondi"));
    QCOMPARE(MappaFatti::parole(fatti[99], oggi),
             QStringLiteral("10 per 10: da imparare; chiesta 1 volta, 1 sbagliata, il 22 ottobre"));
    QCOMPARE(apprendimento::stato(fatti[12], oggi), apprendimento::Stato::Sicura);
    QVERIFY(MappaFatti::parole(fatti[12], oggi).endsWith(QStringLiteral("; da ripassare il 16 dicembre")));

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

QTEST_MAIN(TestRegistro)
#include "test_registro.moc"
