// SPDX-License-Identifier: GPL-3.0-or-later
// Random events over the real windows, a few seeds: no sequence may break the board's invariants.
#include "caos.h"

class TestCaos : public QObject
{
    Q_OBJECT

    Caos::Copertura m_totale;
    bool m_replica = false;

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    /// NUMERELLA_SEME (and NUMERELLA_EVENTI, the failing event's number) replay one run.
    void eventi_data()
    {
        QTest::addColumn<quint32>("seme");
        QTest::addColumn<quint64>("eventi");
        const quint64 eventi = qEnvironmentVariableIsSet("NUMERELLA_EVENTI")
                                   ? qEnvironmentVariable("NUMERELLA_EVENTI").toULongLong()
                                   : 750;
        m_replica = qEnvironmentVariableIsSet("NUMERELLA_SEME");
        if (m_replica) {
            const quint32 seme = qEnvironmentVariable("NUMERELLA_SEME").toUInt();
            QTest::addRow("seed %u", seme) << seme << eventi;
            return;
        }
        for (quint32 seme : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seme) << seme << eventi;
    }

    void eventi()
    {
        QFETCH(quint32, seme);
        QFETCH(quint64, eventi);
        Caos caos(seme);
        // The noise, then a whole game from wherever it left the board, printed.
        const bool ok = caos.esegui(eventi) && caos.partitaStampata();
        m_totale += caos.copertura();
        if (!ok) QFAIL(qPrintable(caos.errore()));
    }

    /// The seeds' noise together reaches every phase: games started and paused, wrong answers, the info
    /// window, close requests, players removed while playing; each seed also ends with a printed game.
    void copertura()
    {
        if (m_replica) QSKIP("a replay runs one seed only");
        const Caos::Copertura &c = m_totale;
        qInfo("games %d started, %d finished, %d pauses, %d prints, %d wrong answers, %d info, %d closes, "
              "%d record windows, %d players removed while playing",
              c.partiteIniziate, c.partiteFinite, c.pause, c.stampe, c.errori, c.infoAperte, c.chiusure,
              c.registro, c.tolti);
        QVERIFY(c.partiteIniziate > 0);
        QVERIFY(c.pause > 0);
        QVERIFY(c.errori > 0);
        QVERIFY(c.infoAperte > 0);
        QVERIFY(c.chiusure > 0);
        QVERIFY(c.tolti > 0);
    }
};

QTEST_MAIN(TestCaos)
#include "test_caos.moc"
