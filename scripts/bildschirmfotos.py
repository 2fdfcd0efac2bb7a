#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of the teacher's guide (docs/anleitung.md), made from the real
program: it runs in a private X server (Xvfb) and is worked through the steps
of the guide with the real pointer and keyboard, as the end-to-end tests do.

Usage: bildschirmfotos.py PATH/TO/kettenbrief OUTPUT_DIR [SCREENSHOT.png]

Writes 01-fenster.png ... 07-viele-spiele.png into OUTPUT_DIR and, when
given, the window right after start into SCREENSHOT.png (README and the
software centres show it). Exits non-zero when a step or a picture fails.
"""

import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import e2ehilfe as e2e  # noqa: E402  (the shared helpers of the end-to-end tests)

AUSWERTUNG = "Auswertung – Kettenbrief"
# What the guide shows of the field after a pass: the settings, the number
# boxes and the field.
FELD_AUSSCHNITT = (0, 0, 470, 648)


def knopf(session, name):
    return session.rect(name, "PUSH_BUTTON").centre()


def speichern(daten, ziel, ausschnitt=None):
    """A screenshot (PPM data) as PNG, whole or cut to (x, y, w, h)."""
    befehl = ["convert", "ppm:-"]
    if ausschnitt:
        x, y, w, h = ausschnitt
        befehl += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    subprocess.run(befehl + [ziel], input=daten, check=True)
    print(f"wrote {ziel}")


def ruhig(session, aufnahme, sekunden=20):
    """The first picture that the next one, half a second later, repeats."""
    ende = time.monotonic() + sekunden
    letzte = aufnahme()
    while time.monotonic() < ende:
        time.sleep(0.5)
        neue = aufnahme()
        if neue == letzte:
            return neue
        letzte = neue
    raise e2e.Failure(f"the picture did not settle within {sekunden} s")


def hauptfenster(session):
    return ruhig(session, lambda: session.shot().data)


def auswertung_fenster(session):
    ids = e2e.x_tool(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{AUSWERTUNG}$"],
                     session.env, timeout=e2e.WINDOW_SECONDS).decode().split()
    e2e.check(len(ids) == 1, f"expected one window {AUSWERTUNG!r}, found {ids}")
    return ids[0]


def auswertung_bild(session, fenster):
    return ruhig(session, lambda: e2e.x_tool(["import", "-window", fenster, "-depth", "8", "ppm:-"],
                                             session.env, timeout=15))


def anleitung(session, ausgabe, startbild):
    # The pointer rests on the help line, which has no help text of its own:
    # the line keeps what the last button said.
    weg = session.rect("Hilfezeile", "TEXT").centre()
    session.move(weg)
    bild = hauptfenster(session)
    speichern(bild, os.path.join(ausgabe, "01-fenster.png"))
    if startbild:
        speichern(bild, startbild)
    session.click(knopf(session, "Zielsuche"))
    session.move(weg)
    speichern(hauptfenster(session), os.path.join(ausgabe, "02-zielsuche.png"), FELD_AUSSCHNITT)
    session.click(knopf(session, "Ergebnis"))
    session.move(weg)
    speichern(hauptfenster(session), os.path.join(ausgabe, "03-ergebnis.png"))
    for _ in range(3):
        session.click(knopf(session, "Schnelldurchlauf 10 Iterationen"))
        session.move(weg)
        hauptfenster(session)
    speichern(hauptfenster(session), os.path.join(ausgabe, "04-schnelldurchlauf.png"))
    session.click(knopf(session, "Vergleich mit Verhulst"))
    session.move(weg)
    speichern(hauptfenster(session), os.path.join(ausgabe, "05-verhulst.png"))
    session.key("ctrl+t")
    fenster = auswertung_fenster(session)
    speichern(auswertung_bild(session, fenster), os.path.join(ausgabe, "06-auswertung.png"))
    e2e.x_tool(["xdotool", "windowfocus", "--sync", fenster], session.env)
    e2e.x_tool(["xdotool", "key", "--clearmodifiers", "alt+v"], session.env)
    time.sleep(1)
    speichern(auswertung_bild(session, fenster), os.path.join(ausgabe, "07-viele-spiele.png"))
    return f"7 pictures in {ausgabe}"


def main():
    args = sys.argv[1:]
    if len(args) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    ausgabe = os.path.abspath(args[1])
    startbild = os.path.abspath(args[2]) if len(args) == 3 else None
    os.makedirs(ausgabe, exist_ok=True)
    sys.argv = [sys.argv[0], args[0]]
    return e2e.run_test(__doc__, lambda session: anleitung(session, ausgabe, startbild), "bildschirmfotos-")


if __name__ == "__main__":
    sys.exit(main())
