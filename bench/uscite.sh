#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts and closes the program RUNS times (default 1000) right after a clip starts, in the sanitizer
# build (leak checks on, as in the test run), with a private PulseAudio so the clips really play; every
# run must end with status 0 and print no sanitizer report.
#
# Environment: RUNS (default 1000); PIATTAFORMA (default offscreen; xcb uses a private Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build-asan"
runs=${RUNS:-1000}

cmake -S "$root" -B "$build" -G Ninja -DNUMERELLA_SANITIZE=ON >/dev/null
cmake --build "$build" --target bench_uscita >/dev/null

. "$root/tools/schermo.sh"
schermo_xdg nuova
if [ "${PIATTAFORMA:-offscreen}" = xcb ]; then schermo_xvfb; fi
export QT_QPA_PLATFORM=${PIATTAFORMA:-offscreen}
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
pulseaudio -D --exit-idle-time=-1 --log-target=stderr 2>/dev/null
trap 'pulseaudio --kill 2>/dev/null || true; schermo_pulisci' EXIT
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

falliti=0
log=$(mktemp)
for i in $(seq 1 "$runs"); do
    ritardo=$((i % 6)) # closes 0 to 5 ms after the clip starts
    rc=0
    timeout 60 "$build/bench/bench_uscita" "$ritardo" >"$log" 2>&1 || rc=$?
    if [ "$rc" -ne 0 ] || grep -q -E 'Sanitizer|runtime error' "$log"; then
        falliti=$((falliti + 1))
        echo "run $i (close after $ritardo ms): status $rc"
        grep -m 5 -E 'ERROR|SUMMARY|#[0-9] ' "$log" || tail -n 5 "$log"
    fi
done
rm -f "$log"
echo "$runs runs, $falliti not ending with status 0 or with a sanitizer report"
[ "$falliti" -eq 0 ]
