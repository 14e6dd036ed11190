# Checks the envelopes printed by droga.py through the print queue: every line of the
# sender and recipient blocks starts where the print layout puts it, and the logo fills
# its rectangle.
#   droga_pdf.py PORTRAIT.pdf LANDSCAPE.pdf
# Layout of the road: preset 2 (100 mm, 100 mm), sender at 5 mm, 5 mm, spacing 5 mm.
# Sender line k at (l_n, g_n + 1 + k·od) mm; recipient o2..o5 at (lN + 5, gN + g_n + k·od) mm,
# k = 1..4. A millimetre is round(dpi / 25) printer dots, so 72 · 24 / 600 = 2.88 pt at the
# queue's 600 dpi (and at 300 or 1200 dpi alike).
import re
import subprocess
import sys
from html import unescape

PT_NA_MM = 2.88
TOLERANCJA = 1.5
# pdftotext's word box starts at the top of the PDF font's box, a little below the top of
# the text cell that the layout places: the same small offset for every line.
NAJWIEKSZE_PRZESUNIECIE = 3.0
L_N, G_N, OD, LN, GN = 5, 5, 5, 100, 100

# (word, x in mm or None when the word does not start its line, y in mm). "Ł" and
# other Polish letters may not come out of the queue's PDF as text: only ASCII words.
OCZEKIWANE = [
    ("Firma", L_N, G_N + 1 + 0 * OD),
    ("Prosta", None, G_N + 1 + 1 * OD),
    ("00-001", L_N, G_N + 1 + 2 * OD),
    ("Anna", None, GN + G_N + 1 * OD),
    ("Biuro", LN + 5, GN + G_N + 2 * OD),
    ("ul.", LN + 5, GN + G_N + 3 * OD),
    ("30-001", LN + 5, GN + G_N + 4 * OD),
]


def slowa(pdf):
    wynik = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True,
                           check=True, timeout=60).stdout
    strona = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', wynik)
    lista = []
    for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>',
                         wynik):
        lista.append((unescape(m.group(5)),) + tuple(float(m.group(i)) for i in range(1, 5)))
    return (float(strona.group(1)), float(strona.group(2))), lista


def polozenia(pdf, poziomo):
    """Each word's start (x, top) in the page's own orientation. A landscape envelope may
    come out of the queue as a portrait sheet with the text turned a quarter to the left:
    then its x runs up the sheet and its top is the sheet's x."""
    (szer, wys), lista = slowa(pdf)
    if poziomo and szer < wys:
        return (wys, szer), [(s, wys - y1, x0) for s, x0, y0, x1, y1 in lista]
    return (szer, wys), [(s, x0, y0) for s, x0, y0, x1, y1 in lista]


def logo(pdf):
    """The box of the logo's red pixels in points, on the page rendered at 72 dpi, the
    picture count and the sheet's size in points."""
    lista = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True,
                           check=True, timeout=60).stdout.splitlines()[2:]
    ppm = subprocess.run(["pdftoppm", "-r", "72", "-f", "1", "-l", "1", pdf], capture_output=True,
                         check=True, timeout=60).stdout
    naglowek = ppm.split(maxsplit=4)
    w, h, dane = int(naglowek[1]), int(naglowek[2]), naglowek[4]
    czerwone = [(i % w, i // w) for i in range(w * h)
                if dane[3 * i] > 200 and dane[3 * i + 1] < 80 and dane[3 * i + 2] < 80]
    if not czerwone:
        return None, len(lista), (w, h)
    xs, ys = [p[0] for p in czerwone], [p[1] for p in czerwone]
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1), len(lista), (w, h)


bledy = []
# The logo: 100 x 40 pixels at 400/400 pixels, 2.5 dots a pixel: dots 1000 .. 1250 across
# and 1000 .. 1100 down. The queue's resolution is the one the print dialog chose (the
# highest its driver offers); the logo's width on the portrait page tells which.
dpi = None
for pdf, poziomo in ((sys.argv[1], False), (sys.argv[2], True)):
    pudelko, obrazy, (szer, wys) = logo(pdf)
    if pudelko is None or obrazy != 1:
        bledy.append(f"{pdf}: logo: {obrazy} pictures, red box {pudelko}")
        continue
    if poziomo and szer < wys:
        # A landscape page on a portrait sheet, turned a quarter to the left.
        pudelko = (wys - pudelko[3], pudelko[0], wys - pudelko[1], pudelko[2])
    if dpi is None:
        zmierzone = 250 * 72 / (pudelko[2] - pudelko[0])
        dpi = min((300, 360, 600, 720, 1200, 2400), key=lambda d: abs(d - zmierzone))
    oczekiwane = tuple(k * 72 / dpi for k in (1000, 1000, 1250, 1100))
    print(f"{pdf}: logo's red box {pudelko} pt, at {dpi} dpi expected {tuple(round(v, 1) for v in oczekiwane)}")
    if any(abs(a - b) > TOLERANCJA for a, b in zip(pudelko, oczekiwane)):
        bledy.append(f"{pdf}: logo at {pudelko} pt, expected {oczekiwane}")
for pdf, poziomo in ((sys.argv[1], False), (sys.argv[2], True)):
    (szer, wys), lista = polozenia(pdf, poziomo)
    print(f"{pdf}: page {szer} x {wys} pt, {len(lista)} words")
    if (szer > wys) != poziomo:
        bledy.append(f"{pdf}: page {szer} x {wys}, expected {'landscape' if poziomo else 'portrait'}")
        continue
    # The common vertical offset, from the first sender line.
    pierwsze = [sy for s, sx, sy in lista if s == OCZEKIWANE[0][0] and abs(sx - OCZEKIWANE[0][1] * PT_NA_MM) <= TOLERANCJA]
    if not pierwsze:
        bledy.append(f"{pdf}: no {OCZEKIWANE[0][0]!r} at x={OCZEKIWANE[0][1] * PT_NA_MM}")
        continue
    przesuniecie = pierwsze[0] - OCZEKIWANE[0][2] * PT_NA_MM
    print(f"  text boxes start {przesuniecie:.2f} pt below the text cells")
    if not 0 <= przesuniecie <= NAJWIEKSZE_PRZESUNIECIE:
        bledy.append(f"{pdf}: the first line is {przesuniecie:.2f} pt off")
    for slowo, x_mm, y_mm in OCZEKIWANE:
        x = None if x_mm is None else x_mm * PT_NA_MM
        y = y_mm * PT_NA_MM + przesuniecie
        pasujace = [1 for s, sx, sy in lista if s == slowo and abs(sy - y) <= TOLERANCJA
                    and (x is None or abs(sx - x) <= TOLERANCJA)]
        kandydaci = [(round(sx, 2), round(sy, 2)) for s, sx, sy in lista if s == slowo]
        if not pasujace:
            bledy.append(f"{pdf}: {slowo!r} expected at x={x}, y={y:.2f} pt; found at {kandydaci}")
        else:
            print(f"  {slowo!r} at {kandydaci}, expected x={x}, y={y:.2f}")
if bledy:
    print("FAIL:\n  " + "\n  ".join(bledy))
    sys.exit(1)
print("printed lines where the layout puts them, portrait and landscape")
