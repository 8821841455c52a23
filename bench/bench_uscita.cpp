// SPDX-License-Identifier: GPL-3.0-or-later
// One start-and-close run of the program as main.cpp builds it: a game starts (its clip plays) and the
// window is closed a few milliseconds later. bench/uscite.sh runs it hundreds of times.
#include "info/frminfo.h"
#include "printing/tipografia.h"
#include "sound/lettorepulse.h"
#include "startup/lingua.h"
#include "startup/segnali.h"
#include "startup/stato.h"
#include "tests/frmnumerellaprova.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("La Numerella"));
    QApplication::setQuitOnLastWindowClosed(false);
    impostaLingua(QStringLiteral("it"));
    // The delay before the close request, in ms: the first argument, 0 by default.
    const int ritardo = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;

    Stato stato;
    LettorePulse suoni;
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
    return QApplication::exec();
}
