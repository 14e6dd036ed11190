#!/usr/bin/env bash
# Installs the Debian packages of the given lists that are missing.
# Usage: skrypty/install-deps.sh LIST ...
#   LIST is a file of package names, one a line (# starts a comment), either a path or a
#   name in skrypty/: pakiety-program.txt (building and running), pakiety-testy.txt (what
#   the tests add).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -eq 0 ]; then
  echo "usage: $0 LIST ...   (e.g. pakiety-program.txt pakiety-testy.txt)" >&2
  exit 2
fi
lists=()
for l in "$@"; do
  if [ -f "$l" ]; then lists+=("$l"); else lists+=("$here/$l"); fi
done

wanted=$(cat "${lists[@]}" | sed 's/#.*//' | tr -s ' \t' '\n' | grep -v '^$' | sort -u)
missing=()
for p in $wanted; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
