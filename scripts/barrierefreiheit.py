#!/usr/bin/env python3
"""Drives Quadrix the way a screen reader user does, through the accessibility bus (AT-SPI) only.

Starts the program, finds the f field, the plot button and the zero button by their accessible
names, types a term, plots, runs the zero search and reads the solutions from the table's
accessible cells. Exits 0 when all of that works and non-zero with a message naming the step
that failed. Run it inside an X server and a private session bus (see barrierefreiheit.sh).
"""

import os
import subprocess
import sys
import time

import pyatspi

TERM = "x²-4"
ERWARTET = {(1, 4): "Lösungen:", (2, 4): "-2", (3, 4): "2"}
FRIST = 30.0  # seconds for each wait


class Fehlschlag(Exception):
    pass


def warten(bedingung, was, frist=FRIST):
    ende = time.monotonic() + frist
    while time.monotonic() < ende:
        try:
            ergebnis = bedingung()
        except Exception:  # the tree changes while it is read; try again
            ergebnis = None
        if ergebnis:
            return ergebnis
        time.sleep(0.2)
    raise Fehlschlag(f"Zeitüberschreitung: {was}")


def anwendung(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def elemente(wurzel):
    """Every accessible below wurzel except the cells of tables (tens of thousands)."""
    offen = [wurzel]
    while offen:
        knoten = offen.pop()
        yield knoten
        if knoten.getRole() == pyatspi.ROLE_TABLE:
            continue
        for i in range(knoten.childCount):
            kind = knoten.getChildAtIndex(i)
            if kind is not None:
                offen.append(kind)


def finden(app, name, rollen):
    treffer = [a for a in elemente(app) if a.name == name and a.getRole() in rollen]
    if len(treffer) != 1:
        raise Fehlschlag(f"{len(treffer)} Elemente mit dem Namen „{name}“ gefunden, erwartet 1")
    return treffer[0]


def druecken(knopf):
    aktion = knopf.queryAction()
    namen = [aktion.getName(i) for i in range(aktion.nActions)]
    index = namen.index("Press") if "Press" in namen else 0
    if not aktion.doAction(index):
        raise Fehlschlag(f"„{knopf.name}“ ließ sich nicht auslösen")


def zelle(tabelle, zeile, spalte):
    z = tabelle.queryTable().getAccessibleAt(zeile, spalte)
    return z.name if z is not None else None


def ablauf(pid):
    app = warten(lambda: anwendung(pid), "Quadrix erscheint nicht am Bus")
    warten(lambda: any(a.name == "Plot" for a in elemente(app)), "kein Knopf „Plot“")
    knopf_rollen = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)
    feld = finden(app, "Funktionsterm f(x)", (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
    plot = finden(app, "Plot", knopf_rollen)
    nullstellen = finden(app, "Nullstellen", knopf_rollen)
    tabelle = finden(app, "Tabelle", (pyatspi.ROLE_TABLE,))
    print(f"gefunden: „{feld.name}“, „{plot.name}“, „{nullstellen.name}“, „{tabelle.name}“")

    feld.queryComponent().grabFocus()
    if not feld.queryEditableText().setTextContents(TERM):
        raise Fehlschlag("Der Term ließ sich nicht in das f-Feld schreiben")
    text = feld.queryText()
    warten(lambda: text.getText(0, -1) == TERM, f"das f-Feld zeigt nicht „{TERM}“")
    print(f"f(x) = {text.getText(0, -1)}")

    druecken(plot)
    druecken(nullstellen)
    gelesen = warten(
        lambda: {k: zelle(tabelle, *k) for k in ERWARTET}
        if zelle(tabelle, 3, 4) == ERWARTET[(3, 4)]
        else None,
        "keine Lösungen in der Tabelle",
    )
    for (zeile, spalte), soll in ERWARTET.items():
        ist = gelesen[(zeile, spalte)]
        print(f"Zelle Zeile {zeile}, Spalte {spalte}: „{ist}“")
        if ist != soll:
            raise Fehlschlag(f"Zelle Zeile {zeile}, Spalte {spalte}: „{ist}“ statt „{soll}“")


def main():
    programm = sys.argv[1] if len(sys.argv) > 1 else "build/quadrix"
    umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    prozess = subprocess.Popen([programm], env=umgebung)
    try:
        ablauf(prozess.pid)
    except Fehlschlag as f:
        print(f"Barrierefreiheit: FEHLER: {f}", file=sys.stderr)
        return 1
    except Exception as f:  # the bus itself failed
        print(f"Barrierefreiheit: FEHLER am Bedienungshilfen-Bus: {f!r}", file=sys.stderr)
        return 1
    finally:
        prozess.terminate()
        try:
            prozess.wait(timeout=10)
        except subprocess.TimeoutExpired:
            prozess.kill()
    print("Barrierefreiheit: f-Feld, Plot und Nullstellen über ihre Namen bedient, Lösungen gelesen")
    return 0


if __name__ == "__main__":
    sys.exit(main())
