// SPDX-License-Identifier: GPL-3.0-or-later
// The command line for teachers: the parser on good and bad lines, and the board it sets up.
#include "aiuto.h"

namespace {

QString elenco(const std::bitset<10> &tabelline)
{
    QStringList numeri;
    for (int n = 1; n <= 10; ++n)
        if (tabelline.test(n - 1)) numeri << QString::number(n);
    return numeri.join(u',');
}

} // namespace

class TestOpzioni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("La Numerella"));
        QCoreApplication::setApplicationVersion(QStringLiteral(NUMERELLA_VERSIONE));
    }

    void lettura_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("atteso"); // the tables chosen, or what the printed text must contain
        QTest::addColumn<int>("suono");
        QTest::addColumn<int>("schermo");

        const int avvia = int(Esito::Avvia), errore = int(Esito::Errore);
        const int acceso = int(Suono::Acceso), spento = int(Suono::Spento);
        const int finestra = int(Schermo::Finestra), intero = int(Schermo::Intero);
        const auto riga = [](const char *nome, QStringList argomenti, int esito, const QString &atteso,
                             int suono, int schermo) {
            QTest::newRow(nome) << argomenti << esito << atteso << suono << schermo;
        };
        riga("nessuna", {}, avvia, "1,2,3,4,5,6,7,8,9,10", acceso, finestra);
        riga("elenco", {"--tabelline", "2,5,7"}, avvia, "2,5,7", acceso, finestra);
        riga("intervallo", {"--tabelline", "1-5"}, avvia, "1,2,3,4,5", acceso, finestra);
        riga("misto", {"--tabelline=1-3,8"}, avvia, "1,2,3,8", acceso, finestra);
        riga("spazi", {"--tabelline", " 9 , 2 "}, avvia, "2,9", acceso, finestra);
        riga("due liste", {"--tabelline", "3", "--tabelline", "10"}, avvia, "3,10", acceso, finestra);
        riga("tutto", {"--muto", "--schermo-intero", "--tabelline", "10-10"}, avvia, "10", spento, intero);
        riga("zero", {"--tabelline", "0"}, errore, "\"0\"", acceso, finestra);
        riga("undici", {"--tabelline", "1,11"}, errore, "\"11\"", acceso, finestra);
        riga("lettera", {"--tabelline", "2,x"}, errore, "\"x\"", acceso, finestra);
        riga("rovescio", {"--tabelline", "5-2"}, errore, "\"5-2\"", acceso, finestra);
        riga("oltre il 10", {"--tabelline", "5-11"}, errore, "\"5-11\"", acceso, finestra);
        riga("vuota", {"--tabelline="}, errore, "\"\"", acceso, finestra);
        riga("parte vuota", {"--tabelline", "1-3,,8"}, errore, "\"\"", acceso, finestra);
        riga("mezzo intervallo", {"--tabelline", "1-"}, errore, "\"1-\"", acceso, finestra);
        riga("senza valore", {"--tabelline"}, errore, "tabelline", acceso, finestra);
        riga("sconosciuta", {"--pippo"}, errore, "pippo", acceso, finestra);
        riga("argomento", {"sette"}, errore, "\"sette\"", acceso, finestra);
        riga("aiuto", {"-h"}, int(Esito::Aiuto), "--tabelline <LISTA>", acceso, finestra);
        riga("versione", {"--version"}, int(Esito::Versione), "La Numerella " NUMERELLA_VERSIONE "\n", acceso,
             finestra);
    }

    void lettura()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, esito);
        QFETCH(QString, atteso);
        argomenti.prepend(QStringLiteral("numerella"));
        const Lettura l = leggiOpzioni(argomenti);
        QCOMPARE(int(l.esito), esito);
        if (l.esito == Esito::Avvia) {
            QCOMPARE(elenco(l.opzioni.tabelline), atteso);
            QTEST(int(l.opzioni.suono), "suono");
            QTEST(int(l.opzioni.schermo), "schermo");
            QVERIFY(l.testo.isEmpty());
        } else {
            QVERIFY2(l.testo.contains(atteso), qPrintable(l.testo));
            QVERIFY(l.testo.endsWith(u'\n'));
        }
        if (l.esito == Esito::Errore) QVERIFY(l.testo.startsWith(QStringLiteral("numerella: ")));
    }

    // "--tabelline 2,5 --muto": only the tables of 2 and 5 are asked, in silence, until the box is clicked.
    void avvioConOpzioni()
    {
        Banco b(Info::Aperta);
        Opzioni opzioni;
        opzioni.tabelline = std::bitset<10>().set(1).set(4);
        opzioni.suono = Suono::Spento;
        b->applicaOpzioni(opzioni);
        for (int k = 0; k < 100; ++k)
            QCOMPARE(b->txtRisultato[k]->esclusa(), k % 10 != 1 && k % 10 != 4);
        QVERIFY(b->Check1->isChecked());
        QCOMPARE(b.stato.SuonoSpento, 1);
        QVERIFY(b.suoni.suonati.isEmpty());

        b->info()->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(b->Check1->isEnabled());
        b.clic(b->cmdAvvio);
        int risposte = 0;
        for (; b->cmdAvvio->isHidden() && risposte < 30; ++risposte) {
            QVERIFY(b.stato.cella() % 10 == 1 || b.stato.cella() % 10 == 4);
            b.rispondi();
        }
        QCOMPARE(risposte, 20);
        QVERIFY(b.suoni.suonati.isEmpty());

        b.clic(b->Check1);
        QVERIFY(!b->Check1->isChecked());
        QCOMPARE(b.stato.SuonoSpento, 0);
        QCOMPARE(b.suoni.suonati, QList<Clip>{Clip::Tasto});
    }
};

QTEST_MAIN(TestOpzioni)
#include "test_opzioni.moc"
