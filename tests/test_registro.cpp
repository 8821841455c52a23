// SPDX-License-Identifier: GPL-3.0-or-later
// The record: games played on the real board kept as they happen, old files brought up to date,
// bad files and folders that leave the game going, and the export for spreadsheets.
#include "aiuto.h"
#include "board/registrazione.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "record/ripasso.h"
#include "recordwindow/frmchigioca.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/graficopartite.h"
#include "recordwindow/mappafatti.h"

#include <QAccessible>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXYSeries>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
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
    void fattiDifficili();
    void chiGioca_data();
    void chiGioca();
    void finestraPerLettore();
    void strumentiInsegnante();

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
    mnemoniciUnici(f);
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

    f->schede->setCurrentWidget(f->tabGiocatori->parentWidget());
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
    }
    Giocatore().scegli(nomi.first()); // an earlier run's child
    Partite p(file, daRigaDiComando, daRigaDiComando.isEmpty() ? Avvio::Ricordato : Avvio::ConGiocatore);
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
        QCOMPARE(g.partite, g.nome == gioca ? 2 : 0);
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
    for (const QAbstractSeries *serie : f->grafico->chart()->series())
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
    QCOMPARE(QAccessible::queryAccessibleInterface(f->grafico)->role(), QAccessible::Chart);
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
        {Qt::Key_A, "Andamento", f->grafico, "Andamento delle partite"},
        {Qt::Key_F, "Fatti", f->mappa, "Mappa dei fatti"},
        {Qt::Key_I, "Giocatori", f->tabGiocatori, "Tutti i giocatori"},
        {Qt::Key_P, "Partite", f->tabPartite, "Partite"},
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
    QAccessibleInterface *numeri = QAccessible::queryAccessibleInterface(f->tabAndamento);
    QCOMPARE(numeri->role(), QAccessible::Table);
    QCOMPARE(numeri->text(QAccessible::Name), QStringLiteral("Andamento in numeri"));
    QAccessibleTableInterface *tabella = numeri->tableInterface();
    QVERIFY(tabella);
    const QList<QAbstractSeries *> linee = f->grafico->chart()->series();
    QCOMPARE(tabella->columnCount(), linee.size() + 1);
    for (int c = 1; c <= linee.size(); ++c) {
        const auto *linea = qobject_cast<const QXYSeries *>(linee[c - 1]);
        QVERIFY(linea);
        QCOMPARE(tabella->columnDescription(c), linea->name());
        QStringList attesi, letti;
        for (const QPointF &punto : linea->points())
            attesi << QLocale(QLocale::Italian).toString(punto.y(), 'f', 1);
        for (int r = 0; r < tabella->rowCount(); ++r)
            if (const QString t = tabella->cellAt(r, c)->text(QAccessible::Name); !t.isEmpty()) letti << t;
        attesi.sort();
        letti.sort();
        QCOMPARE(letti, attesi);
    }
    QCOMPARE(tabella->rowCount(), puntiDelGrafico(f));
    QVERIFY(tabella->rowCount() > 0);

    // A map cell says its words; the hardest facts come next by Tab.
    QTest::keyClick(f->windowHandle(), Qt::Key_F, Qt::AltModifier);
    QAccessibleTableInterface *mappa = QAccessible::queryAccessibleInterface(f->mappa)->tableInterface();
    QVERIFY(mappa);
    const QString parole = mappa->cellAt(6, 7)->text(QAccessible::Name);
    QCOMPARE(parole, f->mappa->item(6, 7)->data(Qt::AccessibleTextRole).toString());
    QVERIFY2(parole.startsWith(QStringLiteral("7 per 8: ")), qPrintable(parole));
    for (int n = 0; n < 4 && f->focusWidget() != f->lblDifficili; ++n)
        QTest::keyClick(f->windowHandle(), Qt::Key_Tab);
    QCOMPARE(f->focusWidget(), f->lblDifficili);
    QVERIFY(QAccessible::queryAccessibleInterface(f->lblDifficili)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral("I fatti più difficili: 7 per 8")));

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
    auto *partite = f->tabPartite->model();
    // Listed with what was played so far.
    QCOMPARE(partite->rowCount(), 3);
    QCOMPARE(partite->index(0, 4).data().toString(), QStringLiteral("in corso"));
    QCOMPARE(partite->index(0, 3).data().toString(), QStringLiteral("1"));

    // The period: the list, the chart and the map follow it.
    const auto periodo = [&](FrmRegistro::Periodo quale) {
        f->cmbPeriodo->setCurrentIndex(f->cmbPeriodo->findData(int(quale)));
    };
    using L = MappaFatti::Livello;
    const int puntiTutti = puntiDelGrafico(f);
    periodo(FrmRegistro::Periodo::Oggi);
    QCOMPARE(partite->rowCount(), 2);
    QVERIFY(puntiDelGrafico(f) < puntiTutti);
    QCOMPARE(f->tabAndamento->model()->rowCount(), puntiDelGrafico(f));
    QCOMPARE(f->mappa->item(6, 7)->background().color(), MappaFatti::colore(L::MaiChiesta));
    QCOMPARE(f->mappa->item(2, 3)->background().color(), MappaFatti::colore(L::Sicura));
    periodo(FrmRegistro::Periodo::Tutto);
    QCOMPARE(partite->rowCount(), 3);
    QCOMPARE(f->mappa->item(6, 7)->background().color(), MappaFatti::colore(L::Difficile));
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
    f->tabPartite->setCurrentIndex(partite->index(0, 0));
    QString detto;
    rispondi(QMessageBox::Ok, &detto);
    f->togliPartita();
    QVERIFY2(detto.contains(QStringLiteral("in corso")), qPrintable(detto));
    QCOMPARE(partite->rowCount(), 3);
    f->tabPartite->setCurrentIndex(partite->index(2, 0));
    rispondi(QMessageBox::No);
    f->togliPartita();
    QCOMPARE(partite->rowCount(), 3);
    rispondi(QMessageBox::Yes);
    f->togliPartita();
    QCOMPARE(partite->rowCount(), 2);
    QCOMPARE(f->mappa->item(6, 7)->background().color(), MappaFatti::colore(L::MaiChiesta));

    // Her record emptied: she stays, and so does the game she is playing, which goes on being kept.
    rispondi(QMessageBox::Yes);
    f->svuotaGiocatore();
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

QTEST_MAIN(TestRegistro)
#include "test_registro.moc"
