// SPDX-License-Identifier: GPL-3.0-or-later
// Every language: it loads, the board speaks it, and no text is cut or runs into another at any scale.
#include "aiuto.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "startup/lingua.h"
#include "widgets/cornice.h"
#include "widgets/etichetta.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

/// The tests' pseudo-language: every text 40 % longer and in brackets.
const QString Pseudo = QStringLiteral("pseudo");

/// A scale of the windows: the board's own size, and one as large as a classroom's screen.
constexpr qreal ScalaGrande = 4.7;

QString nomeDi(const QWidget *w)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

/// The text a control shows, and the font it is drawn in; empty for none.
QString testoMostrato(const QWidget *w, QFont &font)
{
    font = w->font();
    if (const auto *e = qobject_cast<const Etichetta *>(w)) {
        font = e->fontMostrato();
        return e->text();
    }
    if (const auto *l = qobject_cast<const QLabel *>(w)) return l->pixmap().isNull() ? l->text() : QString();
    if (const auto *c = qobject_cast<const Cornice *>(w)) return c->title();
    return {};
}

/// What is wrong with the texts of \a finestra as shown: a text wider or taller than its control, or a
/// control with text over a sibling. Buttons must be as large as their own text asks.
QStringList difetti(QWidget *finestra)
{
    QStringList trovati;
    const QList<QWidget *> figli = finestra->findChildren<QWidget *>();
    for (QWidget *w : figli) {
        if (!w->isVisibleTo(finestra) || w->isWindow()) continue;
        QFont font;
        const QString testo = testoMostrato(w, font);
        const QFontMetrics fm(font);
        if (!testo.isEmpty()) {
            const auto *l = qobject_cast<const QLabel *>(w);
            const QRect spazio = qobject_cast<const Cornice *>(w) ? w->rect() : w->contentsRect();
            const int flag = l && l->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect serve =
                fm.boundingRect(QRect(QPoint(0, 0), QSize(spazio.width(), 100000)), flag, testo);
            if (serve.width() > spazio.width() || (flag && serve.height() > spazio.height()))
                trovati << QStringLiteral("%1: \"%2\" needs %3×%4, has %5×%6")
                               .arg(nomeDi(w), testo)
                               .arg(serve.width())
                               .arg(serve.height())
                               .arg(spazio.width())
                               .arg(spazio.height());
        }
        if (const auto *b = qobject_cast<const QAbstractButton *>(w); b && !b->text().isEmpty()) {
            if (b->sizeHint().width() > b->width())
                trovati << QStringLiteral("%1: \"%2\" needs %3, has %4")
                               .arg(nomeDi(w), b->text())
                               .arg(b->sizeHint().width())
                               .arg(b->width());
        }
        // Controls with words of their own never stand over each other.
        if (testo.isEmpty() && !qobject_cast<const QAbstractButton *>(w)) continue;
        for (QWidget *altro : figli) {
            if (altro == w || altro->parentWidget() != w->parentWidget() || !altro->isVisibleTo(finestra))
                continue;
            QFont f;
            const bool conParole =
                !testoMostrato(altro, f).isEmpty() || qobject_cast<const QAbstractButton *>(altro);
            if (conParole && altro < w && altro->geometry().intersects(w->geometry()))
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

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(impostaLingua(QStringLiteral("it")));
        Banco b;
        m_italiane = paroleDelTabellone(*b);
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

        // A translation still empty shows the Italian texts: nothing more to see in it yet.
        if (!italiano && !pseudo) {
            QTranslator traduzione;
            QVERIFY(traduzione.load(QStringLiteral(":/traduzioni/numerella_%1.qm").arg(codice)));
            if (traduzione.isEmpty()) QSKIP("no text translated yet");
        }
        const QStringList parole = paroleDelTabellone(*b);
        if (!italiano) {
            qsizetype cambiate = 0;
            for (qsizetype i = 0; i < parole.size(); ++i)
                cambiate += parole[i] != m_italiane[i];
            QVERIFY2(cambiate * 2 >= parole.size(), qPrintable(parole.join(u'\n')));
        }
        if (pseudo) QVERIFY2(b->Label3->text().startsWith(u'['), qPrintable(b->Label3->text()));

        // Every window at both scales.
        for (const qreal s : {1.0, ScalaGrande}) {
            b->resize(qRound(634 * s), qRound(455 * s));
            b->show();
            QCoreApplication::processEvents();
            nessunDifetto(b.w.get(), "board");
            b->cmdInfo_Click();
            QVERIFY(b->info());
            nessunDifetto(b->info(), "instructions");
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
        }
    }
};

QTEST_MAIN(TestLingue)
#include "test_lingue.moc"
