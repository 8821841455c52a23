// SPDX-License-Identifier: GPL-3.0-or-later
// The name prompt on an X server: pastes, a name typed and Return through the server; how long the program
// stopped, and the name it got.
#include "printing/tipografia.h"
#include "tests/schermoreale.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SchermoReale schermo;
    if (!schermo.disponibile()) {
        std::fputs("needs an X server with XTEST (QT_QPA_PLATFORM=xcb)\n", stderr);
        return 2;
    }
    // The event loop's pulse: the longest gap between two 10 ms ticks is how long the program stood still.
    QElapsedTimer orologio, totale;
    qint64 fermo = 0;
    QTimer battito;
    battito.setInterval(10);
    QObject::connect(&battito, &QTimer::timeout, [&] {
        if (orologio.isValid()) fermo = qMax(fermo, orologio.elapsed());
        orologio.start();
    });
    QTimer::singleShot(300, [&] {
        QWidget *dialogo = QApplication::activeModalWidget();
        if (!dialogo) return;
        schermo.daiFuoco(dialogo->windowHandle());
        schermo.sincronizza();
        auto *riga = dialogo->findChild<QLineEdit *>();
        // Everything in one burst, as fast hands give it: the pastes first, then the name.
        schermo.tasto(Qt::Key_V, Qt::ControlModifier);
        if (riga) schermo.clic(riga->mapToGlobal(riga->rect().center()), Qt::MiddleButton);
        schermo.tasto(Qt::Key_A, Qt::ShiftModifier);
        for (Qt::Key k : {Qt::Key_N, Qt::Key_N, Qt::Key_A})
            schermo.tasto(k);
        // Return once the pastes had the time to come back from an owner that answers.
        QTimer::singleShot(1500, [&] { schermo.tasto(Qt::Key_Return); });
    });
    battito.start();
    totale.start();
    Tipografia tipografia;
    const QString nome = tipografia.chiediNome(nullptr);
    std::printf("longest_freeze_ms     %lld\n", fermo);
    std::printf("prompt_open_ms        %lld\n", totale.elapsed());
    std::printf("name                  \"%s\"\n", qPrintable(nome));
    return 0;
}
