// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound player playing the right-answer clip every 1.5 s for the given seconds; bench/suono.sh
// kills and restarts the sound server meanwhile and listens whether the clips come back.
#include "services/lettoreqt.h"

#include <QGuiApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int secondi = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    LettoreQt suoni;
    QTimer clip;
    QObject::connect(&clip, &QTimer::timeout, &suoni, [&] { suoni.SuonaRisorsa(Clip::Giusta); });
    clip.start(1500);
    QTimer::singleShot(secondi * 1000, &app, &QCoreApplication::quit);
    const int rc = QGuiApplication::exec();
    std::printf("player at the end: %s\n", suoni.motore() == Motore::Pulse ? "own (libpulse)" : "Qt");
    return rc;
}
