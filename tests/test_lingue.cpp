// SPDX-License-Identifier: GPL-3.0-or-later
// Every language: it loads, the board speaks it, and no text is cut or runs into another at any scale.
#include "aiuto.h"
#include "board/momento.h"
#include "board/registrazione.h"
#include "pagina.h"
#include "printing/resoconto.h"
#include "record/archivio.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmchigioca.h"
#include "recordwindow/frmregistro.h"
#include "recordwindow/paginagiocatori.h"
#include "startup/lingua.h"
#include "widgets/cornice.h"
#include "widgets/etichetta.h"
#include "widgets/scala.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>

#include <functional>

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

/// The language whose windows guarda() looks at, for the pictures' names.
QString &linguaGuardata()
{
    static QString lingua;
    return lingua;
}

/// The screen the windows must fit (the tests' offscreen screen is this size too).
constexpr QSize SchermoProva(1280, 800);
/// The smallest letters a text may shrink to, in pixels at the windows' own size.
constexpr int PixelMinimi = 8;

/// The Alt letters \a finestra shows now (buttons, labels' buddies, tabs, group boxes) that two controls
/// share, and, when \a soloLatine, those a Latin keyboard cannot type.
QStringList lettereAlt(QWidget *finestra, bool soloLatine)
{
    QMultiMap<int, QString> chi;
    const auto aggiungi = [&chi](const QString &testo, const QString &nome) {
        const QKeySequence tasto = QKeySequence::mnemonic(testo);
        if (!tasto.isEmpty()) chi.insert(tasto[0].toCombined(), nome);
    };
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(finestra) || w->isWindow()) continue;
        if (const auto *b = qobject_cast<QAbstractButton *>(w)) aggiungi(b->text(), nomeDi(w));
        if (const auto *l = qobject_cast<QLabel *>(w); l && l->buddy()) aggiungi(l->text(), nomeDi(w));
        if (const auto *g = qobject_cast<QGroupBox *>(w)) aggiungi(g->title(), nomeDi(w));
        if (const auto *t = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i))
                    aggiungi(t->tabText(i), QStringLiteral("tab \"%1\"").arg(t->tabText(i)));
    }
    QStringList trovati;
    for (const int tasto : chi.uniqueKeys()) {
        const QStringList nomi = chi.values(tasto);
        const QString nome = QKeySequence(tasto).toString();
        if (nomi.size() > 1)
            trovati << QStringLiteral("%1 for %2").arg(nome, nomi.join(QStringLiteral(" and ")));
        const int lettera = tasto & ~int(Qt::KeyboardModifierMask);
        const bool latina =
            (lettera >= Qt::Key_A && lettera <= Qt::Key_Z) || (lettera >= Qt::Key_0 && lettera <= Qt::Key_9);
        if (soloLatine && !latina)
            trovati << QStringLiteral("%1 is not on a Latin keyboard: %2").arg(nome, nomi.join(u','));
    }
    return trovati;
}

/// Where \a finestra does not fit the screen, a control of it is cut by its parent's edges, or, when
/// \a piccoli, a text shrinks below PixelMinimi.
QStringList fuori(QWidget *finestra, bool piccoli)
{
    QStringList trovati;
    const QSize serve = finestra->minimumSizeHint().expandedTo(finestra->minimumSize());
    for (const QSize &s : {serve, finestra->size()})
        if (s.width() > SchermoProva.width() || s.height() > SchermoProva.height())
            trovati << QStringLiteral("the window is %1×%2").arg(s.width()).arg(s.height());
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(finestra) || w->isWindow()) continue;
        // What a scroll area holds may lie past its edges: it scrolls there.
        const QWidget *genitore = w->parentWidget();
        bool scorre = false;
        for (const QWidget *a = genitore; a && a != finestra; a = a->parentWidget())
            scorre = scorre || qobject_cast<const QAbstractScrollArea *>(a);
        if (!scorre && !genitore->rect().contains(w->geometry()))
            trovati << QStringLiteral("%1 is cut by its parent's edges").arg(nomeDi(w));
        if (const auto *c = qobject_cast<const QComboBox *>(w);
            c && c->sizeAdjustPolicy() == QComboBox::AdjustToContents && c->width() < c->sizeHint().width())
            trovati << QStringLiteral("%1 cuts \"%2\"").arg(nomeDi(w), c->currentText());
        // A chart's plots keep room for a few lines of their numbers: in a thin strip Qt Charts cuts them
        // to "…".
        if (const auto *v = qobject_cast<const QChartView *>(w))
            for (QGraphicsItem *elemento : v->scene()->items())
                if (const auto *grafico = dynamic_cast<const QChart *>(elemento);
                    grafico && grafico->plotArea().height() < 3 * v->fontMetrics().height())
                    trovati << QStringLiteral("%1 has a plot %2 px high")
                                   .arg(nomeDi(w))
                                   .arg(grafico->plotArea().height());
        // A frame's caption is drawn at scale 1, then scaled.
        QFont font;
        const bool testo = !testoMostrato(w, font).isEmpty();
        const qreal pixel = QFontInfo(font).pixelSize() *
                            (qobject_cast<const Cornice *>(w) ? scalatura::corrente(w).fattore : 1.0);
        if (piccoli && testo && pixel < PixelMinimi)
            trovati << QStringLiteral("%1 shrinks to %2 px").arg(nomeDi(w)).arg(pixel);
    }
    return trovati;
}

/// What is wrong with \a finestra as shown now, \a dove first: a text cut, an Alt letter shared, a part
/// off the screen.
QStringList guarda(QWidget *finestra, const QString &dove, bool soloLatine, bool piccoli)
{
    QCoreApplication::processEvents();
    // NUMERELLA_FOTO=folder keeps a picture of each window looked at, to see them with one's own eyes.
    if (const QString foto = qEnvironmentVariable("NUMERELLA_FOTO"); !foto.isEmpty())
        finestra->grab().save(QDir(foto).filePath(
            QStringLiteral("%1-%2.png")
                .arg(linguaGuardata(), QString(dove).replace(QRegularExpression(QStringLiteral("\\W+")),
                                                             QStringLiteral("_")))));
    QStringList trovati = difetti(finestra) + lettereAlt(finestra, soloLatine) + fuori(finestra, piccoli);
    for (QString &t : trovati)
        t.prepend(dove + QStringLiteral(": "));
    return trovati;
}

/// Runs \a apri, which shows a modal dialog, and looks at the dialog before closing it.
QStringList guardaDialogo(const std::function<void()> &apri, const QString &dove, bool soloLatine,
                          bool piccoli = true)
{
    QStringList trovati{dove + QStringLiteral(": no dialog")};
    QTimer::singleShot(0, [&] {
        QWidget *dialogo = QApplication::activeModalWidget();
        if (!dialogo) return;
        trovati = guarda(dialogo, dove, soloLatine, piccoli);
        if (auto *d = qobject_cast<QDialog *>(dialogo))
            d->reject();
        else
            dialogo->close();
    });
    apri();
    return trovati;
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

/// The messages of the .ts file \a ts whose translation is unfinished, left over or empty.
QStringList nonTradotti(const QString &ts)
{
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly)) return {ts + QStringLiteral(": not read")};
    QStringList mancanti;
    QXmlStreamReader xml(&file);
    QString sorgente;
    int messaggi = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"source") {
            sorgente = xml.readElementText();
        } else if (xml.name() == u"translation") {
            ++messaggi;
            const bool finita = xml.attributes().value(QStringLiteral("type")).isEmpty();
            // Plural forms, each its own text; or the text itself.
            QStringList forme;
            QString testo;
            while (!(xml.isEndElement() && xml.name() == u"translation") && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    forme << xml.readElementText();
                else if (xml.isCharacters())
                    testo += xml.text();
            }
            if (forme.isEmpty()) forme << testo;
            const bool vuota = std::any_of(forme.cbegin(), forme.cend(),
                                           [](const QString &f) { return f.trimmed().isEmpty(); });
            if (!finita || vuota) mancanti << sorgente;
        }
    }
    if (xml.hasError()) mancanti << xml.errorString();
    if (messaggi < 100) mancanti << QStringLiteral("only %1 messages").arg(messaggi);
    return mancanti;
}

} // namespace

class TestLingue : public QObject
{
    Q_OBJECT
    QStringList m_italiane;
    QImage m_cancella; ///< the keypad's erase key, its arrow pointing left
    QImage m_ok;       ///< the keypad's answer key, its word in Latin letters

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(impostaLingua(QStringLiteral("it")));
        Banco b;
        m_italiane = paroleDelTabellone(*b);
        m_cancella = b->Cmd_backspace->grab().toImage();
        m_ok = b->Cmd_invio->grab().toImage();
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
        // The answer key's word is in the language's own script.
        if (destraSinistra) QVERIFY(b->Cmd_invio->grab().toImage() != m_ok);
        QCOMPARE(b->isRightToLeft(), destraSinistra);
        b->cmdInfo_Click();
        QCOMPARE(b->info()->isRightToLeft(), destraSinistra);
        b->info()->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // What Qt draws itself speaks the language too (English is Qt's own): the buttons of every
        // question, the print and file dialogs, --help's frame.
        if (codice != u"en") {
            const char *diQt[][2] = {{"QPlatformTheme", "Cancel"},      {"QPlatformTheme", "&Yes"},
                                     {"QPrintDialog", "&Print"},        {"QPrintDialog", "Print"},
                                     {"QPrintWidget", "Printer"},       {"QPrintDialog", "All Pages"},
                                     {"QFileDialog", "File &name:"},    {"QCommandLineParser", "Usage: %1"},
                                     {"QCommandLineParser", "Options:"}};
            for (const auto &[contesto, testo] : diQt)
                QVERIFY2(QCoreApplication::translate(contesto, testo) != QLatin1String(testo), testo);
        }
        // Every message finished and not empty: one left over shows Italian in the middle of the language.
        if (!italiano && !pseudo) {
            const QStringList mancanti =
                nonTradotti(QStringLiteral(NUMERELLA_SORGENTI "/translations/numerella_%1.ts").arg(codice));
            QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti.join(u'\n')));
        }
        // The real program's help, in the language asked on its command line.
        if (!pseudo) {
            QProcess numerella;
            numerella.start(QStringLiteral(NUMERELLA),
                            {QStringLiteral("--lingua"), codice, QStringLiteral("--help")});
            QVERIFY(numerella.waitForFinished(-1));
            const QString aiuto = QString::fromUtf8(numerella.readAllStandardOutput()).simplified();
            const QString attesa =
                QCoreApplication::translate("Opzioni", "La lingua del programma, tra %1, invece di "
                                                       "quella del sistema.")
                    .arg(lingueDisponibili().join(QStringLiteral(", ")));
            QVERIFY2(aiuto.contains(attesa.simplified()), qPrintable(aiuto));
            QCOMPARE(numerella.exitCode(), 0);
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
            // The player chosen is remembered in the user's state folder: here, the test's own.
            qputenv("XDG_STATE_HOME", cartella.path().toLocal8Bit());
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

    // Every window and dialog, in every tab: no text cut, no text shrunk to illegible, nothing off a
    // 1280 × 800 screen, no Alt letter doing two things; in Arabic, Alt letters a Latin keyboard types.
    void finestre_data() { lingua_data(); }
    void finestre()
    {
        QFETCH(QString, codice);
        const bool pseudo = codice == Pseudo;
        impostaLingua(pseudo ? QStringLiteral("it") : codice,
                      pseudo ? QStringLiteral(NUMERELLA_PSEUDO) : QString());
        const bool latine = codice == u"ar";
        linguaGuardata() = codice;
        QStringList trovati;
        QTemporaryDir cartella;
        Giocatore giocatore;
        giocatore.scegli(QStringLiteral("Giulia"));
        // Where a record usually lives, for the window's line that names it.
        Registro registro(giocatore,
                          cartella.filePath(QStringLiteral(".local/share/La Numerella/registro.sqlite")));
        Banco b;
        registra(*b, registro, b.tipografia);
        FrmRegistro f(registro, b.tipografia, FrmRegistro::Uso::ConTabellone);
        trovati << guardaDialogo([&] { f.ripassa(); }, QStringLiteral("nothing to practise"), latine);
        // Games, for the words and numbers the windows show then.
        b->cmdAvvio_Click();
        b.digita(1000);
        b.clic(b->Cmd_invio);
        while (b->momento() == Momento::InCorso)
            b.rispondi();
        // With NUMERELLA_FOTO, the printed pages too: the finished table, then (below) the report.
        const QString foto = qEnvironmentVariable("NUMERELLA_FOTO");
        const auto stampe = [&](const std::function<void()> &stampa) {
            if (foto.isEmpty()) return;
            b.tipografia.cartella = QDir(foto).filePath(codice);
            QDir().mkpath(b.tipografia.cartella);
            b.tipografia.nomi << QStringLiteral("Giulia");
            stampa();
            b.tipografia.cartella.clear();
        };
        stampe([&] { b->cmdStampa_Click(); });
        b->ripassa(std::bitset<100>().set(7).set(42), FrmNumerella::Partenza::Subito);
        b.rispondi();
        b->cmdStop_Click();
        f.aggiorna();
        stampe([&] { f.stampa(); });

        // At the board's own size, and on a 1280 × 800 screen with the board filling it.
        b->show();
        for (const bool pieno : {false, true}) {
            b->resize(pieno ? SchermoProva : QSize(634, 455));
            QCoreApplication::processEvents();
            const qreal scala = scalatura::corrente(b.w.get()).fattore;
            // Texts 40 % longer may shrink at the board's own small size, but must read on the screen.
            const bool piccoli = !pseudo || pieno;
            const QString dove = pieno ? QStringLiteral("full screen, ") : QString();
            trovati << guarda(b.w.get(), dove + QStringLiteral("board"), latine, piccoli);
            b->cmdInfo_Click();
            trovati << guarda(b->info(), dove + QStringLiteral("instructions"), latine, piccoli);
            b->info()->cmdOK_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            b->cmdAvvio_Click();
            trovati << guardaDialogo([&] { b->chiediDiLasciare(); }, dove + QStringLiteral("leave the game?"),
                                     latine, piccoli);
            b->cmdStop_Click();
            {
                FrmChiGioca chi({QStringLiteral("Anna"), QStringLiteral("Andrea"), QStringLiteral("Marco")},
                                piccoli);
                chi.show();
                trovati << guarda(&chi, dove + QStringLiteral("Chi gioca?"), latine, piccoli);
            }
            f.impostaScala(scala);
            f.show();
            for (int i = 0; i < f.schede->count(); ++i) {
                f.schede->setCurrentIndex(i);
                trovati << guarda(&f, dove + QStringLiteral("record, tab %1").arg(i), latine, piccoli);
            }
            trovati << guardaDialogo([&] { f.esporta(); }, dove + QStringLiteral("export"), latine, piccoli)
                    << guardaDialogo([&] { f.nuovoGiocatore(); }, dove + QStringLiteral("new player"), latine,
                                     piccoli)
                    << guardaDialogo([&] { f.togliGiocatore(); }, dove + QStringLiteral("remove the player?"),
                                     latine, piccoli);
            f.hide();
        }
        QVERIFY2(trovati.isEmpty(), qPrintable(trovati.join(u'\n')));
    }

    // The menu entry and the man page call the record as its window does, in each language.
    void nomi_data()
    {
        QTest::addColumn<QString>("codice");
        for (const QString &codice : lingueDisponibili())
            QTest::newRow(qPrintable(codice)) << codice;
    }
    void nomi()
    {
        QFETCH(QString, codice);
        impostaLingua(codice);
        QString registro = QCoreApplication::translate("FrmRegistro", "Registro").toLower();
        // Arabic drops the article of a noun that another follows: "سجل الجولات".
        if (codice == u"ar") registro.remove(0, 2);
        const QString risorse = QStringLiteral(NUMERELLA_SORGENTI "/resources/linux/");
        QFile voce(risorse + QStringLiteral("numerella.desktop.in"));
        QVERIFY(voce.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString testo = QString::fromUtf8(voce.readAll());
        const QString azione = testo.mid(testo.indexOf(QStringLiteral("[Desktop Action Registro]")));
        const QString chiave =
            codice == u"en" ? QStringLiteral("\nName=") : QStringLiteral("\nName[%1]=").arg(codice);
        QVERIFY2(azione.contains(chiave), qPrintable(chiave));
        const QString nome = azione.mid(azione.indexOf(chiave) + chiave.size()).section(u'\n', 0, 0);
        QVERIFY2(nome.toLower().contains(registro), qPrintable(nome + QStringLiteral(" / ") + registro));
        QFile pagina(risorse + (codice == u"en" ? QStringLiteral("numerella.1")
                                                : QStringLiteral("numerella.%1.1").arg(codice)));
        if (!pagina.exists()) return;
        QVERIFY(pagina.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY2(QString::fromUtf8(pagina.readAll()).toLower().contains(registro),
                 qPrintable(pagina.fileName()));
    }

    // The export's numbers are the system's (LC_NUMERIC, else LANG), which its spreadsheet reads,
    // whatever language the program speaks; a "C" or unknown locale is not taken for Italy's.
    void csv_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("numeri");
        QTest::addColumn<QStringList>("opzioni");
        QTest::addColumn<QChar>("separatore");
        const QStringList inglese{QStringLiteral("--lingua"), QStringLiteral("en")},
            italiano{QStringLiteral("--lingua"), QStringLiteral("it")};
        QTest::newRow("English words, German numbers") << "en_GB.UTF-8"
                                                       << "de_DE.UTF-8" << inglese << QChar(u';');
        QTest::newRow("Italian words, American numbers") << "it_IT.UTF-8"
                                                         << "en_US.UTF-8" << italiano << QChar(u',');
        QTest::newRow("French system, German words")
            << "fr_FR.UTF-8" << QString() << QStringList{"--lingua", "de"} << QChar(u';');
        QTest::newRow("C locale") << "C" << QString() << italiano << QChar(u',');
        QTest::newRow("unknown locale") << "xx_XX.UTF-8" << QString() << italiano << QChar(u',');
        QTest::newRow("standard, German numbers")
            << "de_DE.UTF-8"
            << "de_DE.UTF-8" << QStringList{"--csv-standard"} << QChar(u',');
    }
    void csv()
    {
        QFETCH(QString, lang);
        QFETCH(QString, numeri);
        QFETCH(QStringList, opzioni);
        QFETCH(QChar, separatore);
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
        QVERIFY(Archivio(file).apri());
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char *v : {"LC_ALL", "LC_NUMERIC", "LANGUAGE"})
            ambiente.remove(QLatin1String(v));
        ambiente.insert(QStringLiteral("LANG"), lang);
        if (!numeri.isEmpty()) ambiente.insert(QStringLiteral("LC_NUMERIC"), numeri);
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), cartella.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_DIRS"), cartella.path());
        QProcess numerella;
        numerella.setProcessEnvironment(ambiente);
        const QString csv = cartella.filePath(QStringLiteral("partite.csv"));
        numerella.start(QStringLiteral(NUMERELLA), opzioni + QStringList{QStringLiteral("--registro"), file,
                                                                         QStringLiteral("--esporta"), csv});
        QVERIFY(numerella.waitForFinished(attesa::limite(6000)));
        QCOMPARE(numerella.exitCode(), 0);
        QFile letto(csv);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        const QString intestazione = QString::fromUtf8(letto.readLine()).remove(QChar(0xfeff)).trimmed();
        QCOMPARE(
            intestazione,
            QStringLiteral("giocatore,inizio,fine,tabelline,secondi,errori,esito").replace(u',', separatore));
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
        ambiente.insert(QStringLiteral("XDG_STATE_HOME"), cartella.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_DIRS"), cartella.path());
        numerella.setProcessEnvironment(ambiente);
        numerella.start(QStringLiteral(NUMERELLA), {QStringLiteral("--lingua"), QStringLiteral("ar"),
                                                    QStringLiteral("--registro"), registro});
        QVERIFY(numerella.waitForStarted(attesa::limite(3000)));
        QVERIFY2(
            attesa::finche(
                [&] { return QFile::exists(registro) || numerella.state() == QProcess::NotRunning; }, 30000),
            "the record was not opened");
        QCOMPARE(numerella.state(), QProcess::Running);
        numerella.terminate();
        QVERIFY(numerella.waitForFinished(attesa::limite(30000)));
        QCOMPARE(numerella.exitStatus(), QProcess::NormalExit);
        QCOMPARE(numerella.exitCode(), 0);
    }
};

QTEST_MAIN(TestLingue)
#include "test_lingue.moc"
