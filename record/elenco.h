// SPDX-License-Identifier: GPL-3.0-or-later
// The marks between the items of a list, as the program's language writes them.
#pragma once

#include <QString>
#include <QStringList>

namespace elenco {

/// \a voci one after the other, with the language's comma ("Anna, Marco"; "Anna، Marco" in Arabic).
QString conVirgole(const QStringList &voci);
/// \a voci one after the other, with the language's semicolon, for items that hold commas themselves.
QString conPuntiEVirgola(const QStringList &voci);

} // namespace elenco
