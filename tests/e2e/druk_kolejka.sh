#!/usr/bin/env bash
# Prints one page through a private CUPS queue and checks where the text landed.
#   druk_kolejka.sh PATH/TO/druk_proba
# The page has "Proba" with its text cell's top-left corner 144 pt from the paper's left
# edge and 216 pt from its top. Checked:
#  - Qt's own PDF of the page: pdftotext puts the word's box at (144, 216) +- 1 pt;
#  - the queue's PDF: the same word, its box starting at x = 144 +- 1 pt and as wide as in
#    Qt's PDF +- 1 pt (no offset, no scaling), on an A4 page; and its ink, rendered, lies
#    where the ink of Qt's PDF lies, +- 1 pt in both directions. (The queue's PDF is
#    rewritten with fonts whose declared ascent differs, so pdftotext's top edge of a word
#    there is not the text cell's top; the ink is.)
set -u
program=$1
tu=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the PDF backend of CUPS runs only as root"
  exit 77
fi
for p in /usr/sbin/cupsd lpadmin pdftotext pdftoppm; do
  command -v "$p" >/dev/null || { echo "SKIP: $p missing"; exit 77; }
done
. "$tu/cups-queue.sh"

praca=$(mktemp -d)
trap 'kolejka_stop; rm -rf "$praca"' EXIT
start=$SECONDS
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

"$program" -o "$praca/bezposrednio.pdf" || { echo "FAIL: direct PDF"; exit 1; }
kolejka_start || { echo "FAIL: the queue did not start"; exit 1; }
"$program" "$LK_KOLEJKA" || { echo "FAIL: printing to $LK_KOLEJKA"; exit 1; }
pdf=$(kolejka_czekaj_na_pdf 1) || { echo "FAIL: no PDF from the queue"; exit 1; }
cp "$pdf" "$praca/kolejka.pdf"
echo "queue PDF after $((SECONDS - start)) s: $pdf"

for f in bezposrednio kolejka; do
  pdftotext -bbox "$praca/$f.pdf" "$praca/$f.html"
  pdftoppm -r 288 -gray -f 1 -l 1 "$praca/$f.pdf" "$praca/$f"
done

/usr/bin/python3 - "$praca" <<'PY'
import glob, re, sys
praca = sys.argv[1]

def slowa(nazwa):
    html = open(f"{praca}/{nazwa}.html", encoding="utf-8").read()
    strona = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', html)
    w = [(float(a), float(b), float(c), float(d), t) for a, b, c, d, t in re.findall(
        r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', html)]
    return (float(strona.group(1)), float(strona.group(2))), w

def tusz(nazwa, dpi=288):
    # Bounding box of the dark pixels of page 1, in points.
    plik = sorted(glob.glob(f"{praca}/{nazwa}-*1.pgm"))[0]
    dane = open(plik, "rb").read()
    m = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", dane)
    szer, wys = int(m.group(1)), int(m.group(2))
    px = dane[m.end():]
    wiersze = [y for y in range(wys) if min(px[y * szer:(y + 1) * szer]) < 128]
    kolumny = [x for x in range(szer) if any(px[y * szer + x] < 128 for y in wiersze)]
    s = 72.0 / dpi
    return (kolumny[0] * s, wiersze[0] * s, (kolumny[-1] + 1) * s, (wiersze[-1] + 1) * s)

bledy = []
def blisko(opis, a, b, tol=1.0):
    ok = abs(a - b) <= tol
    print(f"{'ok' if ok else 'FAIL'}: {opis}: {a:.2f} (expected {b:.2f} +- {tol})")
    if not ok:
        bledy.append(opis)

(sw, sh), w = slowa("bezposrednio")
assert len(w) == 1 and w[0][4] == "Proba", w
bx0, by0, bx1, by1, _ = w[0]
blisko("Qt's PDF, word left", bx0, 144)
blisko("Qt's PDF, word top", by0, 216)

(kw, kh), w = slowa("kolejka")
if len(w) != 1 or w[0][4] != "Proba":
    print("FAIL: the queue's PDF holds", w)
    sys.exit(1)
kx0, ky0, kx1, ky1, _ = w[0]
blisko("queue page width", kw, 595)
blisko("queue page height", kh, 842)
blisko("queue PDF, word left", kx0, 144)
blisko("queue PDF, word width", kx1 - kx0, bx1 - bx0)

tb, tk = tusz("bezposrednio"), tusz("kolejka")
for i, opis in enumerate(["left", "top", "right", "bottom"]):
    blisko(f"queue PDF, ink {opis}", tk[i], tb[i])
sys.exit(1 if bledy else 0)
PY
rc=$?
echo "took $((SECONDS - start)) s"
exit $rc
