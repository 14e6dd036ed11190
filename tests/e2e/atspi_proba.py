# Driver for atspi_proba: finds the program on the accessibility bus, lists its
# accessible objects, types Polish text into the field "pole" through the editable-text
# interface, clicks "Zapisz" with a synthetic mouse click and checks what the program
# wrote. The file to check is the program's first argument (LK_WYNIK).
import os
import subprocess
import sys
import time

import pyatspi

NAZWA = os.environ["LK_PROGRAM_NAZWA"]
WYNIK = os.environ["LK_WYNIK"]
ARTEFAKTY = os.environ["LK_ARTEFAKTY"]
TEKST = "Łódź"


def czekaj(warunek, opis, limit=20.0):
    koniec = time.time() + limit
    while time.time() < koniec:
        wynik = warunek()
        if wynik:
            return wynik
        time.sleep(0.1)
    print("FAIL: timed out waiting for", opis)
    sys.exit(1)


def aplikacja():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == NAZWA:
            return a
    return None


def drzewo(obiekt, glebokosc=0):
    yield glebokosc, obiekt
    for dziecko in obiekt:
        if dziecko is not None:
            yield from drzewo(dziecko, glebokosc + 1)


def znajdz(korzen, rola, nazwa):
    for _, o in drzewo(korzen):
        if o.getRoleName() == rola and o.name == nazwa:
            return o
    return None


def zrzut(nazwa):
    subprocess.run(["import", "-window", "root", os.path.join(ARTEFAKTY, nazwa)], check=False)


if os.path.exists(WYNIK):
    os.remove(WYNIK)  # left by an earlier run; only this run's click may make it
app = czekaj(aplikacja, "the program on the accessibility bus")
okno = czekaj(lambda: app.childCount > 0 and app[0], "its window")
for glebokosc, o in drzewo(app):
    print("  " * glebokosc + f"{o.getRoleName()} '{o.name}'")

pole = czekaj(lambda: znajdz(app, "text", "pole"), "the edit field 'pole'")
pole.queryEditableText().setTextContents(TEKST)
czekaj(lambda: pole.queryText().getText(0, -1) == TEKST, "the text to arrive in the field")
print("field holds:", pole.queryText().getText(0, -1))

przycisk = czekaj(lambda: znajdz(app, "push button", "Zapisz"), "the button 'Zapisz'")
e = przycisk.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
pyatspi.Registry.generateMouseEvent(e.x + e.width // 2, e.y + e.height // 2, pyatspi.MOUSE_B1C)
tekst = czekaj(lambda: os.path.exists(WYNIK) and open(WYNIK, encoding="utf-8").read(),
               "the program to write the field")
zrzut("atspi_proba.png")
if tekst != TEKST:
    print(f"FAIL: the program wrote {tekst!r}, expected {TEKST!r}")
    sys.exit(1)
print("the program wrote:", tekst)
