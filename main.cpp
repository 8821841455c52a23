// SPDX-License-Identifier: GPL-3.0-or-later
// La Numerella: a multiplication-table drill for primary-school children.
#include "board/frmnumerella.h"
#include "board/stato.h"
#include "services/lingua.h"
#include "services/segnali.h"
#include "services/suono.h"
#include "services/tipografia.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    int esito = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("La Numerella"));
        QApplication::setApplicationVersion(QStringLiteral("1.00"));
        QApplication::setQuitOnLastWindowClosed(false); // the main window decides when the program ends

        impostaItaliano();

        Stato stato;
        LettoreQt suoni;
        Tipografia tipografia;
        FrmNumerella finestra(stato, suoni, tipografia);
        finestra.Form_Load();
        finestra.show();
        // A termination signal closes the window like its close box does.
        Segnali segnali;
        QObject::connect(&segnali, &Segnali::terminazione, &finestra, &QWidget::close);
        esito = QApplication::exec();
    }
    // Ours is all gone with the application object, the sound players and their outputs included.
    // What is left are Qt Multimedia's own globals, which exit() would tear down while the sound
    // library's thread still runs (a crash about once in 150 closes right after a clip): nothing
    // is left to save, so the process ends here.
    std::fflush(nullptr);
    std::_Exit(esito);
}
