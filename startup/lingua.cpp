// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: Italian.
#include "startup/lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool impostaItaliano()
{
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italiano);
    auto *traduzioni = new QTranslator(QCoreApplication::instance());
    if (!traduzioni->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduzioni;
        return false;
    }
    return QCoreApplication::installTranslator(traduzioni);
}
