// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound player playing the right-answer clip every 1.5 s for the given seconds; bench/suono.sh
// kills and restarts the sound server meanwhile and listens whether the clips come back.
#include "services/lettoreqt.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

/// How long the clips handed to one player kept the caller.
struct Durate
{
    int clip = 0;
    qint64 totaleNs = 0, peggioreNs = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    // Arguments: the seconds to run (20), then "pulse" to start on our own player instead of Qt's.
    const int secondi = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    const Motore motore = argc > 2 && qstrcmp(argv[2], "pulse") == 0 ? Motore::Pulse : Motore::Qt;
    LettoreQt suoni(motore);
    QTimer clip;
    std::array<Durate, 2> durate; // by the player that took the clip
    QObject::connect(&clip, &QTimer::timeout, &suoni, [&] {
        QElapsedTimer t;
        t.start();
        suoni.SuonaRisorsa(Clip::Giusta);
        const qint64 ns = t.nsecsElapsed();
        Durate &d = durate[suoni.motore() == Motore::Pulse ? 1 : 0];
        ++d.clip;
        d.totaleNs += ns;
        d.peggioreNs = std::max(d.peggioreNs, ns);
    });
    clip.start(1500);
    QTimer::singleShot(secondi * 1000, &app, &QCoreApplication::quit);
    const int rc = QGuiApplication::exec();
    std::printf("player at the end: %s\n", suoni.motore() == Motore::Pulse ? "own (libpulse)" : "Qt");
    for (int i = 0; i < 2; ++i) {
        const Durate &d = durate[i];
        if (d.clip == 0) continue;
        std::printf("%s: %d clips, SuonaRisorsa took %.0f us on average, %.0f us at worst\n",
                    i ? "own player" : "Qt", d.clip, d.totaleNs / 1000.0 / d.clip, d.peggioreNs / 1000.0);
    }
    return rc;
}
