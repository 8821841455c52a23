// SPDX-License-Identifier: GPL-3.0-or-later
// The board at any size: the layout at a scale, touch on its controls, and printing from a big window.
#include "aiuto.h"
#include "board/disposizione.h"
#include "info/disposizione.h"
#include "pagina.h"
#include "widgets/dialoghiscalati.h"
#include "widgets/scala.h"
#include "widgets/scaladialogo.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

namespace lay = disposizione;

namespace {

/// Records, during the name prompt, the dialogs' font and a cell's font.
class TipografiaCheGuarda : public TipografiaFinta
{
public:
    QString chiediNome(QWidget *genitore) override
    {
        fontDialoghi = QApplication::font();
        fontCella = genitore->findChild<Cella *>()->font();
        return TipografiaFinta::chiediNome(genitore);
    }
    QFont fontDialoghi, fontCella;
};

/// A board shown at \a dimensione (after start-up, info window closed).
struct Grande : BancoCon<TipografiaCheGuarda>
{
    explicit Grande(QSize dimensione)
    {
        // At the screen's corner: the offscreen screen is 800 x 600 and touches find no window past it.
        w->move(0, 0);
        w->resize(dimensione);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
};

/// Where the twips table puts a control at scale \a s, the board's corner at \a origine.
QRect atteso(const Posto &t, qreal s, QPoint origine = {})
{
    auto px = [s](int twips) { return qRound(twips * s / 15); };
    return QRect(px(t.left), px(t.top), px(t.width), px(t.height)).translated(origine);
}

QPointingDevice *dito()
{
    static QPointingDevice *d = QTest::createTouchDevice();
    return d;
}

/// A finger down and up at the middle of \a w.
void tocca(QWidget *w)
{
    const QPoint c = w->rect().center();
    QTest::touchEvent(w, dito()).press(0, c);
    QTest::touchEvent(w, dito()).release(0, c);
}

} // namespace

class TestScala : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void infoAllAvvioSegueLaScala()
    {
        // Full screen right at start-up: the instructions opened at scale 1 grow with the board.
        BancoCon<TipografiaCheGuarda> b(Info::Aperta);
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
        FrmInfo *info = b->info();
        QVERIFY(info);
        const int passo = info->findChild<QLabel *>(QStringLiteral("riga2"))->geometry().top();
        b->resize(1268, 910);
        QCOMPARE(info->size(), QSize(2 * 537, 2 * 348));
        QCOMPARE(info->cmdOK->geometry(), atteso(disposizione::info::cmdOK, 2));
        QCOMPARE(info->findChild<QLabel *>(QStringLiteral("riga2"))->geometry().top(), 2 * passo);
        QCOMPARE(info->findChild<QLabel *>(QStringLiteral("riga2"))->font().pixelSize(), 2 * 13);
    }

    void disposizione_data()
    {
        QTest::addColumn<QSize>("finestra");
        QTest::addColumn<qreal>("s");
        QTest::addColumn<QPoint>("origine");
        QTest::newRow("doppia") << QSize(1268, 910) << 2.0 << QPoint(0, 0);
        // Wide: the height decides, the board is centred between two yellow margins.
        const qreal s = 700.0 / 455;
        QTest::newRow("larga") << QSize(2000, 700) << s << QPoint((2000 - qRound(634 * s)) / 2, 0);
        // Tall: the width decides.
        const qreal t = 1000.0 / 634;
        QTest::newRow("alta") << QSize(1000, 1400) << t << QPoint(0, (1400 - qRound(455 * t)) / 2);
    }
    void disposizione()
    {
        QFETCH(QSize, finestra);
        QFETCH(qreal, s);
        QFETCH(QPoint, origine);
        Grande b(finestra);
        QCOMPARE(b->size(), finestra);
        for (int k : {0, 9, 57, 90, 99})
            QCOMPARE(b->txtRisultato[k]->geometry(), atteso(lay::txtRisultato(k), s, origine));
        for (int n : {0, 3, 9}) {
            QCOMPARE(b->Label1[n]->geometry(), atteso(lay::Label1(n), s, origine));
            QCOMPARE(b->Label2[n]->geometry(), atteso(lay::Label2(n), s, origine));
        }
        QCOMPARE(b->Command1->geometry(), atteso(lay::Command1, s, origine));
        QCOMPARE(b->cmdAvvio->geometry(), atteso(lay::cmdAvvio, s, origine));
        QCOMPARE(b->cmdEnd->geometry(), atteso(lay::cmdEnd, s, origine));
        QCOMPARE(b->Check1->geometry(), atteso(lay::Check1, s, origine));
        QCOMPARE(b->lblTitolo->geometry(), atteso(lay::lblTitolo, s, origine));
        QCOMPARE(b->mano->geometry(), atteso(lay::mano, s, origine));
        QCOMPARE(b->Frame1->geometry(), atteso(lay::Frame1, s, origine));
        // Inside a frame, places are relative to the frame: no origin.
        for (int d : {0, 5, 7})
            QCOMPARE(b->Cmd[d]->geometry(), atteso(lay::Cmd_cifra(d), s));
        QCOMPARE(b->Cmd_invio->geometry(), atteso(lay::Cmd_invio, s));
        QCOMPARE(b->TxtSec->geometry(), atteso(lay::TxtSec, s));
        QCOMPARE(b->txtErrori->geometry(), atteso(lay::txtErrori, s));
        // Fonts, and the hand pointer with its hot spot, grow with the board.
        QCOMPARE(b->txtRisultato[0]->font().pixelSize(), qRound(19 * s));
        QCOMPARE(b->Label1[0]->font().pixelSize(), qRound(24 * s));
        QCOMPARE(b->Label1[0]->cursor().pixmap().deviceIndependentSize().toSize(),
                 QSize(qRound(32 * s), qRound(32 * s)));
        QCOMPARE(b->Label1[0]->cursor().hotSpot(), QPoint(qRound(6 * s), qRound(5 * s)));
        // The margins are the window's light yellow; the board's own corner is its border.
        const QImage im = b->grab().toImage();
        QCOMPARE(im.pixelColor(0, finestra.height() / 2), aspetto::colore(aspetto::GialloChiaro));
        QCOMPARE(im.pixelColor(finestra.width() - 1, finestra.height() - 1),
                 aspetto::colore(aspetto::GialloChiaro));

        // The info window opens at the same scale, centred over the board.
        b->cmdInfo_Click();
        FrmInfo *info = b->info();
        QVERIFY(info);
        QCOMPARE(info->size(),
                 atteso({0, 0, disposizione::info::LarghezzaFinestra, disposizione::info::AltezzaFinestra}, s)
                     .size());
        QCOMPARE(info->cmdOK->geometry(), atteso(disposizione::info::cmdOK, s));
        // (within the few pixels of the window frame that a move() counts in)
        const QPoint scarto = info->geometry().center() - b->geometry().center();
        QVERIFY2(qAbs(scarto.x()) <= 3 && qAbs(scarto.y()) <= 3,
                 qPrintable(QStringLiteral("%1, %2").arg(scarto.x()).arg(scarto.y())));
        info->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Back to the layout's own size, pixel for pixel as it was made.
        b->resize(634, 455);
        QCoreApplication::processEvents();
        QCOMPARE(b->txtRisultato[57]->geometry(), QRect(328, 204, 41, 33));
        QCOMPARE(b->Cmd[3]->geometry(), QRect(80, 88, 33, 33));
        QCOMPARE(b->txtRisultato[0]->font().pixelSize(), 19);
    }

    void schermoIntero()
    {
        Grande b(QSize(634, 455));
        QVERIFY(!b->isFullScreen());
        QTest::keyClick(b.w.get(), Qt::Key_Escape); // nothing to leave: Escape is not taken
        QVERIFY(!b->isFullScreen());
        QTest::keyClick(b.w.get(), Qt::Key_F11);
        QVERIFY(b->isFullScreen());
        QTest::keyClick(b.w.get(), Qt::Key_Escape);
        QVERIFY(!b->isFullScreen());
    }

    void tocco()
    {
        Grande b(QSize(800, 600)); // a scale of 1.26: the whole board within the test screen
        // A tap on a column number is a left press: it excludes that table.
        tocca(b->Label1[3]);
        for (int k = 3; k < 100; k += 10)
            QVERIFY(b->txtRisultato[k]->esclusa());
        // A long press is a right press: only the tables up to that one are left; lifting the
        // finger afterwards adds no left press.
        // A finger that slides away before the delay is neither: nothing changes, also after the delay.
        const QPoint c = b->Label1[4]->rect().center();
        const QPoint via = c + QPoint(QGuiApplication::styleHints()->startDragDistance() * 3, 0);
        QTest::touchEvent(b->Label1[4], dito()).press(0, c);
        QTest::touchEvent(b->Label1[4], dito()).move(0, via);
        QTest::qWait(Etichetta::DurataPressioneLunga + 200);
        QTest::touchEvent(b->Label1[4], dito()).release(0, via);
        for (int k = 0; k < 100; ++k)
            QCOMPARE(b->txtRisultato[k]->esclusa(), k % 10 == 3);
        // The finger resting: nothing before the delay (it may still become a tap), the right press after.
        QTest::touchEvent(b->Label1[4], dito()).press(0, c);
        QVERIFY(!b->txtRisultato[4]->esclusa() && b->txtRisultato[3]->esclusa());
        const auto *ritardo = b->Label1[4]->findChild<QTimer *>();
        QVERIFY(ritardo && ritardo->isActive() && ritardo->isSingleShot());
        QCOMPARE(ritardo->interval(), Etichetta::DurataPressioneLunga);
        QTRY_VERIFY(b->txtRisultato[9]->esclusa());
        QTest::touchEvent(b->Label1[4], dito()).release(0, c);
        for (int k = 0; k < 100; ++k)
            QCOMPARE(b->txtRisultato[k]->esclusa(), k % 10 > 4);
        QVERIFY(!b->txtRisultato[3]->esclusa());

        // Taps on the keypad type as clicks do, a fast double tap twice; a tap on OK confirms.
        tocca(b->cmdAvvio);
        QCOMPARE(b->momento(), Momento::InCorso);
        const int prodotto = b.stato.Prodotto[b.stato.cella()];
        tocca(b->Cmd[1]);
        tocca(b->Cmd[1]);
        QCoreApplication::processEvents();
        QCOMPARE(b.domanda()->text(), QStringLiteral("11"));
        tocca(b->Cmd_backspace);
        tocca(b->Cmd_backspace);
        QCoreApplication::processEvents();
        QVERIFY(b.domanda()->text().isEmpty());
        const int prima = b.stato.NumEsatte;
        for (QChar cifra : QString::number(prodotto)) {
            tocca(b->Cmd[cifra.digitValue()]);
            QCoreApplication::processEvents();
        }
        tocca(b->Cmd_invio);
        QCOMPARE(b.stato.NumEsatte, prima + 1);
        // The sound box, and the info window's OK.
        tocca(b->Check1);
        QCOMPARE(b.stato.SuonoSpento, 1);
        tocca(b->cmdInfo);
        QVERIFY(b->info());
        tocca(b->info()->cmdOK);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!b->info());
        QVERIFY(b->isEnabled());
    }

    void ditoNonSpostaIlFuoco()
    {
        Grande b(QSize(1268, 910));
        b->cmdInfo->setFocus();
        QWidget *esci = b->cmdEnd;
        const QPointF p = esci->rect().center();
        // The mouse Qt makes of a finger sliding over a control leaves the focus where it is ...
        for (QEvent::Type tipo : {QEvent::Enter, QEvent::MouseMove}) {
            QMouseEvent daDito(tipo, p, esci->mapToGlobal(p), Qt::NoButton, {}, {}, dito());
            QApplication::sendEvent(esci, &daDito);
        }
        QCOMPARE(b->focusWidget(), b->cmdInfo);
        // ... the real mouse takes it along.
        QMouseEvent mouse(QEvent::MouseMove, p, esci->mapToGlobal(p), Qt::NoButton, {}, {});
        QApplication::sendEvent(esci, &mouse);
        QCOMPARE(b->focusWidget(), esci);
    }

    void stampaAGrandezzaVera()
    {
        if (!pagina::haPdftoppm()) QSKIP("pdftoppm is not installed");
        QTemporaryDir cartella;
        QImage pagine[2];
        const QSize dimensioni[2] = {QSize(634, 455), QSize(2000, 1140)};
        for (int i = 0; i < 2; ++i) {
            Grande b(dimensioni[i]);
            b.tipografia.cartella = cartella.filePath(QString::number(i));
            QVERIFY(QDir().mkpath(b.tipografia.cartella));
            b.tipografia.nomi.append(QStringLiteral("Anna"));
            b->cmdStampa->setEnabled(true);
            const QFont sistema = QApplication::font();
            b->cmdStampa_Click();
            // The prompt's font grew with the board, never below the system's; the board's did not change.
            const qreal s = scalatura::corrente(b.w.get()).fattore;
            QCOMPARE(b.tipografia.fontDialoghi.pointSizeF(), sistema.pointSizeF() * qMax(1.0, s));
            QCOMPARE(b.tipografia.fontCella, b->txtRisultato[0]->font());
            QCOMPARE(QApplication::font(), sistema);
            QCOMPARE(b.tipografia.file.size(), 1);
            pagine[i] = pagina::rasterizza(b.tipografia.file.first(), 100);
            QVERIFY(!pagine[i].isNull());
        }
        // The same page: 634 x 455 pixels at 96 an inch, 660 x 474 dots at 100 dpi, in the same place.
        const QRect piccola = pagina::riquadro(pagine[0], pagina::inchiostro);
        const QRect grande = pagina::riquadro(pagine[1], pagina::inchiostro);
        QVERIFY2(qAbs(piccola.width() - 660) <= 3 && qAbs(piccola.height() - 474) <= 3,
                 qPrintable(QStringLiteral("%1 x %2").arg(piccola.width()).arg(piccola.height())));
        QVERIFY2((grande.topLeft() - piccola.topLeft()).manhattanLength() <= 2 &&
                     qAbs(grande.width() - piccola.width()) <= 2 &&
                     qAbs(grande.height() - piccola.height()) <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3 x %4")
                                .arg(grande.x())
                                .arg(grande.y())
                                .arg(grande.width())
                                .arg(grande.height())));
        // Blue title ink in about the same amount: the same drawing, not a blown-up or shrunk one.
        const int bluPiccola = pagina::conta(pagine[0], piccola, pagina::blu);
        const int bluGrande = pagina::conta(pagine[1], grande, pagina::blu);
        QVERIFY2(qAbs(bluGrande - bluPiccola) <= bluPiccola / 5,
                 qPrintable(QStringLiteral("%1 / %2").arg(bluGrande).arg(bluPiccola)));
    }
    /// A message box at a board's scale reads as the small one does: as many lines, its icon and
    /// margins grown with the text; shown alone (the record's warning) it keeps that size after.
    void dialoghiAllaScala()
    {
        const QString testo =
            QStringLiteral(
                "Il registro delle partite non viene tenuto: il disco è pieno. Le partite di oggi si "
                "giocano come sempre, ma non restano nel registro. ")
                .repeated(4);
        struct Misura
        {
            int righe, icona, margine;
        };
        const auto misura = [&](qreal fattore, bool daSolo) {
            std::optional<DialoghiScalati> passo;
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Registro"), testo, QMessageBox::Ok);
            if (daSolo)
                ScalaDialogo::applica(&box, fattore, QApplication::font());
            else
                passo.emplace(fattore);
            box.show();
            [&] { QVERIFY(QTest::qWaitForWindowExposed(&box)); }();
            passo.reset();
            QApplication::sendPostedEvents();
            QCoreApplication::postEvent(&box, new QEvent(QEvent::LayoutRequest));
            QTest::qWait(50);
            auto *etichetta = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            auto *icona = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
            return Misura{etichetta->height() / QFontMetrics(etichetta->font()).lineSpacing(),
                          icona->pixmap().deviceIndependentSize().toSize().width(),
                          box.layout()->contentsMargins().left()};
        };
        const Misura piccola = misura(1.0, false);
        QVERIFY(piccola.righe >= 5);
        for (const bool daSolo : {false, true}) {
            constexpr qreal Fattore = 1.4; // the offscreen screen is 800 pixels wide
            const Misura grande = misura(Fattore, daSolo);
            QVERIFY2(
                qAbs(grande.righe - piccola.righe) <= 1,
                qPrintable(QStringLiteral("%1 lines, %2 at scale 1").arg(grande.righe).arg(piccola.righe)));
            QCOMPARE(grande.icona, qRound(piccola.icona * Fattore));
            QCOMPARE(grande.margine, qRound(piccola.margine * Fattore));
        }
    }
};

QTEST_MAIN(TestScala)
#include "test_scala.moc"
