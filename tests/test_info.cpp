// SPDX-License-Identifier: GPL-3.0-or-later
// The info window: its text, its opening in front of the disabled main window, and its three ways of closing.
#include "aiuto.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <algorithm>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

/// The objects that assistive technology was told took the focus, in order.
QList<QObject *> s_fuochi;
void registraFuochi(QAccessibleEvent *e)
{
    if (e->type() == QAccessible::Focus) s_fuochi.append(e->object());
}

/// The ways the info window can be closed.
enum class Chiusura { PerOK, CasellaDiChiusura, AltraFinestra, Esc, Invio };

class TestInfo : public QObject
{
    Q_OBJECT

    /// Lets the info window's deferred deletion happen.
    static void distruggi() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    /// Lets the window system's queued activations arrive (showing the main window activates
    /// it, and the info window takes the activation back).
    static void assesta()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void testo()
    {
        // The window shows its table's fifteen lines, one label each, one under the other from the top.
        Banco b(Info::Aperta);
        QList<QLabel *> etichette =
            b->info()->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^riga")));
        std::sort(etichette.begin(), etichette.end(),
                  [](const QLabel *a, const QLabel *b) { return a->y() < b->y(); });
        QStringList mostrate;
        for (const QLabel *e : etichette)
            mostrate.append(e->text());
        QCOMPARE(mostrate.size(), 15);
        QCOMPARE(mostrate, FrmInfo::testo());
    }

    void apertaAllAvvio()
    {
        // A screen reader hears the window and its OK once, when the board appears, not before.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        s_fuochi.clear();
        QAccessible::installUpdateHandler(&registraFuochi);
        Banco b(Info::Aperta);
        b->show();
        assesta();
        QAccessible::installUpdateHandler(nullptr);
        FrmInfo *info = b->info();
        QVERIFY(info);
        QCOMPARE(s_fuochi.count(info->cmdOK), 1);
        QVERIFY(!s_fuochi.contains(b.w.get()));
        QVERIFY(info->isVisible());
        QVERIFY(!b->isEnabled());
        QVERIFY(info->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(info->focusWidget(), info->cmdOK);
        QCOMPARE(info->windowTitle(), QStringLiteral("Info"));
        QCOMPARE(info->size(), QSize(537, 348));
        QCOMPARE(info->cmdOK->geometry(), QRect(220, 300, 93, 37));
        QVERIFY(!info->parentWidget());
        // Clicks and keys on the main window do nothing while it is open.
        QTest::mouseClick(b->windowHandle(), Qt::LeftButton, {}, b->cmdAvvio->geometry().center());
        QTest::mouseClick(b->windowHandle(), Qt::LeftButton, {}, b->Label1[3]->geometry().center());
        QTest::keyClick(b->windowHandle(), Qt::Key_Space);
        QVERIFY(!b->cmdAvvio->isHidden());
        QCOMPARE(b->txtRisultato[3]->sfondo(), quint32(aspetto::Bianco));
        QVERIFY(b->info());
        QVERIFY(b.suoni.suonati.isEmpty());
        // The chaser already runs behind it.
        b->Timer1_Timer();
        QVERIFY(b->mano->isVisibleTo(b.w.get()));
    }

    void chiusura_data()
    {
        QTest::addColumn<Chiusura>("modo");
        QTest::addColumn<bool>("muto");
        QTest::newRow("OK") << Chiusura::PerOK << false;
        QTest::newRow("close box") << Chiusura::CasellaDiChiusura << false;
        QTest::newRow("other window active") << Chiusura::AltraFinestra << false;
        QTest::newRow("Escape") << Chiusura::Esc << false;
        QTest::newRow("Return") << Chiusura::Invio << false;
        // Every way ends in the same closing, where the sound switch is read.
        QTest::newRow("OK muted") << Chiusura::PerOK << true;
    }
    void chiusura()
    {
        QFETCH(Chiusura, modo);
        QFETCH(bool, muto);
        Banco b(Info::Aperta);
        b.stato.SuonoSpento = muto ? 1 : 0;
        b->show();
        assesta();
        QPointer<FrmInfo> info = b->info();
        QVERIFY(QTest::qWaitForWindowActive(info));
        QWidget altra;
        switch (modo) {
        case Chiusura::PerOK:
            QTest::mouseClick(info->cmdOK, Qt::LeftButton);
            break;
        case Chiusura::CasellaDiChiusura:
            info->close();
            break;
        case Chiusura::AltraFinestra:
            altra.show();
            altra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&altra));
            break;
        case Chiusura::Esc:
            QTest::keyClick(info->cmdOK, Qt::Key_Escape);
            break;
        case Chiusura::Invio:
            QTest::keyClick(info->cmdOK, Qt::Key_Return);
            break;
        }
        distruggi();
        QVERIFY(info.isNull());
        QVERIFY(!b->info());
        QVERIFY(b->isEnabled());
        QCOMPARE(b.suoni.suonati, muto ? QList<Clip>() : QList<Clip>{Clip::Tasto});
    }

    void mainDisabilitataAttivataNonChiude()
    {
        // On X11 a click on the disabled main window may activate it: that is not the user
        // leaving for another window of the program.
        Banco b(Info::Aperta);
        b->show();
        assesta();
        QPointer<FrmInfo> info = b->info();
        QVERIFY(QTest::qWaitForWindowActive(info));
        b->activateWindow();
        QCoreApplication::processEvents();
        distruggi();
        QVERIFY(!info.isNull());
        QVERIFY(!b->isEnabled());
        QVERIFY(b.suoni.suonati.isEmpty());
    }

    void secondaVolta_data()
    {
        QTest::addColumn<bool>("muto");
        QTest::newRow("sound") << false;
        QTest::newRow("muted") << true;
    }
    void secondaVolta()
    {
        QFETCH(bool, muto);
        Banco b(Info::Aperta);
        b->show();
        assesta(); // it appears once the board is active
        QPointer<FrmInfo> prima = b->info();
        QVERIFY(QTest::qWaitForWindowExposed(prima));
        const QImage immaginePrima = prima->grab().toImage();
        prima->cmdOK_Click();
        distruggi();
        QVERIFY(prima.isNull());
        b.suoni.suonati.clear();
        b.stato.SuonoSpento = muto ? 1 : 0;
        QTest::mouseClick(b->cmdInfo, Qt::LeftButton);
        QPointer<FrmInfo> seconda = b->info();
        QVERIFY(seconda);
        QVERIFY(!b->isEnabled());
        QCOMPARE(seconda->focusWidget(), seconda->cmdOK);
        QVERIFY(seconda->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(b.suoni.suonati, muto ? QList<Clip>() : QList<Clip>{Clip::Tasto});
        QVERIFY(QTest::qWaitForWindowExposed(seconda));
        // A fresh window with the same fifteen lines, drawn once.
        QCOMPARE(seconda->grab().toImage(), immaginePrima);
        seconda->cmdOK_Click();
        distruggi();
        QVERIFY(b->isEnabled());
    }

    void faseSottoInfo()
    {
        // The info window disables the whole board: a finished game still reads as finished.
        Banco b;
        b.escludi({2, 3, 4, 5, 6, 7, 8, 9, 10});
        b.clic(b->cmdAvvio);
        for (int i = 0; i < 10 && b->momento() == Momento::InCorso; ++i)
            b.rispondi();
        QCOMPARE(b->momento(), Momento::Finita);
        b->cmdInfo_Click();
        QVERIFY(!b->isEnabled());
        QCOMPARE(b->momento(), Momento::Finita);
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
