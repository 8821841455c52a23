#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private print server for the tests: cupsd with its own configuration, spool and state in one folder,
# on a Unix socket only, with one queue "PDF" (cups-pdf) as its default. The machine's own print server,
# its queues and its default printer are never asked or changed.
#
#   tools/stampante.sh start DIR   starts it (if not running) and prints its socket: the tests take it as
#                                  CUPS_SERVER
#   tools/stampante.sh stop DIR    stops it
#
# Needs root (cupsd runs its filters as lp, and the cups-pdf backend as root): run it with sudo as the
# user who runs the tests.
set -euo pipefail

PRINTER=PDF

usage()
{
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}

[ $# -eq 2 ] || usage
azione=$1
cartella=$(realpath -m "$2")
presa=$cartella/cups.sock
pid=$cartella/cupsd.pid

in_esecuzione() { [ -f "$pid" ] && kill -0 "$(cat "$pid")" 2>/dev/null; }

# The PPD of the cups-pdf driver, as the private server lists it.
ppd_pdf()
{
    local ppd elenco
    elenco=$(lpinfo -m 2>/dev/null)
    for ppd in lsb/usr/cups-pdf/CUPS-PDF_opt.ppd lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd; do
        if printf '%s\n' "$elenco" | grep -q "^$ppd "; then
            printf '%s\n' "$ppd"
            return 0
        fi
    done
    printf '%s\n' "$elenco" | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }'
}

configura()
{
    mkdir -p "$cartella"/{spool/tmp,cache,stato,log}
    # The filters run as lp and open the spooled files: the folders on the way must let them pass.
    chmod 755 "$cartella" "$cartella/stato"
    chgrp lp "$cartella/spool" "$cartella/spool/tmp" "$cartella/cache"
    chmod 710 "$cartella/spool"
    chmod 1770 "$cartella/spool/tmp"
    chmod 770 "$cartella/cache"
    # The packaged defaults, with no network address, no browsing and no web pages; below, every file
    # it writes in this folder (the printcap too, which by default is the machine's).
    {
        grep -v -E '^[[:space:]]*(Listen|Port|Browsing|BrowseLocalProtocols|WebInterface|IdleExitTimeout)[[:space:]]' \
            /usr/share/cups/cupsd.conf.default
        printf 'Listen %s\nBrowsing No\nBrowseLocalProtocols none\nWebInterface No\n' "$presa"
    } >"$cartella/cupsd.conf"
    # Started through sudo, the caller's own group operates this server too: the tests pause and resume
    # its queue as the user who runs them (who could do anything here through sudo all the same).
    local gruppi="root lpadmin"
    if [ -n "${SUDO_GID:-}" ] && [ "$SUDO_GID" != 0 ]; then
        gruppi="$gruppi $(getent group "$SUDO_GID" | cut -d: -f1)"
    fi
    cat >"$cartella/cups-files.conf" <<FILES
SystemGroup $gruppi
PeerCred on
ServerRoot $cartella
RequestRoot $cartella/spool
TempDir $cartella/spool/tmp
CacheDir $cartella/cache
StateDir $cartella/stato
AccessLog $cartella/log/access_log
ErrorLog $cartella/log/error_log
PageLog $cartella/log/page_log
Printcap $cartella/printcap
FILES
}

case "$azione" in
    start)
        [ -x /usr/sbin/cupsd ] || {
            echo "stampante.sh: cupsd is not installed (package cups)" >&2
            exit 1
        }
        export CUPS_SERVER=$presa
        if ! in_esecuzione; then
            configura
            /usr/sbin/cupsd -f -c "$cartella/cupsd.conf" -s "$cartella/cups-files.conf" \
                >"$cartella/log/cupsd.out" 2>&1 </dev/null &
            echo $! >"$pid"
            # A minute at most, as long as it lives: a loaded machine starts it slowly, not never.
            for _ in $(seq 1 600); do
                lpstat -r 2>/dev/null | grep -q 'is running' && break
                kill -0 "$(cat "$pid")" 2>/dev/null || break
                sleep 0.1
            done
            lpstat -r 2>/dev/null | grep -q 'is running' || {
                echo "stampante.sh: cupsd did not start" >&2
                cat "$cartella/log/cupsd.out" "$cartella/log/error_log" 2>/dev/null | tail -n 20 >&2
                exit 1
            }
        fi
        if ! lpstat -p "$PRINTER" >/dev/null 2>&1; then
            ppd=$(ppd_pdf)
            [ -n "$ppd" ] || {
                echo "stampante.sh: no cups-pdf driver found (is printer-driver-cups-pdf installed?)" >&2
                exit 1
            }
            # (lpadmin says that PPD drivers are deprecated: only a failure is worth showing.)
            if ! lpadmin -p "$PRINTER" -v cups-pdf:/ -m "$ppd" -E 2>"$cartella/log/lpadmin.err" ||
                ! lpadmin -d "$PRINTER" 2>>"$cartella/log/lpadmin.err"; then
                cat "$cartella/log/lpadmin.err" >&2
                exit 1
            fi
        fi
        printf '%s\n' "$presa"
        ;;
    stop)
        in_esecuzione || exit 0
        p=$(cat "$pid")
        kill "$p"
        for _ in $(seq 1 100); do
            kill -0 "$p" 2>/dev/null || break
            sleep 0.05
        done
        rm -f "$pid"
        ;;
    *) usage ;;
esac
