// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file of a teacher or a school's admin: the tables in play, sound off, full screen at start.
#pragma once

#include "startup/opzioni.h"

#include <QStringList>

/// Reads numerella.conf through QSettings: the system's (/etc/xdg/numerella/, for every user of the
/// computer) and then the user's (~/.config/numerella/), each good value over the one before. Keys:
/// tabelline (a list as --tabelline takes it), muto, schermo-intero, voce and senza-fretta (true or
/// false), carattere (leggibile or normale), ripasso (the
/// facts in a round of "Ripassa", 1 to 100), lingua (a code of lingueDisponibili()); others are
/// left to whoever reads them. A bad value is left out and described in \a avvisi, one line each,
/// ready for standard error. With no file the options are the defaults.
Opzioni leggiImpostazioni(QStringList &avvisi);
