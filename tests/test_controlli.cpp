// SPDX-License-Identifier: GPL-3.0-or-later
// Pause, resume and stop; choosing the tables; focus that follows the mouse; the small controls.
#include "aiuto.h"

#include <QPointer>

using namespace aspetto;

namespace {

/// The tables (column factors) that are still playable.
QList<int> tabelle(Banco &b)
{
    QList<int> t;
    for (int c = 0; c < 10; ++c) {
        bool verde = b->txtRisultato[c]->esclusa();
        for (int k = c; k < 100; k += 10)
            QTest::qVerify(b->txtRisultato[k]->esclusa() == verde, "column", "", __FILE__, __LINE__);
        if (!verde) t << c + 1;
    }
    return t;
}

} // namespace

class TestControlli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pausaERipresa()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        b.rispondi();
        int risposte = 0;
        for (Cella *c : b->txtRisultato)
            risposte += c->text().isEmpty() ? 0 : 1;
        QCOMPARE(risposte, 1);
        const int k = b.stato.cella();
        b->Timer1_Timer();
        b.digita(12);
        b.stato.Secondi = 29;
        b.stato.Minuti = 2;
        b->TxtMin->setText(QStringLiteral("2"));
        b->TmrTimer_Timer(); // 2:30
        b.suoni.suonati.clear();
        b.clic(b->CmdPausa);
        QCOMPARE(b.suoni.suonati, QList<Clip>{Clip::Tasto});
        QVERIFY(b->CmdPausa->isHidden() && !b->CmdPausa->isEnabled());
        QVERIFY(!b->cmdRiprendi->isHidden() && b->cmdRiprendi->isEnabled());
        QVERIFY(b->cmdAvvio->isHidden());
        QVERIFY(!b->cmdStop->isHidden());
        QVERIFY(!b->Frame1->isEnabled());
        QVERIFY(!b->Timer1->isActive() && !b->TmrTimer->isActive());
        QVERIFY(!b.stato.InCorso);
        QVERIFY(b->txtRisultato[k]->text().isEmpty());
        QCOMPARE(b->txtRisultato[k]->sfondo(), quint32(Bianco));
        QCOMPARE(b->Label1[b.stato.Colonna[k] - 1]->colore(), quint32(GialloChiaro));
        QCOMPARE(b->Label2[b.stato.Riga[k] - 1]->colore(), quint32(GialloChiaro));
        // The answered cell keeps its product; nothing can be typed while paused.
        risposte = 0;
        for (Cella *c : b->txtRisultato)
            risposte += c->text().isEmpty() ? 0 : 1;
        QCOMPARE(risposte, 1);
        QTest::keyClicks(b->txtRisultato[k], QStringLiteral("5"));
        QVERIFY(b->txtRisultato[k]->text().isEmpty());
        // Nothing counts while paused.
        b->TmrTimer_Timer();
        QCOMPARE(b->TxtSec->text(), QStringLiteral("30"));
        b.suoni.suonati.clear();
        b.clic(b->cmdRiprendi);
        QCOMPARE(b.suoni.suonati, QList<Clip>{Clip::Tasto});
        QVERIFY(!b->CmdPausa->isHidden() && b->CmdPausa->isEnabled());
        QVERIFY(b->cmdRiprendi->isHidden() && !b->cmdRiprendi->isEnabled());
        QVERIFY(b->Frame1->isEnabled());
        QVERIFY(b->Timer1->isActive() && b->TmrTimer->isActive());
        QVERIFY(b.stato.InCorso);
        const int nuova = b.stato.cella();
        QVERIFY(b->txtRisultato[nuova]->text().isEmpty() && !b->txtRisultato[nuova]->esclusa());
        b->TmrTimer_Timer();
        QCOMPARE(b->TxtSec->text(), QStringLiteral("31"));
        QCOMPARE(b->TxtMin->text(), QStringLiteral("2"));
    }

    void stop_data()
    {
        QTest::addColumn<Momento>("quando");
        QTest::newRow("before any game") << Momento::Riposo;
        QTest::newRow("running") << Momento::InCorso;
        QTest::newRow("paused") << Momento::InPausa;
    }
    void stop()
    {
        QFETCH(Momento, quando);
        Banco b;
        b.escludi({4});
        b->txtRisultato[0]->setText(QStringLiteral("1"));
        if (quando != Momento::Riposo) {
            b.clic(b->cmdAvvio);
            b.rispondi();
            b.digita(9);
            b.clic(b->Cmd_invio);
            b->TmrTimer_Timer();
        }
        if (quando == Momento::InPausa) b.clic(b->CmdPausa);
        QCOMPARE(b->momento(), quando);
        b.suoni.suonati.clear();
        if (quando == Momento::Riposo)
            b->cmdStop_Click(); // covered by Start before a game
        else
            b.clic(b->cmdStop);
        QVERIFY(b.suoni.suonati.isEmpty());
        for (int k = 0; k < 100; ++k) {
            QVERIFY(b->txtRisultato[k]->text().isEmpty());
            QCOMPARE(b->txtRisultato[k]->sfondo(), quint32(k % 10 == 3 ? ColoreEscluso : ColoreSistema));
        }
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(b->Label1[n]->colore(), quint32(Blu));
            QVERIFY(b->Label1[n]->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(b->Label2[n]->colore(), quint32(GialloChiaro));
        }
        QCOMPARE(b->TxtSec->text(), QStringLiteral("0"));
        QCOMPARE(b->TxtMin->text(), QStringLiteral("0"));
        QCOMPARE(b->txtErrori->text(), QStringLiteral("0"));
        QVERIFY(!b->cmdAvvio->isHidden() && b->cmdStop->isHidden());
        QVERIFY(!b->CmdPausa->isHidden() && !b->CmdPausa->isEnabled());
        QVERIFY(b->cmdRiprendi->isHidden() && !b->cmdRiprendi->isEnabled());
        QVERIFY(!b->Frame1->isEnabled());
        QVERIFY(b->Timer1->isActive() && !b->TmrTimer->isActive());
        QCOMPARE(b.stato.ModoLampeggio, 0);
        QCOMPARE(tabelle(b), (QList<int>{1, 2, 3, 5, 6, 7, 8, 9, 10}));
    }

    void selezione_data()
    {
        QTest::addColumn<QList<int>>("sinistri");
        QTest::addColumn<int>("destro");
        QTest::addColumn<QList<int>>("dopoSinistri");
        QTest::addColumn<QList<int>>("restano");
        const QList<int> niente;
        QTest::newRow("left 4 6 7 8")
            << QList<int>{4, 6, 7, 8} << 0 << niente << QList<int>{1, 2, 3, 5, 9, 10};
        QTest::newRow("right 5") << niente << 5 << niente << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("right 5 then left 7") << niente << 5 << QList<int>{7} << QList<int>{1, 2, 3, 4, 5, 7};
        QTest::newRow("right 10") << QList<int>{2} << 10 << niente
                                  << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("right 1") << niente << 1 << niente << QList<int>{1};
        QTest::newRow("left twice") << QList<int>{3, 3} << 0 << niente
                                    << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }
    void selezione()
    {
        QFETCH(QList<int>, sinistri);
        QFETCH(int, destro);
        QFETCH(QList<int>, dopoSinistri);
        Banco b;
        for (int f : sinistri)
            QTest::mouseClick(b->Label1[f - 1], Qt::LeftButton);
        if (destro) QTest::mouseClick(b->Label1[destro - 1], Qt::RightButton);
        for (int f : dopoSinistri)
            QTest::mouseClick(b->Label1[f - 1], Qt::LeftButton);
        QTEST(tabelle(b), "restano");
        // A column included again by the left button is white, the right button's reset is the system colour.
        if (sinistri == QList<int>{3, 3}) QCOMPARE(b->txtRisultato[2]->sfondo(), quint32(Bianco));
        if (destro) QCOMPARE(b->txtRisultato[0]->sfondo(), quint32(ColoreSistema));
        QVERIFY(b.suoni.suonati.isEmpty());
    }

    void pressioneDuranteLaPartita_data()
    {
        QTest::addColumn<bool>("inPausa");
        QTest::newRow("running") << false;
        QTest::newRow("paused") << true;
    }
    void pressioneDuranteLaPartita()
    {
        QFETCH(bool, inPausa);
        Banco b;
        b.clic(b->cmdAvvio);
        b.rispondi();
        b.digita(3);
        if (inPausa) b.clic(b->CmdPausa);
        QStringList testi;
        QList<quint32> colori;
        for (Cella *c : b->txtRisultato) {
            testi << c->text();
            colori << c->sfondo();
        }
        for (Qt::MouseButton tasto : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            for (int n : {0, 4, 9})
                QTest::mouseClick(b->Label1[n], tasto);
        }
        for (int k = 0; k < 100; ++k) {
            QCOMPARE(b->txtRisultato[k]->text(), testi[k]);
            QCOMPARE(b->txtRisultato[k]->sfondo(), colori[k]);
        }
    }

    void dopoLaFine()
    {
        Banco b;
        for (int f = 2; f <= 10; ++f)
            QTest::mouseClick(b->Label1[f - 1], Qt::LeftButton);
        b.clic(b->cmdAvvio);
        while (b->cmdAvvio->isHidden())
            b.rispondi();
        QVERIFY(b->cmdStampa->isEnabled());
        // The middle button only empties the grid.
        QTest::mouseClick(b->Label1[0], Qt::MiddleButton);
        for (Cella *c : b->txtRisultato)
            QVERIFY(c->text().isEmpty());
        QVERIFY(b->cmdStampa->isEnabled());
        QCOMPARE(tabelle(b), QList<int>{1});
        // Left and right presses also disable Print.
        QTest::mouseClick(b->Label1[2], Qt::LeftButton);
        QVERIFY(!b->cmdStampa->isEnabled());
        QCOMPARE(tabelle(b), (QList<int>{1, 3}));
    }

    void ilFuocoSegueIlMouse()
    {
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
        b.clic(b->cmdAvvio);
        const QList<Clip> suoni = b.suoni.suonati;
        for (int d : {7, 8, 9, 6, 3, 0}) {
            QTest::mouseMove(b->Cmd[d]);
            QCOMPARE(b->focusWidget(), b->Cmd[d]);
        }
        QTest::mouseMove(b->Cmd_invio);
        QCOMPARE(b->focusWidget(), b->Cmd_invio);
        QTest::mouseMove(b->cmdInfo);
        QCOMPARE(b->focusWidget(), b->cmdInfo);
        // Cells, labels and counters do not take part.
        QTest::mouseMove(b->txtRisultato[5]);
        QTest::mouseMove(b->Label1[3]);
        QTest::mouseMove(b->txtErrori);
        QCOMPARE(b->focusWidget(), b->cmdInfo);
        QCOMPARE(b.suoni.suonati, suoni);
    }

    void interruttoreSuono()
    {
        Banco b;
        b.clic(b->Check1);
        QCOMPARE(b.stato.SuonoSpento, 1);
        QVERIFY(b->Check1->isChecked());
        QVERIFY(b.suoni.suonati.isEmpty());
        b.clic(b->cmdAvvio);
        b.rispondi();
        QVERIFY(b.suoni.suonati.isEmpty());
        b.clic(b->Check1);
        QCOMPARE(b.stato.SuonoSpento, 0);
        QVERIFY(!b->Check1->isChecked());
        QCOMPARE(b.suoni.suonati, QList<Clip>{Clip::Tasto});
        // Return on the focused box toggles it, as Space does.
        QTest::keyClick(b->Check1, Qt::Key_Return);
        QCOMPARE(b.stato.SuonoSpento, 1);
        QTest::keyClick(b->Check1, Qt::Key_Space);
        QCOMPARE(b.stato.SuonoSpento, 0);
    }

    void doppioClicSuUnNumero()
    {
        // Each press counts once: a double click leaves and brings back the table. The window system
        // sends the second press both as a press and as a double click.
        Banco b;
        const auto doppioClic = [](QWidget *w, Qt::MouseButton tasto) {
            QTest::mouseClick(w, tasto);
            QTest::mousePress(w, tasto);
            QTest::mouseDClick(w, tasto);
            QTest::mouseRelease(w, tasto);
        };
        doppioClic(b->Label1[3], Qt::LeftButton);
        QCOMPARE(b->txtRisultato[3]->sfondo(), quint32(Bianco));
        doppioClic(b->Label1[4], Qt::RightButton);
        QCOMPARE(b->txtRisultato[9]->sfondo(), quint32(ColoreEscluso));
        QCOMPARE(b->txtRisultato[4]->sfondo(), quint32(ColoreSistema));
    }

    void didascaliaDelTastierinoConInfoAperta()
    {
        // The info window disables the whole board; during a game the keypad's caption stays black.
        Banco b;
        b.clic(b->cmdAvvio);
        b->cmdInfo_Click();
        QVERIFY(!b->Frame1->isEnabled());
        QCOMPARE(b->Frame1->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black));
        b->info()->cmdOK_Click();
        b.clic(b->cmdStop);
        QCOMPARE(b->Frame1->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QColor(0x80, 0x80, 0x80));
    }

    void contatori()
    {
        // A click hands the focus on to Info; a counter that kept the focus (pressed, then released
        // elsewhere) takes no input-method commit.
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        for (Contatore *c : {b->txtErrori, b->TxtMin, b->TxtSec}) {
            b->cmdAvvio->setFocus();
            QTest::mouseClick(c, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), b->cmdInfo);
            c->setFocus();
            QInputMethodEvent e;
            e.setCommitString(QStringLiteral("94"));
            QCoreApplication::sendEvent(c, &e);
            QCOMPARE(c->text(), QStringLiteral("0"));
        }
    }

    void esciEChiudi_data()
    {
        QTest::addColumn<bool>("chiudi");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void esciEChiudi()
    {
        QFETCH(bool, chiudi);
        Banco b;
        b->show();
        b.clic(b->cmdAvvio); // in the middle of a game
        b.digita(4);
        QTimer::singleShot(0, b.w.get(), [&] {
            if (chiudi)
                b->close();
            else
                b.clic(b->cmdEnd);
        });
        QTimer guardia;
        guardia.setSingleShot(true);
        connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guardia.start(attesa::limite(10000));
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!b->isVisible());
        QVERIFY(!b->Timer1->isActive() && !b->TmrTimer->isActive());
    }
};

QTEST_MAIN(TestControlli)
#include "test_controlli.moc"
