// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard alone, and what assistive technology is told about the board.
#include "aiuto.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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

/// What a screen reader says, from the events Qt sends: the name of each control that takes the
/// focus, and each new name or description of the control it was last told has the focus (a reader
/// knows the focus from these events only: a control left is still its place until the next one's
/// focus event arrives). A description set again to the same words changes nothing, and is not heard.
class Orecchio
{
public:
    Orecchio()
    {
        // Offscreen there is no screen reader to switch it on.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        s_orecchio = this;
        m_fuoco = QApplication::focusWidget(); // where a reader is when it starts
        QAccessible::installUpdateHandler(&Orecchio::ascolta);
    }
    ~Orecchio()
    {
        QAccessible::installUpdateHandler(nullptr);
        s_orecchio = nullptr;
    }
    QStringList prendi() { return std::exchange(m_sentito, {}); }
    /// A reader asked to read again where it is: the name, and the description when there is one.
    QString rileggi() const
    {
        QAccessibleInterface *i = m_fuoco ? interfaccia(m_fuoco) : nullptr;
        if (!i) return {};
        const QString descrizione = i->text(QAccessible::Description);
        return i->text(QAccessible::Name) + (descrizione.isEmpty() ? QString() : u'|' + descrizione);
    }

private:
    static void ascolta(QAccessibleEvent *e)
    {
        QAccessibleInterface *i = e->accessibleInterface();
        if (!s_orecchio || !i || !i->object()) return;
        Orecchio &o = *s_orecchio;
        QObject *oggetto = i->object();
        const bool suDiLui = oggetto == o.m_fuoco;
        QString parole;
        switch (e->type()) {
        case QAccessible::Focus:
            o.m_fuoco = oggetto;
            o.m_descrizioni.remove(oggetto);
            parole = i->text(QAccessible::Name);
            break;
        case QAccessible::NameChanged:
            if (suDiLui) parole = i->text(QAccessible::Name);
            break;
        case QAccessible::DescriptionChanged: {
            const QString descrizione = i->text(QAccessible::Description);
            const bool nuova = o.m_descrizioni.value(oggetto) != descrizione;
            o.m_descrizioni.insert(oggetto, descrizione);
            if (suDiLui && nuova) parole = descrizione;
            break;
        }
        default:
            break;
        }
        if (!parole.isEmpty()) o.m_sentito.append(parole);
    }

    static inline Orecchio *s_orecchio = nullptr;
    QStringList m_sentito;
    QPointer<QObject> m_fuoco;
    QHash<QObject *, QString> m_descrizioni; ///< what each control's description said last
};

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
    void sessioni_data()
    {
        // Each step is keys (or "giusta", "sbagliata", "tutte": answers typed with digits and Return;
        // "tic N": N stopwatch seconds; "fuoco NAME": the focus put there; "clic NAME": a click on it)
        // and then what is heard,
        // in order; "{domanda}" is the question asked after the step. "..." first: only the last.
        // "celle N M": only those cells in play; "ripassa N M": a round of those cells started from
        // another window (Ripassa in the record), then the board; "rileggi": the reader reads its place
        // again; "via e ritorno": another window active, then the board; "ancora in pausa": the paused game
        // untouched.
        QTest::addColumn<QStringList>("passi");
        QTest::newRow("tutto coi tasti") << QStringList{
            "Alt+4",       "Tabellina del 4 esclusa",
            "Alt+Shift+5", "Restano le tabelline da 1 a 5",
            "Alt+4",       "Tabellina del 4 esclusa",
            "Ctrl+N",      "{domanda}",
            "sbagliata",   "Sbagliato, 1 errore. {domanda}",
            "giusta",      "Giusto! {domanda}",
            "tic 134",     "",
            "Ctrl+T",      "2 minuti e 14 secondi, 1 errore",
            "Ctrl+P",      "Pausa. Ctrl+P per riprendere.",
            "7",           "",
            "Ctrl+T",      "2 minuti e 14 secondi, 1 errore",
            "Pause",       "Si riprende. {domanda}",
            "sbagliata",   "Sbagliato, 2 errori. {domanda}",
            "Ctrl+S",      "Partita fermata. Avvio",
            "Ctrl+N",      "{domanda}",
            "tic 61",      "",
            "tutte",       "...|Complimenti. Hai finito. 1 minuto e 1 secondo, nessun errore. Stampa",
            "Ctrl+T",      "1 minuto e 1 secondo, nessun errore",
            "Ctrl+N",      "{domanda}",
        };
        QTest::newRow("coi pulsanti") << QStringList{
            "Space",          "{domanda}",
            "fuoco CmdPausa", "Pausa",
            "Space",          "Pausa. Riprendi",
            "Space",          "Si riprende. {domanda}",
            "fuoco CmdPausa", "Pausa",
            "Return",         "Pausa. Riprendi",
            "fuoco cmdStop",  "Stop",
            "Space",          "Partita fermata. Avvio",
        };
        // A reader used with a pointer: the question is told on the control that has the focus.
        QTest::newRow("col mouse") << QStringList{
            "clic cmdAvvio",
            "Stop|{domanda}",
        };
        QTest::newRow("due celle") << QStringList{
            "celle 37 38",     "",
            "Ctrl+N",          "{domanda}",
            "giusta",          "Giusto! {domanda}",
            "sbagliata",       "Sbagliato, 1 errore. {domanda}",
            "rileggi",         "Sbagliato, 1 errore. {domanda}",
            "Ctrl+P",          "Pausa. Ctrl+P per riprendere.",
            "Ctrl+N",          "La partita è già cominciata.",
            "ancora in pausa", "",
            "Ctrl+T",          "0 secondi, 1 errore",
            "Ctrl+T",          "0 secondi, 1 errore",
            "via e ritorno",   "Pausa. Ctrl+P per riprendere. {domanda}",
            "Ctrl+P",          "Si riprende. {domanda}",
            "rileggi",         "Si riprende. {domanda}",
            "giusta",          "...|Complimenti. Hai finito. 0 secondi, 1 errore. Stampa",
            "Ctrl+N",          "{domanda}",
        };
        // Its first question heard once, though asked while the board was not active.
        QTest::newRow("ripasso") << QStringList{
            "Alt+4", "Tabellina del 4 esclusa", "ripassa 37 38", "{domanda}", "giusta", "Giusto! {domanda}",
        };
        QTest::newRow("niente da fare") << QStringList{
            "Ctrl+P",      "Nessuna partita in corso. Ctrl+N per cominciare.",
            "Ctrl+S",      "Nessuna partita da fermare.",
            "Alt+Shift+1", "Resta la tabellina dell'1",
            "Alt+1",       "Tabellina dell'1 esclusa. Nessuna tabellina rimasta",
            "Ctrl+N",      "Nessuna tabellina da fare: riprendine una con Alt e il suo numero.",
            "Alt+8",       "Tabellina dell'8 ripresa",
            "Alt+0",       "Tabellina del 10 ripresa",
            "Ctrl+N",      "{domanda}",
            "Ctrl+N",      "La partita è già cominciata.",
            "tutte",       "...|Complimenti. Hai finito. 0 secondi, nessun errore. Stampa",
        };
    }

    void sessioni()
    {
        QFETCH(QStringList, passi);
        Banco b;
        // The stopwatch ticks only by hand ("tic N"): a game started runs it, and a slow machine would
        // add its real seconds to the time said.
        b->TmrTimer->blockSignals(true);
        b->show();
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        QCOMPARE(b->focusWidget(), b->cmdAvvio);
        Orecchio orecchio;
        Dita dita{b.w.get()};
        auto rispondi = [&](int piu) {
            dita.numero(b.stato.Prodotto[b.stato.cella()] + piu);
            dita(Qt::Key_Return);
        };
        for (qsizetype i = 0; i + 1 < passi.size(); i += 2) {
            const QString &passo = passi[i];
            if (passo == QLatin1String("giusta"))
                rispondi(0);
            else if (passo == QLatin1String("sbagliata"))
                rispondi(1);
            else if (passo == QLatin1String("tutte")) {
                for (int n = 0; b->momento() == Momento::InCorso && n < 100; ++n)
                    rispondi(0);
            } else if (passo.startsWith(QLatin1String("tic "))) {
                for (int n = passo.mid(4).toInt(); n > 0; --n)
                    b->TmrTimer_Timer();
            } else if (passo.startsWith(QLatin1String("fuoco "))) {
                b->findChild<QWidget *>(passo.mid(6))->setFocus();
            } else if (passo.startsWith(QLatin1String("clic "))) {
                QTest::mouseClick(b->findChild<QWidget *>(passo.mid(5)), Qt::LeftButton);
            } else if (passo.startsWith(QLatin1String("celle "))) {
                std::bitset<100> celle;
                for (const QString &k : passo.mid(6).split(u' '))
                    celle.set(k.toInt());
                b->ripassa(celle, FrmNumerella::Partenza::AlComando);
            } else if (passo == QLatin1String("rileggi")) {
                // Nothing said meanwhile; what is read again comes below.
                QCoreApplication::processEvents();
                QCOMPARE(orecchio.prendi(), QStringList());
            } else if (passo == QLatin1String("via e ritorno")) {
                QWidget altra;
                auto *riga = new QLineEdit(&altra); // a window with a control that takes the focus
                altra.show();
                altra.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&altra));
                riga->setFocus();
                QCoreApplication::processEvents();
                orecchio.prendi();
                b->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
            } else if (passo.startsWith(QLatin1String("ripassa "))) {
                QWidget registro;
                registro.show();
                registro.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&registro));
                QCoreApplication::processEvents();
                orecchio.prendi();
                std::bitset<100> celle;
                for (const QString &k : passo.mid(8).split(u' '))
                    celle.set(k.toInt());
                QVERIFY(b->ripassa(celle, FrmNumerella::Partenza::Subito));
                registro.close();
                b->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
                // A reader says the description after the name: it must not repeat the question.
                QAccessibleInterface *cella = interfaccia(QApplication::focusWidget());
                QVERIFY(!cella->text(QAccessible::Description).contains(cella->text(QAccessible::Name)));
            } else if (passo == QLatin1String("ancora in pausa")) {
                // Nothing of the game changed: neither the answers given nor the errors.
                QCOMPARE(b->momento(), Momento::InPausa);
                QCOMPARE(b.stato.NumEsatte, 1);
                QCOMPARE(b.stato.NumErrori, 1);
                QCOMPARE(b->txtErrori->text(), QStringLiteral("1"));
            } else {
                const QKeySequence tasti(passo);
                QCOMPARE(tasti.count(), 1);
                dita(tasti[0].key(), tasti[0].keyboardModifiers());
            }
            // (words put back once the focus has moved are put back by then, unheard)
            QCoreApplication::processEvents();
            QStringList sentito = orecchio.prendi();
            if (passo == QLatin1String("rileggi")) sentito = QStringList{orecchio.rileggi()};
            QString atteso = passi[i + 1];
            if (atteso.startsWith(QLatin1String("...|"))) {
                atteso = atteso.mid(4);
                sentito = sentito.mid(sentito.size() - 1);
            }
            atteso.replace(QLatin1String("{domanda}"), QStringLiteral("%1 per %2")
                                                           .arg(b.stato.Riga[b.stato.cella()])
                                                           .arg(b.stato.Colonna[b.stato.cella()]));
            QCOMPARE(sentito.join(QLatin1Char('|')), atteso);
            // Words carried for a moment stay only on the control that has the focus; green cells
            // say so.
            for (Cella *c : b->txtRisultato) {
                if (c->hasFocus()) continue;
                const int k = c->property("Index").toInt();
                QCOMPARE(interfaccia(c)->text(QAccessible::Name),
                         QStringLiteral("%1 per %2").arg(k / 10 + 1).arg(k % 10 + 1));
                QCOMPARE(interfaccia(c)->text(QAccessible::Description),
                         c->esclusa() ? QStringLiteral("esclusa") : QString());
            }
        }
    }

    void catenaDelTab()
    {
        // In every phase, Tab reaches only what can be seen and pressed, and Exit only after the cells.
        Banco b;
        b->show();
        QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
        Dita dita{b.w.get()};
        auto percorri = [&](const char *fase) {
            QList<QWidget *> giro;
            for (int n = 0; n < 130; ++n) {
                dita(Qt::Key_Tab);
                QWidget *w = b->focusWidget();
                QVERIFY2(w, fase);
                const QPoint centro = w->mapTo(b.w.get(), w->rect().center());
                QWidget *visto = b->childAt(centro);
                const QString chi = QStringLiteral("%1: %2").arg(QLatin1String(fase), w->objectName());
                QVERIFY2(w->isVisible() && w->isEnabled(), qPrintable(chi));
                QVERIFY2(visto == w || w->isAncestorOf(visto), qPrintable(chi));
                QVERIFY2(!interfaccia(w)->state().invisible, qPrintable(chi));
                giro << w;
            }
            QVERIFY2(!giro.contains(b->cmdStop) || b->momento() == Momento::InCorso ||
                         b->momento() == Momento::InPausa,
                     fase);
            // Exit never sits between two cells.
            for (qsizetype i = 1; i + 1 < giro.size(); ++i) {
                if (giro[i] == b->cmdEnd)
                    QVERIFY2(!qobject_cast<Cella *>(giro[i - 1]) || !qobject_cast<Cella *>(giro[i + 1]),
                             fase);
            }
            QVERIFY2(giro.contains(b->cmdEnd) && giro.contains(b->txtRisultato[99]), fase);
        };
        percorri("riposo");
        dita(Qt::Key_1, Qt::AltModifier | Qt::ShiftModifier);
        dita(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(b->momento(), Momento::InCorso);
        percorri("in corso");
        dita(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(b->momento(), Momento::InPausa);
        percorri("in pausa");
        dita(Qt::Key_P, Qt::ControlModifier);
        while (b->momento() == Momento::InCorso) {
            b.domanda()->setFocus();
            dita.numero(b.stato.Prodotto[b.stato.cella()]);
            dita(Qt::Key_Return);
        }
        QCOMPARE(b->momento(), Momento::Finita);
        percorri("finita");
    }

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
            QVERIFY(interfaccia(cella)
                        ->text(QAccessible::Name)
                        .endsWith(QStringLiteral("%1 per %2")
                                      .arg(b.stato.Riga[b.stato.cella()])
                                      .arg(b.stato.Colonna[b.stato.cella()])));
            dita.numero(b.stato.Prodotto[b.stato.cella()]);
            dita(Qt::Key_Return);
            QVERIFY(++domande <= 100);
        }
        QCOMPARE(domande, 10 * tabelle.size());
        QCOMPARE(b.stato.NumErrori, 0);
        QCOMPARE(b->lblTitolo->text(), QStringLiteral("Complimenti. Hai finito."));
        QCOMPARE(b->focusWidget(), b->cmdStampa);
        QVERIFY(interfaccia(b->cmdStampa)
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Complimenti. Hai finito.")));
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
        QCOMPARE(b->focusWidget(), b->cmdRiprendi);
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
        QCOMPARE(detto(*b), QStringLiteral("Sbagliato, 1 errore. ") + b.domanda()->accessibleName());
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
        QTRY_VERIFY(b->info()->isVisible()); // once the board is active
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

        // Names that say what a thing is; the button always behind the grid is not in the tree.
        QCOMPARE(interfaccia(b->Label4)->text(QAccessible::Name), QStringLiteral("minuti"));
        QCOMPARE(interfaccia(b->Label5)->text(QAccessible::Name), QStringLiteral("secondi"));
        QCOMPARE(interfaccia(b->Frame2)->text(QAccessible::Name), QStringLiteral("Errori"));
        for (int i = 0; i < finestra->childCount(); ++i) {
            QAccessibleInterface *figlio = finestra->child(i);
            QVERIFY(figlio->object() != b->Command1);
            QCOMPARE(finestra->indexOfChild(figlio), i);
            if (figlio->role() == QAccessible::Button || figlio->role() == QAccessible::Grouping)
                QVERIFY2(!figlio->text(QAccessible::Name).isEmpty(),
                         qPrintable(figlio->object()->objectName()));
        }
        // Sizes as drawn, at any scale.
        b->resize(634 * 3, 455 * 3);
        QCoreApplication::processEvents();
        for (QWidget *w : std::initializer_list<QWidget *>{b->Check1, b->cmdStop, b->txtRisultato[5]}) {
            QCOMPARE(interfaccia(w)->rect(), QRect(w->mapToGlobal(QPoint()), w->size()));
        }

        // The counters: named and read-only.
        const QList<std::pair<Contatore *, QString>> contatori{{b->txtErrori, QStringLiteral("Errori")},
                                                               {b->TxtMin, QStringLiteral("Minuti")},
                                                               {b->TxtSec, QStringLiteral("Secondi")}};
        for (const auto &[contatore, nome] : contatori) {
            QCOMPARE(interfaccia(contatore)->text(QAccessible::Name),
                     nome + QLatin1Char(' ') + contatore->text());
            QVERIFY(interfaccia(contatore)->state().readOnly);
            QVERIFY(!interfaccia(contatore)->state().editable);
        }
    }
};

QTEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
