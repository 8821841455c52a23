#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a clip every 1.5 s through the real player on a private PulseAudio, kills the server, starts
# it again PAUSA seconds later (default 1.8) and records what the player sends once it is back.
# Prints the loudness of each 1.5 s of the recording; sound is back when a window is above 0.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_suono >/dev/null

d=$(mktemp -d)
chmod 700 "$d"
export XDG_RUNTIME_DIR=$d HOME=$d QT_QPA_PLATFORM=offscreen
trap 'pulseaudio --kill 2>/dev/null || true; rm -rf "$d"' EXIT
pulseaudio -D --exit-idle-time=-1 2>/dev/null
sleep 0.5
"$build/bench/bench_suono" 20 >"$d/out.txt" 2>"$d/err.txt" &
prog=$!
sleep 5
kill -9 "$(cat "$d/pulse/pid")"
echo "server killed"
sleep "${PAUSA:-1.8}"
pulseaudio -D --exit-idle-time=-1 2>/dev/null
echo "server started again after ${PAUSA:-1.8} s"
sleep 0.3
parec -d auto_null.monitor --format=s16le --rate=44100 --channels=1 --raw >"$d/rec.raw" &
rec=$!
wait "$prog"
kill -INT "$rec"
wait "$rec" 2>/dev/null || true
cat "$d/out.txt"
tornato=0
for s in 0 1.5 3 4.5 6 7.5 9 10.5 12; do
    rms=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$d/rec.raw" -n trim "$s" 1.5 stat 2>&1 |
        awk '/RMS +amplitude/ { print $3 }')
    echo "recorded from ${s} s: RMS ${rms:-none}"
    awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.001) }' && tornato=1
done
[ "$tornato" -eq 1 ] && echo "sound came back" || echo "no sound after the restart"
[ "$tornato" -eq 1 ]
