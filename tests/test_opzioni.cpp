// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the settings files for teachers: good and bad lines and files, and the board
// they set up.
#include "aiuto.h"
#include "record/archivio.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "startup/impostazioni.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

namespace {

QString elenco(const std::bitset<10> &tabelline)
{
    QStringList numeri;
    for (int n = 1; n <= 10; ++n)
        if (tabelline.test(n - 1)) numeri << QString::number(n);
    return numeri.join(u',');
}

/// What stands where a settings file goes.
enum class Forma {
    File,
    Cartella,
    Illeggibile, // a file that cannot be opened for reading, not even by root
};

/// Writes numerella.conf under \a radice, or removes it when \a testo is null. Each version gets its own
/// time stamp, so that QSettings never takes it for the one it read before.
void scriviConf(const QString &radice, const QString &testo, Forma forma = Forma::File)
{
    static qint64 versione = 0;
    const QString nome = radice + QStringLiteral("/numerella/numerella.conf");
    QDir(nome).removeRecursively();
    QFile::remove(nome);
    if (testo.isNull()) return;
    QDir().mkpath(radice + QStringLiteral("/numerella"));
    if (forma == Forma::Cartella) {
        QVERIFY(QDir().mkpath(nome));
        return;
    }
    if (forma == Forma::Illeggibile) {
        // Mode 000 stops anyone but root; for root, a sysctl file with no read bit.
        QFile file(nome);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions({}));
        if (!file.open(QIODevice::ReadOnly)) return;
        file.close();
        QVERIFY(file.remove());
        QVERIFY(QFile::link(QStringLiteral("/proc/sys/vm/drop_caches"), nome));
        return;
    }
    QFile file(nome);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testo.toUtf8());
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000 + ++versione),
                             QFileDevice::FileModificationTime));
}

} // namespace

Q_DECLARE_METATYPE(Forma)

class TestOpzioni : public QObject
{
    Q_OBJECT
    QTemporaryDir m_sistema, m_utente, m_stato;

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("La Numerella"));
        QCoreApplication::setApplicationVersion(QStringLiteral(NUMERELLA_VERSIONE));
        // Where QSettings looks for the system's and the user's files, before its first use.
        qputenv("XDG_CONFIG_DIRS", m_sistema.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_utente.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", m_stato.path().toLocal8Bit());
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
        riga("lingua", {"--lingua", "DE"}, avvia, "1,2,3,4,5,6,7,8,9,10", acceso, finestra);
        riga("lingua sconosciuta", {"--lingua=xx"}, errore,
             "\"xx\" non va bene: le lingue disponibili sono it, de, fr, en, es, ro, ar.", acceso, finestra);
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

    // The system's file, the user's over it, the command line over both; bad values left out with a line
    // on standard error each, naming the file and the key.
    void impostazioni_data()
    {
        QTest::addColumn<QString>("sistema"); // the files' text (null: no file)
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("tabelline");
        QTest::addColumn<int>("suono");
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QStringList>("avvisi"); // what each line for standard error names, in order
        QTest::addColumn<int>("ripasso");
        QTest::addColumn<Forma>("forma"); // of the system's file

        const int acceso = int(Suono::Acceso), spento = int(Suono::Spento);
        const int finestra = int(Schermo::Finestra), intero = int(Schermo::Intero);
        const QString nessuno, tutte = QStringLiteral("1,2,3,4,5,6,7,8,9,10");
        const QString sistema = m_sistema.path() + QStringLiteral("/numerella/numerella.conf");
        const QString utente = m_utente.path() + QStringLiteral("/numerella/numerella.conf");
        const auto riga = [](const char *nome, const QString &s, const QString &u,
                             const QStringList &argomenti, const QString &tabelline, int suono, int schermo,
                             const QStringList &avvisi, int lunghezza = ripasso::LunghezzaPredefinita,
                             Forma forma = Forma::File) {
            QTest::newRow(nome) << s << u << argomenti << tabelline << suono << schermo << avvisi << lunghezza
                                << forma;
        };
        riga("nessun file", nessuno, nessuno, {}, tutte, acceso, finestra, {});
        riga("file vuoti", "", "", {}, tutte, acceso, finestra, {});
        riga("laboratorio", "tabelline=2,5,10\nmuto=true\nripasso=6\n", nessuno, {}, "2,5,10", spento,
             finestra, {}, 6);
        riga("tutte e tre", "[General]\ntabelline=1-3,8\nmuto=TRUE\nschermo-intero=true\n", nessuno, {},
             "1,2,3,8", spento, intero, {});
        riga("utente sopra sistema", "tabelline=2,5,10\nmuto=true\nschermo-intero=true\n",
             "tabelline=\"4, 6\"\nmuto=false\n", {}, "4,6", acceso, intero, {});
        riga("solo utente", nessuno, "schermo-intero=true\ntabelline=7\n", {}, "7", acceso, intero, {});
        riga("riga di comando sopra", "tabelline=2\n", "tabelline=3\n", {"--tabelline", "9", "--muto"}, "9",
             spento, finestra, {});
        riga("chiavi di altri", "server=scuola\nclasse=3A\n", "tabellina=5\n", {}, tutte, acceso, finestra,
             {});
        riga("sbagliati", "tabelline=2,5\nmuto=true\nripasso=4\n",
             "tabelline=0,x\nmuto=forse\nschermo-intero=\nripasso=0\n", {}, "2,5", spento, finestra,
             {utente + ": tabelline: \"0\"", utente + ": ripasso: \"0\"", utente + ": muto: \"forse\"",
              utente + ": schermo-intero: \"\""},
             4);
        riga("lingua sconosciuta", "lingua=de\n", "lingua=xx\n", {}, tutte, acceso, finestra,
             {utente + ": lingua: \"xx\" non va bene: le lingue disponibili sono it, de"});
        riga("sbagliati nel sistema", "tabelline=\nmuto=1\n", nessuno, {}, tutte, acceso, finestra,
             {sistema + ": tabelline: \"\"", sistema + ": muto: \"1\""});
        riga("a rovescio e troppo", nessuno, "tabelline=5-2\nschermo-intero=true,false\n", {}, tutte, acceso,
             finestra, {utente + ": tabelline: \"5-2\"", utente + ": schermo-intero: \"true,false\""});
        // A file that cannot be taken is left out with one line on why; the user's file still counts.
        const QString testo = QStringLiteral("tabelline=2\n");
        riga("non un file di testo", QString::fromLatin1("\x01\xff\xfe=\n[[[\n", 9), "muto=true\n", {}, tutte,
             spento, finestra, {sistema + ": non è un file di testo"});
        // The first 24 bytes of an x86-64 program.
        const QString elf = QString::fromLatin1("\x7f\x45LF\2\1\1\0\0\0\0\0\0\0\0\0\2\0>\0\1\0\0\0", 24);
        riga("programma", elf, nessuno, {}, tutte, acceso, finestra, {sistema + ": non è un file di testo"});
        riga("programma da 4 KiB", elf + QString(4096 - 24, QChar(0)), testo, {}, "2", acceso, finestra,
             {sistema + ": non è un file di testo"});
        riga("cartella", testo, testo, {}, "2", acceso, finestra, {sistema + ": è una cartella"},
             ripasso::LunghezzaPredefinita, Forma::Cartella);
        riga("illeggibile", testo, "muto=true\n", {}, tutte, spento, finestra,
             {sistema + ": non si può leggere"}, ripasso::LunghezzaPredefinita, Forma::Illeggibile);
        riga("riga senza senso", "tabelline=2\nmuto=true\nsolo parole\n", nessuno, {}, "2", spento, finestra,
             {sistema + ": la riga 3 non è né chiave=valore"});
    }

    void impostazioni()
    {
        QFETCH(QString, sistema);
        QFETCH(QString, utente);
        QFETCH(QStringList, argomenti);
        QFETCH(QStringList, avvisi);
        QFETCH(Forma, forma);
        scriviConf(m_sistema.path(), sistema, forma);
        scriviConf(m_utente.path(), utente);
        if (forma == Forma::Illeggibile &&
            QFile(m_sistema.path() + QStringLiteral("/numerella/numerella.conf")).open(QIODevice::ReadOnly))
            QSKIP("every file can be read here, even with no read bit: none to try");

        QStringList detti;
        const Opzioni base = leggiImpostazioni(detti);
        argomenti.prepend(QStringLiteral("numerella"));
        const Lettura l = leggiOpzioni(argomenti, base);
        QCOMPARE(int(l.esito), int(Esito::Avvia));
        QTEST(elenco(l.opzioni.tabelline), "tabelline");
        QTEST(int(l.opzioni.suono), "suono");
        QTEST(int(l.opzioni.schermo), "schermo");
        QTEST(l.opzioni.lunghezzaRipasso, "ripasso");
        QCOMPARE(detti.size(), avvisi.size());
        for (qsizetype i = 0; i < avvisi.size(); ++i) {
            QVERIFY2(detti[i].startsWith(QStringLiteral("numerella: ") + avvisi[i]), qPrintable(detti[i]));
            QVERIFY2(!detti[i].contains(u'\n'), qPrintable(detti[i]));
        }
    }

    // The voice, no hurry and the readable face: from the settings file, over it from the command line.
    void sostegni_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("ritmo");
        QTest::addColumn<int>("carattere");
        QTest::addColumn<int>("avvisi");
        const int spenta = int(Voce::Spenta), accesa = int(Voce::Accesa), chiesta = int(Voce::Chiesta);
        const int cronometro = int(Ritmo::Cronometro), calma = int(Ritmo::SenzaFretta);
        const int normale = int(Carattere::Normale), leggibile = int(Carattere::Leggibile);
        QTest::newRow("niente") << QString() << QStringList() << spenta << cronometro << normale << 0;
        QTest::newRow("dal file") << QStringLiteral("voce=true\nsenza-fretta=TRUE\ncarattere=Leggibile\n")
                                  << QStringList() << accesa << calma << leggibile << 0;
        // Asked by name on the command line, the voice speaks even beside a screen reader.
        QTest::newRow("dal comando") << QString()
                                     << QStringList{"--voce", "--senza-fretta", "--carattere", "leggibile"}
                                     << chiesta << calma << leggibile << 0;
        QTest::newRow("comando sopra file")
            << QStringLiteral("voce=true\ncarattere=leggibile\n")
            << QStringList{"--voce", "--carattere=normale"} << chiesta << cronometro << normale << 0;
        QTest::newRow("sbagliati") << QStringLiteral("voce=si\nsenza-fretta=1\ncarattere=grande\n")
                                   << QStringList() << spenta << cronometro << normale << 3;
    }
    void sostegni()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, argomenti);
        scriviConf(m_sistema.path(), QString());
        scriviConf(m_utente.path(), file);
        QStringList detti;
        const Opzioni base = leggiImpostazioni(detti);
        QTEST(int(detti.size()), "avvisi");
        argomenti.prepend(QStringLiteral("numerella"));
        const Lettura l = leggiOpzioni(argomenti, base);
        QCOMPARE(int(l.esito), int(Esito::Avvia));
        QTEST(int(l.opzioni.voce), "voce");
        QTEST(int(l.opzioni.ritmo), "ritmo");
        QTEST(int(l.opzioni.carattere), "carattere");
        const Lettura sbagliata = leggiOpzioni({"numerella", "--carattere", "grande"});
        QCOMPARE(int(sbagliata.esito), int(Esito::Errore));
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

    /// The settings files are an admin's: choosing players, in the record window and in code, and a
    /// player remembered there by an earlier version, leave both byte for byte as written, comments and
    /// odd spacing included, with no file added beside them. The player chosen is remembered all the same.
    void impostazioniSoloLette()
    {
        const QByteArray sistema = "# Laboratorio: tutte le tabelline\n[General]\nmuto = true ;per la 3B\n";
        const QByteArray utente =
            "  # di Giulia, non toccare\n[registro]\ngiocatore =  Giulia \n\n\ntabelline=2,5\n";
        scriviConf(m_sistema.path(), QString::fromUtf8(sistema));
        scriviConf(m_utente.path(), QString::fromUtf8(utente));
        const auto comeScritti = [&] {
            for (const auto &[radice, testo] :
                 {std::pair{m_sistema.path(), sistema}, std::pair{m_utente.path(), utente}}) {
                QFile file(radice + QStringLiteral("/numerella/numerella.conf"));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), testo);
                QCOMPARE(QDir(radice + QStringLiteral("/numerella"))
                             .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                         QStringList{QStringLiteral("numerella.conf")});
            }
        };
        const QString stato = m_stato.filePath(QStringLiteral("numerella/giocatore"));
        QFile::remove(stato);

        // The player an earlier version kept in the settings is read once, and remembered from then on
        // where the program keeps her.
        QCOMPARE(Giocatore().nome(), QStringLiteral("Giulia"));
        QVERIFY(QFile::exists(stato));
        comeScritti();
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
        {
            Archivio archivio(file);
            QVERIFY(archivio.apri());
            archivio.giocatore(QStringLiteral("Giulia"));
            archivio.giocatore(QStringLiteral("Marco"));
        }
        {
            Giocatore giocatore;
            Registro registro(giocatore, file);
            registro.apri();
            Tipografia tipografia;
            FrmRegistro finestra(registro, tipografia, FrmRegistro::Uso::DaSolo);
            finestra.show();
            QVERIFY(QTest::qWaitForWindowExposed(&finestra));
            auto *scelta = finestra.findChild<QComboBox *>(QStringLiteral("cmbGiocatore"));
            QVERIFY(scelta);
            QCOMPARE(scelta->currentData().toString(), QStringLiteral("Giulia"));
            // Marco, chosen in the open list with the arrows and Return.
            scelta->showPopup();
            QAbstractItemView *elenco = scelta->view();
            QTRY_VERIFY(elenco->isVisible());
            const int marco = scelta->findData(QStringLiteral("Marco"));
            for (int volte = 0; elenco->currentIndex().row() != marco && volte < scelta->count(); ++volte)
                QTest::keyClick(elenco, Qt::Key_Down);
            QTest::keyClick(elenco, Qt::Key_Return);
            QTRY_COMPARE(giocatore.nome(), QStringLiteral("Marco"));
            finestra.close();
        }
        comeScritti();
        QCOMPARE(Giocatore().nome(), QStringLiteral("Marco"));

        // The guest chosen is remembered too: the settings' Giulia does not come back.
        Giocatore().scegli(QString());
        QCOMPARE(Giocatore().nome(), QString());
        Giocatore().scegli(QStringLiteral("  Sara\n"));
        QCOMPARE(Giocatore().nome(), QStringLiteral("Sara"));
        comeScritti();
    }
};

QTEST_MAIN(TestOpzioni)
#include "test_opzioni.moc"
