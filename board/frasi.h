// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences a screen reader says about the game: time, errors, the tables in play.
#pragma once

#include <QString>
#include <array>

namespace frasi {

/// "del 7", "dell'1", "dell'8": the table of \a n after "tabellina".
QString dellaTabellina(int n);
/// "al 7", "all'1", "all'8": up to the table of \a n.
QString finoAlla(int n);
/// "2 minuti e 14 secondi, 3 errori"; "14 secondi, nessun errore"; "1 minuto e 1 secondo, 1 errore".
QString tempoEErrori(int minuti, int secondi, int errori);
/// "nessun errore", "1 errore", "3 errori".
QString errori(int n);
/// The tables still in play, \a esclusa[n - 1] true for a left-out table n: "Restano le tabelline da 1
/// a 5", "Resta la tabellina del 7", "Restano le tabelline 1, 3 e 10", "Nessuna tabellina rimasta".
QString tabelleRimaste(const std::array<bool, 10> &esclusa);

} // namespace frasi
