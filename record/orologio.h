// SPDX-License-Identifier: GPL-3.0-or-later
// The program's clock: the computer's, unless NUMERELLA_ADESSO sets it elsewhere to play a week in an hour.
#pragma once

#include <QDate>
#include <QDateTime>

namespace orologio {

/// Sets the clock for trying a child's days of practice on one afternoon: an ISO local date
/// ("2026-12-03") or date and time ("2026-12-03T16:00"); the clock runs on from there.
constexpr char Variabile[] = "NUMERELLA_ADESSO";

/// Now, local time.
QDateTime adesso();
/// Now, in UTC, for what the record writes.
QDateTime adessoUtc();
/// Today, the computer's local day: the day reviews are counted in.
QDate oggi();
/// Milliseconds until the next local day begins.
qint64 finoADomani();

} // namespace orologio
