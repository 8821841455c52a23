// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound player playing the right-answer clip every 1.5 s for the given seconds; bench/suono.sh
// kills and restarts the sound server meanwhile and listens whether the clips come back.
#include "services/lettoreqt.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    // Arguments: the seconds to run (20), then "pulse" to start on our own player instead of Qt's.
    const int secondi = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    const Motore motore = argc > 2 && qstrcmp(argv[2], "pulse") == 0 ? Motore::Pulse : Motore::Qt;
    LettoreQt suoni(motore);
    QTimer clip;
    qint64 peggiore = 0, totale = 0;
    int clip_suonate = 0;
    QObject::connect(&clip, &QTimer::timeout, &suoni, [&] {
        QElapsedTimer t;
        t.start();
        suoni.SuonaRisorsa(Clip::Giusta);
        const qint64 ns = t.nsecsElapsed();
        peggiore = std::max(peggiore, ns);
        totale += ns;
        ++clip_suonate;
    });
    clip.start(1500);
    QTimer::singleShot(secondi * 1000, &app, &QCoreApplication::quit);
    const int rc = QGuiApplication::exec();
    std::printf("player at the end: %s\n", suoni.motore() == Motore::Pulse ? "own (libpulse)" : "Qt");
    std::printf("%d clips, SuonaRisorsa took %.0f us on average, %.0f us at worst\n", clip_suonate,
                clip_suonate ? totale / 1000.0 / clip_suonate : 0.0, peggiore / 1000.0);
    return rc;
}
