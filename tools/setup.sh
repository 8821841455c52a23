#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages La Numerella needs; "setup.sh services" also starts cupsd and a PDF printer.
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
    clang-format qt6-tools-dev qt6-l10n-tools
    # Qt's platform headers: a test switches accessibility on with no screen reader to do it
    qt6-base-private-dev
    xvfb xauth xdotool imagemagick sox pulseaudio pulseaudio-utils
    cups printer-driver-cups-pdf poppler-utils tesseract-ocr tesseract-ocr-ita python3-pil
    desktop-file-utils appstream lintian
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

PRINTER=PDF

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

# Where cups-pdf puts the files it prints (the ${HOME} in its configuration is the submitting user's).
pdf_output_dir()
{
    local out
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    # shellcheck disable=SC2016 # expanded below, like cups-pdf does
    [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
    out=${out//\$\{HOME\}/$HOME}
    out=${out//\$\{USER\}/$(id -un)}
    printf '%s\n' "$out"
}

find_pdf_ppd()
{
    local ppd
    for ppd in lsb/usr/cups-pdf/CUPS-PDF_opt.ppd lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd; do
        if lpinfo -m 2>/dev/null | grep -q "^$ppd "; then
            printf '%s\n' "$ppd"
            return 0
        fi
    done
    lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }'
}

start_services()
{
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        log "starting cupsd"
        as_root /usr/sbin/cupsd
        local _
        for _ in $(seq 1 50); do
            lpstat -r 2>/dev/null | grep -q 'is running' && break
            sleep 0.1
        done
        lpstat -r 2>/dev/null | grep -q 'is running' || {
            log "cupsd did not start"
            return 1
        }
    fi

    if ! lpstat -p "$PRINTER" >/dev/null 2>&1; then
        local ppd
        ppd=$(find_pdf_ppd)
        if [ -z "$ppd" ]; then
            log "no cups-pdf driver found (is printer-driver-cups-pdf installed?)"
            return 1
        fi
        log "creating printer $PRINTER ($ppd)"
        as_root lpadmin -p "$PRINTER" -v cups-pdf:/ -m "$ppd" -E
    fi

    # A machine's own default printer stays the default: the PDF queue takes the place only where
    # there is none. The tests address the PDF queue by name.
    if ! lpstat -d 2>/dev/null | grep -q 'destination: '; then
        as_root lpadmin -d "$PRINTER"
        log "PDF printer \"$PRINTER\" is now the default printer"
    fi
    local out
    out=$(pdf_output_dir)
    mkdir -p "$out" 2>/dev/null || true
    printf 'PDF printer "%s" ready; printed files go to %s\n' "$PRINTER" "$out"
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
    services)
        install_without_cluster "${RUN_PACKAGES[@]}" "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" && check_build_deps &&
            start_services
        ;;
    pdf-dir) pdf_output_dir ;;
    -h | --help | help)
        echo "usage: $0 [run|install|services|pdf-dir]"
        echo "  run       install what building and running the program needs (no test tools)"
        echo "  install   install that and the test tools (default)"
        echo "  services  also start cupsd and a PDF printer, the default only where there is none"
        echo "  pdf-dir   print the folder where the PDF printer writes"
        ;;
    *)
        echo "usage: $0 [run|install|services|pdf-dir]" >&2
        exit 2
        ;;
esac
