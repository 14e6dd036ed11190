#!/usr/bin/env bash
# Runs a program under a real X server (Xvfb) with the accessibility bus, and a Python
# driver that works it through AT-SPI, the way assistive technology would.
#   run-atspi.sh DRIVER.py PROGRAM [ARGS...]
# Everything is private to the run: a D-Bus session (dbus-run-session), an X display
# picked by Xvfb itself, the AT-SPI bus launcher. All of it is stopped afterwards, also
# when the driver fails or the run is interrupted.
# The driver (run with /usr/bin/python3, which sees pyatspi) gets in its environment:
#   LK_PROGRAM_NAZWA  the program's name as the accessibility tree shows it (its file name)
#   LK_PROGRAM_PID    its process id
#   LK_ARTEFAKTY      a folder for screenshots and other artefacts (created); set it to keep
#                     them, else a temporary folder removed at the end
#   DISPLAY           the X display
# The exit status is the driver's (124 when it ran out of LK_LIMIT seconds, default 300);
# 77 when the machine lacks what is needed.
set -u

if [ "${LK_ATSPI_SESJA:-}" != 1 ]; then
  if [ $# -lt 2 ]; then
    echo "usage: $0 DRIVER.py PROGRAM [ARGS...]" >&2
    exit 2
  fi
  for p in dbus-run-session Xvfb xdpyinfo /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$p" >/dev/null || { echo "SKIP: $p missing"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi missing"; exit 77; }
  LK_ATSPI_SESJA=1 exec dbus-run-session -- bash "$0" "$@"
fi

sterownik=$1
program=$2
shift 2
tmp=$(mktemp -d)
if [ -z "${LK_ARTEFAKTY:-}" ]; then
  export LK_ARTEFAKTY=$tmp/artefakty
fi
mkdir -p "$LK_ARTEFAKTY"

# Stops what this run started: each child by its id, children of children first.
potomkowie() {
  local p
  for p in $(ps -o pid= --ppid "$1" 2>/dev/null); do
    potomkowie "$p"
    echo "$p"
  done
}
sprzatnij() {
  local pidy p
  pidy=$(potomkowie $$)
  for p in $pidy; do kill "$p" 2>/dev/null; done
  sleep 0.2
  for p in $(potomkowie $$); do kill -KILL "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap sprzatnij EXIT
trap 'exit 130' INT TERM

# Every helper is bounded in time, so none outlives a run killed before its clean-up.
zycie=$((${LK_LIMIT:-300} + 60))

# Xvfb picks a free display and writes its number to fd 3.
timeout -k 5 $zycie Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" \
  >"$tmp/xvfb.log" 2>&1 &
for ((i = 0; i < 200; i++)); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "FAIL: Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1
fi
export DISPLAY=:$(head -n1 "$tmp/display")
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

timeout -k 5 $zycie /usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/atspi.log" 2>&1 &
# The accessibility bus is up when the launcher owns its name (asked without starting
# a second launcher by D-Bus activation).
for ((i = 0; i < 100; i++)); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.05
done

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" "$@" \
  >"$LK_ARTEFAKTY/program.log" 2>&1 &
export LK_PROGRAM_PID=$!
# The program itself is started directly (its process id and name are the driver's to
# use); a watchdog ends it with the run.
( sleep $zycie; kill -KILL $LK_PROGRAM_PID 2>/dev/null ) >/dev/null 2>&1 &
export LK_PROGRAM_NAZWA=$(basename "$program")

timeout "${LK_LIMIT:-300}" /usr/bin/python3 "$sterownik"
rc=$?
if [ $rc -ne 0 ]; then
  echo "driver failed ($rc); the program's output:"
  cat "$LK_ARTEFAKTY/program.log"
fi
exit $rc
