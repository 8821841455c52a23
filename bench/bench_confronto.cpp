// SPDX-License-Identifier: GPL-3.0-or-later
// The board against a bare Qt Widgets window with one button, measured the same way on the same X server:
// start-up to the first paint, resident memory at 634 x 455 and full screen, F11 to repainted full screen.
#include "bench/misure.h"
#include "info/frminfo.h"
#include "printing/tipografia.h"
#include "sound/lettorepulse.h"
#include "startup/lingua.h"
#include "startup/stato.h"
#include "tests/frmnumerellaprova.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

/// What is measured: the board as main.cpp shows it, or the floor any Qt Widgets window pays.
enum class Finestra { Tavola, Nuda };

constexpr int Passaggi = 10;

/// Wall milliseconds since \a t0ns, a CLOCK_REALTIME stamp in ns taken by the caller right before the start.
double daAvvioMs(qint64 t0ns)
{
    return (QDateTime::currentMSecsSinceEpoch() * 1e6 - double(t0ns)) / 1e6;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const qint64 t0 = qgetenv("T0_NS").toLongLong(); // 0: not given
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const Finestra tipo =
        QCoreApplication::arguments().contains(QStringLiteral("nuda")) ? Finestra::Nuda : Finestra::Tavola;

    // Built as main.cpp builds the board (its info window in front), or a window with one button.
    Stato stato;
    LettorePulse suoni;
    Tipografia tipografia;
    std::unique_ptr<QWidget> w;
    if (tipo == Finestra::Tavola) {
        impostaLingua(QStringLiteral("it"));
        w = std::make_unique<FrmNumerellaProva>(stato, suoni, tipografia);
    } else {
        w = std::make_unique<QWidget>();
        w->resize(634, 455);
        (new QPushButton(QStringLiteral("Avvio"), w.get()))->move(20, 20);
        auto *f11 = new QShortcut(Qt::Key_F11, w.get());
        QObject::connect(f11, &QShortcut::activated, w.get(),
                         [&w] { w->isFullScreen() ? w->showNormal() : w->showFullScreen(); });
    }
    w->show();
    if (!aspettaDisegno(w.get(), w->size())) return 1;
    std::printf("startup_to_drawn_ms %.1f\n", t0 ? daAvvioMs(t0) : -1.0);
    if (tipo == Finestra::Tavola) {
        if (FrmInfo *info = static_cast<FrmNumerellaProva *>(w.get())->info()) info->cmdOK_Click();
    }
    QTest::qWait(1000);
    std::printf("rss_634x455_mib %.1f\n", memoriaMiB());

    // F11 into full screen and back, each way waiting for the paint at the new size.
    const QSize schermo = w->screen()->geometry().size();
    std::vector<double> passaggi;
    for (int i = 0; i < Passaggi; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(w.get(), Qt::Key_F11);
        if (!aspettaDisegno(w.get(), schermo)) return 1;
        passaggi.push_back(t.nsecsElapsed() / 1e6);
        QTest::qWait(300);
        if (i == 0) std::printf("rss_full_screen_mib %.1f\n", memoriaMiB());
        QTest::keyClick(w.get(), Qt::Key_F11);
        if (!aspettaDisegno(w.get(), QSize(634, 455))) return 1;
        QTest::qWait(300);
    }
    std::printf("f11_to_repainted_ms_median %.1f (first %.1f)\n", mediana(passaggi), passaggi.front());
    return 0;
}
