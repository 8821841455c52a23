// SPDX-License-Identifier: GPL-3.0-or-later
// La Numerella: a multiplication-table drill for primary-school children.
#include "board/frmnumerella.h"
#include "board/stato.h"
#include "info/frminfo.h"
#include "services/suono.h"
#include "services/tipografia.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("La Numerella"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setQuitOnLastWindowClosed(false); // the main window decides when the program ends

    // The program speaks Italian, and so do Qt's own dialogs and buttons.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator traduzioni;
    if (traduzioni.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioni);

    Stato stato;
    LettoreQt suoni;
    Tipografia tipografia;
    FrmNumerella finestra(stato, suoni, tipografia);
    finestra.Form_Load();
    finestra.show();
    return QApplication::exec();
}
