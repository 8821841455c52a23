#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a clip every 1.5 s through the real player on a private PulseAudio, kills the server, starts
# it again PAUSA seconds later (default 1.8) and records what the player sends once it is back.
# Prints the loudness of each 1.5 s of the recording; sound is back when a window is above 0.
# The program runs 5 s before the kill, the pause, and 9 s after the restart. The server's events count
# the clips it took after the restart. (The recording is shorter than the time it spans: the idle
# null sink's monitor leaves gaps out, so its windows are not seconds of the clock.)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build"
pausa=${PAUSA:-1.8}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_suono >/dev/null

d=$(mktemp -d)
chmod 700 "$d"
export XDG_RUNTIME_DIR=$d HOME=$d QT_QPA_PLATFORM=offscreen
trap 'pulseaudio --kill 2>/dev/null || true; rm -rf "$d"' EXIT
pronto() { for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done; }
pulseaudio -D --exit-idle-time=-1 2>/dev/null
pronto
secondi=$(awk -v p="$pausa" 'BEGIN { s = 5 + p + 9; print (s == int(s)) ? s : int(s) + 1 }')
"$build/bench/bench_suono" "$secondi" >"$d/out.txt" 2>"$d/err.txt" &
prog=$!
sleep 5
pid=$(cat "$d/pulse/pid")
kill -9 "$pid"
# Until its parent reaps it the dead server holds its pid, and a new one would refuse to start.
while [ -e "/proc/$pid" ] && ! grep -q ') Z' "/proc/$pid/stat" 2>/dev/null; do sleep 0.05; done
rm -f "$d/pulse/pid"
echo "server killed"
sleep "$pausa"
pulseaudio -D --exit-idle-time=-1 2>/dev/null
pronto
ripartito=$(date +%s.%N)
echo "server started again after $pausa s"
# Each clip the server takes is a new playback stream: note when each arrives.
pactl subscribe 2>/dev/null | while IFS= read -r riga; do
    case $riga in *"'new' on sink-input"*) date +%s.%N ;; esac
done >"$d/flussi.txt" &
eventi=$!
parec -d auto_null.monitor --format=s16le --rate=44100 --channels=1 --raw >"$d/rec.raw" &
rec=$!
wait "$prog"
kill -INT "$rec"
wait "$rec" 2>/dev/null || true
kill "$eventi" 2>/dev/null || true
cat "$d/out.txt"
if [ -s "$d/flussi.txt" ]; then
    awk -v r="$ripartito" 'NR == 1 { p = $1 - r } END { printf "%d clips reached the server after the restart, the first %.2f s after it\n", NR, p }' "$d/flussi.txt"
else
    echo "no clip reached the server after the restart"
fi
echo "the program's warnings: $(wc -l <"$d/err.txt") lines"
sort "$d/err.txt" | uniq -c | head -n 5
rms()
{
    sox -t raw -r 44100 -e signed -b 16 -c 1 "$d/rec.raw" -n trim "$1" "$2" stat 2>&1 |
        awk '/RMS +amplitude/ { print $3 }'
}
udibile() { awk -v r="${1:-0}" 'BEGIN { exit !(r > 0.001) }'; }
durata=$(awk -v b="$(stat -c %s "$d/rec.raw")" 'BEGIN { printf "%.1f", b / 2 / 44100 }')
echo "recorded ${durata} s after the restart"
tornato=0
for s in $(seq 0 1.5 "$durata"); do
    r=$(rms "$s" 1.5)
    echo "recorded from ${s} s: RMS ${r:-none}"
    udibile "$r" && tornato=1
done
[ "$tornato" -eq 1 ] && echo "sound came back" || echo "no sound after the restart"
[ "$tornato" -eq 1 ]
