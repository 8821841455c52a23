# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by run.sh and bench/run.sh: a private 0700 runtime folder and virtual X server, removed on exit.

_schermo_xvfb=""
_schermo_fd=""
_schermo_xdg=""

schermo_pulisci()
{
    if [ -n "$_schermo_xvfb" ]; then
        kill "$_schermo_xvfb" 2>/dev/null || true
        wait "$_schermo_xvfb" 2>/dev/null || true
    fi
    [ -n "$_schermo_fd" ] && rm -f "$_schermo_fd"
    [ -n "$_schermo_xdg" ] && rm -rf "$_schermo_xdg"
    return 0
}
trap schermo_pulisci EXIT
trap 'exit 130' INT TERM

# A runtime folder for Qt when the session has none (Qt warns on every run otherwise).
schermo_xdg()
{
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ] || [ "${1:-}" = "nuova" ]; then
        _schermo_xdg=$(mktemp -d)
        chmod 700 "$_schermo_xdg"
        export XDG_RUNTIME_DIR="$_schermo_xdg"
    fi
}

# Starts Xvfb on a free display (it picks the number and writes it on fd 3) and exports DISPLAY.
# SCHERMO_PID is the server's process id; SCHERMO_DIMENSIONI (default 1280x800) its size.
schermo_xvfb()
{
    _schermo_fd=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${SCHERMO_DIMENSIONI:-1280x800}x24" -nolisten tcp 3>"$_schermo_fd" 2>/dev/null &
    _schermo_xvfb=$!
    SCHERMO_PID=$_schermo_xvfb
    local display=""
    for _ in $(seq 1 100); do
        display=$(head -n 1 "$_schermo_fd" 2>/dev/null || true)
        [ -n "$display" ] && break
        kill -0 "$_schermo_xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$display" ]; then
        echo "could not start Xvfb" >&2
        return 1
    fi
    export DISPLAY=":$display"
}
