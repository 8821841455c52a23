// SPDX-License-Identifier: GPL-3.0-or-later
// What the print server says about a queue and its jobs, where Qt Print Support says nothing.
#pragma once

#include <QString>

namespace coda {

/// Whether the queue turns new jobs away. An unknown queue or no print server counts as not refusing:
/// the page itself then fails to start and that is told.
bool rifiuta(const QString &coda);

/// The number of the newest job of this user on the queue, in any state; 0 when there is none.
int ultimoLavoro(const QString &coda);

/// Whether the queue holds a job of this user newer than \a dopo that was not cancelled or aborted.
/// A job waiting on a paused queue counts as taken.
bool lavoroPreso(const QString &coda, int dopo);

} // namespace coda
