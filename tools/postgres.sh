#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private PostgreSQL 15 for the tests: its own folder, a Unix socket only (nothing on the network).
#
#   tools/postgres.sh start DIR   makes DIR/dati with initdb if new, starts the server (if not running), prints
#                                 the socket folder
#   tools/postgres.sh stop DIR    stops it (fast shutdown)
#   tools/postgres.sh kill DIR    kills it at once, as a crash or a power cut would
#
# The server refuses to run as root: when we are root it runs as the postgres user, which then owns DIR.
set -euo pipefail

bin=$(ls -d /usr/lib/postgresql/15/bin 2>/dev/null || true)
[ -n "$bin" ] || {
    echo "postgres.sh: PostgreSQL 15 is not installed (package postgresql-15)" >&2
    exit 1
}

as_server()
{
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

usage()
{
    echo "usage: $0 start|stop|kill DIR" >&2
    exit 2
}

[ $# -eq 2 ] || usage
azione=$1
cartella=$(realpath -m "$2")
# The postgres user may not enter the caller's folder (root's home): its tools would say so on every call.
cd /
dati=$cartella/dati
presa=$cartella/presa

case "$azione" in
    start)
        mkdir -p "$cartella" "$presa"
        chmod 700 "$cartella" "$presa"
        if [ "$(id -u)" -eq 0 ]; then
            chown postgres: "$cartella" "$presa"
            runuser -u postgres -- test -x "$cartella" || {
                echo "postgres.sh: the postgres user cannot reach $cartella (make its parents traversable)" >&2
                exit 1
            }
        fi
        if [ ! -f "$dati/PG_VERSION" ]; then
            as_server "$bin/initdb" -D "$dati" --auth=trust --username=postgres --encoding=UTF8 \
                --locale=C.UTF-8 >"$cartella/initdb.log" 2>&1 || {
                cat "$cartella/initdb.log" >&2
                exit 1
            }
        fi
        # Already running here: nothing to do.
        if as_server "$bin/pg_ctl" -D "$dati" status >/dev/null 2>&1; then
            printf '%s\n' "$presa"
            exit 0
        fi
        # listen_addresses='' keeps the server off every network interface.
        as_server "$bin/pg_ctl" -D "$dati" -w -t "$((3 * ${NUMERELLA_LENTEZZA:-10}))" -l "$cartella/server.log" \
            -o "-k $presa -c listen_addresses='' -c fsync=off" start >/dev/null || {
            tail -n 20 "$cartella/server.log" >&2
            exit 1
        }
        printf '%s\n' "$presa"
        ;;
    stop)
        [ -f "$dati/postmaster.pid" ] || exit 0
        as_server "$bin/pg_ctl" -D "$dati" -m fast -w stop >/dev/null
        ;;
    kill)
        [ -f "$dati/postmaster.pid" ] || exit 0
        pid=$(head -n 1 "$dati/postmaster.pid")
        # The server and its workers all at once, so none of them writes anything more.
        pkill -KILL -P "$pid" 2>/dev/null || true
        kill -KILL "$pid" 2>/dev/null || true
        while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
        ;;
    *) usage ;;
esac
