#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The soak: PARTITE games (default 1000) in one board on a private Xvfb, through the X server, with the
# real timers; prints the resident memory each game leaves after the first ten.
#
# PROGRAMMA (default build/bench/bench_caos: a build without sanitizers, whose memory is the program's own).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
programma=${PROGRAMMA:-$root/build/bench/bench_caos}
. "$root/tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb || exit 1
QT_QPA_PLATFORM=xcb "$programma" --partite "${PARTITE:-1000}" | grep -v '^qt_message'
exit "${PIPESTATUS[0]}"
