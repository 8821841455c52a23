// SPDX-License-Identifier: GPL-3.0-or-later
// A round of "Ripassa": the facts whose next asking teaches most, by the memory model.
#pragma once

#include "record/apprendimento.h"
#include "record/schedafatto.h"

#include <QDate>
#include <QList>
#include <bitset>

namespace ripasso {

/// Facts in a round unless the settings file says otherwise (ripasso=N).
constexpr int LunghezzaPredefinita = 10;
/// Reviews due today take up to this share of a round (the rest goes to the facts still to learn,
/// and either fills the other's room when it is short): reviews come on their day, and the facts she
/// does not know yet are never pushed out by them.
constexpr int QuotaRipassi = 2; // a half
/// Below this chance she knows a fact, it is hard for her.
constexpr double Difficile = 0.5;
/// A round of hard facts only gets an eighth of known ones mixed in (one in ten): of those an asking
/// still tells something of (apprendimento::daProvare), the most faded. Enough to keep it encouraging,
/// never so many that practice is wasted.
constexpr int QuotaNote = 8;

/// The round of at most \a lunghezza facts for the day \a oggi: of the facts practice asks today (see
/// apprendimento::daChiedere), those still to learn, the least known first, and those due for review,
/// the most faded first; a few known ones not yet proven only when all of those are hard. When none of
/// those is left: the facts missed before that are only likely known; else the facts waiting for others
/// between them, with a few known ones to make the gap. Shorter when fewer are worth asking; empty when
/// none is. \a giudizio is how the child is judged now (Archivio::mediana).
QList<SchedaFatto> giro(const QList<SchedaFatto> &fatti, const QDate &oggi,
                        int lunghezza = LunghezzaPredefinita, const apprendimento::Giudizio &giudizio = {});
/// Their cells.
std::bitset<100> celle(const QList<SchedaFatto> &fatti);

} // namespace ripasso
