#!/usr/bin/env bash
# Makes the Debian package build-pkg/korbelant_<version>_amd64.deb with CPack and checks it: the
# desktop entry (desktop-file-validate), the AppStream metainfo (appstreamcli validate), the
# manual page (man -l, without warnings) and the package's contents and dependencies.
# An existing build/ (from ./test.sh or scripts/build.sh) is used as it is: it is only configured
# again and the programs brought up to date, so packaging after the tests builds nothing twice.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/ensure-packages.sh scripts/packages.txt scripts/package-packages.txt
build=build
out=build-pkg
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" >/dev/null
else
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DKORBELANT_WERROR=ON >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target korbelant korbelant-cli korbelant-package-files

echo "Prüfe Desktop-Eintrag, Metainfo und Handbuchseite …"
desktop-file-validate packaging/de.korbelant.Korbelant.desktop
appstreamcli validate --no-net --explain "$build/packaging/de.korbelant.Korbelant.metainfo.xml"
for page in korbelant.1 korbelant-cli.1; do
  man_warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$build/packaging/$page" 2>&1 >/dev/null)"
  if [ -n "$man_warnings" ]; then
    echo "$man_warnings" >&2
    echo "Die Handbuchseite $page hat Fehler." >&2
    exit 1
  fi
done

mkdir -p "$out"
rm -f "$out"/korbelant_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out" -G DEB
rm -rf "$out/_CPack_Packages"
deb="$(ls "$out"/korbelant_*_amd64.deb)"

echo "Prüfe $deb …"
dpkg-deb -I "$deb"
contents="$(dpkg-deb -c "$deb")"
for path in ./usr/bin/korbelant ./usr/bin/korbelant-cli \
  ./usr/share/applications/de.korbelant.Korbelant.desktop \
  ./usr/share/metainfo/de.korbelant.Korbelant.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/korbelant.svg \
  ./usr/share/icons/hicolor/48x48/apps/korbelant.png \
  ./usr/share/man/man1/korbelant.1.gz \
  ./usr/share/man/man1/korbelant-cli.1.gz; do
  if ! grep -q " $path\$" <<<"$contents"; then
    echo "Im Paket fehlt $path." >&2
    exit 1
  fi
done
# Nothing of the build tree may be left in the programs.
if dpkg-deb --fsys-tarfile "$deb" | grep -a -q "$root/$build"; then
  echo "Das Paket verweist auf den Build-Baum $root/$build." >&2
  exit 1
fi
if ! dpkg-deb -f "$deb" Depends | grep -q "libqt6core6"; then
  echo "Die Abhängigkeiten des Pakets fehlen (dpkg-shlibdeps)." >&2
  exit 1
fi
echo "Paket: $deb"
