#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release), runs bench_avvio on a private Xvfb, bench_eventi and bench_caos headless,
# prints the figures.
#
# Environment: IDLE_SECONDS (default 20) is the length of the idle CPU measurement;
# EVENTI_ARGS (default "-median 7", the median of 7 passes) is passed to bench_eventi (any QtTest option);
# CAOS_ARGS (default empty: 1,000,000 events, 20,000 per seed) is passed to bench_caos.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build-bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only our targets: the rest of the tree (tests) need not build for a benchmark run.
cmake --build "$build" --target bench_eventi bench_avvio bench_stampa bench_caos bench_server

. "$root/tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb
echo
echo "== bench_avvio (X server $DISPLAY, platform xcb, ${IDLE_SECONDS:-20} s idle) =="
avvio_rc=0
QT_QPA_PLATFORM=xcb "$build/bench/bench_avvio" --idle-seconds "${IDLE_SECONDS:-20}" --server-pid "$SCHERMO_PID" ||
    avvio_rc=$?

echo
echo "== bench_eventi (offscreen; msecs per iteration: x 1000 for microseconds) =="
eventi_rc=0
# shellcheck disable=SC2086 # EVENTI_ARGS is a list of options
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$build/bench/bench_eventi" ${EVENTI_ARGS:--median 7} |
    awk '
        /^RESULT/ { nome = $0; sub(/^RESULT : BenchEventi::/, "", nome); sub(/:$/, "", nome); next }
        /msecs per iteration/ && nome != "" { printf "%-52s %9.1f us/iteration   %s\n", nome, $1 * 1000, $0; nome = ""; next }
        /^(FAIL|Totals)/ { print }
    ' || eventi_rc=$?

echo
echo "== bench_stampa (offscreen; nine pages printed to PDF files) =="
stampa_rc=0
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$build/bench/bench_stampa" || stampa_rc=$?

echo
echo "== bench_caos (offscreen; random events, every invariant checked after each) =="
caos_rc=0
# shellcheck disable=SC2086 # CAOS_ARGS is a list of options
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$build/bench/bench_caos" ${CAOS_ARGS:-} || caos_rc=$?

echo
echo "== bench_server (a private PostgreSQL 15 on a Unix socket; 30 PCs as processes) =="
server_rc=0
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$build/bench/bench_server" || server_rc=$?

[ "$avvio_rc" -eq 0 ] && [ "$eventi_rc" -eq 0 ] && [ "$stampa_rc" -eq 0 ] && [ "$caos_rc" -eq 0 ] && [ "$server_rc" -eq 0 ]
