// SPDX-License-Identifier: GPL-3.0-or-later
// The widget-free logic: product tables, the question picker, the stopwatch and chaser steps.
#include "board/logica.h"

#include <QTest>

class TestLogica : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tabelle_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("prodotto");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<int>("riga");
        QTest::newRow("1x1") << 0 << 1 << 1 << 1;
        QTest::newRow("1x10") << 9 << 10 << 10 << 1;
        QTest::newRow("2x1") << 10 << 2 << 1 << 2;
        QTest::newRow("4x8") << 37 << 32 << 8 << 4;
        QTest::newRow("6x6") << 55 << 36 << 6 << 6;
        QTest::newRow("10x10") << 99 << 100 << 10 << 10;
        QTest::newRow("never filled") << 100 << 0 << 0 << 0;
    }
    void tabelle()
    {
        QFETCH(int, k);
        Stato s;
        logica::costruisciTabelle(s);
        QTEST(int(s.Prodotto.at(k)), "prodotto");
        QTEST(int(s.Colonna.at(k)), "colonna");
        QTEST(int(s.Riga.at(k)), "riga");
    }

    void sceltaUniformeSoloTraCandidate()
    {
        // Every third cell is playable: over many draws each is drawn about equally often
        // (chi-square, 33 cells, 32 degrees of freedom, 0.1 % critical value 62.5) and no
        // other cell is ever drawn.
        std::array<bool, 100> candidata{};
        int quante = 0;
        for (int k = 0; k < 100; k += 3, ++quante)
            candidata[k] = true;
        QRandomGenerator caso(12345);
        std::array<int, 100> volte{};
        const int estrazioni = 33000;
        for (int i = 0; i < estrazioni; ++i) {
            const int k = logica::scegliCella(candidata, caso);
            QVERIFY(k >= 0 && k < 100);
            QVERIFY2(candidata[k], qPrintable(QString::number(k)));
            ++volte[k];
        }
        const double atteso = double(estrazioni) / quante;
        double chi2 = 0;
        for (int k = 0; k < 100; ++k) {
            if (candidata[k]) chi2 += (volte[k] - atteso) * (volte[k] - atteso) / atteso;
        }
        QVERIFY2(chi2 < 62.5, qPrintable(QString::number(chi2)));
    }

    void sceltaSenzaCandidate()
    {
        std::array<bool, 100> nessuna{};
        QRandomGenerator caso(1);
        QCOMPARE(logica::scegliCella(nessuna, caso), -1);
        nessuna[42] = true;
        QCOMPARE(logica::scegliCella(nessuna, caso), 42);
    }

    void cronometro_data()
    {
        QTest::addColumn<int>("sec");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("secDopo");
        QTest::addColumn<int>("minDopo");
        QTest::addColumn<int>("passo");
        QTest::newRow("0:00") << 0 << 0 << 1 << 0 << int(logica::Passo::Secondi);
        QTest::newRow("0:59") << 59 << 0 << 0 << 1 << int(logica::Passo::Minuti);
        QTest::newRow("58:59") << 59 << 58 << 0 << 59 << int(logica::Passo::Minuti);
        QTest::newRow("59:58") << 58 << 59 << 59 << 59 << int(logica::Passo::Secondi);
        QTest::newRow("59:59 stands") << 59 << 59 << 59 << 59 << int(logica::Passo::Niente);
    }
    void cronometro()
    {
        QFETCH(int, sec);
        QFETCH(int, min);
        qint16 s = qint16(sec), m = qint16(min);
        QTEST(int(logica::passoCronometro(s, m)), "passo");
        QTEST(int(s), "secDopo");
        QTEST(int(m), "minDopo");
    }
};

QTEST_GUILESS_MAIN(TestLogica)
#include "test_logica.moc"
