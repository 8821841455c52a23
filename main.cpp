// SPDX-License-Identifier: GPL-3.0-or-later
// La Numerella: a multiplication-table drill for primary-school children.
#include "board/frmnumerella.h"
#include "board/stato.h"
#include "services/lingua.h"
#include "services/segnali.h"
#include "services/suono.h"
#include "services/tipografia.h"

#include <QApplication>

int main(int argc, char *argv[])
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
    return QApplication::exec();
}
