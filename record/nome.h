// SPDX-License-Identifier: GPL-3.0-or-later
// The child's typed name made fit for a one-line title.
#pragma once

#include <QString>

/// \a nome on one line: line breaks, tabs and other control characters become spaces, the
/// characters that override or embed a writing direction are dropped, runs of blanks become one
/// space and the ends are trimmed. Everything else, emoji and right-to-left letters too, stays.
QString nomeSuUnaRiga(const QString &nome);
