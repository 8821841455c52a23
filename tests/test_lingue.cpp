// SPDX-License-Identifier: GPL-3.0-or-later
// Every language: it loads, the board speaks it, and no text is cut or runs into another at any scale.
#include "aiuto.h"
#include "pagina.h"
#include "printing/resoconto.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/paginagiocatori.h"
#include "startup/lingua.h"
#include "widgets/cornice.h"
#include "widgets/etichetta.h"
#include "widgets/scala.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProcess>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>

namespace {

/// The tests' pseudo-language: every text 40 % longer and in brackets.
const QString Pseudo = QStringLiteral("pseudo");

/// A scale of the windows: the board's own size, and one as large as a classroom's screen.
constexpr qreal ScalaGrande = 4.7;

/// The text a control shows, and the font it is drawn in; empty for none.
QString testoMostrato(const QWidget *w, QFont &font)
{
    font = w->font();
    if (const auto *e = qobject_cast<const Etichetta *>(w)) {
        font = e->fontMostrato();
        return e->text();
    }
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        if (!l->pixmap().isNull()) return {};
        const bool ricco = l->textFormat() == Qt::RichText ||
                           (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
        if (!ricco) return l->text();
        QTextDocument documento;
        documento.setHtml(l->text());
        return documento.toPlainText();
    }
    if (const auto *c = qobject_cast<const Cornice *>(w)) {
        font = c->fontDidascalia();
        return c->title();
    }
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text();
    return {};
}

QString nomeDi(const QWidget *w)
{
    QFont f;
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), testoMostrato(w, f));
}

/// Where the words of a control with words stand, in its parent's coordinates, and how much room they
/// need there; \a spazio gets the room they have.
QRect rettangoloTesto(const QWidget *w, QSize &serve, QRect &spazio)
{
    QFont font;
    const QString testo = testoMostrato(w, font);
    if (testo.isEmpty()) return {};
    const auto *l = qobject_cast<const QLabel *>(w);
    const auto *c = qobject_cast<const Cornice *>(w);
    spazio = c ? c->spazioDidascalia() : w->contentsRect();
    int flag = l && l->wordWrap() ? int(Qt::TextWordWrap) : 0;
    if (l && l->buddy()) flag |= Qt::TextShowMnemonic;
    serve = QFontMetrics(font)
                .boundingRect(QRect(QPoint(0, 0), QSize(spazio.width(), 100000)), flag, testo)
                .size();
    if (qobject_cast<const QAbstractButton *>(w)) {
        serve = w->sizeHint();
        return w->geometry();
    }
    const Qt::Alignment allineamento = l ? l->alignment() : Qt::AlignLeft | Qt::AlignTop;
    const QRect dentro = QStyle::alignedRect(w->layoutDirection(), allineamento, serve, spazio);
    // A frame's caption is drawn on the scale-1 layout, scaled.
    const qreal f = c ? scalatura::corrente(c).fattore : 1.0;
    const QRect scalato(qRound(dentro.x() * f), qRound(dentro.y() * f), qRound(dentro.width() * f),
                        qRound(dentro.height() * f));
    // What runs past the control's edges is cut, and told as such; the rest must stand clear of others
    // by more than the pixel that rounding the places to a scale may give or take.
    return (scalato.translated(w->pos()) & w->geometry()).adjusted(1, 1, -1, -1);
}

/// What is wrong with the texts of \a finestra as shown: a text wider (or, wrapped, taller) than its
/// place, a button smaller than its text asks, or words over the words of a sibling.
QStringList difetti(QWidget *finestra)
{
    QStringList trovati;
    const QList<QWidget *> figli = finestra->findChildren<QWidget *>();
    for (QWidget *w : figli) {
        if (!w->isVisibleTo(finestra) || w->isWindow()) continue;
        QSize serve;
        QRect spazio;
        const QRect testo = rettangoloTesto(w, serve, spazio);
        if (testo.isEmpty()) continue;
        const bool pulsante = qobject_cast<const QAbstractButton *>(w);
        const QSize ha = pulsante ? w->size() : spazio.size();
        const bool aCapo =
            !pulsante && qobject_cast<const QLabel *>(w) && qobject_cast<const QLabel *>(w)->wordWrap();
        if (serve.width() > ha.width() || (aCapo && serve.height() > ha.height()))
            trovati << QStringLiteral("%1 needs %2×%3, has %4×%5")
                           .arg(nomeDi(w))
                           .arg(serve.width())
                           .arg(serve.height())
                           .arg(ha.width())
                           .arg(ha.height());
        for (QWidget *altro : figli) {
            if (altro <= w || altro->parentWidget() != w->parentWidget() || !altro->isVisibleTo(finestra))
                continue;
            QSize s;
            QRect r;
            if (rettangoloTesto(altro, s, r).intersects(testo))
                trovati << QStringLiteral("%1 over %2").arg(nomeDi(w), nomeDi(altro));
        }
    }
    return trovati;
}

void nessunDifetto(QWidget *finestra, const char *dove)
{
    QCoreApplication::processEvents();
    const QStringList trovati = difetti(finestra);
    QVERIFY2(trovati.isEmpty(),
             qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(dove), trovati.join(u'\n'))));
}

/// What the board says: captions, names told to a screen reader, the instructions.
QStringList paroleDelTabellone(FrmNumerellaProva &b)
{
    QStringList parole{b.Frame1->title(),
                       b.FraTimer->title(),
                       b.Label3->text(),
                       b.Label4->text(),
                       b.cmdAvvio->accessibleName(),
                       b.cmdEnd->accessibleName(),
                       b.Cmd[7]->accessibleName(),
                       b.txtRisultato[57]->accessibleName(),
                       b.accessibleDescription()};
    parole << FrmInfo::testo().mid(1, 3);
    return parole;
}

} // namespace

class TestLingue : public QObject
{
    Q_OBJECT
    QStringList m_italiane;
    QImage m_cancella; ///< the keypad's erase key, its arrow pointing left

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(impostaLingua(QStringLiteral("it")));
        Banco b;
        m_italiane = paroleDelTabellone(*b);
        m_cancella = b->Cmd_backspace->grab().toImage();
    }
    void cleanupTestCase() { impostaLingua(QStringLiteral("it")); }

    void lingua_data()
    {
        QTest::addColumn<QString>("codice");
        for (const QString &codice : lingueDisponibili())
            QTest::newRow(qPrintable(codice)) << codice;
        QTest::newRow("pseudo") << Pseudo;
    }
    void lingua()
    {
        QFETCH(QString, codice);
        const bool pseudo = codice == Pseudo;
        const bool italiano = codice == lingueDisponibili().constFirst();
        impostaLingua(pseudo ? QStringLiteral("it") : codice,
                      pseudo ? QStringLiteral(NUMERELLA_PSEUDO) : QString());
        QCOMPARE(QLocale().language(), pseudo ? QLocale::Italian : QLocale(codice).language());
        const bool destraSinistra = codice == u"ar";
        QCOMPARE(QGuiApplication::layoutDirection(), destraSinistra ? Qt::RightToLeft : Qt::LeftToRight);

        Banco b;
        // Arithmetic is written left to right in every language: the grid and the keypad keep their order.
        QVERIFY(b->txtRisultato[0]->x() < b->txtRisultato[1]->x());
        QVERIFY(b->Label1[0]->x() < b->Label1[1]->x());
        QVERIFY(b->Cmd[1]->x() < b->Cmd[2]->x());
        QCOMPARE(b->Frame1->isRightToLeft(), false);
        QCOMPARE(b->Cmd_backspace->grab().toImage(), m_cancella);
        QCOMPARE(b->isRightToLeft(), destraSinistra);
        b->cmdInfo_Click();
        QCOMPARE(b->info()->isRightToLeft(), destraSinistra);
        b->info()->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A translation still empty shows the Italian texts: nothing more to see in it yet.
        if (!italiano && !pseudo) {
            QTranslator traduzione;
            QVERIFY(traduzione.load(QStringLiteral(":/traduzioni/numerella_%1.qm").arg(codice)));
            if (traduzione.isEmpty()) QSKIP("no text translated yet");
        }
        // A day keeps its date after the word the language puts before it; Italian elides its article.
        for (int giorno = 1; giorno <= 31; ++giorno)
            QVERIFY2(ilGiorno(giorno, QStringLiteral("§")).contains(u'§'),
                     qPrintable(QString::number(giorno)));
        if (italiano) {
            QCOMPARE(ilGiorno(8, QStringLiteral("8 dicembre")), QStringLiteral("l'8 dicembre"));
            QCOMPARE(ilGiorno(3, QStringLiteral("3 dicembre")), QStringLiteral("il 3 dicembre"));
        }
        // The printed report reads as the language: its title and the facts map on the side where lines
        // begin.
        if (pagina::haPdftoppm()) {
            QTemporaryDir cartella;
            const QString pdf = cartella.filePath(QStringLiteral("resoconto.pdf"));
            {
                QPdfWriter foglio(pdf);
                Resoconto r;
                r.giocatore = QStringLiteral("Giulia");
                QVERIFY(resoconto::disegna(foglio, r));
            }
            const QImage foglio = pagina::rasterizza(pdf, 30);
            QVERIFY(!foglio.isNull());
            const int mezzo = foglio.width() / 2;
            const QRect titolo =
                pagina::riquadro(foglio.copy(0, 0, foglio.width(), foglio.height() / 10), pagina::inchiostro);
            QCOMPARE(titolo.center().x() > mezzo, destraSinistra);
            const auto celle = pagina::vicino(resoconto::aspetto(apprendimento::Stato::MaiChiesta).colore, 3);
            const int aSinistra = pagina::conta(foglio, QRect(0, 0, mezzo, foglio.height()), celle),
                      aDestra = pagina::conta(foglio, QRect(mezzo, 0, mezzo, foglio.height()), celle);
            QCOMPARE(aDestra > aSinistra, destraSinistra);
        }

        const QStringList parole = paroleDelTabellone(*b);
        if (!italiano) {
            qsizetype cambiate = 0;
            for (qsizetype i = 0; i < parole.size(); ++i)
                cambiate += parole[i] != m_italiane[i];
            QVERIFY2(cambiate * 2 >= parole.size(), qPrintable(parole.join(u'\n')));
        }
        if (pseudo) QVERIFY2(b->Label3->text().startsWith(u'['), qPrintable(b->Label3->text()));

        // Italian, the texts' own language, fits as it always did: nothing shrinks.
        if (italiano) {
            for (const Etichetta *e : b->findChildren<Etichetta *>())
                QCOMPARE(e->fontMostrato(), e->font());
            for (const Cornice *c : b->findChildren<Cornice *>())
                QCOMPARE(c->fontDidascalia(), scalatura::fontBase(c));
        }

        // Every window at both scales.
        for (const qreal s : {1.0, ScalaGrande}) {
            b->resize(qRound(634 * s), qRound(455 * s));
            b->show();
            QCoreApplication::processEvents();
            nessunDifetto(b.w.get(), "board");
            b->cmdInfo_Click();
            QVERIFY(b->info());
            nessunDifetto(b->info(), "instructions");
            if (italiano)
                for (const QLabel *riga : b->info()->findChildren<QLabel *>())
                    QCOMPARE(riga->font(), b->info()->font());
            b->info()->cmdOK_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            // Leaving a game for a review asks first.
            b->cmdAvvio_Click();
            bool vista = false;
            QTimer::singleShot(0, [&] {
                auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!domanda) return;
                vista = true;
                nessunDifetto(domanda, "question");
                domanda->reject();
            });
            b->chiediDiLasciare();
            QVERIFY(vista);
            b->cmdStop_Click();

            QTemporaryDir cartella;
            Giocatore giocatore;
            giocatore.scegli(QStringLiteral("Giulia"));
            Registro registro(giocatore, cartella.filePath(QStringLiteral("registro.sqlite")));
            TipografiaFinta tipografia;
            FrmRegistro f(registro, tipografia, FrmRegistro::Uso::DaSolo);
            f.impostaScala(s);
            f.show();
            QCoreApplication::processEvents();
            nessunDifetto(&f, "record");
            // At its own size, the players' columns fit side by side, their headers on two lines if need be.
            if (s == 1.0) {
                f.schede->setCurrentWidget(f.paginaGiocatori);
                QCoreApplication::processEvents();
                QVERIFY(f.paginaGiocatori->tabGiocatori->isVisible());
                QVERIFY(!f.paginaGiocatori->tabGiocatori->horizontalScrollBar()->isVisible());
            }
        }
    }

    // The real program in another language: the command line's application, then the windows' one, each
    // with the language; it runs until its record is opened and ends in order on a termination signal.
    void programma()
    {
        QTemporaryDir cartella;
        const QString registro = cartella.filePath(QStringLiteral("registro.sqlite"));
        QProcess numerella;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), cartella.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_DIRS"), cartella.path());
        numerella.setProcessEnvironment(ambiente);
        numerella.start(QStringLiteral(NUMERELLA), {QStringLiteral("--lingua"), QStringLiteral("ar"),
                                                    QStringLiteral("--registro"), registro});
        QVERIFY(numerella.waitForStarted());
        QVERIFY2(
            QTest::qWaitFor(
                [&] { return QFile::exists(registro) || numerella.state() == QProcess::NotRunning; }, 30000),
            "the record was not opened");
        QCOMPARE(numerella.state(), QProcess::Running);
        numerella.terminate();
        QVERIFY(numerella.waitForFinished(30000));
        QCOMPARE(numerella.exitStatus(), QProcess::NormalExit);
        QCOMPARE(numerella.exitCode(), 0);
    }
};

QTEST_MAIN(TestLingue)
#include "test_lingue.moc"
