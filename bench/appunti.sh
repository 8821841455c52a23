#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The name prompt and a clipboard owner elsewhere on the desktop, on a private Xvfb: once an owner that
# never answers a paste (a hung program), once one that answers "Zoe". bench_appunti opens the prompt,
# pastes with Ctrl+V and the middle button, types "Anna" and Return through the X server, and prints
# how long the program stopped turning its event loop and the name it got.
#
# PROGRAMMA (default build-asan/bench/bench_appunti).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
programma=${PROGRAMMA:-$root/build-asan/bench/bench_appunti}
. "$root/tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb || exit 1

# Takes CLIPBOARD and PRIMARY and answers every request with $1, or never when $1 is empty.
proprietario()
{
    exec /usr/bin/python3 - "$1" <<'PY'
import sys
from Xlib import X, Xatom, display
from Xlib.protocol import event

testo = sys.argv[1].encode()
d = display.Display()
w = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
for nome in ("CLIPBOARD", "PRIMARY"):
    w.set_selection_owner(d.intern_atom(nome), X.CurrentTime)
d.flush()
print("pronto", flush=True)
utf8 = d.intern_atom("UTF8_STRING")
while True:
    try:
        e = d.next_event()
    except Exception:  # the X server went away: the run is over
        sys.exit(0)
    if e.type != X.SelectionRequest or not testo:
        continue  # a hung program: the request is never answered
    e.requestor.change_property(e.property, utf8, 8, testo)
    risposta = event.SelectionNotify(time=e.time, requestor=e.requestor, selection=e.selection,
                                     target=e.target, property=e.property)
    e.requestor.send_event(risposta)
    d.flush()
PY
}

esito=0
for testo in "" "Zoe"; do
    coproc PROPRIETARIO { proprietario "$testo"; }
    read -r _ <&"${PROPRIETARIO[0]}"
    echo "== clipboard owner that $([ -n "$testo" ] && echo "answers \"$testo\"" || echo "never answers") =="
    out=$(QT_QPA_PLATFORM=xcb "$programma")
    echo "$out"
    kill "$PROPRIETARIO_PID" 2>/dev/null
    wait "$PROPRIETARIO_PID" 2>/dev/null
    ferma=$(sed -n 's/^longest_freeze_ms *\([0-9]*\).*/\1/p' <<<"$out")
    nome=$(sed -n 's/^name *"\(.*\)"$/\1/p' <<<"$out")
    if [ -z "$ferma" ] || [ "$ferma" -gt 1200 ]; then
        echo "FAILED: the program stopped for ${ferma:-?} ms"
        esito=1
    fi
    if [ -n "$testo" ] && [[ "$nome" != *"$testo"* ]]; then
        echo "FAILED: the pasted \"$testo\" is not in the name"
        esito=1
    fi
    if [[ "$nome" != *Anna* ]]; then
        echo "FAILED: the typed name is lost"
        esito=1
    fi
done
exit "$esito"
