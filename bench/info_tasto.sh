#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Clicks Info and presses a key at once during a game, PROVE times (default 100) in one program on a
# private Xvfb, through XTEST; every third time it also gives the X focus back to the board while the
# info window shows and types there. Fails if the program dies or the sanitizers report anything.
#
# PROGRAMMA (default build-asan/numerella) is the program to try.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
programma=${PROGRAMMA:-$root/build-asan/numerella}
. "$root/tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb || exit 1
registro=$(mktemp)
QT_QPA_PLATFORM=xcb "$programma" --muto >"$registro" 2>&1 &
prog=$!
trap 'kill "$prog" 2>/dev/null; wait "$prog" 2>/dev/null; rm -f "$registro"; schermo_pulisci' EXIT

finestra() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

wid=""
for _ in $(seq 1 100); do
    wid=$(finestra '^La Numerella$')
    [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || {
    echo "no window"
    exit 1
}
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
bx=$X by=$Y
# Places in the board at its first size: the info window's OK (centred over the board), Start, Info.
ok=(314 372) avvio=(500 342) info=(500 378)
clic() { xdotool mousemove --sync $((bx + $1)) $((by + $2)) click 1; }

clic "${ok[@]}"
sleep 0.3
clic "${avvio[@]}"
sleep 0.3
tasti=(5 Return BackSpace KP_7 0)
prove=${PROVE:-100}
morto=0
for t in $(seq 1 "$prove"); do
    tasto=${tasti[$((t % ${#tasti[@]}))]}
    # One xdotool command: the click and the key reach the server back to back.
    xdotool mousemove --sync $((bx + info[0])) $((by + info[1])) click 1 key "$tasto"
    if [ $((t % 3)) -eq 0 ]; then
        sleep 0.1
        xdotool windowfocus "$wid" key 3 key Return 2>/dev/null
    fi
    sleep 0.25
    if ! kill -0 "$prog" 2>/dev/null; then
        morto=$t
        break
    fi
    [ -n "$(finestra '^Info$')" ] && clic "${ok[@]}"
    sleep 0.1
done
if [ "$morto" -eq 0 ]; then
    kill -TERM "$prog"
    wait "$prog"
    rc=$?
else
    wait "$prog"
    rc=$?
fi
if [ "$morto" -ne 0 ]; then
    echo "the program died at try $morto of $prove (status $rc)"
    grep -m 5 -E 'ERROR: AddressSanitizer|runtime error|SUMMARY' "$registro"
    exit 1
fi
if grep -q -E 'ERROR: (Address|Leak)Sanitizer|runtime error' "$registro"; then
    echo "sanitizer report after $prove tries:"
    grep -m 5 -E 'ERROR|runtime error|SUMMARY' "$registro"
    exit 1
fi
echo "alive after $prove tries (status $rc at the end)"
