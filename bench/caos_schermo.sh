#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The random-event driver on a real X server, seed after seed, each batch of seeds in a process of its
# own so that a crash or a hang is counted and the run goes on. Prints events, seeds, crashes, hangs,
# broken invariants and sanitizer reports.
#
# Environment: PROGRAMMA (default build-asan/bench/bench_caos), EVENTI (default 1000000), PER_SEME
# (default 2000), SEMI_PER_PROCESSO (default 10), PRIMO_SEME (default 1), REGISTRI (a folder that keeps
# each batch's output; default a temporary one, removed at the end).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
programma=${PROGRAMMA:-$root/build-asan/bench/bench_caos}
eventi=${EVENTI:-1000000}
per_seme=${PER_SEME:-2000}
semi_per_processo=${SEMI_PER_PROCESSO:-10}
seme=${PRIMO_SEME:-1}
. "$root/tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb || exit 1
registri=${REGISTRI:-}
if [ -z "$registri" ]; then
    registri=$(mktemp -d)
    trap 'rm -rf "$registri"; schermo_pulisci' EXIT
fi
mkdir -p "$registri"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

fatti=0 semi=0 processi=0 crash=0 blocchi=0 rotti=0 sanitizer=0
inizio=$(date +%s)
while [ "$fatti" -lt "$eventi" ]; do
    lotto=$((per_seme * semi_per_processo))
    [ $((eventi - fatti)) -lt "$lotto" ] && lotto=$((eventi - fatti))
    out="$registri/seme$seme.out" err="$registri/seme$seme.err"
    QT_QPA_PLATFORM=xcb timeout -s KILL 3600 "$programma" --eventi "$lotto" --per-seme "$per_seme" \
        --primo-seme "$seme" --attesa-massima 60 >"$out" 2>"$err"
    rc=$?
    processi=$((processi + 1))
    n=$(sed -n 's/^events *\([0-9]*\) over \([0-9]*\) seeds.*/\1/p' "$out")
    s=$(sed -n 's/^events *[0-9]* over \([0-9]*\) seeds.*/\1/p' "$out")
    # A process that did not reach its summary is counted as the whole batch it was given.
    fatti=$((fatti + ${n:-$lotto}))
    semi=$((semi + ${s:-$semi_per_processo}))
    grep -q '^HANG' "$out" && blocchi=$((blocchi + 1))
    if [ "$rc" -gt 128 ] && ! grep -q '^HANG' "$out"; then crash=$((crash + 1)); fi
    if grep -q 'did not answer' "$out"; then blocchi=$((blocchi + $(grep -c 'did not answer' "$out"))); fi
    rotti=$((rotti + $(grep -c '^BROKEN' "$out" || true)))
    if grep -q -E 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$err"; then
        sanitizer=$((sanitizer + 1))
    fi
    if [ "$rc" -ne 0 ]; then
        echo "seeds from $seme: status $rc"
        grep -E '^(BROKEN|HANG)' "$out" | head -n 3
        grep -m 3 -E 'ERROR: AddressSanitizer|runtime error:' "$err"
    fi
    seme=$((seme + semi_per_processo))
    echo "progress  $fatti events, $semi seeds, $processi processes, $(($(date +%s) - inizio)) s"
done
echo "events                $fatti"
echo "seeds                 $semi (first ${PRIMO_SEME:-1}, $per_seme events each)"
echo "processes             $processi"
echo "seconds               $(($(date +%s) - inizio))"
echo "crashes               $crash"
echo "hangs                 $blocchi"
echo "broken_invariants     $rotti"
echo "sanitizer_reports     $sanitizer"
[ "$crash" -eq 0 ] && [ "$blocchi" -eq 0 ] && [ "$rotti" -eq 0 ] && [ "$sanitizer" -eq 0 ]
