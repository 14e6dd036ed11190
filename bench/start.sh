#!/usr/bin/env bash
# Start-up of the program against the smallest Qt Widgets window, side by side in one
# run on a private X server: time until the first window is mapped and the memory held
# then (peak resident set). Prints the medians of N starts of each, alternating.
#   bench/start.sh [BUILD_FOLDER] [N]
set -euo pipefail
# On a desktop there is always a session bus, and the accessibility bridge of any Qt
# window with an edit field talks to it at once; without one, each start would launch its
# own bus first. Both programs are measured on one private bus.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
n=${2:-15}
bin=$build/bin
for p in lista_klientow okno_minimalne pomiar_startu; do
  [ -x "$bin/$p" ] || { echo "missing $bin/$p: build with -DLK_BENCHMARK=ON" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
mkdir "$tmp/dane"
cp -r "$root/example/." "$tmp/dane/"
nr=$((90 + RANDOM % 9))
Xvfb :$nr -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$nr QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$tmp/run"
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
cd "$tmp/dane"
# One start of each first, so both find the libraries and fonts in the page cache.
"$bin/pomiar_startu" "$bin/lista_klientow" >/dev/null
"$bin/pomiar_startu" "$bin/okno_minimalne" >/dev/null
: >program.txt
: >minimalne.txt
for _ in $(seq "$n"); do
  "$bin/pomiar_startu" "$bin/lista_klientow" >>program.txt
  "$bin/pomiar_startu" "$bin/okno_minimalne" >>minimalne.txt
done
mediana() { sort -n -k"$2" "$1" | awk -v k="$2" '{ v[NR] = $k } END { print v[int((NR + 1) / 2)] }'; }
pc=$(mediana program.txt 1); pm=$(mediana program.txt 2)
mc=$(mediana minimalne.txt 1); mm=$(mediana minimalne.txt 2)
echo "start-up to the first window, median of $n starts each:"
printf '  lista_klientow   %7.1f ms  %6d KB\n' "$pc" "$pm"
printf '  minimal window   %7.1f ms  %6d KB\n' "$mc" "$mm"
# The starts alternate, so each pair ran under the same load: the median of the pairs'
# ratios is steadier on a busy machine than the ratio of the medians.
paste program.txt minimalne.txt | awk '{ print $1 / $3 }' >pary.txt
pr=$(mediana pary.txt 1)
awk -v a="$pc" -v b="$mc" -v r="$pr" -v x="$pm" -v y="$mm" \
  'BEGIN { printf "  ratio %.2f x, median of the paired ratios %.2f x (target <= 1.5)\n", a / b, r
           printf "  memory %+.1f MB (target <= +8 MB)\n", (x - y) / 1024 }'
