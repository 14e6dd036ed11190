#!/usr/bin/env bash
# A full list (501 clients with Polish letters) on 70x37 label sheets (21 pages) through
# the command line into one PDF, side by side with the same merge in glabels-3-batch when
# it is installed (the fixture in ../shared/anchors/glabels: the same sheet, margin, font
# and 501 addresses). The two run in turns, N times each; prints the medians of time and
# peak memory, the PDF's pages and size, and the ratio.
#   bench/etykiety_glabels.sh [BUILD_FOLDER] [N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
n=${2:-7}
program=$build/bin/lista_klientow
kotwica=${LK_KOTWICA_GLABELS:-$root/../shared/anchors/glabels}
[ -x "$program" ] || { echo "missing $program" >&2; exit 1; }
[ -f "$kotwica/clients501.csv" ] || { echo "missing the glabels fixture in $kotwica" >&2; exit 1; }

"$root/skrypty/install-deps.sh" pakiety-program.txt pakiety-bench.txt || exit 1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/dane/Admini" "$tmp/dane/Firmy" "$tmp/wyniki"
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$tmp/dane"

# The list: the fixture's 501 addresses imported into an empty list file (nazwa, osoba,
# ulica, miasto become nazwa1, nazwa2, ulica, miejscowosc).
head -c 349698 /dev/zero >Firmy/lista.dat
"$program" import --lista Firmy/lista.dat "$kotwica/clients501.csv" >/dev/null 2>&1

glabels=false
command -v glabels-3-batch >/dev/null && glabels=true
# raz NAME COMMAND...: one run; "seconds KB" appended to $tmp/wyniki/NAME
raz() {
  local nazwa=$1
  shift
  /usr/bin/time -f '%e %M' -o "$tmp/wyniki/czas" "$@" >/dev/null 2>&1
  cat "$tmp/wyniki/czas" >>"$tmp/wyniki/$nazwa"
}
for _ in $(seq "$n"); do
  raz program "$program" etykiety --lista Firmy/lista.dat --arkusz 70x37 --pdf "$tmp/wyniki/program.pdf"
  if $glabels; then
    (cd "$kotwica" && raz glabels glabels-3-batch -o "$tmp/wyniki/glabels.pdf" labels.glabels)
  fi
done

mediana() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
strony() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }
pc=$(cut -d' ' -f1 "$tmp/wyniki/program" | mediana)
pm=$(cut -d' ' -f2 "$tmp/wyniki/program" | mediana)
echo "501 address labels on 70x37 sheets into one PDF, median of $n runs each, in turns:"
printf '  lista_klientow etykiety  %6.2f s  %6d KB peak  PDF %8d bytes, %s pages\n' "$pc" "$pm" \
  "$(stat -c %s "$tmp/wyniki/program.pdf")" "$(strony "$tmp/wyniki/program.pdf")"
if $glabels; then
  gc=$(cut -d' ' -f1 "$tmp/wyniki/glabels" | mediana)
  gm=$(cut -d' ' -f2 "$tmp/wyniki/glabels" | mediana)
  printf '  glabels-3-batch          %6.2f s  %6d KB peak  PDF %8d bytes, %s pages\n' "$gc" "$gm" \
    "$(stat -c %s "$tmp/wyniki/glabels.pdf")" "$(strony "$tmp/wyniki/glabels.pdf")"
  awk -v a="$gc" -v b="$pc" 'BEGIN { if (b > 0) printf "  ratio: %.1f x faster than glabels (target >= 10)\n", a / b; else print "  ratio: below the timer resolution" }'
else
  echo "  glabels-3-batch is not installed: no side-by-side figure"
fi
echo "  targets: <= 0.2 s, <= 60 MB peak"
