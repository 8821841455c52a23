#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Looks for a board that stops repainting after a click between games: on a private Xvfb (with
# "wm", under openbox), it closes the info window, then PROVE times (default 6) clicks once at
# CX,CY of the window (default a column number; CLIC is xdotool's click argument, default 1),
# keeps the pointer still and grabs the header row about 4 times a second for 8 s. The header
# chaser changes that row every 250 ms, so a long run of identical grabs means no repaint.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
programma=${PROGRAMMA:-$root/build/numerella}
. "$root/tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb
wm=""
if [ "${1:-}" = wm ]; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
fi
QT_QPA_PLATFORM=xcb "$programma" >/dev/null 2>&1 &
prog=$!
trap 'kill $prog ${wm:-} 2>/dev/null || true; schermo_pulisci' EXIT
wid=""
for _ in $(seq 1 50); do
    wid=$(xdotool search --onlyvisible --name '^La Numerella$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || { echo "no window"; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove --sync $((X + 314)) $((Y + 372)) click 1 # the info window's OK
sleep 1
ferme=0
prove=${PROVE:-6}
for t in $(seq 1 "$prove"); do
    # shellcheck disable=SC2086 # CLIC may hold options
    xdotool mousemove --sync $((X + ${CX:-148})) $((Y + ${CY:-20})) click ${CLIC:-1}
    prima="" uguali=0 massimo=0
    for _ in $(seq 1 30); do
        h=$(import -window root -crop "634x40+$X+$Y" png:- 2>/dev/null | md5sum | cut -c1-8)
        if [ "$h" = "$prima" ]; then uguali=$((uguali + 1)); else uguali=0; fi
        [ "$uguali" -gt "$massimo" ] && massimo=$uguali
        prima=$h
        sleep 0.15
    done
    echo "try $t: longest run of identical grabs $massimo"
    [ "$massimo" -ge 15 ] && ferme=$((ferme + 1))
done
echo "no repaint for about 4 s or more in $ferme of $prove tries"
