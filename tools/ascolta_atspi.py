#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game as a blind child would: hears the board through AT-SPI, answers with keys only.
# With --clic it plays as a child at a whiteboard instead: every answer is clicked on the keypad, at
# the places the layout table gives, scaled and centred in the window as the board is.
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

DOMANDA = re.compile(r"(?:^|\s)(\d+) per (\d+)$")
DOMANDA_IN_FONDO = re.compile(r"(\d+) per (\d+)$")

class Giocatore:
    def __init__(self, solo_uno, sbaglia, limite, clic, foto, dimensioni, nome, sessione=False):
        self.sessione = sessione  # tables chosen, started, paused, time asked and resumed with keys
        self.pausa = "da fare"  # the session's pause: "da fare", "in corso", "fatta"
        self.nome = nome  # print the finished table with this name, when given
        self.dimensioni = dimensioni  # a client size for the board before the game, e.g. "1268x910"
        self.foto = foto  # screenshots in the middle of the game and at its end, when given
        self.solo_uno = solo_uno
        self.clic = clic
        self.ultima = None  # the question last answered by clicks
        self.finestra = None  # the board's client area on the screen: x, y, width, height
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

    def clicca(self, trova, tasto=1):
        """Clicks the centre of the board's control that trova(accessible) picks, where the program tells
        the screen reader it is: the board's own layout, scaled and centred, at any window size."""
        x, y = centro_sullo_schermo(trova)
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.03", "click", str(tasto)], check=True)
        self.tasti += 1

    def scrivi(self, numero):
        """An answer and OK: with keys, or with clicks on the keypad."""
        if not self.clic:
            self.premi(*list(str(numero)), "Return")
            return
        for c in str(numero):
            self.clicca(di_nome("push button", f"Tasto {c}"))
        self.clicca(di_nome("push button", "OK"))

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
            # The words the event carried: by the time it is read the control may have others.
            parole = ev.any_data if isinstance(ev.any_data, str) else (ev.source.description or "")
            if parole == "esclusa" and not ev.source.getState().contains(pyatspi.STATE_FOCUSED):
                return  # a cell turning green: seen, and said when it is reached
            if parole:
                self.stampa(ev.type, f"{ruolo}[{nome}]", parole)
            domanda = DOMANDA_IN_FONDO.search(parole)
            if self.clic and domanda:
                # The asked cell is announced on the control under the finger ("Giusto! 2 per 1").
                GLib.idle_add(self.rispondi, "text", domanda.group(0))
            if parole.startswith("Complimenti. Hai finito."):
                self.finisci()
            elif self.sessione and parole.startswith("Si riprende.") and domanda:
                # Resumed on the very cell that has the focus: no focus event, the words only.
                GLib.idle_add(self.rispondi, "text", domanda.group(0).strip())
            return
        if ev.type.startswith("object:property-change:accessible-name"):
            if ev.source.getState().contains(pyatspi.STATE_FOCUSED):
                self.stampa(ev.type, ruolo, nome)  # a reader says only the focused control's new name
            return
        if ev.type.startswith("object:state-changed:focused") and ev.detail1 == 1:
            self.stampa("focus", ruolo, nome)
            if nome.startswith("Complimenti. Hai finito."):
                self.finisci()  # heard with the name of Print, which takes the focus
                return
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
            if self.dimensioni:
                w, h = map(int, self.dimensioni.split("x"))
                subprocess.run(["xdotool", "getwindowfocus", "-f", "windowsize", str(w), str(h),
                                "windowmove", "0", "0"], check=True)
                for _ in range(50):  # the board's new size reaches AT-SPI a moment later
                    if finestra_del_programma()[2:] == (w, h):
                        break
                    time.sleep(0.1)
            if self.clic:
                self.finestra = finestra_del_programma()
                self.stampa("board", "frame", self.finestra)
                if self.solo_uno:
                    self.clicca(lambda a: (a.description or "").startswith("Alt+1:"), 3)  # keep only the table of 1
                self.clicca(di_nome("push button", "Avvio"))
                return False
            if self.sessione:
                # Tables 1 to 3 without the 2, then Ctrl+N: no Tab, no button.
                # (spaced by the main loop, so that each choice is heard as it is made)
                self.premi("alt+shift+3")
                GLib.timeout_add(500, lambda: self.premi("alt+2") and False)
                GLib.timeout_add(1000, lambda: self.premi("ctrl+n") and False)
                return False
            if self.solo_uno:
                self.premi("alt+shift+1")  # keep only the table of 1
            self.premi("space")
        elif ruolo == "text" and DOMANDA.search(nome):
            if self.clic and nome == self.ultima:
                return False  # heard again on each control the finger passes: answered already
            self.ultima = nome
            n, m = map(int, DOMANDA.search(nome).groups())
            if self.sessione and self.pausa == "da fare" and len(self.domande) == 5:
                # Ctrl+P pauses, Ctrl+T asks the time, Ctrl+P resumes: the next question comes back.
                self.pausa = "in corso"
                self.premi("ctrl+p")
                GLib.timeout_add(1500, self.chiedi_tempo)
                return False
            if len(self.domande) + 1 == self.sbaglia:
                self.sbaglia = 0
                self.scrivi(n * m + 1)  # the same cell stays asked
                GLib.timeout_add(200, self.riprova, ruolo, nome)
                return False
            if self.foto and len(self.domande) == 5:
                subprocess.run(["import", "-window", "root", f"{self.foto}-partita.png"], check=True)
            prima = self.tasti
            self.scrivi(n * m)
            self.domande.append(nome)
            self.tasti_domanda.append(self.tasti - prima)
        return False

    def chiedi_tempo(self):
        self.premi("ctrl+t")
        GLib.timeout_add(1500, self.riprendi)
        return False

    def riprendi(self):
        self.pausa = "fatta"
        self.premi("ctrl+p")
        return False

    def riprova(self, ruolo, nome):
        self.ultima = None
        return self.rispondi(ruolo, nome)

    def finisci(self):
        if not self.fine:
            self.fine = True
            if self.foto:
                subprocess.run(["import", "-window", "root", f"{self.foto}-fine.png"], check=True)
            if self.nome:
                # The finished game has the focus on Print: the name prompt, then the default printer.
                self.premi("space")
                GLib.timeout_add(800, self.firma)
                return
            GLib.timeout_add(300, lambda: pyatspi.Registry.stop())

    def firma(self):
        subprocess.run(["xdotool", "type", "--delay", "30", self.nome], check=True)
        if self.foto:
            subprocess.run(["import", "-window", "root", f"{self.foto}-nome.png"], check=True)
        self.premi("Return")
        GLib.timeout_add(3000, lambda: pyatspi.Registry.stop())
        return False

    def scaduto(self):
        print("time limit reached", flush=True)
        pyatspi.Registry.stop()
        return False


def tavola():
    """The board's window as the screen reader sees it."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and "numerella" in (app.name or "").lower():
            for finestra in app:
                if finestra.getRoleName() == "frame" and finestra.getState().contains(pyatspi.STATE_VISIBLE):
                    return finestra
    raise RuntimeError("the board's window was not found")


def finestra_del_programma():
    e = tavola().queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def di_nome(ruolo, nome):
    return lambda a: a.getRoleName() == ruolo and a.name == nome


def centro_sullo_schermo(trova):
    controllo = pyatspi.findDescendant(
        tavola(), lambda a: a is not None and a.getState().contains(pyatspi.STATE_SHOWING) and trova(a))
    if controllo is None:
        raise RuntimeError("control not found on the board")
    e = controllo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return round(e.x + e.width / 2), round(e.y + e.height / 2)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--solo-uno", action="store_true", help="play the table of 1 only (Alt+Shift+1)")
    parser.add_argument("--sbaglia", type=int, default=3, help="answer this question wrong once first")
    parser.add_argument("--limite", type=int, default=120, help="seconds before giving up")
    parser.add_argument("--clic", action="store_true", help="answer with clicks on the keypad, not keys")
    parser.add_argument("--foto", help="screenshots FOTO-partita.png, FOTO-fine.png (and FOTO-nome.png) with ImageMagick")
    parser.add_argument("--finestra", help="give the board this client size first, e.g. 1268x910")
    parser.add_argument("--stampa", metavar="NOME", help="print the finished table with this name")
    parser.add_argument("--sessione", action="store_true",
                        help="a whole session by keys: tables 1 and 3 (Alt+Shift+3, Alt+2), Ctrl+N, "
                             "a pause with the time asked (Ctrl+P, Ctrl+T, Ctrl+P)")
    args = parser.parse_args()
    g = Giocatore(args.solo_uno, args.sbaglia, args.limite, args.clic, args.foto, args.finestra, args.stampa,
                  args.sessione)
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
