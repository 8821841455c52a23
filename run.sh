#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds La Numerella (Release) and launches it, on a virtual screen if there is none.
set -euo pipefail
cd "$(dirname "$0")"

./tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build

made_xdg=""
xvfb_pid=""
fdfile=""
cleanup()
{
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    [ -n "$fdfile" ] && rm -f "$fdfile"
    [ -n "$made_xdg" ] && rm -rf "$made_xdg"
    return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    made_xdg=$(mktemp -d)
    chmod 700 "$made_xdg"
    export XDG_RUNTIME_DIR="$made_xdg"
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    ./build/numerella "$@"
    exit $?
fi

# No screen: start a virtual X server on a free display and run the program there.
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
xvfb_pid=$!

display=""
for _ in $(seq 1 100); do
    display=$(head -n 1 "$fdfile" 2>/dev/null || true)
    [ -n "$display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "run.sh: could not start Xvfb" >&2
    exit 1
fi
export DISPLAY=":$display"

echo "No screen found: La Numerella runs on the virtual display $DISPLAY."
echo "To look at it:  import -display $DISPLAY -window root shot.png"
echo "To click in it: DISPLAY=$DISPLAY xdotool mousemove X Y click 1"

./build/numerella "$@"
