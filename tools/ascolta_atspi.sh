#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game with keys only while an AT-SPI listener prints what a screen reader would hear.
# Usage: tools/ascolta_atspi.sh [program] [--solo-uno] [--clic] [--finestra WxH] [--foto FILE] [--stampa NOME]
#   program: build/numerella by default. From the environment: SCHERMO_DIMENSIONI (the screen,
#   1280x800 by default), ARGOMENTI (the program's options, e.g. --schermo-intero) and GESTORE (a
#   window manager to start first, e.g. openbox: full screen needs one).
# Test tools: xvfb xdotool at-spi2-core dbus-x11 python3-pyatspi.
set -euo pipefail
cd "$(dirname "$0")/.."

programma=build/numerella
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
    programma=$1
    shift
fi

. tools/schermo.sh
schermo_xdg nuova
schermo_xvfb
unset WAYLAND_DISPLAY

# A private session bus and accessibility bus, gone with this script.
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
pids=()
finisci()
{
    for p in "${pids[@]}" "$bus" "$DBUS_SESSION_BUS_PID"; do
        kill "$p" 2>/dev/null || true
    done
    schermo_pulisci
}
trap finisci EXIT

coproc ascolto { /usr/bin/python3 -u tools/ascolta_atspi.py "$@" 2>&1; }
pids+=("${ascolto_PID}")
ascoltatore=${ascolto_PID}
read -r pronto <&"${ascolto[0]}"
[ "$pronto" = ready ] || { echo "listener did not start: $pronto" >&2; exit 1; }

if [ -n "${GESTORE:-}" ]; then
    "$GESTORE" >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi
# In Italian, whose words the listener knows, unless ARGOMENTI asks for another language.
# shellcheck disable=SC2086 # ARGOMENTI holds options
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$programma" --lingua it ${ARGOMENTI:-} 2>/dev/null &
pids+=($!)

cat <&"${ascolto[0]}"
wait "$ascoltatore"
