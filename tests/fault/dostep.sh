#!/usr/bin/env bash
# Files and folders the user may not write, and missing or short files, as a user who
# is not root (root passes every permission check): reading and saving fail with the
# expected text and nothing on disk changes.
#   dostep.sh PATH/TO/rekord_proba
set -u
zrodlo=$1
katalog=$(mktemp -d)
trap 'chmod -R u+rwx "$katalog" 2>/dev/null; rm -rf "$katalog"' EXIT
chmod 755 "$katalog"

# The driver is copied where the other user can surely run it.
narzedzie=$katalog/rekord_proba
cp "$zrodlo" "$narzedzie"
chmod 755 "$narzedzie"

if [ "$(id -u)" -eq 0 ]; then
  uzytkownik=65534
  jako() { setpriv --reuid=$uzytkownik --regid=$uzytkownik --clear-groups "$@"; }
  if ! jako true 2>/dev/null; then
    echo "SKIP: cannot run as another user"
    exit 77
  fi
else
  uzytkownik=$(id -u)
  jako() { "$@"; }
fi

bledy=0
zle() { echo "FAIL: $*"; bledy=$((bledy + 1)); }

# oczekuj OPIS OCZEKIWANE POLECENIE...
oczekuj() {
  local opis=$1 oczekiwane=$2
  shift 2
  local wynik
  wynik=$(jako "$narzedzie" "$@" 2>&1)
  if [ "$wynik" = "$oczekiwane" ]; then
    echo "ok: $opis: $wynik"
  else
    zle "$opis: got '$wynik', expected '$oczekiwane'"
  fi
}

# The state of a folder: names, modes, sizes and checksums of everything in it.
stan() { (cd "$1" && find . -printf '%p %m %s\n' | sort && find . -type f -exec md5sum {} + | sort); }

nowy_katalog() {
  local k=$katalog/$1
  mkdir "$k"
  chown "$uzytkownik" "$k"
  jako "$narzedzie" zapisz "$k/lista.dat" 726 1 >/dev/null
  echo "$k"
}

# A read-only file in a writable folder.
k=$(nowy_katalog plik_tylko_do_odczytu)
chmod 444 "$k/lista.dat"
przed=$(stan "$k")
oczekuj "read-only file, read" "File access denied" czytaj "$k/lista.dat" 726
oczekuj "read-only file, save" "File access denied" zapisz "$k/lista.dat" 726 2
[ "$(stan "$k")" = "$przed" ] || zle "read-only file: the folder changed"

# A read-only folder holding a read-only file.
k=$(nowy_katalog katalog_i_plik_tylko_do_odczytu)
chmod 444 "$k/lista.dat"
chmod 555 "$k"
przed=$(stan "$k")
oczekuj "read-only folder and file, read" "File access denied" czytaj "$k/lista.dat" 726
oczekuj "read-only folder and file, save" "File access denied" zapisz "$k/lista.dat" 726 2
oczekuj "read-only folder, new file" "File access denied" zapisz "$k/nowa.dat" 726 2
[ "$(stan "$k")" = "$przed" ] || zle "read-only folder and file: the folder changed"

# A read-only folder holding a writable file: no temporary file can be made beside it,
# so the save writes the file in place; nothing else appears in the folder.
k=$(nowy_katalog katalog_tylko_do_odczytu)
chmod 555 "$k"
oczekuj "read-only folder, writable file, read" "OK 1" czytaj "$k/lista.dat" 726
oczekuj "read-only folder, writable file, save" "OK" zapisz "$k/lista.dat" 726 2
oczekuj "read-only folder, writable file, read back" "OK 2" czytaj "$k/lista.dat" 726
[ "$(ls -A "$k")" = lista.dat ] || zle "read-only folder: other files appeared: $(ls -A "$k")"

# A writable file keeps its mode through a save.
k=$(nowy_katalog zwykly)
chmod 640 "$k/lista.dat"
oczekuj "writable file, save" "OK" zapisz "$k/lista.dat" 726 2
oczekuj "writable file, read back" "OK 2" czytaj "$k/lista.dat" 726
[ "$(stat -c %a "$k/lista.dat")" = 640 ] || zle "the save changed the mode to $(stat -c %a "$k/lista.dat")"

# A list reached through a symbolic link: the save goes to the linked file and the link
# stays a link.
mkdir "$k/gdzie_indziej"
chown "$uzytkownik" "$k/gdzie_indziej"
jako "$narzedzie" zapisz "$k/gdzie_indziej/prawdziwa.dat" 726 1 >/dev/null
ln -s gdzie_indziej/prawdziwa.dat "$k/dowiazanie.dat"
oczekuj "save through a symbolic link" "OK" zapisz "$k/dowiazanie.dat" 726 2
[ -L "$k/dowiazanie.dat" ] || zle "the symbolic link was replaced by a file"
oczekuj "the linked file, read" "OK 2" czytaj "$k/gdzie_indziej/prawdziwa.dat" 726

# A list shared through a group (a folder of the office's group, files writable by the
# group): a save by one member keeps the file's group, so the others can still write it.
# And when root saves somebody's file, it stays theirs.
if [ "$(id -u)" -eq 0 ]; then
  wspolny=$katalog/wspolny
  mkdir "$wspolny"
  chgrp users "$wspolny" && chmod 775 "$wspolny"
  "$narzedzie" zapisz "$wspolny/lista.dat" 726 1 >/dev/null
  chgrp users "$wspolny/lista.dat" && chmod 664 "$wspolny/lista.dat"
  wynik=$(setpriv --reuid=$uzytkownik --regid=$uzytkownik --groups=users "$narzedzie" zapisz "$wspolny/lista.dat" 726 2)
  [ "$wynik" = OK ] || zle "group-shared list, save by a member: $wynik"
  [ "$(stat -c '%G %a' "$wspolny/lista.dat")" = "users 664" ] ||
    zle "group-shared list: after a member's save it is $(stat -c '%U:%G %a' "$wspolny/lista.dat")"
  wynik=$("$narzedzie" zapisz "$wspolny/lista.dat" 726 3)
  [ "$wynik" = OK ] || zle "root saving a user's list: $wynik"
  [ "$(stat -c '%u %G %a' "$wspolny/lista.dat")" = "$uzytkownik users 664" ] ||
    zle "root saving a user's list: it is now $(stat -c '%U:%G %a' "$wspolny/lista.dat")"
  echo "shared list after saves by a member and by root: $(stat -c '%U:%G %a' "$wspolny/lista.dat")"
fi

# Missing folder, missing file, short and long files.
oczekuj "missing folder, read" "Invalid filename" czytaj "$k/brak/lista.dat" 726
oczekuj "missing folder, save" "Invalid filename" zapisz "$k/brak/lista.dat" 726 1
[ -e "$k/brak" ] && zle "missing folder: it was created"
oczekuj "missing file, read" "File not found" czytaj "$k/brak.dat" 726
[ -e "$k/brak.dat" ] && zle "missing file: reading created it"
head -c 725 "$k/lista.dat" >"$k/krotki.dat"
chown "$uzytkownik" "$k/krotki.dat"
oczekuj "file one byte short, read" "Read beyond end of file" czytaj "$k/krotki.dat" 726
: >"$k/pusty.dat"
chown "$uzytkownik" "$k/pusty.dat"
oczekuj "empty file, read" "Read beyond end of file" czytaj "$k/pusty.dat" 726
{ cat "$k/lista.dat"; printf 'ogon'; } >"$k/dlugi.dat"
chown "$uzytkownik" "$k/dlugi.dat"
oczekuj "longer file, read" "OK 2" czytaj "$k/dlugi.dat" 726
oczekuj "longer file, save" "OK" zapisz "$k/dlugi.dat" 726 3
[ "$(stat -c %s "$k/dlugi.dat")" = 726 ] || zle "longer file: a save did not cut it to the record"
mkdir "$k/katalog.dat"
chown "$uzytkownik" "$k/katalog.dat"
oczekuj "a folder in the file's place, save" "File access denied" zapisz "$k/katalog.dat" 726 1

if [ $bledy -ne 0 ]; then
  echo "$bledy failure(s)"
  exit 1
fi
echo "all access cases passed"
