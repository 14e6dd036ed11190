#!/usr/bin/env bash
# A newcomer's first start: clones this repository's last commit into a temporary folder
# and times `./run` there, from the start of the build to the program's first window
# mapped on a private X server, with a fresh home and data folder. The packages must
# already be installed (./run checks them and installs nothing then).
#   bench/pierwsze_uruchomienie.sh [BUILD_FOLDER]   (the folder holding bin/pomiar_startu)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
[ -x "$build/bin/pomiar_startu" ] || { echo "missing $build/bin/pomiar_startu: build with -DLK_BENCHMARK=ON" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
git clone -q "$root" "$tmp/klon"
mkdir -m 700 "$tmp/dom" "$tmp/run"
nr=$((90 + RANDOM % 9))
Xvfb :$nr -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$nr QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/dom
unset LK_DATA XDG_DATA_HOME CMAKE_GENERATOR
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
wynik=$("$build/bin/pomiar_startu" "$tmp/klon/run" 2>/dev/null </dev/null | tail -1)
awk -v ms="${wynik%% *}" 'BEGIN { printf "fresh clone to the first window: %.1f s (target <= 60 s)\n", ms / 1000 }'
