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
#include "recordwindow/graficopartite.h"
#include "recordwindow/mappafatti.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QStandardPaths>
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
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
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
    void esportazione_data();
    void esportazione();
    void resoconto_data();
    void resoconto();
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

void TestRegistro::esportazione_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<FormaCsv>("forma");
    QTest::addColumn<QChar>("separatore");
    QTest::addColumn<QChar>("decimali");
    QTest::newRow("italiano, foglio di calcolo")
        << QLocale(QLocale::Italian) << FormaCsv::Locale << QChar(u';') << QChar(u',');
    QTest::newRow("italiano, standard")
        << QLocale(QLocale::Italian) << FormaCsv::Standard << QChar(u',') << QChar(u'.');
    QTest::newRow("inglese, foglio di calcolo")
        << QLocale(QLocale::English, QLocale::UnitedStates) << FormaCsv::Locale << QChar(u',') << QChar(u'.');
    QTest::newRow("inglese, standard") << QLocale(QLocale::English, QLocale::UnitedStates)
                                       << FormaCsv::Standard << QChar(u',') << QChar(u'.');
}

void TestRegistro::esportazione()
{
    QFETCH(QLocale, locale);
    QFETCH(FormaCsv, forma);
    QFETCH(QChar, separatore);
    QFETCH(QChar, decimali);
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
    const Csv csv(forma, locale);
    QVERIFY(Esportazione::partite(archivio, csvPartite, errore, csv));
    QVERIFY(Esportazione::risposte(archivio, csvRisposte, errore, csv));

    // A spreadsheet in the user's language needs the byte order mark to read UTF-8; programs do not.
    bool bomPartite = false, bomRisposte = false;
    const QList<QStringList> partite = leggiCsv(csvPartite, separatore, bomPartite);
    const QList<QStringList> risposte = leggiCsv(csvRisposte, separatore, bomRisposte);
    QCOMPARE(bomPartite, forma == FormaCsv::Locale);
    QCOMPARE(bomRisposte, forma == FormaCsv::Locale);
    QCOMPARE(partite.size(), 1 + nomi.size());
    QCOMPARE(partite[0].join(u','), QStringLiteral("giocatore,inizio,fine,tabelline,secondi,errori,esito"));
    QCOMPARE(risposte[0].join(u','),
             QStringLiteral("giocatore,partita_inizio,riga,colonna,secondi,sbagliate"));
    QCOMPARE(risposte.size(), 1 + 2 * nomi.size());
    const QList<SchedaPartita> giocate = [&] {
        QList<SchedaPartita> tutte;
        archivio.perOgniPartita([&tutte](const SchedaPartita &p) { tutte.append(p); });
        return tutte;
    }();
    // Local time to the second, as a spreadsheet reads a date; the standard form with its offset.
    const auto istante = [forma](const QString &campo) {
        return forma == FormaCsv::Locale ? QDateTime::fromString(campo, QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                         : QDateTime::fromString(campo, Qt::ISODate);
    };
    const QRegularExpression decimale(QStringLiteral("^\\d+\\%1\\d$").arg(decimali));
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
        // Each answer row names its player and game the same way, its seconds with the file's decimal sign.
        for (const QStringList &a : risposte.mid(1 + 2 * i, 2)) {
            QCOMPARE(a.size(), 6);
            QCOMPARE(a[0], r[0]);
            QCOMPARE(a[1], r[1]);
            QVERIFY2(decimale.match(a[4]).hasMatch(), qPrintable(a[4]));
        }
    }
    QCOMPARE(risposte[1].mid(2, 2) + risposte[1].mid(5), QStringList({"1", "1", "1"}));
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
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
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
        partita(giulia, alle(0, 8), tutte, 90, 9, 10, FinePartita::Fermata);
        partita(marco, alle(2, 10), tutte, 250, 5, 100, FinePartita::Finita);
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
    QCOMPARE(f.lblAndamento->text(), frase);
    // On the chart: the full games joined, yesterday's side by side around yesterday's tick, the others apart
    // or left out with the switch; its dates on the days, its numbers with the decimal comma.
    QChart *grafico = f.grafico->chart();
    QCOMPARE(grafico->series().size(), 4);
    auto *secondi = qobject_cast<QLineSeries *>(grafico->series()[0]);
    QVERIFY(secondi);
    QCOMPARE(secondi->count(), 5);
    QCOMPARE(secondi->at(0).y(), 3.0);
    for (int k = 2; k < 5; ++k) {
        QVERIFY(qAbs(secondi->at(k).x() - 9) < 0.45);
        QVERIFY(secondi->at(k).x() > secondi->at(k - 1).x());
    }
    QCOMPARE(qobject_cast<QXYSeries *>(grafico->series()[2])->count(), 2);
    auto *giorni = qobject_cast<QCategoryAxis *>(grafico->axes(Qt::Horizontal).value(0));
    QVERIFY(giorni);
    const QStringList date = giorni->categoriesLabels();
    QCOMPARE(date.first(), QLocale().toString(oggi.addDays(-10), QStringLiteral("dd/MM")));
    QCOMPARE(giorni->endValue(date.first()), 0.0);
    for (const QString &d : date)
        QCOMPARE(giorni->endValue(d), std::round(giorni->endValue(d)));
    QVERIFY(grafico->localizeNumbers() && grafico->locale().decimalPoint() == QStringLiteral(","));
    f.chkAltre->setChecked(false);
    QCOMPARE(f.grafico->chart()->series().size(), 2);

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
                          QStringLiteral("qualche errore"),
                          QStringLiteral("mai chiesta"),
                          QStringLiteral("Da ripassare"),
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

    QTest::keyClick(p.banco.w.get(), Qt::Key_R, Qt::ControlModifier);
    f = p.banco->findChild<FrmRegistro *>();
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

    // Removing a child asks first; "No" keeps her.
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

QTEST_MAIN(TestRegistro)
#include "test_registro.moc"
