#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The voice heard for real: a private sound server with a null sink and a private speech service
# (speech-dispatcher with espeak-ng), the test program asks one question and lives one second more, and
# the sink's monitor, recorded to a WAV file meanwhile, must not be silent. Status 77 (skipped) where the
# services are not installed, unless NUMERELLA_VOCE=1 says they must be.
set -uo pipefail
programma=$1
manca()
{
    echo "voce_reale: $1 is not installed" >&2
    [ "${NUMERELLA_VOCE:-}" = 1 ] && exit 1
    exit 77
}
# NUMERELLA_VOCE=0: not here.
[ "${NUMERELLA_VOCE:-}" = 0 ] && exit 77
# The speech service's client reads its voice list (thousands of lines with espeak-ng) by searching each
# line's end from there to the end of the list. AddressSanitizer's check of each such search reads the
# whole rest of the list, which made it minutes: the check is left out here, for that search only.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strstr=0
for p in pulseaudio pactl parec speech-dispatcher sox; do
    command -v "$p" >/dev/null 2>&1 || manca "$p"
done

d=$(mktemp -d)
chmod 700 "$d"
export XDG_RUNTIME_DIR=$d HOME=$d
fine()
{
    [ -n "${rec:-}" ] && kill -INT "$rec" 2>/dev/null
    [ -f "$d/speech-dispatcher/pid/speech-dispatcher.pid" ] &&
        kill "$(cat "$d/speech-dispatcher/pid/speech-dispatcher.pid")" 2>/dev/null
    pulseaudio --kill 2>/dev/null
    rm -rf "$d"
}
trap fine EXIT
# Waits are stretched as the other tests' are (NUMERELLA_LENTEZZA, 10 when unset): past them the service
# is stuck, not slow.
lentezza=${NUMERELLA_LENTEZZA:-10}
pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=nulla" \
    --load=module-native-protocol-unix 2>/dev/null || { echo "voce_reale: no sound server" >&2; exit 1; }
for _ in $(seq 1 $((5 * lentezza))); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink nulla || exit 1
# Started here rather than by the first client, so the test times the voice and not the service's start.
# In a locale the system may lack (the tests' LANG) it refuses to start: the service's own messages in C.
LC_ALL=C.UTF-8 speech-dispatcher -d -t 0 2>"$d/speechd.err" || {
    cat "$d/speechd.err" >&2
    echo "voce_reale: no speech service" >&2
    exit 1
}
for _ in $(seq 1 $((5 * lentezza))); do [ -S "$d/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done

parec -d nulla.monitor --file-format=wav "$d/voce.wav" &
rec=$!
# Bounded: a hung client fails here rather than leaving the services behind.
NUMERELLA_VOCE_REALE=1 timeout $((12 * lentezza)) "$programma" parlaDavvero
esito=$?
# The program ends a second after its question: what the monitor got until now came within that second.
kill -INT "$rec"
wait "$rec" 2>/dev/null
rec=
[ "$esito" -eq 0 ] || exit "$esito"
stat=$(sox "$d/voce.wav" -n stat 2>&1)
echo "$stat" | grep -E 'Length|Maximum amplitude|RMS +amplitude'
massimo=$(echo "$stat" | awk '/^Maximum amplitude/ { print $3 }')
if awk -v m="${massimo:-0}" 'BEGIN { exit !(m > 0.05) }'; then
    echo "the question was heard"
else
    echo "voce_reale: silence on the sound server within a second of the question" >&2
    exit 1
fi
