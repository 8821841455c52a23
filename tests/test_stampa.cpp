// SPDX-License-Identifier: GPL-3.0-or-later
// Printing after a game: the name prompt, the title, the hidden headers and the page as drawn.
#include "aiuto.h"
#include "pagina.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

using namespace aspetto;
using namespace pagina;

namespace {

// No print server may answer this program, so "no printer" is the same on every machine. It must be
// set before the first CUPS query, which comes after QApplication exists.
[[maybe_unused]] const bool senzaServer = qputenv("CUPS_SERVER", "/nonexistent/numerella-cups.sock");

/// The scripted printer, with a look at the window while it asks and while it prints, and the real
/// printing path on demand, with its failure message and print dialog answered by script.
class TipografiaSpia : public TipografiaFinta
{
public:
    QString chiediNome(QWidget *genitore) override
    {
        if (mentreChiede) mentreChiede();
        return TipografiaFinta::chiediNome(genitore);
    }
    bool stampa(QWidget *finestra) override
    {
        if (mentreStampa) mentreStampa();
        if (!vera) return TipografiaFinta::stampa(finestra);
        return Tipografia::stampa(finestra);
    }

    std::function<void()> mentreChiede, mentreStampa;
    bool vera = false;
    bool vuoleScegliere = true; ///< the answer to the failure message
    QStringList scelte;         ///< files picked in the print dialog, in turn; none left means cancel
    QStringList messaggi;       ///< failure messages shown
    bool veriDialoghi = false;  ///< the real message box and print dialog, driven from their own loops

protected:
    bool segnalaErrore(QWidget *genitore, const QString &messaggio) override
    {
        messaggi.append(messaggio);
        if (veriDialoghi) return Tipografia::segnalaErrore(genitore, messaggio);
        return vuoleScegliere;
    }
    bool scegliStampante(QPrinter &stampante, QWidget *genitore) override
    {
        if (veriDialoghi) return Tipografia::scegliStampante(stampante, genitore);
        if (scelte.isEmpty()) return false;
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(scelte.takeFirst());
        return true;
    }
};

/// A board after start-up like Banco, printing through TipografiaSpia, with its timers driven by hand.
struct Tavolo : BancoCon<TipografiaSpia>
{
    Tavolo() : BancoCon(Info::Chiusa, 7) { tipografia.cartella = cartella.path(); }

    void clic(QWidget *b, Qt::MouseButton tasto = Qt::LeftButton) { QTest::mouseClick(b, tasto); }
    /// A whole game on the table of 1 alone (ten questions), answered right on the keypad.
    void giocaPartita()
    {
        for (int n = 1; n < 10; ++n)
            clic(w->Label1[n]);
        clic(w->cmdAvvio);
        for (int risposte = 0; w->cmdAvvio->isHidden() && risposte < 10; ++risposte)
            rispondi();
        // The chaser restarts at the end of a game; its ticks are driven by hand here too.
        w->Timer1->stop();
    }
    /// A click on Print, answering \a nome to the prompt (a null string cancels it).
    void stampa(const QString &nome)
    {
        if (!nome.isNull()) tipografia.nomi.append(nome);
        clic(w->cmdStampa);
    }
    QString titolo() const { return w->lblTitolo->text(); }

    QTemporaryDir cartella;
};

/// A page of the window as it is now, drawn like a print, in \a file.
bool paginaDi(FrmNumerellaProva *w, const QString &file)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    return disegnaFinestra(pdf, w);
}

/// The blue or red pixels of the column headers on the printed page \a file, read at 100 dpi.
int inchiostroNelleIntestazioni(FrmNumerellaProva *w, const QString &file)
{
    const QImage pagina = rasterizza(file, 100);
    if (pagina.isNull()) return -1;
    const QPoint origine = riquadro(pagina, inchiostro).topLeft();
    int colorati = 0;
    for (Etichetta *e : w->Label1)
        colorati += conta(pagina, suPagina(w, e, origine, 100), [](QRgb c) { return blu(c) || rosso(c); });
    return colorati;
}

/// Runs \a f on the modal dialog of type \a D once its own event loop runs it. A dialog that has
/// not opened within about 5 s fails the test; nothing runs after \a contesto is gone.
template <typename D> void allApertura(QObject *contesto, std::function<void(D *)> f, int tentativi = 500)
{
    QTimer::singleShot(10, contesto, [contesto, f, tentativi] {
        if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget()))
            f(d);
        else if (tentativi > 0)
            allApertura<D>(contesto, f, tentativi - 1);
        else
            QTest::qFail("the dialog did not open", __FILE__, __LINE__);
    });
}

/// The header colours and whether each header set its own pointer.
struct Intestazioni
{
    QList<quint32> colori;
    QList<bool> cursori;
    static Intestazioni di(FrmNumerellaProva *w)
    {
        Intestazioni i;
        for (Etichetta *e : w->Label1) {
            i.colori.append(e->colore());
            i.cursori.append(e->testAttribute(Qt::WA_SetCursor));
        }
        return i;
    }
    bool nascoste() const
    {
        return colori == QList<quint32>(10, GialloChiaro) && cursori == QList<bool>(10, false);
    }
    bool mostrate() const { return colori == QList<quint32>(10, Blu) && cursori == QList<bool>(10, true); }
};

} // namespace

class TestStampa : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titolo_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("name") << QStringLiteral("Anna") << QStringLiteral("Anna");
        QTest::newRow("blanks around, trimmed") << QStringLiteral("  Anna ") << QStringLiteral("Anna");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("La Numerella");
        QTest::newRow("cancelled") << QString() << QStringLiteral("La Numerella");
        // Not empty, so not the program's name: the title line prints blank.
        QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
        const QString lungo = QStringLiteral("Anna ").repeated(2000);
        QTest::newRow("10000 characters") << lungo << lungo.trimmed();
        QTest::newRow("emoji sequence") << QStringLiteral("👩\u200D👧") << QStringLiteral("👩\u200D👧");
        QTest::newRow("arabic") << QStringLiteral("مرحبا") << QStringLiteral("مرحبا");
        QTest::newRow("line breaks") << QStringLiteral("Anna\nMaria\r\nRossi")
                                     << QStringLiteral("Anna Maria Rossi");
        QTest::newRow("control characters")
            << QStringLiteral("a\tb\u0001c\u007F\u0085d") << QStringLiteral("a b c d");
        QTest::newRow("line and paragraph separators")
            << QStringLiteral("a\u2028b\u2029c") << QStringLiteral("a b c");
        QTest::newRow("right-to-left override")
            << QStringLiteral("\u202EAnna\u202C Rossi") << QStringLiteral("Anna Rossi");
        QTest::newRow("embeddings, isolates and marks")
            << QStringLiteral("\u202AA\u202B\u202D \u2066B\u2067\u2068\u2069 \u200EC\u200F\u061C")
            << QStringLiteral("A B C");
        QTest::newRow("markup") << QStringLiteral("<b>Anna</b>") << QStringLiteral("<b>Anna</b>");
    }
    void titolo()
    {
        QFETCH(QString, nome);
        QFETCH(QString, titolo);
        Tavolo t;
        t.giocaPartita();
        QVERIFY(t->cmdStampa->isEnabled());
        t.stampa(nome);
        QCOMPARE(t.tipografia.domande, 1);
        QCOMPARE(t.titolo(), titolo);
        QCOMPARE(t->lblTitolo->textFormat(), Qt::PlainText);
        QCOMPARE(t.tipografia.titoliStampati, QStringList{titolo});
        QVERIFY(t->cmdStampa->isEnabled());
    }

    void duePagine()
    {
        Tavolo t;
        t.giocaPartita();
        t.stampa(QStringLiteral("Anna"));
        t.stampa(QStringLiteral("Marco"));
        QCOMPARE(t.tipografia.domande, 2);
        QCOMPARE(t.tipografia.titoliStampati, (QStringList{QStringLiteral("Anna"), QStringLiteral("Marco")}));
        QCOMPARE(t.titolo(), QStringLiteral("Marco"));
        QVERIFY(t->cmdStampa->isEnabled());
    }

    void avvioRimetteIlTitolo()
    {
        Tavolo t;
        t.giocaPartita();
        t.stampa(QStringLiteral("Anna"));
        t.clic(t->cmdAvvio);
        QCOMPARE(t.titolo(), QStringLiteral("La Numerella"));
        QVERIFY(!t->cmdStampa->isEnabled());
    }

    void sceltaTabelleSpegneStampa_data()
    {
        QTest::addColumn<Qt::MouseButton>("tasto");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void sceltaTabelleSpegneStampa()
    {
        QFETCH(Qt::MouseButton, tasto);
        Tavolo t;
        t.giocaPartita();
        t.clic(t->Label1[3], tasto);
        QVERIFY(!t->cmdStampa->isEnabled());
        t.stampa(QStringLiteral("Anna"));
        QCOMPARE(t.tipografia.domande, 0);
        QVERIFY(t.tipografia.titoliStampati.isEmpty());
        QCOMPARE(t.titolo(), QStringLiteral("Complimenti. Hai finito."));
    }

    void intestazioniNascosteSullaPagina()
    {
        Tavolo t;
        t.giocaPartita();
        QVERIFY(Intestazioni::di(t.w.get()).mostrate());
        Intestazioni allaDomanda, dopoITicchi, allaStampa;
        t.tipografia.mentreChiede = [&] {
            allaDomanda = Intestazioni::di(t.w.get());
            // The chaser keeps running while the prompt is open.
            for (int i = 0; i < 3; ++i)
                t->Timer1_Timer();
            dopoITicchi = Intestazioni::di(t.w.get());
        };
        t.tipografia.mentreStampa = [&] { allaStampa = Intestazioni::di(t.w.get()); };
        t.stampa(QStringLiteral("Anna"));
        QVERIFY(allaDomanda.nascoste());
        QVERIFY2(!dopoITicchi.nascoste(),
                 "the ticks should have shown a header for this case to mean anything");
        QVERIFY(allaStampa.nascoste());
        QVERIFY(Intestazioni::di(t.w.get()).mostrate());

        if (!haPdftoppm()) QSKIP("pdftoppm is not installed");
        // On paper: no header number, while the same check finds them on a page where they show.
        const QString visibili = t.cartella.filePath(QStringLiteral("visibili.pdf"));
        QVERIFY(paginaDi(t.w.get(), visibili));
        for (const auto &[file, attese] :
             {std::pair{t.tipografia.file.first(), false}, std::pair{visibili, true}}) {
            const int colorati = inchiostroNelleIntestazioni(t.w.get(), file);
            QVERIFY(colorati >= 0);
            QVERIFY2((colorati > 0) == attese,
                     qPrintable(QStringLiteral("%1: %2 blue or red pixels in the header row")
                                    .arg(QFileInfo(file).fileName())
                                    .arg(colorati)));
        }
    }

    void intestazioniNascosteDopoIDialoghi()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer answers despite CUPS_SERVER");
        if (!haPdftoppm()) QSKIP("pdftoppm is not installed");
        Tavolo t;
        t.giocaPartita();
        t.tipografia.vera = true;
        t.tipografia.veriDialoghi = true;
        // The chaser runs all along, as in the program; a few ticks by hand make sure it showed
        // headers while each dialog was open.
        t->Timer1->start();
        const auto ticchi = [&] {
            for (int i = 0; i < 12; ++i)
                t->Timer1_Timer();
        };
        Intestazioni nelMessaggio, nelDialogo;
        const QString file = t.cartella.filePath(QStringLiteral("dialogo.pdf"));
        allApertura<QMessageBox>(t.w.get(), [&](QMessageBox *box) {
            ticchi();
            nelMessaggio = Intestazioni::di(t.w.get());
            allApertura<QPrintDialog>(t.w.get(), [&](QPrintDialog *dialogo) {
                ticchi();
                nelDialogo = Intestazioni::di(t.w.get());
                auto *campo = dialogo->findChild<QLineEdit *>(QStringLiteral("filename"));
                QVERIFY(campo);
                campo->setText(file);
                dialogo->accept();
            });
            box->button(QMessageBox::Yes)->click();
        });
        t.stampa(QStringLiteral("Anna"));
        QVERIFY2(!nelMessaggio.nascoste() && !nelDialogo.nascoste(),
                 "the ticks should have shown a header for this case to mean anything");
        QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
        QCOMPARE(inchiostroNelleIntestazioni(t.w.get(), file), 0);
        QVERIFY(Intestazioni::di(t.w.get()).mostrate());
    }

    void cifreNitide()
    {
        if (!haPdftoppm()) QSKIP("pdftoppm is not installed");
        Tavolo t;
        t.giocaPartita();
        t.stampa(QStringLiteral("Anna"));
        const int dpi = 300;
        const QImage pagina = rasterizza(t.tipografia.file.first(), dpi);
        QVERIFY(!pagina.isNull());
        const QPoint origine = riquadro(pagina, inchiostro).topLeft();
        // The answered cells of the table of 1; their border lines are left out by a margin.
        int bordi = 0, sfumati = 0;
        for (Cella *c : t->txtRisultato) {
            if (c->text().isEmpty()) continue;
            const QRect zona = suPagina(t.w.get(), c, origine, dpi).adjusted(6, 6, -6, -6);
            for (int y = zona.top(); y <= zona.bottom(); ++y) {
                // Along each row, from the last clearly dark (or light) pixel to the next clearly light
                // (or dark) one: an edge drawn at this resolution takes at most 2 pixels.
                int ultimo = -1;
                bool scuro = false;
                for (int x = zona.left(); x <= zona.right(); ++x) {
                    const int v = qGray(pagina.pixel(x, y));
                    if (v >= 96 && v <= 192) continue;
                    if (ultimo >= 0 && (v < 96) != scuro) {
                        ++bordi;
                        if (x - ultimo > 2) ++sfumati;
                    }
                    ultimo = x;
                    scuro = v < 96;
                }
            }
        }
        QVERIFY2(bordi > 100, qPrintable(QStringLiteral("only %1 edges found in the digits").arg(bordi)));
        QVERIFY2(sfumati * 10 <= bordi,
                 qPrintable(QStringLiteral("%1 of %2 digit edges are blurred").arg(sfumati).arg(bordi)));
    }

    void emojiAColori_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("colori");
        QTest::newRow("plain name") << QStringLiteral("Anna") << false;
        // Faces that a black and white fallback font has too.
        QTest::newRow("emoji") << QStringLiteral("Anna 😀🐱") << true;
    }
    void emojiAColori()
    {
        QFETCH(QString, nome);
        QFETCH(bool, colori);
        if (!haPdftoppm()) QSKIP("pdftoppm is not installed");
        if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")))
            QSKIP("fonts-noto-color-emoji is not installed");
        Tavolo t;
        t.giocaPartita();
        t.stampa(nome);
        const int dpi = 100;
        const QImage pagina = rasterizza(t.tipografia.file.first(), dpi);
        QVERIFY(!pagina.isNull());
        const QRect titolo = suPagina(t.w.get(), t->lblTitolo, riquadro(pagina, inchiostro).topLeft(), dpi);
        // The faces' warm yellow: not the pale yellow background, the blue title or black.
        const int gialli = conta(pagina, titolo, [](QRgb c) {
            return qRed(c) > 200 && qRed(c) - qGreen(c) > 30 && qBlue(c) < 80;
        });
        QVERIFY2((gialli > 20) == colori,
                 qPrintable(QStringLiteral("%1 yellow pixels in the title").arg(gialli)));
    }

    void senzaStampante_data()
    {
        QTest::addColumn<bool>("vuoleScegliere");
        QTest::addColumn<QStringList>("scelte");
        QTest::addColumn<int>("messaggi");
        QTest::addColumn<QString>("stampata");
        QTest::newRow("gives up") << false << QStringList() << 1 << QString();
        QTest::newRow("cancels the dialog") << true << QStringList() << 1 << QString();
        QTest::newRow("saves a PDF") << true << QStringList{QStringLiteral("pagina.pdf")} << 1
                                     << QStringLiteral("pagina.pdf");
        QTest::newRow("unwritable file, then a PDF")
            << true << QStringList{QStringLiteral("manca/pagina.pdf"), QStringLiteral("pagina.pdf")} << 2
            << QStringLiteral("pagina.pdf");
    }
    void senzaStampante()
    {
        QFETCH(bool, vuoleScegliere);
        QFETCH(QStringList, scelte);
        QFETCH(int, messaggi);
        QFETCH(QString, stampata);
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer answers despite CUPS_SERVER");
        Tavolo t;
        t.giocaPartita();
        t.tipografia.vera = true;
        t.tipografia.vuoleScegliere = vuoleScegliere;
        for (const QString &s : scelte)
            t.tipografia.scelte.append(t.cartella.filePath(s));
        t.stampa(QStringLiteral("Anna"));
        QCOMPARE(t.tipografia.messaggi.size(), messaggi);
        QVERIFY2(t.tipografia.messaggi.first().contains(QStringLiteral("stampante")),
                 qPrintable(t.tipografia.messaggi.first()));
        if (messaggi > 1)
            QVERIFY2(t.tipografia.messaggi[1].contains(QStringLiteral("manca")),
                     qPrintable(t.tipografia.messaggi[1]));
        const QStringList pdf = QDir(t.cartella.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdf, stampata.isEmpty() ? QStringList() : QStringList{stampata});
        if (!stampata.isEmpty()) QVERIFY(QFileInfo(t.cartella.filePath(stampata)).size() > 0);
        // The board is as after any print.
        QVERIFY(Intestazioni::di(t.w.get()).mostrate());
        QCOMPARE(t.titolo(), QStringLiteral("Anna"));
        QVERIFY(t->cmdStampa->isEnabled());
    }

    void messaggioSenzaStampante()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer answers despite CUPS_SERVER");
        Tavolo t;
        QString testo;
        QMessageBox::StandardButtons pulsanti;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            testo = box->text();
            pulsanti = box->standardButtons();
            box->button(QMessageBox::No)->click();
        });
        Tipografia vera;
        QVERIFY(!vera.stampa(t.w.get()));
        QVERIFY2(testo.contains(QStringLiteral("Non trovo nessuna stampante")), qPrintable(testo));
        QVERIFY2(testo.contains(QStringLiteral("PDF")), qPrintable(testo));
        QCOMPARE(pulsanti, QMessageBox::Yes | QMessageBox::No);
    }

    void domandaDelNome_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<bool>("conferma");
        QTest::addColumn<QString>("risposta");
        QTest::newRow("typed and confirmed")
            << QStringLiteral(" Giulia ") << true << QStringLiteral(" Giulia ");
        QTest::newRow("nothing typed") << QString() << true << QString();
        QTest::newRow("cancelled") << QStringLiteral("Giulia") << false << QString();
    }
    void domandaDelNome()
    {
        QFETCH(QString, scritto);
        QFETCH(bool, conferma);
        QFETCH(QString, risposta);
        Tavolo t;
        QString titolo, etichetta, iniziale;
        bool modale = false;
        QTimer::singleShot(0, [&] {
            auto *dialogo = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialogo) return;
            titolo = dialogo->windowTitle();
            etichetta = dialogo->labelText();
            iniziale = dialogo->textValue();
            modale = dialogo->isModal() && dialogo->inputMode() == QInputDialog::TextInput;
            QLineEdit *campo = dialogo->findChild<QLineEdit *>();
            QTest::keyClicks(campo, scritto);
            QTest::keyClick(campo, conferma ? Qt::Key_Return : Qt::Key_Escape);
        });
        Tipografia vera;
        QCOMPARE(vera.chiediNome(t.w.get()), risposta);
        QCOMPARE(titolo, QStringLiteral("Nome"));
        QCOMPARE(etichetta, QStringLiteral("Scrivi il tuo nome."));
        QVERIFY(iniziale.isEmpty());
        QVERIFY(modale);
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
