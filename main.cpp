// SPDX-License-Identifier: GPL-3.0-or-later
// La Numerella: a multiplication-table drill for primary-school children.
#include "board/frmnumerella.h"
#include "board/stato.h"
#include "services/lingua.h"
#include "services/opzioni.h"
#include "services/suono.h"
#include "services/tipografia.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("La Numerella"));
    QApplication::setApplicationVersion(QStringLiteral(NUMERELLA_VERSIONE));
    // The desktop entry's name, so that task bars find the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMERELLA_ID));
    QApplication::setQuitOnLastWindowClosed(false); // the main window decides when the program ends

    impostaItaliano(); // before the parser, so that Qt's own option texts read Italian too

    const Lettura lettura = leggiOpzioni(QCoreApplication::arguments());
    switch (lettura.esito) {
    case Esito::Avvia:
        break;
    case Esito::Aiuto:
    case Esito::Versione:
        std::fputs(qPrintable(lettura.testo), stdout);
        return 0;
    case Esito::Errore:
        std::fputs(qPrintable(lettura.testo), stderr);
        return 2;
    }

    Stato stato;
    LettoreQt suoni;
    Tipografia tipografia;
    FrmNumerella finestra(stato, suoni, tipografia);
    finestra.Form_Load();
    applicaOpzioni(finestra, lettura.opzioni);
    if (lettura.opzioni.schermo == Schermo::Intero)
        finestra.showFullScreen();
    else
        finestra.show();
    return QApplication::exec();
}
