#!/usr/bin/env bash
# A process killed (SIGKILL) at random moments while it saves, over and over: the file on
# disk is always one complete record, the last one saved or the one being saved, never
# a mix of two or a cut one. Temporary files left by a killed save are counted; they
# must not pile up.
#   przerwany_zapis.sh PATH/TO/rekord_proba [ITERATIONS]
set -u
narzedzie=$1
ile=${2:-${LK_ITERACJE:-200}}
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT

bledy=0
zle() { echo "FAIL: $*"; bledy=$((bledy + 1)); }

for rozmiar in 726 349698; do
  plik=$katalog/lista_$rozmiar.dat
  "$narzedzie" zapisz "$plik" "$rozmiar" 1 >/dev/null
  ostatnia=1
  zabite=0
  for ((i = 0; i < ile / 2; i++)); do
    "$narzedzie" petla "$plik" "$rozmiar" $((ostatnia + 1)) &
    pid=$!
    # 0 to 40 ms: from before the program has started up to many saves in.
    sleep "0.0$((RANDOM % 40))"
    kill -KILL $pid 2>/dev/null && zabite=$((zabite + 1))
    wait $pid 2>/dev/null
    wynik=$("$narzedzie" sprawdz "$plik" "$rozmiar")
    if [ "${wynik%% *}" != OK ]; then
      zle "$rozmiar bytes, kill $i: $wynik"
      cp "$plik" "$PWD/przerwany_zapis_$rozmiar.$i.dat" 2>/dev/null && echo "kept as $PWD/przerwany_zapis_$rozmiar.$i.dat"
      break
    fi
    wersja=${wynik#OK }
    if [ "$wersja" -lt "$ostatnia" ]; then
      zle "$rozmiar bytes, kill $i: version went back from $ostatnia to $wersja"
    fi
    ostatnia=$wersja
  done
  pozostale=$(find "$katalog" -maxdepth 1 -name "lista_$rozmiar.dat?*" | wc -l)
  echo "$rozmiar bytes: $zabite kills, $((ostatnia - 1)) saves completed, $pozostale temporary files left"
  # A kill between naming the temporary file and renaming it over the record leaves it
  # behind ("lista.dat.XXXXXX", never matched by "*.dat"); that window is short, so only
  # a few kills in a hundred hit it. One per kill would mean every interrupted save
  # leaves its temporary file.
  if [ "$pozostale" -gt $((ile / 8)) ]; then
    zle "$rozmiar bytes: $pozostale temporary files left behind after $zabite kills"
  fi
done

# A save killed while it creates a file that did not exist: afterwards the file is
# either still missing or complete.
nowe=0
for ((i = 0; i < 20; i++)); do
  plik=$katalog/nowa_$i.dat
  "$narzedzie" petla "$plik" 349698 1 &
  pid=$!
  sleep "0.00$((RANDOM % 10))"
  kill -KILL $pid 2>/dev/null
  wait $pid 2>/dev/null
  if [ -e "$plik" ]; then
    nowe=$((nowe + 1))
    wynik=$("$narzedzie" sprawdz "$plik" 349698)
    [ "${wynik%% *}" = OK ] || zle "new file, kill $i: $wynik"
  fi
done
echo "new file: 20 kills, the file existed complete after $nowe, was missing after the rest"

# Two programs saving the same list at once (a shared data root) while a third reads
# it: every read finds one complete record, and the last save wins.
plik=$katalog/wspolna.dat
"$narzedzie" zapisz "$plik" 349698 1 >/dev/null
"$narzedzie" petla "$plik" 349698 1000 >/dev/null &
p1=$!
"$narzedzie" petla "$plik" 349698 2000000 >/dev/null &
p2=$!
wynik=$("$narzedzie" czytelnik "$plik" 349698 3)
rc=$?
kill -KILL $p1 $p2 2>/dev/null
wait $p1 $p2 2>/dev/null
echo "two savers and a reader: $wynik" | tail -n 1
[ $rc -eq 0 ] || zle "a reader saw a missing or incomplete list: $(echo "$wynik" | head -n 3)"
wynik=$("$narzedzie" sprawdz "$plik" 349698)
[ "${wynik%% *}" = OK ] || zle "two savers: the list is '$wynik'"

if [ $bledy -ne 0 ]; then
  echo "$bledy failure(s)"
  exit 1
fi
echo "the file was a complete record after every kill"
