// SPDX-License-Identifier: GPL-3.0-or-later
// The marks between the items of a list, as the program's language writes them.
#include "record/elenco.h"

#include <QCoreApplication>

namespace elenco {

QString conVirgole(const QStringList &voci)
{
    //: Between the items of a list of names or facts: a comma and a space, in the language's own script.
    return voci.join(QCoreApplication::translate("elenco", ", "));
}

QString conPuntiEVirgola(const QStringList &voci)
{
    //: Between the items of a list whose items hold commas: a semicolon and a space, in the language's own
    //: script.
    return voci.join(QCoreApplication::translate("elenco", "; "));
}

} // namespace elenco
