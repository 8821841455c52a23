// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the board's handlers: a keypad click or OK in a running game, and one blink tick.
#include "tests/aiuto.h"

#include <QTest>
#include <memory>

class BenchEventi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    /// One iteration is one click, a digit key or OK, in the order a child answering right presses them.
    void tasto();
    /// One iteration is one whole answer: the product's digits, then OK.
    void risposta();

    /// One iteration is one Timer1_Timer() call, alone or with the repaint it causes.
    void tick_data();
    void tick();

private:
    /// Computes the digits of the asked product, starting a new game first when the last one is over.
    void prepara();
    /// Presses the next key of the current answer and lets the queued keystrokes and repaints through.
    void unClic();
    /// The timers are driven by hand: when a handler turns one on again, it ticks without effect.
    void silenziaTimer();

    std::unique_ptr<Banco> m_banco;
    QString m_cifre;           ///< digits of the asked product not pressed yet
    bool m_daPreparare = true; ///< OK was the last key pressed: the next question is due
};

void BenchEventi::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    m_banco = std::make_unique<Banco>(Info::Chiusa, 1);
    Banco &b = *m_banco;
    silenziaTimer();
    b->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    QCoreApplication::processEvents();
}

void BenchEventi::cleanupTestCase()
{
    m_banco.reset();
}

void BenchEventi::silenziaTimer()
{
    Banco &b = *m_banco;
    b->Timer1->stop();
    b->TmrTimer->stop();
    // Blocking the signals (rather than only stopping) also covers the handlers that restart them.
    b->Timer1->blockSignals(true);
    b->TmrTimer->blockSignals(true);
}

void BenchEventi::prepara()
{
    Banco &b = *m_banco;
    if (!b->cmdAvvio->isHidden()) {
        b->cmdAvvio_Click();
        QCoreApplication::processEvents();
    }
    m_cifre = QString::number(b.stato.Prodotto[b.stato.cella()]);
    m_daPreparare = false;
    b.suoni.suonati.clear(); // the recording player would otherwise grow without end
}

void BenchEventi::unClic()
{
    Banco &b = *m_banco;
    if (m_daPreparare) prepara(); // inside the measured loop only when a question or game ends there
    if (!m_cifre.isEmpty()) {
        b.clic(b->Cmd[m_cifre.front().digitValue()]);
        m_cifre.remove(0, 1);
    } else {
        b.clic(b->Cmd_invio);
        m_daPreparare = true;
    }
    QCoreApplication::processEvents();
}

void BenchEventi::tasto()
{
    Banco &b = *m_banco;
    // A new game is started here, outside the measurement, whenever possible.
    if (m_daPreparare) prepara();
    QBENCHMARK
    {
        unClic();
    }
    QCOMPARE(b.stato.NumErrori, qint16(0)); // every answer was right, so every click did its job
}

void BenchEventi::risposta()
{
    Banco &b = *m_banco;
    // Finish any answer half typed by the previous benchmark so each iteration is a whole one.
    while (!m_daPreparare)
        unClic();
    prepara();
    QBENCHMARK
    {
        do
            unClic();
        while (!m_daPreparare);
    }
    QCOMPARE(b.stato.NumErrori, qint16(0));
}

void BenchEventi::tick_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("ridisegna");
    QTest::newRow("modo0 inseguitore") << 0 << false;
    QTest::newRow("modo0 inseguitore + ridisegno") << 0 << true;
    QTest::newRow("modo1 lampeggio domanda") << 1 << false;
    QTest::newRow("modo1 lampeggio domanda + ridisegno") << 1 << true;
}

void BenchEventi::tick()
{
    QFETCH(int, modo);
    QFETCH(bool, ridisegna);
    Banco &b = *m_banco;
    if (modo == 0 && b->cmdAvvio->isHidden()) b->cmdStop_Click();   // between games: the chaser
    if (modo == 1 && !b->cmdAvvio->isHidden()) b->cmdAvvio_Click(); // in a game: the blinking question
    m_daPreparare = true;
    QCoreApplication::processEvents();
    QCOMPARE(int(b.stato.ModoLampeggio), modo);

    if (ridisegna) {
        QBENCHMARK
        {
            b->Timer1_Timer();
            QCoreApplication::processEvents();
        }
    } else {
        QBENCHMARK
        {
            b->Timer1_Timer();
        }
        QCoreApplication::processEvents();
    }
}

int main(int argc, char *argv[])
{
    // Headless by default; a screen can still be chosen from the environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    BenchEventi bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_eventi.moc"
