// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound player playing the right-answer clip every 1.5 s for the given seconds; bench/suono.sh
// kills and restarts the sound server meanwhile and listens whether the clips come back.
#include "sound/lettorepulse.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

/// How long the clips kept the caller.
struct Durate
{
    int clip = 0;
    qint64 totaleNs = 0, peggioreNs = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    // Argument: the seconds to run (20).
    const int secondi = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    LettorePulse suoni;
    QTimer clip;
    Durate d;
    QObject::connect(&clip, &QTimer::timeout, &suoni, [&] {
        QElapsedTimer t;
        t.start();
        suoni.SuonaRisorsa(Clip::Giusta);
        const qint64 ns = t.nsecsElapsed();
        ++d.clip;
        d.totaleNs += ns;
        d.peggioreNs = std::max(d.peggioreNs, ns);
    });
    clip.start(1500);
    QTimer::singleShot(secondi * 1000, &app, &QCoreApplication::quit);
    const int rc = QGuiApplication::exec();
    if (d.clip > 0)
        std::printf("%d clips, SuonaRisorsa took %.0f us on average, %.0f us at worst\n", d.clip,
                    d.totaleNs / 1000.0 / d.clip, d.peggioreNs / 1000.0);
    return rc;
}
