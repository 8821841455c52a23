// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard alone, and what assistive technology is told about the board.
#include "aiuto.h"

#include <QAccessible>
#include <QAccessibleInterface>

namespace {

QAccessibleInterface *interfaccia(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

/// What a screen reader was last told: the description of the control with the focus.
QString detto(FrmNumerellaProva &w)
{
    QWidget *f = w.focusWidget() ? w.focusWidget() : &w;
    return interfaccia(f)->text(QAccessible::Description);
}

/// The tables still playable: the columns whose top cell is not green.
QList<int> giocabili(Banco &b)
{
    QList<int> t;
    for (int c = 0; c < 10; ++c)
        if (!b->txtRisultato[c]->esclusa()) t << c + 1;
    return t;
}

} // namespace

class TestTastiera : public QObject
{
    Q_OBJECT

    /// Types a key on the board as the window system would deliver it, and counts it.
    struct Dita
    {
        QWidget *finestra;
        int tasti = 0;
        void operator()(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
        {
            QTest::keyClick(finestra->windowHandle(), k, m);
            ++tasti;
        }
        void numero(int n)
        {
            for (QChar c : QString::number(n))
                (*this)(Qt::Key(Qt::Key_0 + c.digitValue()));
        }
    };

    static void distruggi() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private Q_SLOTS:
    void partitaIntera_data()
    {
        QTest::addColumn<QList<int>>("alt");       // Alt+digit presses before the game (0 is the 10)
        QTest::addColumn<QList<int>>("altMaiusc"); // Alt+Shift+digit presses
        QTest::addColumn<QList<int>>("tabelle");
        QList<int> tutte;
        for (int t = 1; t <= 10; ++t)
            tutte.append(t);
        QTest::newRow("tutte") << QList<int>{} << QList<int>{} << tutte;
        QTest::newRow("solo l'1") << QList<int>{} << QList<int>{1} << QList<int>{1};
        QTest::newRow("fino al 5 senza il 4, con il 10")
            << QList<int>{4, 0} << QList<int>{5} << QList<int>{1, 2, 3, 5, 10};
    }

    void partitaIntera()
    {
        QFETCH(QList<int>, alt);
        QFETCH(QList<int>, altMaiusc);
        QFETCH(QList<int>, tabelle);
        Banco b(Info::Aperta);
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
        // The info window opens in front with the focus on OK: Return closes it.
        QPointer<FrmInfo> info = b->info();
        Dita dita{info};
        dita(Qt::Key_Return);
        distruggi();
        QVERIFY(!info);
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        dita.finestra = b.w.get();
        for (int d : altMaiusc)
            dita(Qt::Key(Qt::Key_0 + d), Qt::AltModifier | Qt::ShiftModifier);
        for (int d : alt)
            dita(Qt::Key(Qt::Key_0 + d), Qt::AltModifier);
        QCOMPARE(giocabili(b), tabelle);
        // Start has the focus back: Space starts, and each question takes the focus.
        QCOMPARE(b->focusWidget(), b->cmdAvvio);
        dita(Qt::Key_Space);
        const int primaDelGioco = dita.tasti;
        int domande = 0;
        while (b->momento() == Momento::InCorso) {
            Cella *cella = b.domanda();
            QCOMPARE(b->focusWidget(), cella);
            QCOMPARE(interfaccia(cella)->text(QAccessible::Name), QStringLiteral("%1 per %2")
                                                                      .arg(b.stato.Riga[b.stato.cella()])
                                                                      .arg(b.stato.Colonna[b.stato.cella()]));
            dita.numero(b.stato.Prodotto[b.stato.cella()]);
            dita(Qt::Key_Return);
            QVERIFY(++domande <= 100);
        }
        QCOMPARE(domande, 10 * tabelle.size());
        QCOMPARE(b.stato.NumErrori, 0);
        QCOMPARE(b->lblTitolo->text(), QStringLiteral("Complimenti. Hai finito."));
        QCOMPARE(b->focusWidget(), b->cmdStampa);
        QCOMPARE(detto(*b), QStringLiteral("Complimenti. Hai finito."));
        // A digit or two and Return: never more than four keys a question.
        const double perDomanda = double(dita.tasti - primaDelGioco) / domande;
        qInfo("%d keys for %d questions (%.2f a question), %d before the first", dita.tasti, domande,
              perDomanda, primaDelGioco);
        QVERIFY(perDomanda <= 4.0);
    }

    void tastiDaOvunque_data()
    {
        QTest::addColumn<QString>("fuoco");
        for (const char *nome : {"Cmd_invio", "Cmd_5", "cmdInfo", "CmdPausa", "altraCella", "nessuno"})
            QTest::newRow(nome) << QString::fromLatin1(nome);
    }

    void tastiDaOvunque()
    {
        // Digits, Backspace and Return typed anywhere in the window reach the asked cell.
        QFETCH(QString, fuoco);
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        b.clic(b->cmdAvvio);
        const int k = b.stato.cella();
        QWidget *dove = fuoco == QLatin1String("altraCella") ? b->txtRisultato[(k + 1) % 100]
                        : fuoco == QLatin1String("nessuno")  ? nullptr
                                                             : b->findChild<QWidget *>(fuoco);
        if (dove)
            dove->setFocus();
        else if (QWidget *f = b->focusWidget())
            f->clearFocus();
        Dita dita{b.w.get()};
        dita(Qt::Key_9);
        QCOMPARE(b->txtRisultato[k]->text(), QStringLiteral("9"));
        dita(Qt::Key_Backspace);
        QVERIFY(b->txtRisultato[k]->text().isEmpty());
        dita.numero(b.stato.Prodotto[k]);
        QCOMPARE(b->txtRisultato[k]->text(), QString::number(b.stato.Prodotto[k]));
        dita(Qt::Key_Return);
        QCOMPARE(b.stato.NumEsatte, 1);
        QCOMPARE(b->focusWidget(), b.domanda());
        // Return on a button of the panel still presses it.
        b->CmdPausa->setFocus();
        dita(Qt::Key_Return);
        QCOMPARE(b->momento(), Momento::InPausa);
        QCOMPARE(detto(*b), QStringLiteral("Pausa"));
    }

    void tastiSenzaDestinatario_data()
    {
        QTest::addColumn<QString>("quando");
        QTest::addColumn<int>("tasto");
        for (const char *quando : {"con Info", "Info aperta", "dalla tastiera del pannello"})
            for (Qt::Key tasto : {Qt::Key_5, Qt::Key_Return, Qt::Key_Backspace})
                QTest::addRow("%s, %s", quando, qPrintable(QKeySequence(tasto).toString()))
                    << QString::fromLatin1(quando) << int(tasto);
    }

    void tastiSenzaDestinatario()
    {
        // A key meant for the asked cell while the cell takes none is dropped, once: here with the
        // board disabled by the info window, the key reaching the board the way a real screen
        // delivers it (in the same burst as the click on Info, or after the window system gave
        // the focus back to the board), or queued by the keypad just before Info opened.
        QFETCH(QString, quando);
        QFETCH(int, tasto);
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        b.clic(b->cmdAvvio);
        const int k = b.stato.cella();
        Dita dita{b.w.get()};
        dita(Qt::Key_7);
        QWindow *finestra = b->windowHandle();
        const QPoint info = b->cmdInfo->mapTo(b.w.get(), b->cmdInfo->rect().center());
        if (quando == QLatin1String("con Info")) {
            QTest::mouseClick(finestra, Qt::LeftButton, {}, info);
            dita(Qt::Key(tasto));
        } else if (quando == QLatin1String("Info aperta")) {
            QTest::mouseClick(finestra, Qt::LeftButton, {}, info);
            QVERIFY(b->info());
            b->activateWindow();
            dita(Qt::Key(tasto));
        } else {
            QCoreApplication::postEvent(b->focusWidget(), new QKeyEvent(QEvent::KeyPress, tasto, {}));
            b->cmdInfo_Click();
        }
        QCoreApplication::processEvents();
        QVERIFY(b->info());
        QCOMPARE(b->txtRisultato[k]->text(), QStringLiteral("7"));
        QCOMPARE(b.stato.NumErrori, 0);
        b->info()->cmdOK_Click();
        distruggi();
        dita(Qt::Key_Backspace);
        dita.numero(b.stato.Prodotto[k]);
        dita(Qt::Key_Return);
        QCOMPARE(b.stato.NumEsatte, 1);
    }

    void colMouseIlFuocoNonSiSposta()
    {
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        b.clic(b->cmdAvvio);
        QCOMPARE(b->ultimoIngresso(), Ingresso::Puntatore);
        QTest::mouseMove(b->Cmd_invio);
        b.rispondi();
        // The new question is told, but the focus stays on OK as it always did.
        QCOMPARE(b->focusWidget(), b->Cmd_invio);
        QCOMPARE(detto(*b), QStringLiteral("Giusto! ") + b.domanda()->accessibleName());
        // One key, and from then on each question comes into the focus.
        Dita dita{b.w.get()};
        dita.numero(b.stato.Prodotto[b.stato.cella()] + 1);
        dita(Qt::Key_Return);
        QCOMPARE(b->ultimoIngresso(), Ingresso::Tastiera);
        QCOMPARE(b->focusWidget(), b.domanda());
        QCOMPARE(detto(*b), QStringLiteral("Sbagliato. Errori: 1"));
        dita.numero(b.stato.Prodotto[b.stato.cella()]);
        dita(Qt::Key_Return);
        QCOMPARE(b->focusWidget(), b.domanda());
        // A click hands the focus back to the mouse's ways.
        b.clic(b->CmdPausa);
        b.clic(b->cmdRiprendi);
        QVERIFY(b->focusWidget() != b.domanda());
    }

    void interfacce()
    {
        Banco b(Info::Aperta);
        b->show();
        QAccessibleInterface *finestra = interfaccia(b.w.get());
        QCOMPARE(finestra->role(), QAccessible::Window);
        QCOMPARE(finestra->text(QAccessible::Name), QStringLiteral("La Numerella"));
        // The info window: a dialog whose instructions are read line by line, as shown.
        QAccessibleInterface *dialogo = interfaccia(b->info());
        QCOMPARE(dialogo->role(), QAccessible::Dialog);
        QStringList righe;
        for (int i = 0; i < dialogo->childCount(); ++i) {
            QAccessibleInterface *figlio = dialogo->child(i);
            if (figlio->role() == QAccessible::StaticText) {
                QVERIFY(!figlio->state().invisible);
                righe.append(figlio->text(QAccessible::Name));
            }
        }
        QCOMPARE(righe, FrmInfo::testo());
        b->info()->cmdOK_Click();
        distruggi();

        // Never seen: the button behind the grid, the numbers in the background colour.
        QVERIFY(interfaccia(b->Command1)->state().invisible);
        QVERIFY(!interfaccia(b->Command1)->state().focusable);
        for (Etichetta *e : b->Label2)
            QVERIFY(interfaccia(e)->state().invisible);
        QAccessibleInterface *tre = interfaccia(b->Label1[2]);
        QVERIFY(!tre->state().invisible);
        QCOMPARE(tre->role(), QAccessible::StaticText);
        QCOMPARE(tre->text(QAccessible::Name), QStringLiteral("3"));
        QCOMPARE(tre->text(QAccessible::Description),
                 QStringLiteral("Alt+3: escludi o riprendi la tabellina del 3; "
                                "Alt+Maiusc+3: tieni le tabelline fino al 3"));
        QCOMPARE(b->Label1[2]->toolTip(), tre->text(QAccessible::Description));
        QCOMPARE(b->Label1[0]->accessibleDescription(),
                 QStringLiteral("Alt+1: escludi o riprendi la tabellina dell'1; "
                                "Alt+Maiusc+1: tieni le tabelline fino all'1"));
        QCOMPARE(b->Label1[9]->accessibleDescription(),
                 QStringLiteral("Alt+0: escludi o riprendi la tabellina del 10; "
                                "Alt+Maiusc+0: tieni le tabelline fino al 10"));

        // In a game only the question's two factors show.
        b.clic(b->cmdAvvio);
        b->Timer1_Timer();
        const int k = b.stato.cella();
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(interfaccia(b->Label1[n])->state().invisible, n != b.stato.Colonna[k] - 1);
            QCOMPARE(interfaccia(b->Label2[n])->state().invisible, n != b.stato.Riga[k] - 1);
        }
        QVERIFY(b->Label1[0]->toolTip().isEmpty());

        // The counters: named and read-only.
        const QList<std::pair<Contatore *, QString>> contatori{{b->txtErrori, QStringLiteral("Errori")},
                                                               {b->TxtMin, QStringLiteral("Minuti")},
                                                               {b->TxtSec, QStringLiteral("Secondi")}};
        for (const auto &[contatore, nome] : contatori) {
            QCOMPARE(interfaccia(contatore)->text(QAccessible::Name), nome);
            QVERIFY(interfaccia(contatore)->state().readOnly);
        }
    }
};

QTEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
