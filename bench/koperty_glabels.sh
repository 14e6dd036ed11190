#!/usr/bin/env bash
# 100 envelopes with a 30 KB JPEG logo (names with Polish letters) through the command
# line into one PDF, side by side with the same merge in glabels-3-batch when it is
# installed (the fixture in ../shared/anchors/glabels: a DL envelope, the same logo, the
# same 100 addresses). Prints the medians of N runs of each: time, peak memory, PDF size.
#   bench/koperty_glabels.sh [BUILD_FOLDER] [N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
n=${2:-5}
program=$build/bin/lista_klientow
kotwica=${LK_KOTWICA_GLABELS:-$root/../shared/anchors/glabels}
[ -x "$program" ] || { echo "missing $program" >&2; exit 1; }
[ -f "$kotwica/clients.csv" ] || { echo "missing the glabels fixture in $kotwica" >&2; exit 1; }

"$root/skrypty/install-deps.sh" pakiety-program.txt pakiety-bench.txt || exit 1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/dane/Admini" "$tmp/dane/Firmy" "$tmp/dane/Koperty" "$tmp/wyniki"
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$tmp/dane"
cp "$kotwica/logo.jpg" logo.jpg

# The list: the fixture's 100 addresses imported into an empty list file.
head -c 349698 /dev/zero >Firmy/lista.dat
"$program" import --lista Firmy/lista.dat "$kotwica/clients.csv" >/dev/null 2>&1
# A DL profile as the fixture lays the envelope out: landscape, the recipient block at
# 110/55 mm, the logo at 10/10 mm.
python3 - "$tmp/dane/logo.jpg" <<'PY'
import sys
p = bytearray(726)
def tekst(o, t):
    b = t.encode("cp1250"); p[o] = len(b); p[o + 1:o + 1 + len(b)] = b
tekst(324, "110"); tekst(348, "55"); tekst(372, "5"); tekst(378, "5"); tekst(429, "5")
tekst(480, sys.argv[1]); tekst(480 + 231, "10"); tekst(480 + 237, "10")
p[723:726] = bytes([1, 1, 1])
open("Koperty/dl.pro", "wb").write(p)
open("Koperty/dl.pro.rozmiar", "w").write("DL\n")
PY

mediana() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# pomiar NAME COMMAND...: N runs; "seconds KB" per run in $tmp/wyniki/NAME
pomiar() {
  local nazwa=$1
  shift
  for _ in $(seq "$n"); do
    /usr/bin/time -f '%e %M' -o "$tmp/wyniki/czas" "$@" >/dev/null 2>&1
    cat "$tmp/wyniki/czas" >>"$tmp/wyniki/$nazwa"
  done
}
pomiar program "$program" koperty --lista Firmy/lista.dat --profil Koperty/dl.pro --pdf "$tmp/wyniki/program.pdf"
pc=$(cut -d' ' -f1 "$tmp/wyniki/program" | mediana)
pm=$(cut -d' ' -f2 "$tmp/wyniki/program" | mediana)
ps=$(stat -c %s "$tmp/wyniki/program.pdf")
strony=$(pdfinfo "$tmp/wyniki/program.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
echo "100 envelopes with a logo into one PDF, median of $n runs:"
printf '  lista_klientow koperty  %6.2f s  %6d KB peak  PDF %8d bytes, %s pages\n' "$pc" "$pm" "$ps" "$strony"
if command -v glabels-3-batch >/dev/null; then
  (cd "$kotwica" && pomiar glabels glabels-3-batch -o "$tmp/wyniki/glabels.pdf" merge.glabels)
  gc=$(cut -d' ' -f1 "$tmp/wyniki/glabels" | mediana)
  gm=$(cut -d' ' -f2 "$tmp/wyniki/glabels" | mediana)
  gs=$(stat -c %s "$tmp/wyniki/glabels.pdf")
  printf '  glabels-3-batch         %6.2f s  %6d KB peak  PDF %8d bytes\n' "$gc" "$gm" "$gs"
  awk -v a="$gc" -v b="$pc" 'BEGIN { if (b > 0) printf "  ratio: %.1f x faster than glabels (target >= 6)\n", a / b; else print "  ratio: below the timer resolution" }'
else
  echo "  glabels-3-batch is not installed: no side-by-side figure"
fi
echo "  targets: <= 0.25 s, <= 40 MB peak, PDF <= 1 MB"
