#!/usr/bin/env bash
# A private CUPS print queue that turns every job into a PDF file, for tests.
# Needs root (the PDF backend runs only as root); no systemd, no system cupsd: a cupsd of
# its own runs on a socket in a temporary folder, with its own spool, logs and state.
#
# Use from a script:
#   . tests/e2e/cups-queue.sh
#   kolejka_start              # starts cupsd and the queue; exports CUPS_SERVER, LK_KOLEJKA,
#                              #   LK_KOLEJKA_WYJSCIE (folder of the PDFs), LK_KOLEJKA_KATALOG
#   lp -d "$LK_KOLEJKA" plik.pdf             # or print from a program: Qt honours CUPS_SERVER
#   pdf=$(kolejka_czekaj_na_pdf 1)           # waits for job 1 and prints the PDF's path
#   kolejka_stop               # stops cupsd and removes everything it made
# or from a shell:
#   eval "$(tests/e2e/cups-queue.sh start)"; ...; tests/e2e/cups-queue.sh stop
#
# Each queue has a name of its own (cups-pdf reads /etc/cups/cups-pdf-<name>.conf), so
# several may run side by side.

kolejka_start() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "kolejka_start: needs root" >&2
    return 1
  fi
  local R
  R=$(mktemp -d /tmp/lk-cups.XXXXXX) || return 1
  chmod 755 "$R"
  local nazwa=lk${R##*.}
  nazwa=${nazwa//[^A-Za-z0-9]/}
  local OUT=$R/out
  mkdir -p "$R/spool/tmp" "$R/cache" "$R/state" "$R/log" "$OUT"
  chmod 1777 "$OUT"
  cat >"$R/cups-files.conf" <<EOF2
ServerRoot $R
RequestRoot $R/spool
TempDir $R/spool/tmp
CacheDir $R/cache
StateDir $R/state
AccessLog $R/log/access_log
ErrorLog $R/log/error_log
PageLog $R/log/page_log
SystemGroup root
Printcap $R/printcap
EOF2
  printf 'Listen %s/cups.sock\nBrowsing No\nWebInterface No\nLogLevel warn\nDefaultPolicy open\n<Policy open>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n' \
    "$R" >"$R/cupsd.conf"
  printf 'Out %s\nAnonDirName %s\nSpool %s/cups-pdf-spool\nLog %s/log\n' \
    "$OUT" "$OUT" "$R" "$R" >"/etc/cups/cups-pdf-$nazwa.conf"
  echo "$nazwa" >"$R/nazwa"

  export CUPS_SERVER=$R/cups.sock LK_KOLEJKA=$nazwa LK_KOLEJKA_WYJSCIE=$OUT LK_KOLEJKA_KATALOG=$R
  # Bounded in time, so a queue whose script was killed before kolejka_stop does not
  # run on for ever (LK_KOLEJKA_ZYCIE seconds, default 15 minutes).
  setsid timeout -k 5 "${LK_KOLEJKA_ZYCIE:-900}" /usr/sbin/cupsd -f -c "$R/cupsd.conf" -s "$R/cups-files.conf" \
    </dev/null >"$R/log/cupsd.out" 2>&1 &
  echo $! >"$R/cupsd.pid"

  local i
  for ((i = 0; i < 200; i++)); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.05
  done
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    echo "kolejka_start: cupsd did not start" >&2
    cat "$R/log/cupsd.out" "$R/log/error_log" >&2 2>/dev/null
    kolejka_stop
    return 1
  fi
  # Printer drivers are deprecated in CUPS, but still work; the warning is dropped.
  if ! lpadmin -p "$nazwa" -E -v "cups-pdf:/$nazwa" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo 2>"$R/log/lpadmin.err"; then
    cat "$R/log/lpadmin.err" >&2
    kolejka_stop
    return 1
  fi
}

# Waits until job N is done and prints the path of its PDF; fails after LK_KOLEJKA_LIMIT
# seconds (default 60).
kolejka_czekaj_na_pdf() {
  local zadanie=$1 limit=${LK_KOLEJKA_LIMIT:-60}
  local koniec=$((SECONDS + limit)) pdf
  while [ $SECONDS -lt $koniec ]; do
    if ! lpstat -o "$LK_KOLEJKA" 2>/dev/null | grep -q -- "-$zadanie\b"; then
      pdf=$(find "$LK_KOLEJKA_WYJSCIE" -name "*job_$zadanie.pdf" -print -quit 2>/dev/null)
      if [ -n "$pdf" ] && [ -s "$pdf" ]; then
        echo "$pdf"
        return 0
      fi
    fi
    sleep 0.1
  done
  echo "kolejka_czekaj_na_pdf: no PDF for job $zadanie after $limit s" >&2
  cat "$LK_KOLEJKA_KATALOG/log/error_log" "$LK_KOLEJKA_KATALOG"/log/cups-pdf* >&2 2>/dev/null
  return 1
}

kolejka_stop() {
  local R=${LK_KOLEJKA_KATALOG:-}
  [ -n "$R" ] && [ -d "$R" ] || return 0
  local pid nazwa
  pid=$(cat "$R/cupsd.pid" 2>/dev/null)
  nazwa=$(cat "$R/nazwa" 2>/dev/null)
  if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
    local i
    for ((i = 0; i < 100; i++)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null
  fi
  [ -n "$nazwa" ] && rm -f "/etc/cups/cups-pdf-$nazwa.conf"
  rm -rf "$R"
  unset CUPS_SERVER LK_KOLEJKA LK_KOLEJKA_WYJSCIE LK_KOLEJKA_KATALOG
}

# Run as a command rather than sourced.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  case ${1:-} in
    start)
      kolejka_start >&2 || exit 1
      printf 'export CUPS_SERVER=%q LK_KOLEJKA=%q LK_KOLEJKA_WYJSCIE=%q LK_KOLEJKA_KATALOG=%q\n' \
        "$CUPS_SERVER" "$LK_KOLEJKA" "$LK_KOLEJKA_WYJSCIE" "$LK_KOLEJKA_KATALOG"
      ;;
    stop) kolejka_stop ;;
    *)
      echo "usage: $0 start|stop   (start prints the variables to eval)" >&2
      exit 2
      ;;
  esac
fi
