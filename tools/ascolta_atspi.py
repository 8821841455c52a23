#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game as a blind child would: hears the board through AT-SPI, answers with keys only.
#
# Run by tools/ascolta_atspi.sh (session bus, AT-SPI bus, Xvfb and the program already started).
# Needs Debian's python3 with python3-pyatspi, and xdotool. Prints every event heard from the program
# and, at the end, the keys it took per question.
import argparse
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DOMANDA = re.compile(r"^(\d+) per (\d+)$")


class Giocatore:
    def __init__(self, solo_uno, sbaglia, limite):
        self.solo_uno = solo_uno
        self.sbaglia = sbaglia  # the question answered wrong once first (0: none)
        self.tasti = 0
        self.domande = []  # "N per M" heard, in order
        self.tasti_domanda = []
        self.avviato = False
        self.info_chiusa = False
        self.fine = False
        self.inizio = time.monotonic()
        GLib.timeout_add_seconds(limite, self.scaduto)

    def premi(self, *tasti):
        # XTEST, as a real keyboard: the keys go to the window that has the input focus.
        subprocess.run(["xdotool", "key", "--delay", "15", *tasti], check=True)
        self.tasti += len(tasti)

    def stampa(self, tipo, sorgente, parole):
        t = time.monotonic() - self.inizio
        print(f"{t:7.3f}  {tipo:<40} {sorgente:<22} {parole!r}", flush=True)

    def evento(self, ev):
        try:
            app = ev.source.getApplication()
            if app is None or "numerella" not in (app.name or "").lower():
                return
            ruolo = ev.source.getRoleName()
            nome = ev.source.name or ""
        except Exception:
            return  # an object already gone
        if ev.type.startswith("object:property-change:accessible-description"):
            parole = ev.source.description or ""
            if parole:
                self.stampa(ev.type, f"{ruolo}[{nome}]", parole)
            if parole == "Complimenti. Hai finito.":
                self.finisci()
            return
        if ev.type.startswith("object:property-change:accessible-name"):
            self.stampa(ev.type, ruolo, nome)
            return
        if ev.type.startswith("object:state-changed:focused") and ev.detail1 == 1:
            self.stampa("focus", ruolo, nome)
            GLib.idle_add(self.rispondi, ruolo, nome)
        elif ev.type.startswith("window:activate"):
            self.stampa(ev.type, ruolo, nome)

    def rispondi(self, ruolo, nome):
        if self.fine:
            return False
        if ruolo == "push button" and nome == "OK" and not self.info_chiusa:
            self.info_chiusa = True
            self.premi("Return")  # the info window opens in front, its OK focused
        elif ruolo == "push button" and nome == "Avvio" and not self.avviato:
            self.avviato = True
            if self.solo_uno:
                self.premi("alt+shift+1")  # keep only the table of 1
            self.premi("space")
        elif ruolo == "text" and DOMANDA.match(nome):
            n, m = map(int, DOMANDA.match(nome).groups())
            if len(self.domande) + 1 == self.sbaglia:
                self.sbaglia = 0
                self.premi(*list(str(n * m + 1)), "Return")  # the same cell stays asked
                GLib.timeout_add(200, self.rispondi, ruolo, nome)
                return False
            prima = self.tasti
            self.premi(*list(str(n * m)), "Return")
            self.domande.append(nome)
            self.tasti_domanda.append(self.tasti - prima)
        return False

    def finisci(self):
        if not self.fine:
            self.fine = True
            GLib.timeout_add(300, lambda: pyatspi.Registry.stop())

    def scaduto(self):
        print("time limit reached", flush=True)
        pyatspi.Registry.stop()
        return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--solo-uno", action="store_true", help="play the table of 1 only (Alt+Shift+1)")
    parser.add_argument("--sbaglia", type=int, default=3, help="answer this question wrong once first")
    parser.add_argument("--limite", type=int, default=120, help="seconds before giving up")
    args = parser.parse_args()
    g = Giocatore(args.solo_uno, args.sbaglia, args.limite)
    for tipo in ("object:state-changed:focused", "object:property-change:accessible-description",
                 "object:property-change:accessible-name", "window:activate"):
        pyatspi.Registry.registerEventListener(g.evento, tipo)
    print("ready", flush=True)
    pyatspi.Registry.start()
    print()
    print(f"questions heard and answered: {len(g.domande)}")
    for i, (d, k) in enumerate(zip(g.domande, g.tasti_domanda), 1):
        print(f"  {i:3d}. {d:<10} {k} keys")
    per = sum(g.tasti_domanda) / len(g.domande) if g.domande else 0
    print(f"keys in all: {g.tasti} (before the first question and wrong answers: "
          f"{g.tasti - sum(g.tasti_domanda)}); {per:.2f} a question")
    print("game finished" if g.fine else "game NOT finished")
    return 0 if g.fine else 1


if __name__ == "__main__":
    sys.exit(main())
