#!/usr/bin/env bash
# The typical road through the real program (droga.py), in a fresh data root with a firm
# record, and a private print queue that is the default printer, so the print dialog
# opens on it. Then the printed pages are checked (droga_pdf.py).
#   droga.sh PROGRAM
# Screenshots and the printed PDFs stay in LK_ARTEFAKTY (default: ./artefakty_droga).
# 77: the machine lacks what is needed (not root: no print queue).
set -u
here=$(cd "$(dirname "$0")" && pwd)
program=$1
export LK_ARTEFAKTY=${LK_ARTEFAKTY:-$PWD/artefakty_droga}
rm -rf "$LK_ARTEFAKTY"
mkdir -p "$LK_ARTEFAKTY"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: the print queue needs root"; exit 77; }
for p in pdftotext pdftoppm pdfimages convert; do
  command -v $p >/dev/null || { echo "SKIP: $p missing"; exit 77; }
done

dane=$(mktemp -d /tmp/lk-droga.XXXXXX)
. "$here/cups-queue.sh"
sprzatnij() {
  kolejka_stop
  rm -rf "$dane"
}
trap sprzatnij EXIT
trap 'exit 130' INT TERM

mkdir -p "$dane/Admini" "$dane/Firmy" "$dane/Koperty" "$dane/FONT"
# The firm record: three sender lines of capacity 50 at 0, 51 and 102 of 306 bytes.
/usr/bin/python3 - "$dane/Admini/firma.dat" <<'PY'
import sys
linie = ["Firma Testowa Sp. z o.o.", "ul. Prosta 1", "00-001 Warszawa"]
r = bytearray(306)
for i, t in enumerate(linie):
    b = t.encode("cp1250")
    r[51 * i] = len(b)
    r[51 * i + 1:51 * i + 1 + len(b)] = b
open(sys.argv[1], "wb").write(r)
PY

# A red logo of 100 x 40 pixels.
convert -size 100x40 xc:red "$dane/logo.jpg" || exit 1

kolejka_start || exit 1
lpadmin -d "$LK_KOLEJKA" || exit 1

export LK_DANE=$dane LK_LIMIT=${LK_LIMIT:-240}
cd "$dane"
bash "$here/run-atspi.sh" "$here/droga.py" "$program"
rc=$?
[ $rc -eq 0 ] || exit $rc
[ "${LK_KOPERTA:-1}" = 0 ] && exit 0
/usr/bin/python3 "$here/droga_pdf.py" "$LK_ARTEFAKTY/koperta_1.pdf" "$LK_ARTEFAKTY/koperta_2.pdf"
