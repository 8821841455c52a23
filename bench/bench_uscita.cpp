// SPDX-License-Identifier: GPL-3.0-or-later
// One start-and-close run of the program as main.cpp builds it: a game starts (its clip plays) and the
// window is closed a few milliseconds later. bench/uscite.sh runs it hundreds of times.
#include "info/frminfo.h"
#include "services/lettoreqt.h"
#include "services/lingua.h"
#include "services/segnali.h"
#include "services/stato.h"
#include "services/tipografia.h"
#include "tests/frmnumerellaprova.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    int esito = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("La Numerella"));
        QApplication::setQuitOnLastWindowClosed(false);
        impostaItaliano();
        // The delay before the close request, in ms: the first argument, 0 by default; then "pulse"
        // for our own player from the first clip, as after Qt Multimedia failed.
        const int ritardo = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
        const Motore motore = argc > 2 && qstrcmp(argv[2], "pulse") == 0 ? Motore::Pulse : Motore::Qt;

        Stato stato;
        LettoreQt suoni(motore);
        Tipografia tipografia;
        FrmNumerellaProva finestra(stato, suoni, tipografia);
        finestra.show();
        Segnali segnali;
        QObject::connect(&segnali, &Segnali::terminazione, &finestra, &QWidget::close);
        QTimer::singleShot(0, &finestra, [&] {
            if (finestra.info()) finestra.info()->cmdOK_Click();
            finestra.cmdAvvio_Click();
            QTimer::singleShot(ritardo, &finestra, &QWidget::close);
        });
        esito = QApplication::exec();
    }
    // Ours is all gone with the application object, the sound players and their outputs included.
    // What is left are Qt Multimedia's own globals, which exit() would tear down while the sound
    // library's thread still runs (a crash about once in 150 closes right after a clip): nothing
    // is left to save, so the process ends here.
    std::fflush(nullptr);
    std::_Exit(esito);
}
