#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays from outside the ways the record of games could be lost or damaged: the real program on a
# private Xvfb, driven by xdotool as a person would, its files checked with sqlite3, sha256sum and stat.
# Prints "case N: ok" or "case N: FAIL: what" for each case and keeps a screenshot of each in SCHERMATE.
# Usage: sudo tools/prova_registro.sh [CASE...]   (the cases 1 to 9, all by default)
#   PROGRAMMA: the program (build-rel/numerella by default); SCHERMATE: where the screenshots go (a
#   temporary folder by default, kept); SCHERMO: an X display to start Xvfb on (a free one by default).
# Needs root (mount namespaces for a read-only mount and a full disk, a private print server); the
# program runs as nobody, since root writes where permissions forbid it. Needs Xvfb, xdotool,
# imagemagick, sqlite3, poppler-utils, cups and printer-driver-cups-pdf. About 2 minutes on a quiet machine.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$(pwd)
programma=$(realpath "${PROGRAMMA:-$root/build-rel/numerella}")
[ "$(id -u)" -eq 0 ] || {
    echo "prova_registro.sh: needs root (mount namespaces, the print server)" >&2
    exit 1
}
[ -x "$programma" ] || {
    echo "prova_registro.sh: no program at $programma" >&2
    exit 1
}
# shellcheck source=tools/schermo.sh
. "$root/tools/schermo.sh"
# SCHERMO (":72", say): that display instead of the first free one.
if [ -n "${SCHERMO:-}" ]; then
    Xvfb "$SCHERMO" -screen 0 1280x800x24 -nolisten tcp 2>/dev/null &
    _schermo_xvfb=$!
    export DISPLAY=$SCHERMO
    sleep 1
else
    schermo_xvfb
fi
unset WAYLAND_DISPLAY XDG_CONFIG_DIRS
lavoro=$(mktemp -d)
chmod 755 "$lavoro"
schermate=$(realpath -m "${SCHERMATE:-$(mktemp -d)}")
mkdir -p "$schermate"
stampante=$lavoro/stampante
prog=""
falliti=0
chiusi=0
finisci()
{
    [ -n "$prog" ] && kill "$prog" 2>/dev/null
    [ -d "$stampante" ] && "$root/tools/stampante.sh" stop "$stampante" >/dev/null 2>&1
    rm -rf "$lavoro"
    schermo_pulisci
}
trap finisci EXIT

# The program and the checks of its files run as nobody: as root the permissions would not count.
utente=65534
come() { setpriv --reuid=$utente --regid=$utente --clear-groups -- "$@"; }
# sqlite3 as the record's owner: its side files are then the owner's, as the program's are.
sql()
{
    local a chi=(come)
    for a in "$@"; do
        if [ -f "$a" ] && [ "$(stat -c %u "$a")" = 0 ]; then chi=(); fi
    done
    "${chi[@]}" sqlite3 -batch "$@"
}

# A private home for each case, never the user's files.
casa()
{
    caso=$1
    HOME=$lavoro/casa-$caso
    mkdir -p "$HOME/run"
    chmod 700 "$HOME/run"
    chown -R $utente:$utente "$HOME"
    export HOME XDG_RUNTIME_DIR=$HOME/run XDG_DATA_HOME=$HOME/dati XDG_CONFIG_HOME=$HOME/config \
        XDG_CACHE_HOME=$HOME/cache XDG_DOCUMENTS_DIR=$HOME
    predefinito="$XDG_DATA_HOME/La Numerella/registro.sqlite"
    errori=$lavoro/stderr-$caso
    motivi=()
}

foto() { import -window root "$schermate/caso-$caso${1:+-$1}.png" 2>/dev/null; }
manca() { motivi+=("$*"); }
esito()
{
    detto=1
    # A case of the command line alone shows the screen as it was, with its words beside it.
    compgen -G "$schermate/caso-$caso*.png" >/dev/null || foto
    if [ ${#motivi[@]} -eq 0 ]; then
        echo "case $caso: ok"
    else
        local IFS=';'
        echo "case $caso: FAIL: ${motivi[*]}"
        falliti=$((falliti + 1))
    fi
}

# Waits up to $2 seconds (5) for a visible window whose title matches $1; prints its id.
finestra()
{
    local w
    for _ in $(seq 1 $((${2:-5} * 10))); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
quante() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

# Starts the board in Italian without sound, as nobody (as root with COME=root), through PRIMA (an
# array: a mount namespace's shell, say), and closes the info window.
PRIMA=()
avvia()
{
    local chi=(setpriv "--reuid=$utente" "--regid=$utente" --clear-groups --)
    [ "${COME:-}" = root ] && chi=()
    "${PRIMA[@]}" "${chi[@]}" env QT_QPA_PLATFORM=xcb "$programma" --lingua it --muto "$@" 2>>"$errori" &
    prog=$!
    attraverso=${#PRIMA[@]}
    tavola=$(finestra '^La Numerella' 15) || { manca "no board"; return 1; }
    finestra '^Info$' 5 >/dev/null && xdotool key Escape
    sleep 0.5
}
# The program's own process (PRIMA's shell waits for it).
programmaPid()
{
    local figlio
    figlio=$(ps -o pid= --ppid "$prog" 2>/dev/null | head -n 1 | tr -d ' ')
    if [ "$attraverso" -gt 0 ] && [ -n "$figlio" ]; then echo "$figlio"; else echo "$prog"; fi
}
# Closes it as the close box does (a termination signal), and waits for its end.
chiudi()
{
    [ -n "$prog" ] || return 0
    # What the screen showed last, in the case's pictures.
    chiusi=$((chiusi + 1))
    foto "$chiusi"
    kill -TERM "$(programmaPid)" 2>/dev/null
    for _ in $(seq 1 100); do
        kill -0 "$prog" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$prog" 2>/dev/null; then
        manca "still running 10 s after a termination signal"
        kill -KILL "$(programmaPid)" 2>/dev/null
    fi
    wait "$prog" 2>/dev/null
    stato=$?
    prog=""
}
# Closes the message box $1 with its default button, and gives the keys back to the board.
rispondiA()
{
    xdotool windowfocus --sync "$1" key "${2:-Return}"
    sleep 0.3
    xdotool windowfocus --sync "$tavola" 2>/dev/null
}

# The last game's confirmed answers in FILE: wrong ones and right ones, as "WRONG RIGHT".
risposte()
{
    sql -separator ' ' "$1" "SELECT (SELECT COUNT(*) FROM sbagliate WHERE partita = p.id),
        (SELECT COUNT(*) FROM domande WHERE partita = p.id AND millisecondi >= 0)
        FROM partite p ORDER BY id DESC LIMIT 1"
}
# An answer typed and confirmed.
scrivi()
{
    local tasti
    mapfile -t tasti < <(fold -w1 <<<"$1")
    xdotool key --delay 20 "${tasti[@]}" Return
}
# Answers N times with the next of 1..10 (table 1 alone: every product is one of them).
prossima=0
rispondi()
{
    for _ in $(seq 1 "$1"); do
        prossima=$((prossima % 10 + 1))
        scrivi "$prossima"
        sleep 0.15
    done
}
# Plays table 1 to its end on FILE: each product is tried until the record has the answer, right
# or wrong, and a right one is not tried again. Prints the number of answers typed.
tutta()
{
    local restano=(1 2 3 4 5 6 7 8 9 10) date=0 prima dopo v i
    xdotool key ctrl+n
    sleep 0.5
    while [ ${#restano[@]} -gt 0 ]; do
        for i in "${!restano[@]}"; do
            v=${restano[$i]}
            prima=$(risposte "$1")
            scrivi "$v"
            date=$((date + 1))
            for _ in $(seq 1 40); do
                dopo=$(risposte "$1")
                [ "$dopo" != "$prima" ] && break
                sleep 0.05
            done
            if [ "${dopo#* }" != "${prima#* }" ]; then
                unset "restano[$i]"
                restano=("${restano[@]}")
                break
            fi
        done
    done
    echo "$date"
}
# FILE's checks: no answer without its game, nothing damaged. Empty when all is well.
sano()
{
    local fk ic
    fk=$(sql "$1" 'PRAGMA foreign_key_check')
    ic=$(sql "$1" 'PRAGMA integrity_check')
    [ -z "$fk" ] || echo "foreign keys: $fk"
    [ "$ic" = ok ] || echo "integrity: $ic"
}
lati() { ls "$1"-wal "$1"-shm 2>/dev/null; }

caso1()
{
    casa 1
    avvia --giocatore Sofia --tabelline 1 || return
    [[ $(xdotool getwindowname "$tavola") == *Sofia ]] || manca "caption without Sofia"
    xdotool key ctrl+n
    sleep 0.5
    rispondi 4
    xdotool key ctrl+r
    finestra '^Registro$' >/dev/null || { manca "no record window"; return; }
    sleep 1
    # Renamed first: her game follows the new name, and goes with her below.
    xdotool key alt+m
    finestra '^Rinomina$' >/dev/null || manca "no rename prompt"
    xdotool key ctrl+a
    xdotool type --delay 50 "Sofia B"
    xdotool key Return
    sleep 1
    xdotool key alt+t
    finestra '^Togli$' >/dev/null || manca "no confirmation"
    foto conferma
    xdotool key alt+s
    sleep 1
    foto registro
    xdotool key Escape
    sleep 0.5
    [[ $(xdotool getwindowname "$tavola") == *Sofia ]] && manca "caption still Sofia"
    # Two more games under the guest: one stopped, one to its end.
    prossima=0
    xdotool key ctrl+n
    sleep 0.5
    rispondi 6
    xdotool key ctrl+s
    sleep 0.5
    local date
    date=$(tutta "$predefinito")
    sleep 1
    [ "$(quante '^Registro$')" -eq 0 ] || manca "a message about the record"
    chiudi
    local r=$predefinito
    while read -r riga; do manca "$riga"; done < <(sano "$r")
    [ "$(sql "$r" "SELECT COUNT(*) FROM giocatori WHERE nome LIKE 'Sofia%'")" = 0 ] || manca "Sofia still there"
    [ "$(sql "$r" "SELECT COUNT(*) FROM partite p JOIN giocatori g ON g.id = p.giocatore
        WHERE g.nome <> 'Ospite'")" = 0 ] || manca "Sofia's game kept"
    local giochi
    giochi=$(sql -separator ' ' "$r" "SELECT p.esito, p.errori, p.esatte,
        (SELECT COUNT(*) FROM sbagliate WHERE partita = p.id),
        (SELECT COUNT(*) FROM domande WHERE partita = p.id AND millisecondi >= 0)
        FROM partite p JOIN giocatori g ON g.id = p.giocatore WHERE g.nome = 'Ospite' ORDER BY p.id" | tr '\n' ',')
    # The stopped game: its 6 answers; the full one: 10 right and every wrong one.
    [[ $giochi =~ ^fermata\ ([0-9]+)\ ([0-9]+)\ ([0-9]+)\ ([0-9]+),finita\ ([0-9]+)\ 10\ ([0-9]+)\ 10,$ ]] ||
        manca "the guest's games: $giochi"
    if [ -n "${BASH_REMATCH[1]:-}" ]; then
        [ $((BASH_REMATCH[3] + BASH_REMATCH[4])) -eq 6 ] || manca "stopped game: not 6 answers ($giochi)"
        [ $((BASH_REMATCH[6] + 10)) -eq "$date" ] || manca "full game: $date typed ($giochi)"
        [ "${BASH_REMATCH[5]}" = "${BASH_REMATCH[6]}" ] || manca "errors and wrong answers differ"
    fi
    grep -q 'non si può usare\|danneggiato' "$errori" && manca "stderr: $(head -c 200 "$errori")"
    cp "$r" "$lavoro/registro-1.sqlite"
    esito
}

# A record made by the program (three stopped games of Luca's), grown with copies of its answers so
# that its middle pages hold them; kept as $lavoro/seme.sqlite for the cases that need one.
seme()
{
    [ -f "$lavoro/seme.sqlite" ] && return 0
    local salva=("$caso" "$errori") s=$lavoro/seme
    mkdir -p "$s"
    chown $utente:$utente "$s"
    errori=$lavoro/stderr-seme
    avvia --registro "$s/registro.sqlite" --giocatore Luca --tabelline 1 || return 1
    for _ in 1 2 3; do
        xdotool key ctrl+n
        sleep 0.5
        rispondi 5
        xdotool key ctrl+s
        sleep 0.3
    done
    chiudi
    sql "$s/registro.sqlite" "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)
        INSERT INTO sbagliate SELECT partita, ordine + 100 * i, riga, colonna, valore, millisecondi FROM sbagliate, n"
    cp "$s/registro.sqlite" "$lavoro/seme.sqlite"
    chown $utente:$utente "$lavoro/seme.sqlite"
    caso=${salva[0]} errori=${salva[1]}
}
# A copy of the seed at $1, owned by nobody.
copia()
{
    mkdir -p "$(dirname "$1")"
    cp "$lavoro/seme.sqlite" "$1"
    chown -R $utente:$utente "$(dirname "$1")"
    chmod 600 "$1"
}
# Overwrites three pages in the middle of $1; sqlite3 itself must find the damage.
danneggia()
{
    local pagine
    pagine=$(($(stat -c %s "$1") / 4096))
    dd if=/dev/urandom of="$1" bs=4096 seek=$((pagine / 2)) count=3 conv=notrunc status=none
    # On a copy: sqlite3 would leave its side files beside a damaged record.
    cp "$1" "$lavoro/prova.sqlite"
    [ "$(sqlite3 "$lavoro/prova.sqlite" 'PRAGMA quick_check' 2>&1 | head -n 1)" != ok ] ||
        manca "the damage was not found by sqlite3"
    rm -f "$lavoro"/prova.sqlite*
}
# A short game: Ctrl+N, N answers, Ctrl+S.
breve()
{
    xdotool key ctrl+n
    sleep 0.5
    rispondi "$1"
    xdotool key ctrl+s
    sleep 0.5
}

caso2()
{
    casa 2
    seme || return
    local cartella="$XDG_DATA_HOME/La Numerella" r messo
    r="$cartella/registro.sqlite"
    copia "$r"
    danneggia "$r"
    local impronta
    impronta=$(sha256sum <"$r")
    avvia --giocatore Luca --tabelline 1 || return
    if w=$(finestra '^Registro$' 10); then
        foto messaggio
        rispondiA "$w"
    else
        manca "no message"
    fi
    messo=$(ls "$r".danneggiato-????-??-??-?????? 2>/dev/null)
    [ "$(echo "$messo" | grep -c .)" -eq 1 ] || manca "moved aside: $messo"
    if [ -z "$messo" ] || [ "$(sha256sum <"$messo")" != "$impronta" ]; then manca "the moved file is not the damaged one"; fi
    breve 3
    chiudi
    while read -r riga; do manca "new record: $riga"; done < <(sano "$r")
    [ "$(sql "$r" "SELECT COUNT(*) FROM partite")" = 1 ] || manca "new record: not one game"
    local n
    n=$(risposte "$r")
    [ $((${n% *} + ${n#* })) -eq 3 ] || manca "new record: answers $n, 3 typed"
    # A folder where it cannot be moved: the message says why.
    local sola=$HOME/sola
    copia "$sola/registro.sqlite"
    danneggia "$sola/registro.sqlite"
    chmod 555 "$sola"
    avvia --registro "$sola/registro.sqlite" || return
    if w=$(finestra '^Registro$' 10); then
        foto sola
        rispondiA "$w"
    else
        manca "read-only folder: no message"
    fi
    chiudi
    [ "$(ls "$sola")" = registro.sqlite ] || manca "read-only folder: $(ls "$sola")"
    esito
}

# Export (Esporta, $1 the CSV) of the record $2 as nobody; status in $stato, stderr in $errori.
esporta()
{
    local f=$1 r=$2
    shift 2
    come "$programma" --lingua it --esporta "$f" ${r:+--registro "$r"} "$@" 2>"$errori"
    stato=$?
}

caso3()
{
    casa 3
    seme || return
    local r=$HOME/chiavetta/registro.sqlite impronta
    copia "$r"
    danneggia "$r"
    impronta=$(sha256sum <"$r")
    esporta "$HOME/partite.csv" "$r"
    [ "$stato" -ne 0 ] || manca "status 0"
    grep -q "numerella: non riesco a leggere il registro: il file $r è danneggiato" "$errori" ||
        manca "stderr: $(cat "$errori")"
    [ "$(ls "$(dirname "$r")")" = registro.sqlite ] || manca "left: $(ls "$(dirname "$r")")"
    [ "$(sha256sum <"$r")" = "$impronta" ] || manca "the record changed"
    [ -e "$HOME/partite.csv" ] && manca "a CSV written"
    # At the default path: no new record made in its place.
    copia "$predefinito"
    danneggia "$predefinito"
    esporta "$HOME/partite.csv" ""
    [ "$stato" -ne 0 ] || manca "default path: status 0"
    grep -q "è danneggiato" "$errori" || manca "default path: stderr: $(cat "$errori")"
    [ "$(ls "$(dirname "$predefinito")")" = registro.sqlite ] || manca "default path: $(ls "$(dirname "$predefinito")")"
    cp "$errori" "$schermate/caso-3.txt"
    esito
}

# Another program's database (in WAL mode with $2 = wal).
estraneo()
{
    mkdir -p "$(dirname "$1")"
    chown $utente:$utente "$(dirname "$1")"
    sql "$1" "${2:+PRAGMA journal_mode=WAL;} CREATE TABLE spesa (cosa TEXT, quanti INTEGER);
        INSERT INTO spesa VALUES ('pane', 2), ('latte', 1), ('mele', 6);" >/dev/null
}
# Plays on a record that must be refused ($1, given with --registro unless $2 = predefinito).
rifiutato()
{
    local r=$1 impronta
    impronta=$(sha256sum <"$r")
    if [ "${2:-}" = predefinito ]; then avvia --tabelline 1 || return; else avvia --registro "$r" --tabelline 1 || return; fi
    if w=$(finestra '^Registro$' 10); then
        foto "${2:-registro}"
        rispondiA "$w"
    else
        manca "no message"
    fi
    breve 3
    chiudi
    [ "$stato" -eq 0 ] || manca "status $stato"
    [ "$(sha256sum <"$r")" = "$impronta" ] || manca "$r changed"
    [ -z "$(ls "$r"-* 2>/dev/null)" ] || manca "left beside it: $(ls "$r"-*)"
    if [ "${2:-}" = predefinito ]; then esporta "$HOME/partite.csv" ""; else esporta "$HOME/partite.csv" "$r"; fi
    [ "$stato" -eq 1 ] || manca "export: status $stato"
    grep -q "numerella: non riesco a leggere il registro: il file $r non è un registro della Numerella" "$errori" ||
        manca "export: $(cat "$errori")"
    [ "$(sha256sum <"$r")" = "$impronta" ] || manca "$r changed by the export"
    [ -z "$(ls "$r"-* 2>/dev/null)" ] || manca "left beside it by the export: $(ls "$r"-*)"
}

caso4()
{
    casa 4
    estraneo "$HOME/altro/spesa.db"
    rifiutato "$HOME/altro/spesa.db"
    estraneo "$predefinito" wal
    rifiutato "$predefinito" predefinito
    esito
}

# The export of a read-only record: the CSV files as from a writable copy, nothing left beside it,
# nothing said. $1: what it is, $2: the record, then PRIMA's command when it needs one.
soloLettura()
{
    local cosa=$1 r=$2 d
    shift 2
    d=$(dirname "$r")
    "$@" setpriv --reuid=$utente --regid=$utente --clear-groups -- "$programma" --lingua it \
        --esporta "$HOME/$cosa.csv" --esporta-risposte "$HOME/$cosa-risposte.csv" --registro "$r" 2>"$errori"
    stato=$?
    [ "$stato" -eq 0 ] || manca "$cosa: status $stato: $(cat "$errori")"
    [ -s "$errori" ] && manca "$cosa: said: $(cat "$errori")"
    cat "$errori" >>"$schermate/caso-5.txt"
    cmp -s "$HOME/$cosa.csv" "$HOME/riferimento.csv" || manca "$cosa: games CSV differs"
    cmp -s "$HOME/$cosa-risposte.csv" "$HOME/riferimento-risposte.csv" || manca "$cosa: answers CSV differs"
    [ -z "$(ls "$r"-* 2>/dev/null)" ] || manca "$cosa: left beside it: $(ls "$r"-*)"
}

caso5()
{
    casa 5
    seme || return
    copia "$HOME/scrivibile/registro.sqlite"
    come "$programma" --lingua it --esporta "$HOME/riferimento.csv" \
        --esporta-risposte "$HOME/riferimento-risposte.csv" --registro "$HOME/scrivibile/registro.sqlite"
    # The reference itself: one row a game and one a question, as sqlite3 counts them.
    [ $(($(wc -l <"$HOME/riferimento.csv") - 1)) -eq "$(sql "$HOME/scrivibile/registro.sqlite" 'SELECT COUNT(*) FROM partite')" ] ||
        manca "reference: rows"
    copia "$HOME/file/registro.sqlite"
    chmod 444 "$HOME/file/registro.sqlite"
    soloLettura file "$HOME/file/registro.sqlite"
    copia "$HOME/cartella/registro.sqlite"
    chmod 555 "$HOME/cartella"
    soloLettura cartella "$HOME/cartella/registro.sqlite"
    copia "$HOME/montato/registro.sqlite"
    # shellcheck disable=SC2016 # expanded by the inner shell
    soloLettura montato "$HOME/montato/registro.sqlite" unshare -m --propagation private bash -c \
        'mount --bind "$0" "$0" && mount -o remount,ro,bind "$0" && exec "$@"' "$HOME/montato"
    esito
}

# The errors counter of the board, as a hash of its picture (it changes with each wrong answer).
contatore()
{
    eval "$(xdotool getwindowgeometry --shell "$tavola")"
    import -window root -crop "70x30+$((X + 555))+$((Y + 78))" png:- 2>/dev/null | md5sum
}
# Answers N times wrong (0 is no product) and prints the longest time in ms from the key to the
# counter on screen.
sbaglia()
{
    local peggiore=0 prima t0 t
    for _ in $(seq 1 "$1"); do
        prima=$(contatore)
        t0=$(date +%s%N)
        xdotool key 0 Return
        for _ in $(seq 1 100); do
            [ "$(contatore)" != "$prima" ] && break
        done
        t=$((($(date +%s%N) - t0) / 1000000))
        [ "$t" -gt "$peggiore" ] && peggiore=$t
        sleep 0.3
    done
    echo "$peggiore"
}

caso6()
{
    casa 6
    seme || return
    local r=$HOME/registro.sqlite peggiore n t
    copia "$r"
    avvia --registro "$r" --giocatore Luca --tabelline 1 || return
    xdotool key ctrl+n
    sleep 0.5
    # The time from key to screen with nothing in the way, for comparison: on a busy machine the
    # pictures themselves are slow. A board that waited for the lock would take 3 s or more.
    local solito
    solito=$(sbaglia 3)
    # Another program holds the write lock for 12 s while the child answers.
    (echo 'BEGIN IMMEDIATE;'; sleep 12; echo 'COMMIT;') | come sqlite3 "$r" &
    local blocco=$!
    sleep 0.5
    peggiore=$(sbaglia 12)
    foto blocco
    [ "$peggiore" -lt $((solito + 1500)) ] || manca "the board took $peggiore ms for an answer ($solito with nothing in the way)"
    wait "$blocco"
    sleep 1
    xdotool key ctrl+s
    sleep 1
    n=$(risposte "$r")
    [ "$n" = "15 0" ] || manca "locked game: answers $n, 15 typed"
    breve 4
    n=$(risposte "$r")
    [ $((${n% *} + ${n#* })) -eq 4 ] || manca "next game: answers $n, 4 typed"
    [ "$(quante '^Registro$')" -eq 0 ] || manca "a message about a lock"
    chiudi
    while read -r riga; do manca "$riga"; done < <(sano "$r")
    # A full disk: the record on a small tmpfs, filled in the middle of a game.
    local d=$HOME/piccolo
    mkdir -p "$d" "$d.copia"
    chown $utente:$utente "$d.copia"
    # shellcheck disable=SC2016 # expanded by the inner shell
    PRIMA=(unshare -m --propagation private bash -c 'mount -t tmpfs -o size=512k,mode=0777 tmpfs "$0" &&
        "$@"; s=$?; cp -a "$0"/registro.sqlite* "$0.copia/"; exit $s' "$d")
    avvia --registro "$d/registro.sqlite" --giocatore Luca --tabelline 1 || { PRIMA=(); return; }
    PRIMA=()
    local dentro
    dentro=$(programmaPid)
    xdotool key ctrl+n
    sleep 0.5
    rispondi 3
    nsenter -t "$dentro" -m -- dd if=/dev/zero of="$d/riempi" bs=4k status=none 2>/dev/null
    peggiore=$(sbaglia 5)
    [ "$peggiore" -lt $((solito + 1500)) ] || manca "full disk: the board took $peggiore ms for an answer ($solito with nothing in the way)"
    xdotool key ctrl+s
    if w=$(finestra '^Registro$' 5); then
        foto pieno
        rispondiA "$w"
    else
        manca "full disk: not told"
    fi
    # Told once: another game on the full disk says nothing more.
    breve 2
    [ "$(quante '^Registro$')" -eq 0 ] || manca "full disk: told again"
    nsenter -t "$dentro" -m -- rm "$d/riempi"
    sleep 2
    breve 4
    sleep 1
    chiudi
    r=$d.copia/registro.sqlite
    [ -f "$r" ] || { manca "no copy of the record"; esito; return; }
    while read -r riga; do manca "full disk: $riga"; done < <(sano "$r")
    local giochi
    giochi=$(sql -separator ' ' "$r" "SELECT p.esito, (SELECT COUNT(*) FROM sbagliate WHERE partita = p.id)
        + (SELECT COUNT(*) FROM domande WHERE partita = p.id AND millisecondi >= 0) FROM partite p ORDER BY p.id" |
        tr '\n' ',')
    [ "$giochi" = "fermata 8,fermata 2,fermata 4," ] || manca "full disk: games and answers $giochi (8, 2, 4 typed)"
    esito
}

# The private print server, its queue "PDF" the default; prints where its PDF files land.
stampanteAvviata()
{
    if [ -z "${CUPS_SERVER:-}" ]; then
        CUPS_SERVER=$("$root/tools/stampante.sh" start "$stampante" | tail -n 1) || return 1
        export CUPS_SERVER
    fi
}
# Waits for a new PDF from the queue (newer than $1: cups-pdf writes into the home of the user who
# printed, root's here) and moves it to SCHERMATE as $2.pdf, with its pages as pictures.
pdfNuovo()
{
    local f
    for _ in $(seq 1 60); do
        f=$(find "$(getent passwd root | cut -d: -f6)/PDF" -name '*.pdf' -newer "$1" 2>/dev/null | head -n 1)
        if [ -n "$f" ]; then
            sleep 1
            mv "$f" "$schermate/$2.pdf"
            pdftoppm -png -r 60 "$schermate/$2.pdf" "$schermate/$2" 2>/dev/null
            return 0
        fi
        sleep 0.5
    done
    return 1
}

caso7()
{
    casa 7
    stampanteAvviata || { manca "no print server"; esito; return; }
    local r=$HOME/registro.sqlite
    come mkdir -p "$HOME"
    # As root: the queue writes its PDF into the home of whoever prints, and nobody has none.
    COME=root avvia --registro "$r" --giocatore '<h1>Big</h1>' --tabelline 1 || return
    [ "$(xdotool getwindowname "$tavola")" = 'La Numerella – <h1>Big</h1>' ] ||
        manca "caption: $(xdotool getwindowname "$tavola")"
    breve 2
    foto tavola
    chiudi
    COME=root avvia --registro "$r" --giocatore '<b>x</b>' --tabelline 1 || return
    breve 2
    xdotool key ctrl+r
    registro=$(finestra '^Registro$') || { manca "no record window"; esito; return; }
    sleep 1
    foto registro
    xdotool key alt+t
    if w=$(finestra '^Togli$'); then
        foto conferma
        rispondiA "$w" Escape
    else
        manca "no confirmation"
    fi
    sleep 0.5
    # The report of the record window, on the default printer.
    touch "$lavoro/prima-7"
    xdotool windowfocus --sync "$registro" key alt+s
    pdfNuovo "$lavoro/prima-7" caso-7-resoconto || manca "no PDF of the report"
    sleep 0.5
    xdotool key Escape
    chiudi
    [ "$(sql "$r" "SELECT group_concat(nome, ' ') FROM (SELECT nome FROM giocatori ORDER BY id)")" = '<h1>Big</h1> <b>x</b>' ] ||
        manca "players: $(sql "$r" 'SELECT nome FROM giocatori')"
    esito
}

caso8()
{
    casa 8
    stampanteAvviata || { manca "no print server"; esito; return; }
    local r=$HOME/registro.sqlite prima dopo
    come mkdir -p "$HOME"
    COME=root avvia --registro "$r" --tabelline 1 || return
    tutta "$r" >/dev/null
    sleep 1
    [ "$(sql "$r" 'SELECT esito FROM partite')" = finita ] || manca "the game did not end"
    eval "$(xdotool getwindowgeometry --shell "$tavola")"
    # The grid's picture before and after a click on its first cell and a digit typed.
    prima=$(import -window root -crop "410x330+$((X + 45))+$((Y + 40))" png:- 2>/dev/null | md5sum)
    foto prima
    xdotool mousemove --sync $((X + 70)) $((Y + 60)) click 1
    xdotool key 5 Return
    sleep 0.5
    foto cella
    # The focus away again, so that the picture holds no text cursor.
    xdotool key shift+Tab
    sleep 1
    dopo=$(import -window root -crop "410x330+$((X + 45))+$((Y + 40))" png:- 2>/dev/null | md5sum)
    foto dopo
    [ "$prima" = "$dopo" ] || manca "the finished table changed"
    [ "$(sql "$r" 'SELECT COUNT(*) FROM sbagliate s JOIN partite p ON p.id = s.partita WHERE s.millisecondi > p.secondi * 1000 + 1000')" = 0 ] ||
        manca "an answer written after the end"
    # Printed: the page holds only what was answered.
    touch "$lavoro/prima-8"
    xdotool mousemove --sync $((X + 583)) $((Y + 378)) click 1
    if finestra '^Nome$' >/dev/null; then
        xdotool type Anna
        xdotool key Return
        pdfNuovo "$lavoro/prima-8" caso-8-tabella || manca "no PDF of the table"
    else
        manca "no name asked"
    fi
    chiudi
    esito
}

caso9()
{
    casa 9
    seme || return
    local r=$HOME/registro.sqlite permessi d
    copia "$r"
    come bash -c "umask 022 && \"$programma\" --lingua it --esporta \"$HOME/p.csv\" --esporta-risposte \"$HOME/r.csv\" \
        --esporta-fatti \"$HOME/f.csv\" --registro \"$r\""
    permessi=$(stat -c %a "$HOME/p.csv" "$HOME/r.csv" "$HOME/f.csv" | tr '\n' ' ')
    [ "$permessi" = "600 600 600 " ] || manca "CSV rights under umask 022: $permessi"
    d=$HOME/chiusa
    mkdir -p "$d"
    chown $utente:$utente "$d"
    chmod 555 "$d"
    esporta "$d/p.csv" "$r"
    [ "$stato" -eq 1 ] || manca "read-only folder: status $stato"
    grep -q "cartella" "$errori" || manca "read-only folder: $(cat "$errori")"
    cp "$errori" "$schermate/caso-9.txt"
    # As root, /proc/ typed into the export dialog and into its file dialog: nothing hangs.
    COME=root avvia --registro "$r" || return
    xdotool key ctrl+r
    finestra '^Registro$' >/dev/null || { manca "no record window"; esito; return; }
    sleep 1
    xdotool key alt+e
    local esporta scegli
    if esporta=$(finestra '^Esporta$'); then
        xdotool windowfocus --sync "$esporta" key ctrl+a
        xdotool type --delay 50 /proc/
        sleep 2
        foto campo
        xdotool key alt+c
        if scegli=$(finestra '^Esporta le partite$'); then
            xdotool windowfocus --sync "$scegli" key ctrl+a
            xdotool type --delay 50 /proc/
            sleep 3
            foto dialogo
            # The completer's list, then the dialog: each goes only if the program still answers.
            xdotool windowfocus --sync "$scegli" key Escape
            sleep 0.5
            xdotool windowfocus --sync "$scegli" key Escape
            finestra '^Esporta le partite$' 2 >/dev/null && manca "the file dialog is still open"
        else
            manca "no file dialog"
        fi
        xdotool windowfocus --sync "$esporta" key Escape
        finestra '^Esporta$' 2 >/dev/null && manca "the export dialog is still open"
    else
        manca "no export dialog"
    fi
    chiudi
    esito
}

casi=("$@")
[ ${#casi[@]} -gt 0 ] || casi=(1 2 3 4 5 6 7 8 9)
inizio=$SECONDS
for n in "${casi[@]}"; do
    detto=""
    "caso$n"
    chiudi
    # A case that could not go on says so too.
    [ -n "$detto" ] || { manca "stopped early"; esito; }
done
echo "screenshots in $schermate; $((SECONDS - inizio)) s"
[ "$falliti" -eq 0 ]
