// SPDX-License-Identifier: GPL-3.0-or-later
// A round of "Ripassa": the facts to learn first, then those due for review, a few sure ones mixed in.
#pragma once

#include "record/schedafatto.h"

#include <QDate>
#include <QList>
#include <bitset>

namespace ripasso {

/// Facts in a round unless the settings file says otherwise (ripasso=N).
constexpr int LunghezzaPredefinita = 10;
/// While other facts wait, sure facts fill at most this share of a round: enough to keep the round
/// encouraging and to rehearse known facts between new ones, never so many that practice is wasted.
constexpr int QuotaSicure = 4; // a quarter

/// The round of \a lunghezza facts for the day \a oggi: the facts da imparare (wrong before slow, then
/// the longest unasked first), then those da ripassare, then sicure ones (the nearest review first),
/// at most a quarter while others wait. Never shorter than \a lunghezza while that many facts have
/// been asked; empty when nothing is da imparare or da ripassare. \a mediana is the child's pace now
/// (Archivio::mediana): a fact answered right once, but slowly for it, counts as slow.
QList<SchedaFatto> giro(const QList<SchedaFatto> &fatti, const QDate &oggi,
                        int lunghezza = LunghezzaPredefinita, qint64 mediana = 0);
/// Their cells.
std::bitset<100> celle(const QList<SchedaFatto> &fatti);

} // namespace ripasso
