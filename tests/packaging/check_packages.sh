#!/usr/bin/env bash
# Builds the install tree and both packages, and checks that each holds what
# a player needs and that the programs in it run: `cmake --install` into a
# scratch prefix, the .deb (unpacked, run natively) and the Windows .zip
# (unpacked, run under Wine). Also renders the manual pages with warnings on.
#
#   tests/packaging/check_packages.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "check_packages: $*" >&2; exit 1; }

# The files a package or install tree must hold, and nothing else.
expect_files() {
  local what=$1 listing=$2 expected=$3
  if [ "$listing" != "$expected" ]; then
    printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$listing" >&2
    fail "$what holds the wrong files"
  fi
}

# Runs `cfgedit --gen-defaults` (through an optional launcher) in a scratch
# game directory and checks the six bytes it writes.
check_defaults_written() {
  local game=$work/game-$RANDOM
  mkdir "$game"
  (cd "$game" && "$@" --gen-defaults </dev/null)
  [ "$(od -An -tx1 "$game/QELD.CFG" | tr -d ' \n')" = 010001030101 ] ||
    fail "$* --gen-defaults did not write the defaults"
}

echo "== manual pages"
for page in cfgedit/cfgedit.6 mapreset/mapreset.6; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

echo "== cmake --install"
cmake --preset default >/dev/null
cmake --build --preset default --target cfgedit mapreset >/dev/null
cmake --install build/default --prefix "$work/prefix" >/dev/null
expect_files "the install tree" "$(cd "$work/prefix" && find . -type f | sort)" \
"./games/cfgedit
./games/mapreset
./share/man/man6/cfgedit.6
./share/man/man6/mapreset.6"
check_defaults_written "$work/prefix/games/cfgedit"

echo "== .deb"
rm -rf build/packages
cmake --workflow --preset package-deb >/dev/null
deb=$(ls "$root"/build/packages/*.deb)
expect_files "$deb" "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)" \
"./usr/games/cfgedit
./usr/games/mapreset
./usr/share/man/man6/cfgedit.6
./usr/share/man/man6/mapreset.6"
dpkg-deb -x "$deb" "$work/deb"
check_defaults_written "$work/deb/usr/games/cfgedit"

echo "== Windows .zip"
cmake --workflow --preset package-windows >/dev/null
zip=$(ls "$root"/build/packages/*.zip)
top=$(basename "$zip" .zip)
expect_files "$zip" "$(cmake -E tar tf "$zip" | sort)" \
"$top/README.md
$top/cfgedit.exe
$top/cfgedit.txt
$top/mapreset.exe
$top/mapreset.txt"
(cd "$work" && cmake -E tar xf "$zip")
for exe in "$work/$top"/*.exe; do
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | sort | tr '\n' ' ')
  [ "$dlls" = "KERNEL32.dll msvcrt.dll " ] || fail "$exe needs DLLs beyond Windows' own: $dlls"
done
grep -q "Games Manual" "$work/$top/cfgedit.txt" || fail "cfgedit.txt is not the manual page"
export WINEPREFIX=$root/build/windows/wineprefix WINEDEBUG=-all
check_defaults_written /usr/lib/wine/wine64 "$work/$top/cfgedit.exe"

echo "check_packages: install tree, .deb and .zip are complete and their programs run"
