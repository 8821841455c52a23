// SPDX-License-Identifier: GPL-3.0-or-later
// La Numerella: a multiplication-table drill for primary-school children.
#include "board/frmnumerella.h"
#include "services/lettoreqt.h"
#include "services/lingua.h"
#include "services/stato.h"
#include "services/tipografia.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("La Numerella"));
    QApplication::setApplicationVersion(QStringLiteral(NUMERELLA_VERSIONE));
    QApplication::setQuitOnLastWindowClosed(false); // the main window decides when the program ends

    impostaItaliano();

    Stato stato;
    LettoreQt suoni;
    Tipografia tipografia;
    FrmNumerella finestra(stato, suoni, tipografia);
    finestra.show();
    return QApplication::exec();
}
