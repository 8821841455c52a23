#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks a newcomer's path on a fresh Debian 12: mmdebstrap's "apt" variant (the essential packages and apt)
# with git, sudo and ca-certificates and nothing else, a clean clone of this branch in the home of an
# ordinary user "prova" who may use sudo, and the README's two commands run there as that user:
# ./run.sh (built and the board shown on a virtual screen, then closed) and ./run-tests.sh.
# The user gets what a login on that system would give: HOME, USER, LOGNAME, SHELL, a user's PATH (no
# sbin folders), LANG=C.UTF-8 and umask 022, and no XDG_RUNTIME_DIR (no systemd-logind runs there to
# make one). Its sudo asks no password: nobody is at the keyboard to type one, and every command run
# through it is logged (sudo.log), so what a password would be asked for is on record.
# The system runs in network, mount and process namespaces of its own: it meets none of this machine's
# services (a print server on localhost:631, a PostgreSQL, an X server, a D-Bus) and what it starts
# ends with it. Its only way out is to the Debian mirror's host on port 80, forwarded through a Unix
# socket, which its /etc/hosts names 127.0.0.1.
# Usage: tools/sistema_nuovo.sh [OUT]   (OUT: where the logs go, build-nuovo/ by default)
# SOLO_AVVIO=1 stops after ./run.sh: a quicker check that the set-up finds every build need.
# UTENTE=0 runs the two commands as root, from /root/numerella, instead.
# Needs root, mmdebstrap, socat and the network to the mirror (MIRROR, http://deb.debian.org/debian by
# default; an http:// one). Takes about an hour on two cores and 6 GiB in /tmp (TMPDIR).
set -euo pipefail
# Read whole before it starts: the walk takes an hour, and bash reads a script as it goes, so an edit of
# this file meanwhile would otherwise run as a mix of both.
{
cd "$(dirname "$0")/.."
sorgente=$(pwd)

[ "$(id -u)" -eq 0 ] || {
    echo "sistema_nuovo.sh: needs root (mmdebstrap, chroot and namespaces)" >&2
    exit 1
}
for programma in mmdebstrap socat unshare; do
    command -v "$programma" >/dev/null 2>&1 || {
        echo "sistema_nuovo.sh: $programma is missing (apt-get install mmdebstrap socat)" >&2
        exit 1
    }
done

out=$(realpath -m "${1:-build-nuovo}")
mirror=${MIRROR:-http://deb.debian.org/debian}
case "$mirror" in
    http://*) ;;
    *)
        echo "sistema_nuovo.sh: MIRROR must be an http:// address" >&2
        exit 1
        ;;
esac
ospite=${mirror#http://}
ospite=${ospite%%/*}
ospite=${ospite%%:*}
sicurezza=http://$ospite/debian-security
utente=${UTENTE:-1}
if [ "$utente" = 1 ]; then
    casa=/home/prova
else
    casa=/root
fi
[ "$ospite" = deb.debian.org ] || sicurezza=""

ramo=$(git rev-parse --abbrev-ref HEAD)
lavoro=$(mktemp -d)
radice=$lavoro/radice
ponte=""
# shellcheck disable=SC2317 # run by the trap
pulisci()
{
    [ -n "$ponte" ] && kill "$ponte" 2>/dev/null
    # Whatever the namespaces mounted went with them; only the files are left.
    rm -rf "$lavoro"
}
trap pulisci EXIT
rm -rf "$out"
mkdir -p "$out"
log=$out/sistema_nuovo.log

# What is committed on this branch, as a clone from a server would have it.
git clone -q --branch "$ramo" "file://$sorgente" "$lavoro/numerella"
git -C "$lavoro/numerella" remote set-url origin https://example.invalid/numerella.git
echo "branch $ramo at $(git -C "$lavoro/numerella" rev-parse --short HEAD); mirror $mirror" | tee "$log"

inizio=$(date +%s)
liste=("deb $mirror bookworm main" "deb $mirror bookworm-updates main")
[ -n "$sicurezza" ] && liste+=("deb $sicurezza bookworm-security main")
mmdebstrap --variant=apt --include=git,sudo,ca-certificates bookworm "$radice" "${liste[@]}" >>"$log" 2>&1
# The names as Debian's installer writes them, with the system's own on 127.0.1.1 (sudo looks it up).
printf '127.0.0.1 localhost %s\n127.0.1.1 numerella-nuova\n::1 localhost\n' "$ospite" >"$radice/etc/hosts"
echo numerella-nuova >"$radice/etc/hostname"
if [ "$utente" = 1 ]; then
    # A newcomer's account: a home, the group sudo, and sudo without a password, logged.
    chroot "$radice" useradd --create-home --shell /bin/bash --groups sudo prova
    printf 'Defaults logfile=/var/log/sudo.log\nprova ALL=(ALL:ALL) NOPASSWD: ALL\n' >"$radice/etc/sudoers.d/prova"
    chmod 440 "$radice/etc/sudoers.d/prova"
fi
cp -a "$lavoro/numerella" "$radice$casa/numerella"
[ "$utente" = 1 ] && chroot "$radice" chown -R prova: "$casa/numerella"
echo "system made in $(($(date +%s) - inizio)) s" | tee -a "$log"

# The commands, as a newcomer types them, from the clone in the home.
cat >"$radice$casa/prova.sh" <<'PROVA'
set -u
umask 022
cd "$HOME/numerella"
ora() { date +%s; }
# The program's process id (procps, with pgrep, is not in this system yet).
programma()
{
    local f
    for f in /proc/[0-9]*/comm; do
        if [ "$(cat "$f" 2>/dev/null)" = numerella ]; then
            f=${f#/proc/}
            echo "${f%/comm}"
            return 0
        fi
    done
    return 1
}

# run.sh: set-up, build and the board on a virtual screen; closed once it has stayed up 20 s.
t0=$(ora)
./run.sh >"$HOME/run.log" 2>&1 &
corsa=$!
esito=1
while kill -0 "$corsa" 2>/dev/null; do
    if pid=$(programma); then
        t1=$(ora)
        sleep 20
        kill -0 "$pid" 2>/dev/null && esito=0
        # run.sh waits for the program: both are closed, and run.sh stops its virtual screen.
        kill "$pid" "$corsa" 2>/dev/null
        break
    fi
    sleep 2
done
wait "$corsa" 2>/dev/null
cat "$HOME/run.log"
if [ "$esito" -eq 0 ]; then
    echo "RUN.SH: board up after $((t1 - t0)) s"
else
    echo "RUN.SH: FAILED after $(($(ora) - t0)) s"
fi
[ "${solo_avvio:-0}" = 1 ] && exit "$esito"

t0=$(ora)
./run-tests.sh >"$HOME/run-tests.log" 2>&1
rc=$?
cat "$HOME/run-tests.log"
echo "RUN-TESTS.SH: exit $rc after $(($(ora) - t0)) s"

# The hint run.sh gives, tried now that the test set brought its tools: a picture of the board.
./run.sh >"$HOME/run2.log" 2>&1 &
corsa=$!
for _ in $(seq 1 60); do
    d=$(sed -n 's/.*virtual display \(:[0-9]*\)\..*/\1/p' "$HOME/run2.log")
    [ -n "$d" ] && programma >/dev/null && break
    sleep 1
done
sleep 5
cat "$HOME/run2.log"
[ -n "${d:-}" ] && import -display "$d" -window root "$HOME/tabellone.png" && echo "picture: tabellone.png"
pid=$(programma) && kill "$pid"
kill "$corsa" 2>/dev/null
wait "$corsa" 2>/dev/null
exit "$rc"
PROVA
[ "${SOLO_AVVIO:-0}" = 1 ] && sed -i '1i solo_avvio=1' "$radice$casa/prova.sh"
if [ "$utente" = 1 ]; then
    chroot "$radice" chown prova: "$casa/prova.sh"
    # runuser keeps the caller's environment: it is replaced with what a login gives.
    comando=(runuser -u prova -- /usr/bin/env -i HOME=/home/prova USER=prova LOGNAME=prova SHELL=/bin/bash
        PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games LANG=C.UTF-8 TERM=dumb
        bash /home/prova/prova.sh)
else
    comando=(/usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
        USER=root LOGNAME=root SHELL=/bin/bash LANG=C.UTF-8 TERM=dumb bash /root/prova.sh)
fi

# The bridge to the mirror: a Unix socket here, port 80 of 127.0.0.1 inside.
socat "UNIX-LISTEN:$lavoro/mirror.sock,fork" "TCP:$ospite:80" &
ponte=$!

set +e
# shellcheck disable=SC2016 # expanded by the inner shell
unshare --net --mount --pid --uts --fork --mount-proc="$radice/proc" bash -c '
    set -e
    r=$1
    hostname numerella-nuova
    ip link set lo up
    mount --rbind /dev "$r/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$r/dev/shm"
    mount -t sysfs sysfs "$r/sys"
    mount -t tmpfs tmpfs "$r/run"
    socat TCP-LISTEN:80,bind=127.0.0.1,fork,reuseaddr "UNIX-CONNECT:$2" &
    shift 2
    # This shell stays as the first process of the system, which takes up orphans as an init does (runuser
    # would leave them as zombies, and a server killed on purpose would never be seen to end).
    chroot "$r" "$@" &
    wait $!
' prova "$radice" "$lavoro/mirror.sock" "${comando[@]}" >>"$log" 2>&1
stato=$?
set -e
cp "$radice$casa"/*.log "$radice$casa"/tabellone.png "$radice"/var/log/sudo.log "$out"/ 2>/dev/null || true
fine=$(($(date +%s) - inizio))

grep -E '^(RUN.SH|RUN-TESTS.SH|picture):' "$log" || true
sed -n '/^==> Summary/,$p' "$out/run-tests.log" 2>/dev/null || true
if [ "$stato" -ne 0 ] || ! grep -q '^RUN.SH: board up' "$log"; then
    echo "fresh system: FAILED after $((fine / 60)) min (log: $log)" >&2
    exit 1
fi
if [ "${SOLO_AVVIO:-0}" = 1 ]; then
    echo "fresh system: ./run.sh passed in $((fine / 60)) min (log: $log)"
else
    echo "fresh system: both README commands passed in $((fine / 60)) min (log: $log)"
fi
exit
}
