#!/usr/bin/env bash
# A save on a full disk: the save reports "Disk full" and the earlier file stays byte
# for byte as it was, with no temporary file left behind. Runs on a small tmpfs in a
# private mount namespace, so no real root is needed.
#   dysk_pelny.sh PATH/TO/rekord_proba
set -u
narzedzie=$1

if [ "${LK_W_PRZESTRZENI:-}" != 1 ]; then
  kopie=$(mktemp -d)
  trap 'rm -rf "$kopie"' EXIT
  mkdir "$kopie/proba"
  if ! unshare -Urm sh -c "mount -t tmpfs -o size=64k tmpfs '$kopie/proba'" 2>/dev/null; then
    echo "SKIP: no tmpfs in a private mount namespace on this machine"
    exit 77
  fi
  LK_W_PRZESTRZENI=1 LK_KOPIE=$kopie unshare -Urm bash "$0" "$@"
  exit $?
fi

bledy=0
zle() { echo "FAIL: $*"; bledy=$((bledy + 1)); }

dysk=$LK_KOPIE/dysk
mkdir -p "$dysk"

# przypadek NAZWA ROZMIAR_TMPFS ROZMIAR_REKORDU WYPELNIJ
#   WYPELNIJ=tak fills the disk to the last byte before the save; otherwise the disk keeps
#   whatever room the earlier record left, less than the new one needs.
przypadek() {
  local nazwa=$1 tmpfs=$2 rozmiar=$3 wypelnij=$4
  mount -t tmpfs -o size="$tmpfs" tmpfs "$dysk" || { zle "$nazwa: mount"; return; }
  local plik=$dysk/rekord.dat
  local wynik
  wynik=$("$narzedzie" zapisz "$plik" "$rozmiar" 1)
  [ "$wynik" = OK ] || zle "$nazwa: first save: $wynik"
  cp "$plik" "$LK_KOPIE/wzor.dat"
  if [ "$wypelnij" = tak ]; then
    dd if=/dev/zero of="$dysk/wypelniacz" bs=4096 2>/dev/null
    dd if=/dev/zero of="$dysk/wypelniacz2" bs=1 2>/dev/null
  fi
  wynik=$("$narzedzie" zapisz "$plik" "$rozmiar" 2)
  if [ "$wynik" != "Disk full" ]; then
    zle "$nazwa: second save gave '$wynik', expected 'Disk full'"
  fi
  cmp -s "$plik" "$LK_KOPIE/wzor.dat" || zle "$nazwa: the earlier file changed"
  wynik=$("$narzedzie" czytaj "$plik" "$rozmiar")
  [ "$wynik" = "OK 1" ] || zle "$nazwa: reading back gave '$wynik'"
  local reszta
  reszta=$(cd "$dysk" && ls -A | grep -v -x -e rekord.dat -e wypelniacz -e wypelniacz2)
  [ -z "$reszta" ] || zle "$nazwa: left behind: $reszta"
  # Room again: the save goes through.
  rm -f "$dysk/wypelniacz" "$dysk/wypelniacz2"
  if [ "$wypelnij" = tak ]; then
    wynik=$("$narzedzie" zapisz "$plik" "$rozmiar" 3)
    [ "$wynik" = OK ] || zle "$nazwa: save after freeing room: $wynik"
    wynik=$("$narzedzie" sprawdz "$plik" "$rozmiar")
    [ "$wynik" = "OK 3" ] || zle "$nazwa: after freeing room the file is '$wynik'"
  fi
  umount "$dysk"
  echo "$nazwa: done"
}

# A profile-sized record: the whole record fits any write buffer, so only the final
# flush meets the full disk.
przypadek "726 bytes, disk full" 64k 726 tak
# The print options, three bytes.
przypadek "3 bytes, disk full" 64k 3 tak
# A client list: the disk is full from the start.
przypadek "349698 bytes, disk full" 1m 349698 tak
# A client list: the disk has room for part of the new record only.
przypadek "349698 bytes, room for part" 512k 349698 nie

# Control: a buffered QSaveFile whose flush is not checked reports success here and
# leaves a cut file. If it did not, the cases above would not test the final flush.
mount -t tmpfs -o size=64k tmpfs "$dysk"
"$narzedzie" zapisz "$dysk/rekord.dat" 726 1 >/dev/null
dd if=/dev/zero of="$dysk/wypelniacz" bs=4096 2>/dev/null
wynik=$("$narzedzie" naiwnie "$dysk/rekord.dat" 726 2)
stan=$("$narzedzie" sprawdz "$dysk/rekord.dat" 726)
echo "control (unchecked flush): save said '$wynik', file is '$stan'"
umount "$dysk"

if [ $bledy -ne 0 ]; then
  echo "$bledy failure(s)"
  exit 1
fi
echo "all disk-full cases passed"
