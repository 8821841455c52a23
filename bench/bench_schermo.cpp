// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, on a real X server, the board at its own size and full screen: the switch to full screen,
// one blink tick, one answer on the keypad, what a tick repaints, and the resident memory.
#include "bench/misure.h"
#include "tests/aiuto.h"
#include "widgets/scala.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <map>

namespace {

constexpr double BudgetSchermoInteroMs = 100;
constexpr double BudgetTickMs = 2;
constexpr double BudgetClicOkMs = 2; // one keypad click and OK
constexpr double BudgetMemoriaMiB = 60;

void riga(const char *nome, double valore, double budget, const char *unita)
{
    const bool ok = valore >= 0 && valore <= budget;
    std::printf("%-28s %9.3f %s   (budget %g %s: %s)\n", nome, valore, unita, budget, unita,
                ok ? "ok" : "MISSED");
    std::fflush(stdout);
}

/// Counts the paints of each widget and the pixels they cover.
class ContaDisegni : public QObject
{
public:
    std::map<QString, int> volte;
    qint64 pixel = 0;
    void azzera()
    {
        volte.clear();
        pixel = 0;
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            ++volte[o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                              : o->objectName()];
            for (const QRect &r : static_cast<QPaintEvent *>(e)->region())
                pixel += qint64(r.width()) * r.height();
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Banco b(Info::Chiusa, 1);
    b->Timer1->blockSignals(true);
    b->TmrTimer->blockSignals(true);
    b->move(0, 0);
    b->show();
    if (!QTest::qWaitForWindowExposed(b.w.get())) return 1;
    aspettaDisegno(b.w.get(), b->size());
    const QSize schermo = b->screen()->geometry().size();
    std::printf("platform: %s, screen %d x %d\n", qPrintable(QGuiApplication::platformName()),
                schermo.width(), schermo.height());

    ContaDisegni conta;
    app.installEventFilter(&conta);
    bool ok = true;

    // With a window manager (--window-manager) F11 is all it takes; without one nobody resizes a
    // full-screen window, so the bench does what the manager would, right after the key.
    const bool gestore = QCoreApplication::arguments().contains(QStringLiteral("--window-manager"));
    // The board at its own size, then F11 into full screen and back, twice: cold, then warm caches.
    for (int passo = 0; passo < 5; ++passo) {
        const bool intero = passo % 2 == 1;
        double passaggio = 0, passaggioCpu = 0;
        if (passo > 0) {
            QElapsedTimer t;
            t.start();
            const double cpu0 = cpuMs();
            QTest::keyClick(b.w.get(), Qt::Key_F11);
            const QSize voluta = intero ? schermo : QSize(634, 455);
            if (!gestore) b->setGeometry(QRect(QPoint(0, 0), voluta));
            if (!aspettaDisegno(b.w.get(), voluta)) {
                std::fprintf(stderr, "the board was not repainted at %d x %d\n", voluta.width(),
                             voluta.height());
                return 1;
            }
            passaggio = t.nsecsElapsed() / 1e6;
            passaggioCpu = cpuMs() - cpu0;
        }
        std::printf("\n== %d x %d (scale %.3f)%s ==\n", b->width(), b->height(),
                    scalatura::corrente(b.w.get()).fattore, intero ? ", full screen" : "");
        if (passo > 0) {
            riga(intero ? "f11_to_repainted_ms" : "f11_back_to_repainted_ms", passaggio,
                 BudgetSchermoInteroMs, "ms");
            std::printf("%-28s %9.3f ms\n", "  of which cpu", passaggioCpu);
        }
        QTest::qWait(200);

        // One blink tick in a game, with its repaint; and what it repainted.
        if (!b->cmdAvvio->isHidden()) b->cmdAvvio_Click();
        QCoreApplication::processEvents();
        constexpr int Tick = 200;
        double tickCpu = 0;
        conta.azzera();
        for (int i = 0; i < Tick; ++i) {
            if (i == 4) conta.azzera();
            const double c0 = cpuMs();
            b->Timer1_Timer();
            QCoreApplication::processEvents();
            tickCpu += cpuMs() - c0;
            if (i == 4) { // after the first ticks, which also repaint what the start of the game changed
                std::printf("%-28s", "  painted by one tick:");
                for (const auto &[nome, n] : conta.volte)
                    std::printf(" %s x%d", qPrintable(nome), n);
                std::printf(" (%lld pixels)\n", conta.pixel);
            }
        }
        riga("tick_cpu_ms", tickCpu / Tick, BudgetTickMs, "ms");

        // One answer: the product's digits on the keypad, then OK.
        constexpr int Risposte = 20;
        double rispostaCpu = 0;
        int clic = 0;
        for (int i = 0; i < Risposte && b->cmdAvvio->isHidden(); ++i) {
            const QString cifre = QString::number(b.stato.Prodotto[b.stato.cella()]);
            const double c0 = cpuMs();
            for (QChar c : cifre) {
                b.clic(b->Cmd[c.digitValue()]);
                QCoreApplication::processEvents();
            }
            b.clic(b->Cmd_invio);
            QCoreApplication::processEvents();
            rispostaCpu += cpuMs() - c0;
            clic += int(cifre.size()) + 1;
            if (i == 0) conta.azzera();
            if (i == 1) { // a whole answer after the first, which also repaints where the focus was
                std::printf("%-28s", "  painted by one answer:");
                for (const auto &[nome, n] : conta.volte)
                    std::printf(" %s x%d", qPrintable(nome), n);
                std::printf(" (%lld pixels, %d clicks)\n", conta.pixel, int(cifre.size()) + 1);
            }
            b.suoni.suonati.clear();
        }
        riga("click_ok_cpu_ms", 2 * rispostaCpu / clic, BudgetClicOkMs, "ms");
        std::printf("%-28s %9.3f ms   (%.2f clicks: the product's digits and OK)\n", "  one whole answer",
                    rispostaCpu / Risposte, double(clic) / Risposte);
        const double rss = memoriaMiB();
        riga("rss_mib", rss, BudgetMemoriaMiB, "MiB");
        std::printf("%-28s %9.3f MiB anonymous, %.3f MiB shared with the X server (the window's pixels)\n",
                    "  of which", memoriaMiB("RssAnon:"), memoriaMiB("RssShmem:"));
        std::printf("%-28s %9.3f MiB   (shared pages counted once per process that maps them)\n",
                    "  proportional (Pss)", memoriaMiB("Pss:", QStringLiteral("/proc/self/smaps_rollup")));
        ok = ok && passaggio <= BudgetSchermoInteroMs && tickCpu / Tick <= BudgetTickMs &&
             2 * rispostaCpu / clic <= BudgetClicOkMs && rss <= BudgetMemoriaMiB;
        b->cmdStop_Click();
        QCoreApplication::processEvents();
    }
    return 0;
}
