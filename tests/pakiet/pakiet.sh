#!/usr/bin/env bash
# Checks of the installed program and its Debian package.
#   pakiet.sh pliki SOURCE_DIR       the menu entry and the metainfo validate
#   pakiet.sh deb BUILD_DIR OUT      builds the package into OUT
#   pakiet.sh zawartosc OUT          the package holds what a desktop install needs
#   pakiet.sh start OUT              unpacked, started through the launcher in a fresh home
#   pakiet.sh lintian OUT            lintian finds no errors
set -u
blad() { echo "FAIL: $*"; exit 1; }

case $1 in
pliki)
  desktop-file-validate "$2"/*.desktop || blad "desktop entry"
  appstreamcli validate --no-net "$2"/*.metainfo.xml || blad metainfo
  ;;

deb)
  rm -rf "$3" && mkdir -p "$3"
  # The targets the package holds, then the package (its preinstall step is a no-op then).
  cmake --build "$2" --target lista_klientow notar teczkar lk_pakiet_pliki >/dev/null || blad build
  cpack -G DEB --config "$2/CPackConfig.cmake" -B "$3" >"$3/cpack.log" 2>&1 ||
    { cat "$3/cpack.log"; blad cpack; }
  ls "$3"/lista-klientow_*.deb || blad "no package"
  ;;

zawartosc)
  deb=$(ls "$2"/lista-klientow_*.deb) || blad "no package"
  lista=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
  for p in 'rwxr-xr-x ./usr/bin/lista_klientow' 'rwxr-xr-x ./usr/bin/notar' \
           'rwxr-xr-x ./usr/bin/teczkar' 'rwxr-xr-x ./usr/bin/lista-klientow' \
           'rw-r--r-- ./usr/share/applications/org.example.ListaKlientow.desktop' \
           'rw-r--r-- ./usr/share/metainfo/org.example.ListaKlientow.metainfo.xml' \
           'rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/lista-klientow.svg' \
           'rw-r--r-- ./usr/share/icons/hicolor/16x16/apps/lista-klientow.png' \
           'rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/lista-klientow.png' \
           'rw-r--r-- ./usr/share/man/man1/lista_klientow.1.gz' \
           'rw-r--r-- ./usr/share/doc/lista-klientow/copyright' \
           'rw-r--r-- ./usr/share/lista_klientow/przyklad/Firmy/klienci.dat'; do
    grep -qxF -- "-$p" <<<"$lista" || blad "missing or wrong mode: $p"
  done
  [ "$(dpkg-deb -f "$deb" Package)" = lista-klientow ] || blad "package name"
  dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || blad "run-time dependencies not computed"
  ;;

start)
  deb=$(ls "$2"/lista-klientow_*.deb) || blad "no package"
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  dpkg -x "$deb" "$tmp/root" || blad "dpkg -x"
  mkdir "$tmp/home"
  # Under the X server: the launcher from the menu entry, the example data asked for; the
  # program's window is mapped while it keeps running.
  env -i PATH=/usr/bin:/bin HOME="$tmp/home" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash -c '
      "$1" --przyklad & pid=$!
      for _ in $(seq 1 100); do
        for id in $(xwininfo -root -tree | awk "/\\(\"lista_klientow\" / {print \$1}"); do
          if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
            kill -0 $pid && ok=1
            kill $pid; wait $pid; [ -n "${ok:-}" ]; exit
          fi
        done
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
      done
      kill $pid 2>/dev/null; exit 1' _ "$tmp/root/usr/bin/lista-klientow" || blad "no window"
  dane=$tmp/home/.local/share/lista_klientow
  [ -d "$dane/Admini" ] || blad "no Admini in the data folder"
  [ "$(stat -c %s "$dane/Firmy/klienci.dat")" = 349698 ] || blad "example list not copied"
  [ "$(stat -c %s "$dane/Admini/siec.dat")" = 403 ] || blad "the program did not start in the data folder"
  ;;

lintian)
  deb=$(ls "$2"/lista-klientow_*.deb) || blad "no package"
  lintian --fail-on error "$deb" || blad lintian
  ;;
esac
echo PASS
