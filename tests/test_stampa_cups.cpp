// SPDX-License-Identifier: GPL-3.0-or-later
// A real print on the CUPS queue "PDF", the default for this test only: the page that comes out is read back.
#include "aiuto.h"
#include "pagina.h"
#include "printing/coda.h"
#include "startup/segnali.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

using namespace aspetto;
using namespace pagina;

namespace {

/// The real printer path; only the child's answer to the prompt is scripted.
class TipografiaGiulia : public Tipografia
{
public:
    QString chiediNome(QWidget *) override { return QStringLiteral("Giulia"); }
};

/// The folder where the PDF queue writes, read from its configuration like the queue itself does.
QString cartellaPdf()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression riga(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"));
        for (const QString &l : QString::fromUtf8(conf.readAll()).split(QLatin1Char('\n'))) {
            const auto m = riga.match(l);
            if (m.hasMatch()) out = m.captured(1);
        }
    }
    // The queue takes both from the account database, not from this process's environment.
    if (const passwd *utente = getpwuid(getuid())) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(utente->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(utente->pw_name));
    }
    return out;
}

/// The real printer path; failure messages are recorded and answered "no".
class TipografiaMuta : public Tipografia
{
public:
    QStringList messaggi;

protected:
    bool segnalaErrore(QWidget *, const QString &messaggio) override
    {
        messaggi.append(messaggio);
        return false;
    }
};

/// A tool by name, or empty: the queue's operator tools (cupsdisable, cupsreject...) are in /usr/sbin,
/// which an ordinary user's PATH leaves out.
QString percorso(const QString &programma)
{
    const QString trovato = QStandardPaths::findExecutable(programma);
    if (!trovato.isEmpty()) return trovato;
    return QStandardPaths::findExecutable(programma, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

QString esegui(const QString &programma, const QStringList &argomenti, bool *riuscito = nullptr)
{
    QProcess p;
    p.start(percorso(programma), argomenti);
    const bool ok = p.waitForFinished(attesa::limite(60000)) && p.exitStatus() == QProcess::NormalExit &&
                    p.exitCode() == 0;
    if (riuscito) *riuscito = ok;
    return QString::fromUtf8(p.readAllStandardOutput());
}

/// Skips (or fails, when the CUPS run is required) unless a default printer and these tools exist.
bool serveStampante(const QStringList &programmi)
{
    const bool obbligatorio = qEnvironmentVariable("NUMERELLA_CUPS") == QLatin1String("1");
    QString manca;
    if (QPrinterInfo::defaultPrinter().isNull()) manca = QStringLiteral("no default printer");
    for (const QString &p : programmi)
        if (manca.isEmpty() && percorso(p).isEmpty()) manca = p;
    if (manca.isEmpty()) return true;
    if (obbligatorio)
        QTest::qFail(qPrintable(manca), __FILE__, __LINE__);
    else
        QTest::qSkip(qPrintable(manca), __FILE__, __LINE__);
    return false;
}

} // namespace

class TestStampaCups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void paginaStampata()
    {
        const bool obbligatorio = qEnvironmentVariable("NUMERELLA_CUPS") == QLatin1String("1");
        // The page goes to the PDF queue by name, never to a machine's own default printer. (CUPS 2.4
        // then finds no default at all when the user's lpoptions already name the same queue.)
        if (QPrinterInfo::defaultPrinter().printerName() != QLatin1String("PDF")) qputenv("LPDEST", "PDF");
        if (QPrinterInfo::printerInfo(QStringLiteral("PDF")).isNull()) {
            if (obbligatorio)
                QFAIL(
                    "no PDF queue: start a print server with one (tools/stampante.sh, as run-tests.sh does)");
            QSKIP("no PDF queue");
        }
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("PDF"));
        for (const char *programma : {"pdftoppm", "lpstat"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(programma)).isEmpty()) {
                if (obbligatorio) QFAIL(programma);
                QSKIP(programma);
            }
        }
        QDir cartella(cartellaPdf());
        // Each file with its time: a print server started afresh counts its jobs from 1 again, so its
        // file may take the name of one left there before.
        const auto pdfPresenti = [&] {
            QSet<QString> presenti;
            for (const QFileInfo &f : cartella.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
                presenti.insert(f.fileName() + u'|' + QString::number(f.lastModified().toMSecsSinceEpoch()));
            return presenti;
        };
        const auto nomi = [](const QSet<QString> &presenti) {
            QSet<QString> soli;
            for (const QString &p : presenti)
                soli.insert(p.section(u'|', 0, 0));
            return soli;
        };
        const QSet<QString> prima = pdfPresenti();

        BancoCon<TipografiaGiulia> b(Info::Chiusa, 3);
        FrmNumerellaProva &w = *b;
        Stato &stato = b.stato;
        // A short game: the table of 1 alone.
        for (int n = 1; n < 10; ++n)
            QTest::mouseClick(w.Label1[n], Qt::LeftButton);
        QTest::mouseClick(w.cmdAvvio, Qt::LeftButton);
        for (int risposte = 0; w.cmdAvvio->isHidden() && risposte < 10; ++risposte) {
            for (QChar c : QString::number(stato.Prodotto[stato.cella()])) {
                QTest::mouseClick(w.Cmd[c.digitValue()], Qt::LeftButton);
                QCoreApplication::processEvents();
            }
            QTest::mouseClick(w.Cmd_invio, Qt::LeftButton);
        }
        QVERIFY(!w.cmdAvvio->isHidden());
        w.Timer1->stop();

        const auto pulizia = qScopeGuard([&] {
            for (const QString &f : nomi(pdfPresenti() - prima))
                cartella.remove(f);
        });
        QTest::mouseClick(w.cmdStampa, Qt::LeftButton);
        QCOMPARE(w.lblTitolo->text(), QStringLiteral("Giulia"));

        // The queue writes the file a moment later, empty at first; it is whole once no job is left.
        const QString coda = QPrinterInfo::defaultPrinter().printerName();
        QDeadlineTimer scadenza(30000);
        QString pdf;
        while (!scadenza.hasExpired()) {
            const QSet<QString> dopo = nomi(pdfPresenti() - prima);
            if (dopo.size() == 1 && QFileInfo(cartella.filePath(*dopo.begin())).size() > 0 &&
                esegui(QStringLiteral("lpstat"), {QStringLiteral("-o"), coda}).trimmed().isEmpty()) {
                pdf = cartella.filePath(*dopo.begin());
                break;
            }
            QThread::msleep(100);
        }
        QVERIFY2(!pdf.isEmpty(),
                 qPrintable(QStringLiteral("no single whole printed file in %1; new: %2")
                                .arg(cartella.path(),
                                     QStringList(nomi(pdfPresenti() - prima).values()).join(u' '))));

        const QImage pagina = rasterizza(pdf, 150);
        QVERIFY(!pagina.isNull());

        // The window's light yellow: 634 x 455 pixels are 6.604 x 4.740 inches, 990 x 711 dots at 150 dpi.
        const QRect finestra = riquadro(pagina, vicino(colore(GialloChiaro), 24));
        QVERIFY2(qAbs(finestra.width() - 990) <= 5 && qAbs(finestra.height() - 711) <= 5,
                 qPrintable(
                     QStringLiteral("window printed %1 x %2").arg(finestra.width()).arg(finestra.height())));

        // The name in the title, and no header number on the page.
        const QRect titolo = suPagina(&w, w.lblTitolo, finestra.topLeft(), 150);
        QVERIFY(conta(pagina, titolo, blu) > 100);
        int intestazioni = 0;
        for (Etichetta *e : w.Label1)
            intestazioni += conta(pagina, suPagina(&w, e, finestra.topLeft(), 150), blu);
        QCOMPARE(intestazioni, 0);

        if (QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty()) {
            if (obbligatorio) QFAIL("tesseract is not installed");
            QSKIP("tesseract is not installed: the title was not read");
        }
        QTemporaryDir tmp;
        const QString ritaglio = tmp.filePath(QStringLiteral("titolo.png"));
        QVERIFY(pagina.copy(titolo).save(ritaglio));
        const bool italiano = esegui(QStringLiteral("tesseract"), {QStringLiteral("--list-langs")})
                                  .split(QLatin1Char('\n'))
                                  .contains(QStringLiteral("ita"));
        QStringList argomenti{ritaglio, QStringLiteral("stdout"), QStringLiteral("--psm"),
                              QStringLiteral("7")};
        if (italiano) argomenti << QStringLiteral("-l") << QStringLiteral("ita");
        bool ok = false;
        const QString letto = esegui(QStringLiteral("tesseract"), argomenti, &ok);
        QVERIFY(ok);
        QVERIFY2(letto.contains(QStringLiteral("Giulia")),
                 qPrintable(QStringLiteral("the title reads \"%1\"").arg(letto.trimmed())));
    }

    void codaFerma_data()
    {
        QTest::addColumn<QString>("ferma");
        QTest::addColumn<QString>("riavvia");
        QTest::addColumn<bool>("rifiutata");
        QTest::newRow("refusing jobs")
            << QStringLiteral("cupsreject") << QStringLiteral("cupsaccept") << true;
        QTest::newRow("paused, keeping jobs")
            << QStringLiteral("cupsdisable") << QStringLiteral("cupsenable") << false;
    }
    void codaFerma()
    {
        QFETCH(QString, ferma);
        QFETCH(QString, riavvia);
        QFETCH(bool, rifiutata);
        if (!serveStampante({ferma, riavvia, QStringLiteral("cancel")})) return;
        const QString coda = QPrinterInfo::defaultPrinter().printerName();
        bool ok = false;
        esegui(ferma, {coda}, &ok);
        QVERIFY(ok);
        const int prima = coda::ultimoLavoro(coda);
        const auto ripristino = qScopeGuard([&] {
            // A job kept by the paused queue is not wanted on paper.
            for (int id = coda::ultimoLavoro(coda); id > prima; --id)
                esegui(QStringLiteral("cancel"), {QStringLiteral("%1-%2").arg(coda).arg(id)});
            esegui(riavvia, {coda});
        });
        BancoCon<TipografiaMuta> b;
        const bool stampata = b.tipografia.stampa(b.w.get());
        QCOMPARE(stampata, !rifiutata);
        QCOMPARE(b.tipografia.messaggi.size(), rifiutata ? 1 : 0);
        if (rifiutata)
            QVERIFY2(b.tipografia.messaggi.first().contains(QStringLiteral("non accetta")),
                     qPrintable(b.tipografia.messaggi.first()));
        QCOMPARE(coda::lavoroPreso(coda, prima), !rifiutata);
    }

    void codeSenzaPredefinita()
    {
        // A fresh system whose only queue was never made the default: the print dialog opens with
        // the queues in it, and no failure message comes first. Here the default named for this
        // process alone does not exist, so the machine's own default is left as it is.
        if (!serveStampante({})) return;
        const QByteArray lpdest = qgetenv("LPDEST");
        const auto ripristino = qScopeGuard([&] {
            if (lpdest.isNull())
                qunsetenv("LPDEST");
            else
                qputenv("LPDEST", lpdest);
        });
        qputenv("LPDEST", "numerella-nessuna-coda");
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        BancoCon<TipografiaMuta> b;
        QStringList elencate;
        QTimer::singleShot(0, this, [&] {
            auto *dialogo = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!dialogo) return;
            if (const auto *code = dialogo->findChild<QComboBox *>(QStringLiteral("printers"))) {
                for (int i = 0; i < code->count(); ++i)
                    elencate.append(code->itemText(i));
            }
            dialogo->reject();
        });
        QVERIFY(!b.tipografia.stampa(b.w.get()));
        QCOMPARE(b.tipografia.messaggi, QStringList());
        QVERIFY2(elencate.contains(QStringLiteral("PDF")), qPrintable(elencate.join(u' ')));
    }

    void terminazioneDuranteLaStampa()
    {
        if (!serveStampante(
                {QStringLiteral("cupsdisable"), QStringLiteral("cupsenable"), QStringLiteral("cancel")}))
            return;
        const QString coda = QPrinterInfo::defaultPrinter().printerName();
        // The job's spool file is made in TMPDIR when the page starts, and filled when it ends.
        QTemporaryDir spool;
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", spool.path().toLocal8Bit());
        bool ok = false;
        esegui(QStringLiteral("cupsdisable"), {coda}, &ok);
        QVERIFY(ok);
        const int prima = coda::ultimoLavoro(coda);
        const auto ripristino = qScopeGuard([&] {
            for (int id = coda::ultimoLavoro(coda); id > prima; --id)
                esegui(QStringLiteral("cancel"), {QStringLiteral("%1-%2").arg(coda).arg(id)});
            esegui(QStringLiteral("cupsenable"), {coda});
            qputenv("TMPDIR", tmpdir);
        });
        Segnali segnali;
        bool terminato = false;
        connect(&segnali, &Segnali::terminazione, this, [&] { terminato = true; });
        BancoCon<TipografiaMuta> b;
        b.tipografia.primaDiOgniPagina([] { std::raise(SIGTERM); });
        QVERIFY(b.tipografia.stampa(b.w.get()));
        QVERIFY(!terminato); // told by the event loop, never in the middle of a page
        QTRY_VERIFY(terminato);
        QVERIFY(coda::lavoroPreso(coda, prima));
        QCOMPARE(QDir(spool.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(TestStampaCups)
#include "test_stampa_cups.moc"
