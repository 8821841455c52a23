// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games on the real window: start, questions, keypad, answer check, blinking and stopwatch.
#include "aiuto.h"

#include <QClipboard>
#include <QInputMethodEvent>

using namespace aspetto;

namespace {

/// Everything the finished state shows, control by control.
void verificaFinita(Banco &b)
{
    QVERIFY(!b->cmdAvvio->isHidden());
    QVERIFY(b->cmdStop->isHidden());
    QVERIFY(!b->CmdPausa->isHidden() && !b->CmdPausa->isEnabledTo(b.w.get()));
    QVERIFY(b->cmdRiprendi->isHidden() && !b->cmdRiprendi->isEnabledTo(b.w.get()));
    QVERIFY(b->cmdStampa->isEnabledTo(b.w.get()));
    QCOMPARE(b->focusWidget(), b->cmdStampa);
    QVERIFY(!b->Frame1->isEnabled());
    QVERIFY(b->Timer1->isActive());
    QVERIFY(!b->TmrTimer->isActive());
    QVERIFY(!b.stato.InCorso);
    QCOMPARE(b.stato.ModoLampeggio, 0);
    QCOMPARE(b->lblTitolo->text(), QStringLiteral("Complimenti. Hai finito."));
    for (int n = 0; n < 10; ++n) {
        QCOMPARE(b->Label1[n]->colore(), quint32(Blu));
        QVERIFY(b->Label1[n]->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(b->Label2[n]->colore(), quint32(GialloChiaro));
    }
}

/// Makes every cell green but \a k, so that cell is the only question.
void soloCella(Banco &b, int k)
{
    for (int i = 0; i < 100; ++i)
        b->txtRisultato[i]->impostaSfondo(i == k ? Bianco : ColoreEscluso);
}

} // namespace

class TestPartita : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void partitaIntera_data()
    {
        QTest::addColumn<int>("escluse");
        QTest::newRow("100 cells") << 0;
        QTest::newRow("99 excluded") << 99;
    }
    void partitaIntera()
    {
        QFETCH(int, escluse);
        Banco b;
        if (escluse == 99) soloCella(b, 42);
        b.clic(b->cmdAvvio);
        QVERIFY(b->cmdAvvio->isHidden());
        if (escluse == 99) QCOMPARE(b.stato.cella(), 42);
        int risposte = 0;
        while (b->cmdAvvio->isHidden()) {
            QVERIFY(risposte < 100);
            // The question blinks before it is answered: its row and column numbers turn blue.
            const int k = b.stato.cella();
            Etichetta *riga = b->Label2[b.stato.Riga[k] - 1];
            for (int tic = 0; tic < 2 && riga->colore() != quint32(Blu); ++tic)
                b->Timer1_Timer();
            QCOMPARE(riga->colore(), quint32(Blu));
            b.rispondi();
            ++risposte;
            // Answered: only the next question's numbers may be coloured.
            if (!b->cmdAvvio->isHidden()) break;
            const int dopo = b.stato.cella();
            for (int n = 0; n < 10; ++n) {
                if (n != b.stato.Riga[dopo] - 1) QCOMPARE(b->Label2[n]->colore(), quint32(GialloChiaro));
                if (n != b.stato.Colonna[dopo] - 1) QCOMPARE(b->Label1[n]->colore(), quint32(GialloChiaro));
            }
        }
        QCOMPARE(risposte, 100 - escluse);
        for (int k = 0; k < 100; ++k) {
            Cella *c = b->txtRisultato[k];
            if (c->esclusa()) {
                QVERIFY(c->text().isEmpty());
            } else {
                QCOMPARE(c->text(), QString::number(b.stato.Prodotto[k]));
                QCOMPARE(c->sfondo(), quint32(ColoreSistema));
            }
        }
        QCOMPARE(b->txtErrori->text(), QStringLiteral("0"));
        verificaFinita(b);
        const QList<Clip> &s = b.suoni.suonati;
        QCOMPARE(s.first(), Clip::Avvio);
        QCOMPARE(s.count(Clip::Giusta), risposte);
        QCOMPARE(s.count(Clip::Fine), 1);
        QCOMPARE(s.mid(s.size() - 2), (QList<Clip>{Clip::Giusta, Clip::Fine}));
        QCOMPARE(s.count(Clip::Tasto), s.size() - 2 - risposte);
    }

    void avvioRifiutatoTuttoVerde()
    {
        Banco b;
        b.escludi({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        b.clic(b->cmdAvvio);
        QVERIFY(!b->cmdAvvio->isHidden());
        QVERIFY(!b->Frame1->isEnabled());
        QCOMPARE(b.stato.ModoLampeggio, 0);
        QVERIFY(b.suoni.suonati.isEmpty());
        QCOMPARE(b.stato.NumEscluse, 100);
    }

    void statoInCorso()
    {
        Banco b;
        b.escludi({3});
        b.clic(b->cmdAvvio);
        QVERIFY(b->cmdAvvio->isHidden());
        QVERIFY(!b->cmdStop->isHidden());
        QVERIFY(!b->CmdPausa->isHidden() && b->CmdPausa->isEnabled());
        QVERIFY(b->cmdRiprendi->isHidden());
        QVERIFY(b->Frame1->isEnabled());
        QVERIFY(b->Timer1->isActive() && b->TmrTimer->isActive());
        QVERIFY(b.stato.InCorso);
        QCOMPARE(b.stato.ModoLampeggio, 1);
        QVERIFY(b->mano->isHidden());
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(b->Label1[n]->colore(), quint32(GialloChiaro));
            QVERIFY(!b->Label1[n]->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(b->Label2[n]->colore(), quint32(GialloChiaro));
        }
        for (int k = 0; k < 100; ++k)
            QCOMPARE(b->txtRisultato[k]->sfondo(), quint32(k % 10 == 2 ? ColoreEscluso : ColoreSistema));
        QVERIFY(!b->txtRisultato[b.stato.cella()]->esclusa());
        QCOMPARE(b.suoni.suonati, QList<Clip>{Clip::Avvio});
    }

    void risposteSbagliate()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        const int k = b.stato.cella();
        b.suoni.suonati.clear();
        b.digita(b.stato.Prodotto[k] + 1);
        b.clic(b->Cmd_invio);
        QVERIFY(b->txtRisultato[k]->text().isEmpty());
        QCOMPARE(b->txtErrori->text(), QStringLiteral("1"));
        QCOMPARE(b.suoni.suonati.last(), Clip::Sbagliata);
        QCOMPARE(b.stato.cella(), k);
        QVERIFY(b->Timer1->isActive());
        b.digita(0);
        b.clic(b->Cmd_invio);
        QCOMPARE(b->txtErrori->text(), QStringLiteral("2"));
        QCOMPARE(b.stato.NumEsatte, 0);
        b.rispondi();
        QCOMPARE(b.stato.NumEsatte, 1);
        QCOMPARE(b->txtErrori->text(), QStringLiteral("2"));
    }

    void zeroIniziale()
    {
        Banco b;
        soloCella(b, 6); // 1 × 7
        b.clic(b->cmdAvvio);
        b.digita(0);
        b.digita(7);
        QCOMPARE(b->txtRisultato[6]->text(), QStringLiteral("07"));
        b.clic(b->Cmd_invio);
        verificaFinita(b);
        QCOMPARE(b->txtErrori->text(), QStringLiteral("0"));
    }

    void invioEBackspaceSuCellaVuota()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        b.suoni.suonati.clear();
        b.clic(b->Cmd_invio);
        QVERIFY(b.suoni.suonati.isEmpty());
        QCOMPARE(b->txtErrori->text(), QStringLiteral("0"));
        b.clic(b->Cmd_backspace);
        QCoreApplication::processEvents();
        QCOMPARE(b.suoni.suonati, QList<Clip>{Clip::Tasto});
        QVERIFY(b.domanda()->text().isEmpty());
        b.digita(45);
        b.clic(b->Cmd_backspace);
        QCoreApplication::processEvents();
        QCOMPARE(b.domanda()->text(), QStringLiteral("4"));
        // A digit replaces a selection, as a typed key does.
        b.digita(5);
        b.domanda()->selectAll();
        b.digita(9);
        QCOMPARE(b.domanda()->text(), QStringLiteral("9"));
    }

    void cifraDopoClicSuAltraCella()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        const int k = b.stato.cella();
        Cella *altra = b->txtRisultato[(k + 1) % 100];
        QTest::mouseClick(altra, Qt::LeftButton);
        b.digita(3);
        QCOMPARE(b->txtRisultato[k]->text(), QStringLiteral("3"));
        QVERIFY(altra->text().isEmpty());
        QCOMPARE(b->focusWidget(), b->txtRisultato[k]);
    }

    void tastiera()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        const int k = b.stato.cella();
        Cella *c = b->txtRisultato[k];
        Cella *altra = b->txtRisultato[(k + 1) % 100];
        // Only digits, and only in the asked cell.
        QTest::keyClicks(c, QStringLiteral("a-1,"));
        QCOMPARE(c->text(), QStringLiteral("1"));
        QTest::keyClicks(altra, QStringLiteral("12"));
        QVERIFY(altra->text().isEmpty());
        // Return and the keypad's Enter confirm, as OK does.
        QTest::keyClick(c, Qt::Key_Backspace);
        QTest::keyClicks(c, QString::number(b.stato.Prodotto[k] + 1));
        QTest::keyClick(c, Qt::Key_Return);
        QCOMPARE(b->txtErrori->text(), QStringLiteral("1"));
        QTest::keyClicks(c, QString::number(b.stato.Prodotto[k]));
        QTest::keyClick(c, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(b.stato.NumEsatte, 1);
        QCOMPARE(c->text(), QString::number(b.stato.Prodotto[k]));
        // Return in a cell that is not asked does nothing.
        QTest::keyClick(altra, Qt::Key_Return);
        QCOMPARE(b.stato.NumEsatte, 1);
        QCOMPARE(b->txtErrori->text(), QStringLiteral("1"));
    }

    void nienteIncolla()
    {
        // A pasted number would fill a cell with no answer checked: no cell takes one, in any phase.
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->setText(QStringLiteral("42"), QClipboard::Selection);
        Banco b;
        b->show();
        b.escludi({3});
        for (int passo = 0; passo < 3; ++passo) {
            if (passo == 1) b.clic(b->cmdAvvio);
            if (passo == 2) b.clic(b->CmdPausa);
            for (Cella *c : {b.domanda(), b->txtRisultato[2], b->txtRisultato[(b.stato.cella() + 1) % 100]}) {
                c->setFocus();
                QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
                QTest::keyClick(c, Qt::Key_Insert, Qt::ShiftModifier);
                QTest::mouseClick(c, Qt::MiddleButton);
                QInputMethodEvent commit;
                commit.setCommitString(QStringLiteral("42"));
                QCoreApplication::sendEvent(c, &commit);
                QVERIFY2(c->text().isEmpty(), qPrintable(QString::number(passo)));
            }
        }
    }

    void dueClicSuOkContanoUnaVolta()
    {
        // Through the real sound player: if playing a clip dispatched the events waiting, the second
        // click would be handled inside the first and check the next, empty, question.
        Stato stato;
        LettorePulse suoni;
        TipografiaFinta tipografia;
        FrmNumerellaProva w(stato, suoni, tipografia);
        w.info()->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::mouseClick(w.cmdAvvio, Qt::LeftButton);
        for (QChar c : QString::number(stato.Prodotto[stato.cella()])) {
            QTest::mouseClick(w.Cmd[c.digitValue()], Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        // A double click: both presses are already queued when the first is handled.
        const QPoint centro = w.Cmd_invio->rect().center();
        for (int i = 0; i < 2; ++i) {
            QCoreApplication::postEvent(w.Cmd_invio, new QMouseEvent(QEvent::MouseButtonPress, centro,
                                                                     w.Cmd_invio->mapToGlobal(centro),
                                                                     Qt::LeftButton, Qt::LeftButton, {}));
            QCoreApplication::postEvent(w.Cmd_invio, new QMouseEvent(QEvent::MouseButtonRelease, centro,
                                                                     w.Cmd_invio->mapToGlobal(centro),
                                                                     Qt::LeftButton, Qt::NoButton, {}));
        }
        QCoreApplication::processEvents();
        QCOMPARE(stato.NumEsatte, 1);
        QCOMPARE(stato.NumErrori, 0);
        QCOMPARE(w.txtErrori->text(), QStringLiteral("0"));
    }

    void nuovaPartitaDopoLaFine()
    {
        Banco b;
        soloCella(b, 0);
        b->txtRisultato[1]->impostaSfondo(Bianco);
        b.clic(b->cmdAvvio);
        b.digita(99);
        b.clic(b->Cmd_invio);
        b->TmrTimer_Timer();
        while (b->cmdAvvio->isHidden())
            b.rispondi();
        verificaFinita(b);
        b.clic(b->cmdAvvio);
        QVERIFY(b->txtRisultato[0]->text().isEmpty() && b->txtRisultato[1]->text().isEmpty());
        QVERIFY(b->txtRisultato[2]->esclusa());
        QCOMPARE(b->txtErrori->text(), QStringLiteral("0"));
        QCOMPARE(b->TxtSec->text(), QStringLiteral("0"));
        QCOMPARE(b->lblTitolo->text(), QStringLiteral("La Numerella"));
        QVERIFY(!b->cmdStampa->isEnabled());
    }

    void nonSiBloccaSenzaCandidate_data()
    {
        QTest::addColumn<bool>("inPausa");
        QTest::newRow("after an answer") << false;
        QTest::newRow("on resuming") << true;
    }
    void nonSiBloccaSenzaCandidate()
    {
        // Cells filled outside the keypad leave nothing to ask: the game ends as finished.
        QFETCH(bool, inPausa);
        Banco b;
        b.clic(b->cmdAvvio);
        if (inPausa) b.clic(b->CmdPausa);
        const int k = b.stato.cella();
        for (int i = 0; i < 100; ++i) {
            if (i != k || inPausa) b->txtRisultato[i]->setText(QStringLiteral("1"));
        }
        b.suoni.suonati.clear();
        if (inPausa)
            b.clic(b->cmdRiprendi);
        else
            b.rispondi();
        verificaFinita(b);
        QCOMPARE(b.suoni.suonati.last(), Clip::Fine);
        QCOMPARE(b.stato.NumEsatte, inPausa ? 0 : 1);
    }

    void sceltaSoloCelleVuoteNonVerdi()
    {
        Banco b;
        b.escludi({2, 5, 9});
        b.clic(b->cmdAvvio);
        for (int k : {0, 10, 33, 47, 86})
            b->txtRisultato[k]->setText(QStringLiteral("5"));
        // Uniformity is the picker's own test; here only the candidates read off the board.
        for (int i = 0; i < 500; ++i) {
            QVERIFY(b->SceltaDomanda());
            const int k = b.stato.cella();
            QVERIFY(!b->txtRisultato[k]->esclusa());
            QVERIFY(b->txtRisultato[k]->text().isEmpty());
        }
        QVERIFY(b->Timer1->isActive());
    }

    void inseguitore()
    {
        Banco b;
        for (int t = 1; t <= 20; ++t) {
            b->Timer1_Timer();
            const int rossa = t % 2 == 0 ? (t / 2) % 10 : -1;
            for (int n = 0; n < 10; ++n)
                QCOMPARE(b->Label1[n]->colore(), quint32(n == rossa ? Rosso : Blu));
            QCOMPARE(b->mano->isHidden(), t % 2 == 0);
        }
    }

    void lampeggioDomanda()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        b.stato.CellaCorrente = 57; // row factor 6, column factor 8
        b->FaseLampeggio = 0;
        auto fotografia = [&] {
            QList<quint32> c;
            for (Cella *x : b->txtRisultato)
                c << x->sfondo();
            for (int n = 0; n < 10; ++n)
                c << b->Label1[n]->colore() << b->Label2[n]->colore();
            return c;
        };
        const QList<quint32> prima = fotografia();
        for (int t = 0; t < 4; ++t) {
            b->Timer1_Timer();
            const bool rossa = t % 2 == 1;
            QCOMPARE(b->txtRisultato[57]->sfondo(), quint32(rossa ? Rosa : Azzurro));
            QCOMPARE(b->Label1[7]->colore(), quint32(rossa ? Rosso : Blu));
            QCOMPARE(b->Label2[5]->colore(), quint32(rossa ? Rosso : Blu));
            QList<quint32> dopo = fotografia();
            dopo[57] = prima[57];
            dopo[100 + 2 * 7] = prima[100 + 2 * 7];
            dopo[100 + 2 * 5 + 1] = prima[100 + 2 * 5 + 1];
            QCOMPARE(dopo, prima);
            QVERIFY(b->mano->isHidden());
        }
    }

    void cronometro()
    {
        Banco b;
        b.clic(b->cmdAvvio);
        for (int i = 0; i < 59; ++i)
            b->TmrTimer_Timer();
        QCOMPARE(b->TxtSec->text(), QStringLiteral("59"));
        b->TmrTimer_Timer();
        QCOMPARE(b->TxtMin->text(), QStringLiteral("1"));
        QCOMPARE(b->TxtSec->text(), QStringLiteral("0"));
        for (int i = 0; i < 7; ++i)
            b->TmrTimer_Timer();
        QCOMPARE(b->TxtSec->text(), QStringLiteral("7"));
        b.stato.Secondi = 59;
        b.stato.Minuti = 59;
        b->TxtSec->setText(QStringLiteral("59"));
        b->TxtMin->setText(QStringLiteral("59"));
        b->TmrTimer_Timer();
        QCOMPARE(b.stato.Secondi, 59);
        QCOMPARE(b.stato.Minuti, 59);
        QCOMPARE(b->TxtSec->text(), QStringLiteral("59"));
        b.stato.InCorso = false;
        b.stato.Secondi = 3;
        b->TmrTimer_Timer();
        QCOMPARE(b.stato.Secondi, 3);
        QCOMPARE(b->TxtSec->text(), QStringLiteral("59"));
    }
};

QTEST_MAIN(TestPartita)
#include "test_partita.moc"
