// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as created and after start-up: layout, stacking, focus order, pictures and clips.
#include "aiuto.h"
#include "sound/onda.h"
#include "startup/lingua.h"

#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QSvgRenderer>
#include <QtEndian>

using namespace aspetto;

class TestFinestra : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void comeCreata()
    {
        Stato stato;
        SuoniFinti suoni;
        TipografiaFinta tip;
        FrmNumerellaProva w(stato, suoni, tip);
        QCOMPARE(w.size(), QSize(634, 455));
        QCOMPARE(w.minimumSize(), QSize(634, 455)); // and any larger size, scaled
        QCOMPARE(w.windowTitle(), QStringLiteral("La Numerella"));
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(w.Label1[n]->text(), QString::number(n + 1));
            QCOMPARE(w.Label2[n]->text(), QString::number(n + 1));
        }
        QVERIFY(w.mano->isHidden());
        QCOMPARE(w.Timer1->interval(), 250);
        QCOMPARE(w.TmrTimer->interval(), 1000);
        QVERIFY(!w.Command1->isEnabled());
        QCOMPARE(w.lblVersione->text(), QStringLiteral("Versione " NUMERELLA_VERSIONE));
        QCOMPARE(w.momento(), Momento::Riposo);
        QCOMPARE(w.txtRisultato[0]->font().family(), QStringLiteral("Comic Sans MS"));
        QVERIFY(w.Label1[0]->font().bold());
        QCOMPARE(w.txtErrori->font().family(), QStringLiteral("Arial"));
    }

    void disposizione()
    {
        Banco b;
        for (int k : {0, 1, 10, 57, 99}) {
            QCOMPARE(b->txtRisultato[k]->geometry(), QRect(48 + 40 * (k % 10), 44 + 32 * (k / 10), 41, 33));
            QCOMPARE(b->txtRisultato[k]->objectName(), QStringLiteral("txtRisultato"));
            QCOMPARE(b->txtRisultato[k]->property("Index").toInt(), k);
        }
        // Neighbours share one border line.
        QCOMPARE(b->txtRisultato[0]->geometry().right(), b->txtRisultato[1]->geometry().left());
        QCOMPARE(b->Label1[3]->geometry(), QRect(168, 4, 41, 33));
        QCOMPARE(b->Label2[3]->geometry(), QRect(0, 140, 41, 33));
        QCOMPARE(b->Command1->geometry(), QRect(44, 40, 409, 329));
        QCOMPARE(b->cmdAvvio->geometry(), b->cmdStop->geometry());
        QCOMPARE(b->CmdPausa->geometry(), b->cmdRiprendi->geometry());
        QCOMPARE(b->cmdEnd->geometry(), QRect(548, 400, 73, 29));
        QCOMPARE(b->Frame1->geometry(), QRect(480, 116, 125, 201));
        QCOMPARE(b->Cmd[7]->geometry(), QRect(8, 16, 33, 33));
        QCOMPARE(b->Cmd[3]->geometry(), QRect(80, 88, 33, 33));
        QCOMPARE(b->Cmd[0]->geometry(), QRect(8, 124, 33, 33));
        QCOMPARE(b->Cmd_backspace->geometry(), QRect(44, 124, 69, 33));
        QCOMPARE(b->Cmd_invio->geometry(), QRect(8, 160, 105, 33));
        QCOMPARE(b->TxtSec->geometry(), QRect(76, 20, 25, 25));
        QCOMPARE(b->txtErrori->geometry(), QRect(96, 8, 41, 25));
        QCOMPARE(b->lblTitolo->geometry(), QRect(52, 388, 397, 41));
        QCOMPARE(b->mano->geometry(), QRect(16, 8, 32, 32));
        for (int d = 0; d < 10; ++d)
            QCOMPARE(b->Cmd[d]->objectName(), QStringLiteral("Cmd_%1").arg(d));
        QCOMPARE(b->Cmd[5]->parentWidget(), b->Frame1);
        QCOMPARE(b->TxtMin->parentWidget(), b->FraTimer);
        QCOMPARE(b->txtErrori->parentWidget(), b->Frame2);
    }

    void statoDopoAvvio()
    {
        Banco b(Info::Aperta);
        for (Cella *c : b->txtRisultato) {
            QCOMPARE(c->sfondo(), quint32(Bianco));
            QVERIFY(c->text().isEmpty());
        }
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(b->Label1[n]->colore(), quint32(Blu));
            QVERIFY(b->Label1[n]->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(b->Label2[n]->colore(), quint32(GialloChiaro));
            QVERIFY(!b->Label2[n]->testAttribute(Qt::WA_SetCursor));
        }
        QCOMPARE(b->lblTitolo->text(), QStringLiteral("La Numerella"));
        QVERIFY(!b->Frame1->isEnabled());
        QVERIFY(!b->Cmd[5]->isEnabled());
        QVERIFY(!b->CmdPausa->isHidden() && !b->CmdPausa->isEnabledTo(b.w.get()));
        QVERIFY(b->cmdRiprendi->isHidden() && !b->cmdRiprendi->isEnabledTo(b.w.get()));
        QVERIFY(!b->cmdStampa->isEnabledTo(b.w.get()));
        // Stop, covered by Start, is hidden: nobody can reach what nobody sees.
        QVERIFY(!b->cmdAvvio->isHidden() && b->cmdStop->isHidden());
        QCOMPARE(b->txtErrori->text(), QStringLiteral("0"));
        QCOMPARE(b.stato.SuonoSpento, 0);
        QCOMPARE(b.stato.ModoLampeggio, 0);
        QVERIFY(!b.stato.InCorso);
        // Banco stops the timers to drive them by hand; start-up left the chaser running.
        Stato s;
        SuoniFinti suoni;
        TipografiaFinta tip;
        FrmNumerellaProva w(s, suoni, tip);
        QVERIFY(w.Timer1->isActive());
        QVERIFY(!w.TmrTimer->isActive());
    }

    void stratiEClic()
    {
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
        const QPoint avvio = b->cmdAvvio->geometry().center();
        QCOMPARE(b->childAt(avvio), b->cmdAvvio);
        QCOMPARE(b->childAt(b->CmdPausa->geometry().center()), b->CmdPausa);
        QCOMPARE(b->childAt(b->txtRisultato[57]->geometry().center()), b->txtRisultato[57]);
        // The shared border line belongs to the higher cell.
        QCOMPARE(b->childAt(b->txtRisultato[1]->geometry().topLeft()), b->txtRisultato[1]);
        QCOMPARE(b->childAt(QPoint(45, 41)), b->Command1);
        // A real click at Start's place starts a game.
        QTest::mouseClick(b->windowHandle(), Qt::LeftButton, {}, avvio);
        QVERIFY(b->cmdAvvio->isHidden());
        QCOMPARE(b->childAt(avvio), b->cmdStop);
    }

    void ordineDelFuoco()
    {
        Banco b;
        QList<QWidget *> atteso{b->cmdAvvio, b->Cmd_backspace};
        for (int d = 1; d <= 9; ++d)
            atteso << b->Cmd[d];
        atteso << b->Cmd[0] << b->Cmd_invio;
        for (int k = 0; k < 100; ++k)
            atteso << b->txtRisultato[k];
        atteso << b->CmdPausa << b->cmdInfo << b->cmdStampa << b->Check1 << b->cmdRiprendi << b->cmdStop
               << b->cmdEnd;
        QList<QWidget *> trovato;
        QWidget *w = b->cmdAvvio;
        do {
            if (w->focusPolicy() & Qt::TabFocus) trovato << w;
            w = w->nextInFocusChain();
        } while (w != b->cmdAvvio);
        QCOMPARE(trovato, atteso);
        QCOMPARE(b->focusWidget(), b->cmdAvvio);
    }

    void nomiAccessibili()
    {
        Banco b;
        QCOMPARE(b->Cmd[7]->accessibleName(), QStringLiteral("Tasto 7"));
        QCOMPARE(b->cmdAvvio->accessibleName(), QStringLiteral("Avvio"));
        for (QAbstractButton *p : b->findChildren<QAbstractButton *>()) {
            if (p != b->Command1) QVERIFY2(!p->accessibleName().isEmpty(), qPrintable(p->objectName()));
        }
    }

    void immagini()
    {
        Banco b;
        // Every picture button shows a picture; those with a grey one show it while disabled.
        for (PulsanteGrafico *p : b->findChildren<PulsanteGrafico *>()) {
            if (p != b->Command1) QVERIFY2(!p->immagineMostrata().isNull(), qPrintable(p->objectName()));
        }
        const auto *normale = &b->cmdAvvio->immagineMostrata();
        b->cmdAvvio->setEnabled(false);
        QVERIFY(&b->cmdAvvio->immagineMostrata() != normale);
        QVERIFY(!b->cmdAvvio->immagineMostrata().isNull());
        QVERIFY(!b->CmdPausa->immagineMostrata().isNull());
        // Disabling the whole window (the info window does) keeps the pictures in colour.
        b->cmdAvvio->setEnabled(true);
        b->setEnabled(false);
        QCOMPARE(&b->cmdAvvio->immagineMostrata(), normale);
        b->setEnabled(true);
        // The sound switch swaps its picture.
        const auto *suono = &b->Check1->immagineMostrata();
        b.clic(b->Check1);
        QVERIFY(&b->Check1->immagineMostrata() != suono);
        b.clic(b->Check1);
        QCOMPARE(&b->Check1->immagineMostrata(), suono);
        // Drawn from vectors: at twice the pixel ratio the pictures have twice the pixels.
        const QPixmap doppia = b->cmdAvvio->immagineMostrata().pixmap(2.0);
        QCOMPARE(doppia.size(), QSize(146, 58));
        for (const char *nome :
             {"mano", "cursore_mano", "altoparlante", "altoparlante_spento", "icona", "icona_info"})
            QVERIFY2(QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(nome))).isValid(),
                     nome);
        QCOMPARE(b->Label1[0]->cursor().hotSpot(), QPoint(6, 5));
        QVERIFY(!b->windowIcon().isNull());
    }

    void clip_data()
    {
        QTest::addColumn<Clip>("clip");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<double>("secondi");
        QTest::newRow("101 fine") << Clip::Fine << 11025 << 2.79;
        QTest::newRow("102 clic") << Clip::Tasto << 11025 << 0.12;
        QTest::newRow("103 errore") << Clip::Sbagliata << 22050 << 0.67;
        QTest::newRow("105 esatto") << Clip::Giusta << 22254 << 1.20;
        QTest::newRow("106 avvio") << Clip::Avvio << 11025 << 1.14;
    }
    void clip()
    {
        QFETCH(Clip, clip);
        QFETCH(int, frequenza);
        QFETCH(double, secondi);
        QFile f(LettorePulse::percorso(clip));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray d = f.readAll();
        QCOMPARE(qFromLittleEndian<quint32>(d.constData() + 4), quint32(d.size() - 8));
        // As the player that bypasses Qt reads it: PCM, mono, 8 bits.
        const std::optional<Onda> onda = leggiOnda(d);
        QVERIFY(onda);
        QCOMPARE(onda->formato, Campione::U8);
        QCOMPARE(onda->canali, 1);
        QCOMPARE(onda->frequenza, frequenza);
        QVERIFY2(qAbs(onda->dati.size() / double(frequenza) - secondi) < 0.05,
                 qPrintable(QString::number(onda->dati.size())));
    }

    void onda_data()
    {
        const auto intero = [](quint32 n, int byte) {
            QByteArray b(byte, '\0');
            for (int i = 0; i < byte; ++i)
                b[i] = char(n >> (8 * i));
            return b;
        };
        const auto blocco = [&](const char *nome, const QByteArray &dati, qint64 lunghezza = -1) {
            QByteArray b =
                QByteArray(nome) + intero(quint32(lunghezza < 0 ? dati.size() : lunghezza), 4) + dati;
            return dati.size() % 2 ? b + '\0' : b;
        };
        const auto fmt = [&](int tag, int canali, int frequenza, int bit, int extra = 0) {
            return blocco("fmt ", intero(tag, 2) + intero(canali, 2) + intero(frequenza, 4) +
                                      intero(frequenza * canali * bit / 8, 4) + intero(canali * bit / 8, 2) +
                                      intero(bit, 2) + QByteArray(extra, '\0'));
        };
        const auto riff = [&](const QByteArray &blocchi) {
            return "RIFF" + intero(blocchi.size() + 4, 4) + "WAVE" + blocchi;
        };
        const QByteArray dati5 = blocco("data", "abcde");

        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("bit"); // 0: not a file the player takes
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<int>("byte");
        QTest::newRow("8 bit") << riff(fmt(1, 1, 11025, 8) + dati5) << 8 << 1 << 11025 << 5;
        QTest::newRow("16 bit stereo: whole frames only")
            << riff(fmt(1, 2, 44100, 16) + blocco("data", QByteArray(10, 'x'))) << 16 << 2 << 44100 << 8;
        QTest::newRow("odd LIST, 18-byte fmt, fact")
            << riff(blocco("LIST", "abc") + fmt(1, 1, 22050, 8, 2) + blocco("fact", "abcd") + dati5) << 8 << 1
            << 22050 << 5;
        QTest::newRow("data cut short")
            << riff(fmt(1, 1, 8000, 8) + blocco("data", "abcdef", 100)) << 8 << 1 << 8000 << 6;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + riff(fmt(1, 1, 8000, 8) + dati5).mid(4) << 0 << 0
                                  << 0 << 0;
        QTest::newRow("not WAVE") << QByteArray(riff(fmt(1, 1, 8000, 8) + dati5)).replace("WAVE", "AVI ") << 0
                                  << 0 << 0 << 0;
        QTest::newRow("no fmt") << riff(dati5) << 0 << 0 << 0 << 0;
        QTest::newRow("no data") << riff(fmt(1, 1, 8000, 8)) << 0 << 0 << 0 << 0;
        QTest::newRow("empty data") << riff(fmt(1, 1, 8000, 8) + blocco("data", "")) << 0 << 0 << 0 << 0;
        QTest::newRow("float") << riff(fmt(3, 1, 8000, 32) + dati5) << 0 << 0 << 0 << 0;
        QTest::newRow("24 bit") << riff(fmt(1, 1, 8000, 24) + dati5) << 0 << 0 << 0 << 0;
        QTest::newRow("no channel") << riff(fmt(1, 0, 8000, 8) + dati5) << 0 << 0 << 0 << 0;
        QTest::newRow("fmt cut short") << riff(dati5 + fmt(1, 1, 8000, 8)).chopped(8) << 0 << 0 << 0 << 0;
        QTest::newRow("huge chunk before fmt")
            << riff(blocco("LIST", "ab", 0xfffffff0) + fmt(1, 1, 8000, 8) + dati5) << 0 << 0 << 0 << 0;
        QTest::newRow("header only") << QByteArray("RIFF\0\0\0\0WAV", 11) << 0 << 0 << 0 << 0;
    }
    void onda()
    {
        // The tiny reader of the player that bypasses Qt: the wave files it takes and the ones it refuses.
        QFETCH(QByteArray, file);
        QFETCH(int, bit);
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        QFETCH(int, byte);
        const std::optional<Onda> onda = leggiOnda(file);
        QCOMPARE(onda.has_value(), bit != 0);
        if (!onda) return;
        QCOMPARE(onda->formato, bit == 8 ? Campione::U8 : Campione::S16LE);
        QCOMPARE(onda->canali, canali);
        QCOMPARE(onda->frequenza, frequenza);
        QCOMPARE(onda->dati, file.mid(file.indexOf("data") + 8, byte));
    }

    void lettoreSenzaServer()
    {
        // No sound server: every clip is dropped in silence. Why is told only on the sound's own log
        // category, when asked, and from the first clip on, since each clip tries the server again.
        qputenv("PULSE_SERVER", "unix:/nonexistent/numerella");
        // The player's thread writes, this one reads.
        static QMutex chiave;
        static QStringList detti;
        const auto letti = [] {
            QMutexLocker bloccato(&chiave);
            return detti;
        };
        const QtMessageHandler prima =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &contesto, const QString &testo) {
                QMutexLocker bloccato(&chiave);
                detti.append(QStringLiteral("%1: %2").arg(QLatin1String(contesto.category), testo));
            });
        {
            LettorePulse lettore;
            for (Clip c : {Clip::Tasto, Clip::Giusta, Clip::Fine})
                lettore.SuonaRisorsa(c);
            QTest::qWait(300);
            QVERIFY2(letti().isEmpty(), qPrintable(letti().join(u'\n')));
            QLoggingCategory::setFilterRules(QStringLiteral("numerella.suono.warning=true"));
            lettore.SuonaRisorsa(Clip::Tasto);
            QTRY_VERIFY(!letti().isEmpty());
            const QString primo = letti().constFirst();
            QVERIFY2(primo.startsWith(QLatin1String("numerella.suono: no connection to the sound server")),
                     qPrintable(primo));
        }
        QLoggingCategory::setFilterRules({});
        qInstallMessageHandler(prima);
        qunsetenv("PULSE_SERVER");
    }

    void italiano()
    {
        QVERIFY(impostaLingua(QStringLiteral("it")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    }
};

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
