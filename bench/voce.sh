#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs bench_voce on a private sound server (a null sink) and a private speech service: how soon the
# voice starts after a question, against the engine asked straight.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_voce >/dev/null

d=$(mktemp -d)
chmod 700 "$d"
export XDG_RUNTIME_DIR=$d HOME=$d QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fine()
{
    [ -f "$d/speech-dispatcher/pid/speech-dispatcher.pid" ] &&
        kill "$(cat "$d/speech-dispatcher/pid/speech-dispatcher.pid")" 2>/dev/null
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$d"
}
trap fine EXIT
pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=nulla" \
    --load=module-native-protocol-unix 2>/dev/null
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink nulla
LC_ALL=C.UTF-8 speech-dispatcher -d -t 0 2>/dev/null
for _ in $(seq 1 50); do [ -S "$d/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done
"$build/bench/bench_voce"
