#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages La Numerella needs; "setup.sh services" also starts cupsd and a PDF printer.
set -euo pipefail

PACKAGES=(
    # build
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    ninja-build cmake g++ clang-format libcups2-dev
    # fonts
    fonts-comic-neue fonts-liberation
    # runtime and tests
    xvfb xauth xdotool imagemagick sox pulseaudio pulseaudio-utils
    cups printer-driver-cups-pdf poppler-utils tesseract-ocr tesseract-ocr-ita python3-pil
    libqt6svg6 qt6-qpa-plugins
)

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

install_packages()
{
    local missing=() p
    for p in "${PACKAGES[@]}"; do
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

    if [ "$(lpstat -d 2>/dev/null | sed -n 's/^.*: *//p')" != "$PRINTER" ]; then
        as_root lpadmin -d "$PRINTER"
        lpoptions -d "$PRINTER" >/dev/null
    fi

    local out
    out=$(pdf_output_dir)
    mkdir -p "$out" 2>/dev/null || true
    printf 'PDF printer "%s" is the default; printed files go to %s\n' "$PRINTER" "$out"
}

case "${1:-install}" in
    install) install_packages ;;
    services) install_packages && start_services ;;
    pdf-dir) pdf_output_dir ;;
    -h | --help | help)
        echo "usage: $0 [install|services|pdf-dir]"
        echo "  install   install the missing Debian packages (default)"
        echo "  services  also start cupsd and make the PDF printer the default"
        echo "  pdf-dir   print the folder where the PDF printer writes"
        ;;
    *)
        echo "usage: $0 [install|services|pdf-dir]" >&2
        exit 2
        ;;
esac
