#!/usr/bin/env bash
# Starts the real program under a virtual X server in a fresh data root that holds only
# an Admini folder, checks the files it creates at start, and ends it.
#   smoke.sh PROGRAM
set -u

if [ "${1:-}" = --w-serwerze ]; then
  # Under the X server: start the program in the data root, wait for its files.
  program=$2
  root=$3
  cd "$root" || exit 1
  "$program" &
  pid=$!
  ok=1
  for _ in $(seq 1 100); do
    if [ "$(stat -c %s Admini/siec.dat 2>/dev/null)" = 403 ] && [ "$(stat -c %s Admini/info.dat 2>/dev/null)" = 66 ]; then
      ok=0
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  # The client list window is up (861 x 641 client area) and waits for the user.
  if [ $ok = 0 ]; then
    ok=1
    for _ in $(seq 1 50); do
      if xwininfo -root -tree 2>/dev/null | grep -q ' 861x641+'; then
        ok=0
        break
      fi
      sleep 0.1
    done
    [ $ok = 0 ] || echo "no window of 861 x 641"
  fi
  # The window has no caption, and nothing is appended to one: X11 shows a window without
  # a title under the program's name alone.
  if [ $ok = 0 ]; then
    id=$(xwininfo -root -tree 2>/dev/null | awk '/ 861x641\+/ {print $1; exit}')
    nazwa=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null)
    if [ "$nazwa" != '_NET_WM_NAME(UTF8_STRING) = "lista_klientow"' ]; then
      echo "window caption: $nazwa"
      ok=1
    fi
  fi
  sleep 0.3
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program is not running"
    ok=1
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit $ok
fi

program=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir "$root/Admini"

if ! xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --w-serwerze "$program" "$root"; then
  echo "FAIL: files in the data root:"
  ls -lR "$root"
  exit 1
fi

# The network setting names the start directory with mode 1; the captions are all zero.
if [ "$(od -An -tu1 -N1 "$root/Admini/siec.dat" | tr -d ' ')" != 1 ]; then
  echo "FAIL: siec.dat does not hold mode 1"
  exit 1
fi
if [ "$(tr -d '\0' <"$root/Admini/info.dat" | wc -c)" != 0 ]; then
  echo "FAIL: info.dat is not all zero"
  exit 1
fi
echo "PASS"
