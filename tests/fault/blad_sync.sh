#!/usr/bin/env bash
# A save whose data fail to reach the disk, reported only by the sync (as a network file
# system reports a full disk or quota, or a failing disk a write error): the save must
# report the error and leave the earlier file byte for byte intact.
#   blad_sync.sh PATH/TO/rekord_proba PATH/TO/libblad_sync.so
set -u
narzedzie=$1 biblioteka=$2
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
# A sanitizer runtime insists on coming first; the preloaded library needs none.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

bledy=0
zle() { echo "FAIL: $*"; bledy=$((bledy + 1)); }

# przypadek ERRNO OCZEKIWANY_TEKST
przypadek() {
  local numer=$1 oczekiwany=$2
  local plik=$katalog/lista_$numer.dat
  "$narzedzie" zapisz "$plik" 349698 1 >/dev/null
  cp "$plik" "$katalog/wzor.dat"
  local wynik
  wynik=$(LK_BLAD_SYNC=$numer LD_PRELOAD=$biblioteka "$narzedzie" zapisz "$plik" 349698 2)
  if [ "$wynik" = "$oczekiwany" ]; then
    echo "ok: sync failing with errno $numer: $wynik"
  else
    zle "sync failing with errno $numer: save gave '$wynik', expected '$oczekiwany'"
  fi
  cmp -s "$plik" "$katalog/wzor.dat" || zle "errno $numer: the earlier file changed"
  local reszta
  reszta=$(cd "$katalog" && ls -A | grep -v -x -e "lista_$numer.dat" -e wzor.dat -e 'lista_[0-9]*\.dat')
  [ -z "$reszta" ] || zle "errno $numer: left behind: $reszta"
}

przypadek 28 "Disk full"      # ENOSPC
przypadek 122 "Disk full"     # EDQUOT
przypadek 5 "I/O error 31"    # EIO: the device failed
# A file system that cannot sync at all (EINVAL) is no error.
wynik=$(LK_BLAD_SYNC=22 LD_PRELOAD=$biblioteka "$narzedzie" zapisz "$katalog/bez_sync.dat" 726 1)
[ "$wynik" = OK ] || zle "a file system without sync: save gave '$wynik'"

if [ $bledy -ne 0 ]; then
  echo "$bledy failure(s)"
  exit 1
fi
echo "all sync failures were reported and changed nothing"
