#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages La Numerella needs, and checks its build dependencies. It starts nothing:
# run-tests.sh starts the tests' own print server and PostgreSQL (tools/stampante.sh, tools/postgres.sh).
set -euo pipefail

# The package's own needs are written once, in debian/control: what running it needs beside its libraries
# (Depends and Recommends) and what building it needs (Build-Depends).
CONTROL=$(dirname "$0")/../debian/control

# The package names of a field of debian/control: the first of alternatives, without versions,
# architectures, build profiles or substitutions.
pacchetti_di()
{
    awk -v campo="$1" '
        /^#/ { next }
        /^[^ \t]/ { dentro = (index($0, campo ":") == 1); sub("^[^:]*:", "") }
        dentro { print }' "$CONTROL" |
        tr ',' '\n' | sed -e 's/|.*//' -e 's/[[(<].*//' -e 's/[[:space:]]//g' -e 's/^debhelper-compat$/debhelper/' |
        grep -v -e '^$' -e '^\$'
}

# Three sets: what running the program needs beside its libraries, what building it needs, and the tools
# of the tests and checks. run.sh installs the first two, run-tests.sh all three.
mapfile -t RUN_PACKAGES < <(pacchetti_di Depends; pacchetti_di Recommends)
mapfile -t BUILD_PACKAGES < <(pacchetti_di Build-Depends)
# The developer's builds use Ninja; build-essential (the compiler, make and dpkg-dev) is what every
# Debian package's build needs besides its Build-Depends.
BUILD_PACKAGES+=(build-essential ninja-build)
TEST_PACKAGES=(
    clang-format
    # Qt's platform headers: a test switches accessibility on with no screen reader to do it
    qt6-base-private-dev
    xvfb xauth xdotool imagemagick sox pulseaudio pulseaudio-utils
    # the voice's real check: the speech service speaking into the tests' own sound server
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng fonts-opendyslexic
    cups printer-driver-cups-pdf poppler-utils tesseract-ocr tesseract-ocr-ita python3-pil
    desktop-file-utils appstream lintian
    # hardening-check, on the package's program
    devscripts
    # the installed package's own tests (debian/tests), run with autopkgtest's null runner
    autopkgtest
    # the screen-reader and window-manager probes in tools/
    at-spi2-core dbus-x11 python3-pyatspi openbox
    # the school server's tests and benchmarks start a private PostgreSQL 15 (tools/postgres.sh)
    postgresql-15
    # the random-event driver's input through the X server; a clipboard owner for bench/appunti.sh
    libxcb-xtest0-dev python3-xlib
)
# A program started from run.sh with no screen runs on a virtual one.
SCREEN_PACKAGES=(xvfb xauth)

log() { printf 'setup: %s\n' "$*" >&2; }

# Runs a command as root: directly when we are root, else through sudo.
as_root()
{
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        log "need root (or sudo) to run: $*"
        return 1
    fi
}

is_installed()
{
    local status
    status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
    [ "$status" = "install ok installed" ]
}

# Installs the packages named as arguments that are missing.
install_packages()
{
    local missing=() p
    for p in "$@"; do
        is_installed "$p" || missing+=("$p")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0

    log "installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # Keep only the names this release knows, so a renamed package does not stop everything.
    local available=()
    for p in "${missing[@]}"; do
        if apt-cache show "$p" >/dev/null 2>&1; then
            available+=("$p")
        else
            log "package not available here, skipped: $p"
        fi
    done
    [ "${#available[@]}" -eq 0 ] && return 0
    local aptlog
    aptlog=$(mktemp)
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold "${available[@]}" >"$aptlog" 2>&1; then
        cat "$aptlog" >&2
        rm -f "$aptlog"
        log "apt-get install failed"
        return 1
    fi
    rm -f "$aptlog"
    log "done"
}

# The package's build dependencies, checked now rather than when the package is built at the end of a
# test run: a name that the list above got wrong shows here.
check_build_deps()
{
    dpkg-checkbuilddeps "$CONTROL" || {
        log "the build dependencies of debian/control are not all installed"
        return 1
    }
}

# PostgreSQL's package makes and starts a cluster of its own unless told not to; the tests start their
# own private server (tools/postgres.sh), so a machine that had none gets none. The setting is removed
# again afterwards, so that a PostgreSQL installed later for real gets its cluster.
install_without_cluster()
{
    local conf=/etc/postgresql-common/createcluster.d/numerella-senza-cluster.conf rc=0
    if is_installed postgresql-15; then
        install_packages "$@"
        return
    fi
    as_root mkdir -p "${conf%/*}"
    printf '# made by numerella tools/setup.sh while it installs PostgreSQL\ncreate_main_cluster = false\n' |
        as_root tee "$conf" >/dev/null
    install_packages "$@" || rc=$?
    as_root rm -f "$conf"
    return "$rc"
}

has_screen() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }

case "${1:-install}" in
    run)
        if has_screen; then
            install_packages "${RUN_PACKAGES[@]}" "${BUILD_PACKAGES[@]}"
        else
            install_packages "${RUN_PACKAGES[@]}" "${BUILD_PACKAGES[@]}" "${SCREEN_PACKAGES[@]}"
        fi
        check_build_deps
        ;;
    install) install_without_cluster "${RUN_PACKAGES[@]}" "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" && check_build_deps ;;
    -h | --help | help)
        echo "usage: $0 [run|install]"
        echo "  run       install what building and running the program needs (no test tools)"
        echo "  install   install that and the test tools (default)"
        ;;
    *)
        echo "usage: $0 [run|install]" >&2
        exit 2
        ;;
esac
