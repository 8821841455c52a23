// SPDX-License-Identifier: GPL-3.0-or-later
// The hard facts: what "Ripassa" and --ripasso give a child to practise.
#pragma once

#include "record/schedafatto.h"

#include <QList>
#include <bitset>

namespace ripasso {

/// At most this many hard facts.
constexpr int MassimoDifficili = 10;
/// When none was answered wrong, this many of the slowest.
constexpr int Lenti = 5;

/// The facts answered wrong at least once in their last three askings, the most often wrong first,
/// at most MassimoDifficili; when none was, the Lenti slowest.
QList<SchedaFatto> difficili(QList<SchedaFatto> fatti);
/// Their cells.
std::bitset<100> celle(const QList<SchedaFatto> &fatti);

} // namespace ripasso
