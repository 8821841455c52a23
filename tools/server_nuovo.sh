#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks the README's admin section on a fresh Debian 12 server: mmdebstrap's "apt" variant, then the
# section's own shell and SQL blocks, taken from README.md and run as written, with only what a system
# without an init system or a second machine needs changed (listed in CAMBI below). The same system is
# the server and a PC; its network has the server's name on the lab network 192.168.1.0/24. Then, as
# the PC role over TLS with verify-full: the roles exist, a game is written through the function, and
# an answer added to it, the game written again, a temporary table and a pg_temp function are refused.
# With PROGRAM (a numerella built here), that program, run on this machine inside the server's network
# namespace, sends a stopped game over TLS with verify-full and exports the class (the README's check).
# The system runs in network, mount and process namespaces of its own; its only way out is to the Debian
# mirror's host on port 80, through a Unix socket.
# Usage: sudo tools/server_nuovo.sh [PROGRAM] [OUT]   (OUT: where the log goes, build-server-nuovo/)
# Needs root, mmdebstrap, socat, and for PROGRAM Xvfb and xdotool. About 10 minutes and 1 GiB in /tmp.
set -euo pipefail
cd "$(dirname "$0")/.."
sorgente=$(pwd)

[ "$(id -u)" -eq 0 ] || {
    echo "server_nuovo.sh: needs root (mmdebstrap, chroot and namespaces)" >&2
    exit 1
}
programma=${1:+$(realpath "$1")}
out=$(realpath -m "${2:-build-server-nuovo}")
mirror=http://deb.debian.org/debian
lavoro=$(mktemp -d)
radice=$lavoro/radice
ponte=""
ponteDentro=""
sessione=""
pulisci()
{
    [ -n "$sessione" ] && kill "$sessione" 2>/dev/null
    [ -n "$ponte" ] && kill "$ponte" 2>/dev/null
    # The bridge's other end, which would keep the server's network alive.
    [ -n "$ponteDentro" ] && kill "$ponteDentro" 2>/dev/null
    umount "$lavoro/rete" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT
rm -rf "$out"
mkdir -p "$out"
log=$out/server_nuovo.log

# RADICE: a fresh system made earlier by the same mmdebstrap line, copied instead (to walk again sooner).
if [ -n "${RADICE:-}" ]; then
    cp -a "$RADICE" "$radice"
else
    mmdebstrap --variant=apt bookworm "$radice" "deb $mirror bookworm main" \
        "deb $mirror bookworm-updates main" "deb http://deb.debian.org/debian-security bookworm-security main" \
        >"$log" 2>&1
fi
printf '127.0.0.1 localhost deb.debian.org\n127.0.1.1 server\n192.168.1.10 server.scuola.lan\n' >"$radice/etc/hosts"
echo server >"$radice/etc/hostname"
mkdir -p "$radice/root/numerella"
cp "$sorgente/resources/server/numerella-server.sql" "$radice/root/numerella/"

# The README's admin section, block by block: passo-N.sh and passo-N.sql in the order written.
awk '/^## The class.s record on a school server/ { dentro = 1; next }
     /^## / { dentro = 0 }
     dentro && /^```(sh|sql)$/ { n++; tipo = substr($0, 4); file = sprintf("%s/passo-%d.%s", dir, n, tipo); next }
     dentro && /^```$/ { file = ""; next }
     file != "" { print > file }' dir="$radice/root" README.md
ls "$radice"/root/passo-* >>"$log"

# CAMBI: no init system here (a real server's systemd starts and restarts the cluster); the script and
# the certificate are already on this machine (no scp); the admin answers yes to apt-get; the PC's user
# exists.
echo 'APT::Get::Assume-Yes "true";' >"$radice/etc/apt/apt.conf.d/90-si"
sed -i 's/^systemctl restart postgresql$/pg_ctlcluster 15 main restart/' "$radice/root/passo-1.sh"
sed -i '/^sudo -u postgres psql -d numerella$/d' "$radice/root/passo-2.sh"
sed -i 's|^scp root@server.scuola.lan:\(/etc/postgresql/15/main/server.crt\) |cp \1 |' "$radice/root/passo-4.sh"

cat >"$radice/root/prova.sh" <<'PROVA'
set -u
export HOME=/root LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive
# Where the admin's shell would be after each step, not in root's home (which other users cannot enter).
cd /tmp
PW=Segreta-di-prova-1
passo() { echo; echo "== $*"; }
esito() { if [ "$1" -eq 0 ]; then echo "OK: $2"; else echo "FAILED: $2"; fi; }
apt-get update -q >/dev/null

passo "1. the server (README's block as written)"
bash -ex /root/passo-1.sh 2>&1
esito $? "step 1"
grep -c . /etc/postgresql/15/main/conf.d/numerella.conf

passo "2. the schema and the roles"
cp /root/numerella/numerella-server.sql /var/tmp/
bash -ex /root/passo-2.sh 2>&1
esito $? "step 2"
# psql, as the admin would use it, with the passwords typed at \password's two prompts.
awk -v pw="$PW" '{ print } /^\\password/ { print pw; print pw }' /root/passo-3.sql |
    sudo -u postgres psql -v ON_ERROR_STOP=1 -d numerella 2>&1
esito $? "roles made with \\password"

passo "3. a PC (the same machine): certificate, settings, ~/.pgpass with read -s, the password file"
useradd -m -s /bin/bash alunno
bash -ex /root/passo-4.sh 2>&1
esito $? "step 3: certificate and settings"
cp /root/passo-5.sh /tmp/ && chmod 644 /tmp/passo-5.sh
su alunno -c 'bash -ex /tmp/passo-5.sh' <<<"$PW" 2>&1
ls -l /home/alunno/.pgpass
bash -ex /root/passo-6.sh <<<"$PW" 2>&1
esito $? "step 3: password file"
ls -l /etc/numerella/ /etc/xdg/numerella/
cat /etc/xdg/numerella/numerella.conf

passo "checks: the roles, TLS, and the PC role's attempts"
sudo -u postgres psql -At -d numerella -c 'SHOW ssl' \
    -c "SELECT string_agg(rolname, ' ' ORDER BY rolname) FROM pg_roles WHERE rolname LIKE 'numerella%' OR rolname IN ('aula3b', 'maestra')"
url=$(sed -n 's/^server=//p' /etc/xdg/numerella/numerella.conf)
cat >/tmp/attacchi.sql <<'SQL'
\set ON_ERROR_STOP 0
SELECT 'tls', ssl, version FROM pg_stat_ssl WHERE pid = pg_backend_pid();
SELECT 'classi seen', string_agg(classe || '/' || ruolo::text, ' ') FROM numerella.classi;
SELECT 'written', numerella.registra_partita('3B', 'Prova', '2026-12-08T08:00:00Z', 'walk-1', '2026-12-08T08:00:00Z',
    '2026-12-08T08:01:00Z', repeat('1', 100), 60, 1, 2, 'finita', 'server', '[{"ordine":1,"riga":2,"colonna":3,"millisecondi":900,"sbagliate":0}]', '[]');
INSERT INTO numerella.domande (partita, ordine, riga, colonna, millisecondi, sbagliate)
    SELECT id, 2, 4, 5, 800, 0 FROM numerella.partite WHERE uuid = 'walk-1';
SELECT 'written again', numerella.registra_partita('3B', 'Prova', '2026-12-08T08:00:00Z', 'walk-1', '2026-12-08T08:00:00Z',
    '2026-12-08T08:01:00Z', repeat('1', 100), 60, 1, 2, 'finita', 'server', '[{"ordine":1,"riga":2,"colonna":3,"millisecondi":900,"sbagliate":0},{"ordine":2,"riga":4,"colonna":5,"millisecondi":800,"sbagliate":0}]', '[]');
UPDATE numerella.partite SET errori = 0 WHERE uuid = 'walk-1';
SELECT 'answers of walk-1', COUNT(*) FROM numerella.domande d JOIN numerella.partite p ON p.id = d.partita WHERE p.uuid = 'walk-1';
CREATE TEMP TABLE t (x int);
CREATE FUNCTION pg_temp.f() RETURNS int LANGUAGE sql SECURITY DEFINER AS 'SELECT 1';
CREATE TABLE public.t (x int);
CREATE TABLE numerella.t (x int);
SQL
# As the PC's user, with the settings' URI, its ~/.pgpass and the certificate as the program has them.
su alunno -c "psql -X -At '$url' -f /tmp/attacchi.sql" 2>&1
echo "and with a certificate that does not match the name:"
su alunno -c "psql -X -At '${url/server.scuola.lan/192.168.1.10}' -c 'SELECT 1'" 2>&1
echo "the same machine through its socket (the README's other URI):"
su alunno -c "psql -X -At 'postgresql://aula3b@/numerella?host=/var/run/postgresql' -c 'SELECT current_user'" 2>&1
echo "and with the ~/.pgpass line for it, as the README says (localhost for the socket):"
su alunno -c "(umask 077 && sed -n 's/^server.scuola.lan:/localhost:/p' ~/.pgpass > ~/.pgpass2 && cat ~/.pgpass2 >> ~/.pgpass && rm ~/.pgpass2)"
su alunno -c "psql -X -At 'postgresql://aula3b@/numerella?host=/var/run/postgresql' -c 'SELECT current_user'" 2>&1
touch /root/pronto
passo "waiting for the program (if any) to send its game"
for _ in $(seq 1 300); do [ -e /root/fatto ] && break; sleep 1; done
sudo -u postgres psql -At -d numerella -c "SELECT 'on the server', g.classe, g.nome, p.esito, p.postazione, \
    (SELECT COUNT(*) FROM numerella.domande d WHERE d.partita = p.id) FROM numerella.partite p \
    JOIN numerella.giocatori g ON g.id = p.giocatore ORDER BY p.id"
pg_ctlcluster 15 main stop
PROVA

# The bridge to the mirror, and a network of the server's own, kept in a file so that the program run
# from this machine can join it.
socat "UNIX-LISTEN:$lavoro/mirror.sock,fork" "TCP:deb.debian.org:80" &
ponte=$!
touch "$lavoro/rete"
unshare --net="$lavoro/rete" true
# shellcheck disable=SC2016 # expanded by the inner shell
ponteDentro=$(nsenter --net="$lavoro/rete" bash -c '
    ip link set lo up
    ip addr add 192.168.1.10/24 dev lo
    socat TCP-LISTEN:80,bind=127.0.0.1,fork,reuseaddr "UNIX-CONNECT:$1" >/dev/null 2>&1 &
    echo $!' ponte "$lavoro/mirror.sock")

# shellcheck disable=SC2016 # expanded by the inner shell
setsid -w nsenter --net="$lavoro/rete" unshare --uts --mount --pid --fork --mount-proc="$radice/proc" bash -c '
    set -e
    r=$1
    hostname server
    mount --rbind /dev "$r/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$r/dev/shm"
    mount -t sysfs sysfs "$r/sys"
    mount -t tmpfs tmpfs "$r/run"
    exec chroot "$r" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash /root/prova.sh </dev/null
' prova "$radice" >>"$log" 2>&1 &
sessione=$!

# The program on this machine, as a PC of the lab: its settings are the server's step 3 (with the
# system's folder in front of /etc/numerella), the server's name in its /etc/hosts.
if [ -n "$programma" ]; then
    for _ in $(seq 1 1800); do
        [ -e "$radice/root/pronto" ] || ! kill -0 "$sessione" 2>/dev/null && break
        sleep 1
    done
    pc=$lavoro/pc
    mkdir -p "$pc/xdg/numerella" "$pc/casa" "$pc/bin" "$pc/run"
    chmod 700 "$pc/casa" "$pc/run"
    sed "s|/etc/numerella/|$radice/etc/numerella/|g" "$radice/etc/xdg/numerella/numerella.conf" \
        >"$pc/xdg/numerella/numerella.conf"
    ln -s "$programma" "$pc/bin/numerella"
    cp "$radice/root/passo-7.sh" "$pc/"
    { grep -v server.scuola.lan /etc/hosts; echo '192.168.1.10 server.scuola.lan'; } >"$pc/hosts"
    # shellcheck disable=SC2016 # expanded by the inner shell
    nsenter --net="$lavoro/rete" unshare --mount bash -c '
        pc=$1
        mount --bind "$pc/hosts" /etc/hosts
        export HOME=$pc/casa XDG_CONFIG_DIRS=$pc/xdg XDG_RUNTIME_DIR=$pc/run PATH=$pc/bin:$PATH
        export QT_QPA_PLATFORM=xcb DISPLAY=:$2 LANG=C.UTF-8
        unset XDG_CONFIG_HOME XDG_DATA_HOME
        Xvfb ":$2" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        x=$!
        sleep 2
        numerella --muto --giocatore Prova 2>&1 &
        n=$!
        sleep 4
        # The instructions closed, a game started, one answer, the game stopped: it ends, and goes.
        xdotool key Escape; sleep 1
        xdotool key ctrl+n; sleep 1
        xdotool type 7; xdotool key Return; sleep 1
        xdotool key ctrl+s; sleep 8
        import -display ":$2" -window root "$pc/schermo.png" 2>/dev/null
        kill $n; wait $n
        echo "== 4. the check on the PC (README block as written)"
        bash -x "$pc/passo-7.sh" 2>&1
        kill $x
    ' pc "$pc" "${DISPLAY_PROVA:-34}" >>"$log" 2>&1 || echo "FAILED: the program's part" >>"$log"
    cp "$pc/schermo.png" "$out/" 2>/dev/null || true
fi
touch "$radice/root/fatto"
wait "$sessione" || true
sessione=""
grep -E '^(OK|FAILED|==)|ERROR|on the server|written|answers of|tls|classi seen|does not match|numerella_|^aula3b$|^on$|-rw' "$log" || true

# What the walk must have seen.
attesi=('^OK: step 1$' '^OK: step 2$' '^OK: roles made' '^OK: step 3: certificate' '^OK: step 3: password file$'
    '^on$' '^aula3b maestra numerella_insegnante numerella_postazione numerella_proprietario$' '^tls\|t\|TLS'
    '^classi seen\|3B/aula3b$' '^written\|t$' 'permission denied for table domande' '^written again\|f$'
    'permission denied for table partite' '^answers of walk-1\|1$' 'ERROR: +permission denied to create temporary'
    'permission denied for schema public' 'permission denied for schema numerella' 'does not match host name'
    '^aula3b$')
[ -n "$programma" ] && attesi+=('^-rw------- .*classe.csv$' '^on the server\|3B\|Prova\|fermata\|')
mancano=0
for atteso in "${attesi[@]}"; do
    grep -Eq -- "$atteso" "$log" || {
        echo "missing: $atteso" >&2
        mancano=$((mancano + 1))
    }
done
grep -q '^FAILED' "$log" && mancano=$((mancano + 1))
if [ "$mancano" -ne 0 ]; then
    echo "admin walk: FAILED (log: $log)" >&2
    exit 1
fi
echo "admin walk: every step as written worked, and the PC role was refused all it must not do (log: $log)"
