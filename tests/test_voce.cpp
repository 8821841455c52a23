// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud: the words handed to the voice at each moment of a game, and the game without hurry.
#include "aiuto.h"
#include "speech/sintesiqt.h"
#include "startup/lingua.h"

#include <QAccessible>
#include <QCheckBox>
#include <cstdio>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace aspetto;

namespace {

/// The two questions of the scripted game: 6 × 8 and 3 × 4.
constexpr int SeiPerOtto = 57, TrePerQuattro = 23;

/// Moments of the scripted game, in order.
enum class Momento2 { Domanda, Sbagliata, Giusta, Pausa, Ripresa, Fine };

/// A board on which only the scripted game's two cells can be asked, reading aloud.
struct BancoVoce
{
    BancoVoce(Voce voce = Voce::Chiesta)
    {
        for (int k = 0; k < 100; ++k)
            b->txtRisultato[k]->impostaSfondo(k == SeiPerOtto || k == TrePerQuattro ? Bianco : ColoreEscluso);
        b->usaSintesi(sintesi);
        b->impostaVoce(voce);
        sintesi.detti.clear();
    }
    /// Plays the scripted game with the mouse up to \a fin; returns the cells in the order asked.
    std::pair<int, int> gioca(Momento2 fin)
    {
        b.clic(b->cmdAvvio);
        const int prima = b.stato.cella();
        const int seconda = prima == SeiPerOtto ? TrePerQuattro : SeiPerOtto;
        if (fin == Momento2::Domanda) return {prima, seconda};
        b.digita(1);
        b.clic(b->Cmd_invio);
        if (fin == Momento2::Sbagliata) return {prima, seconda};
        b.rispondi();
        if (fin == Momento2::Giusta) return {prima, seconda};
        b.clic(b->CmdPausa);
        if (fin == Momento2::Pausa) return {prima, seconda};
        b.clic(b->cmdRiprendi);
        if (fin == Momento2::Ripresa) return {prima, seconda};
        b.rispondi();
        return {prima, seconda};
    }
    Banco b;
    SintesiFinta sintesi;
};

} // namespace

class TestVoce : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { impostaLingua(QStringLiteral("it")); }

    /// Each moment hands the voice its words once, as a screen reader is told them; %1 and %2 are the
    /// first and the second question in words.
    void momenti_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<int>("momento");
        QTest::addColumn<QString>("parole");
        QTest::addColumn<int>("frasi"); // sentences handed to the voice since Start
        const auto riga = [](const char *nome, const char *lingua, Momento2 m, const char *parole,
                             int frasi) {
            QTest::newRow(nome) << QString::fromLatin1(lingua) << int(m) << QString::fromUtf8(parole)
                                << frasi;
        };
        riga("it domanda", "it", Momento2::Domanda, "%1", 1);
        riga("it sbagliata", "it", Momento2::Sbagliata, "Sbagliato, 1 errore. %1", 2);
        // The next question cuts off whatever is still said of the answer before: one sentence.
        riga("it giusta e nuova domanda", "it", Momento2::Giusta, "Giusto! %2", 3);
        riga("it pausa", "it", Momento2::Pausa, "Pausa. Ctrl+P per riprendere.", 4);
        riga("it ripresa", "it", Momento2::Ripresa, "Si riprende. %2", 5);
        riga("it fine", "it", Momento2::Fine, "Complimenti. Hai finito. 0 secondi, 1 errore.", 6);
        riga("de domanda", "de", Momento2::Domanda, "%1", 1);
        riga("de sbagliata", "de", Momento2::Sbagliata, "Falsch, 1 Fehler. %1", 2);
        riga("de giusta e nuova domanda", "de", Momento2::Giusta, "Richtig! %2", 3);
        riga("de pausa", "de", Momento2::Pausa, "Pause. Strg+P zum Weitermachen.", 4);
        riga("de ripresa", "de", Momento2::Ripresa, "Weiter geht's. %2", 5);
        riga("de fine", "de", Momento2::Fine, "Super! Du bist fertig. 0 Sekunden, 1 Fehler.", 6);
    }
    void momenti()
    {
        QFETCH(QString, lingua);
        QFETCH(int, momento);
        QFETCH(QString, parole);
        QFETCH(int, frasi);
        QVERIFY(impostaLingua(lingua));
        const QStringList domande = lingua == u"de"
                                        ? QStringList{QStringLiteral("6 mal 8"), QStringLiteral("3 mal 4")}
                                        : QStringList{QStringLiteral("6 per 8"), QStringLiteral("3 per 4")};
        BancoVoce v;
        const int prima = v.gioca(Momento2(momento)).first;
        const QString primaDomanda = domande[prima == SeiPerOtto ? 0 : 1];
        const QString secondaDomanda = domande[prima == SeiPerOtto ? 1 : 0];
        QCOMPARE(v.sintesi.detti.size(), frasi);
        QCOMPARE(v.sintesi.detti.last(), QString(parole)
                                             .replace(QStringLiteral("%1"), primaDomanda)
                                             .replace(QStringLiteral("%2"), secondaDomanda));
    }

    /// Voice off, the words go nowhere; beside a screen reader the voice from the settings file is
    /// quiet, and asked for by name it speaks.
    void quandoTace()
    {
        {
            BancoVoce v(Voce::Spenta);
            QVERIFY(!v.b->chkVoce); // the board as it always was
            v.gioca(Momento2::Fine);
            QVERIFY(v.sintesi.detti.isEmpty());
        }
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
        {
            BancoVoce v(Voce::Accesa);
            v.gioca(Momento2::Fine);
            QVERIFY(v.sintesi.detti.isEmpty());
            // A click on the switch asks for it.
            v.b->chkVoce->click();
            v.b->chkVoce->click();
            QCOMPARE(v.sintesi.detti.last(), QStringLiteral("Leggi ad alta voce"));
            v.b.clic(v.b->cmdAvvio);
            QCOMPARE(v.sintesi.detti.last(), v.b.domanda()->accessibleName());
        }
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    /// No speech service: the switch says so in words, and the game goes on to its end.
    void senzaServizio()
    {
        BancoVoce v;
        v.sintesi.manca();
        QVERIFY(!v.b->chkVoce->isEnabled());
        QCOMPARE(v.b->chkVoce->text(), QStringLiteral("Voce non disponibile"));
        QVERIFY(!v.b->chkVoce->toolTip().isEmpty());
        v.gioca(Momento2::Fine);
        QCOMPARE(v.b->momento(), Momento::Finita);
    }

    /// Senza fretta: the stopwatch hidden from the start to the end, no time in any words, yet it counts.
    void senzaFretta()
    {
        BancoVoce v;
        v.b->impostaRitmo(Ritmo::SenzaFretta);
        v.b.clic(v.b->cmdAvvio);
        for (int i = 0; i < 75; ++i)
            v.b->TmrTimer_Timer();
        QVERIFY(!v.b->FraTimer->isVisibleTo(v.b.w.get()));
        QCOMPARE(v.b.stato.Minuti, 1);
        QTest::keyClick(v.b.w.get(), Qt::Key_T, Qt::ControlModifier);
        v.b.rispondi();
        v.b.rispondi();
        QCOMPARE(v.b->momento(), Momento::Finita);
        for (const QString &detto : v.sintesi.detti) {
            QVERIFY2(!detto.contains(QStringLiteral("second")) && !detto.contains(QStringLiteral("minut")),
                     qPrintable(detto));
        }
        QCOMPARE(v.sintesi.detti.last(), QStringLiteral("Complimenti. Hai finito. nessun errore."));
        QVERIFY(!v.b->FraTimer->isVisibleTo(v.b.w.get()));
        v.b->impostaRitmo(Ritmo::Cronometro);
        QVERIFY(v.b->FraTimer->isVisibleTo(v.b.w.get()));
    }

    /// The real voice, on the speech service and the sound server tests/voce_reale.sh starts: a
    /// question and a second of the game, which the script records from the server.
    void parlaDavvero()
    {
        if (qEnvironmentVariable("NUMERELLA_VOCE_REALE") != u"1")
            QSKIP("tests/voce_reale.sh runs this on its own sound server and speech service");
        QVERIFY(impostaLingua(QStringLiteral("it")));
        SintesiQt voce;
        Banco b;
        b->usaSintesi(voce);
        b->impostaVoce(Voce::Chiesta);
        QCOMPARE(voce.servizio(), Servizio::Presente);
        std::puts("domanda");
        std::fflush(stdout);
        b.clic(b->cmdAvvio);
        QTest::qWait(1000);
        QCOMPARE(voce.servizio(), Servizio::Presente);
    }
};

QTEST_MAIN(TestVoce)
#include "test_voce.moc"
