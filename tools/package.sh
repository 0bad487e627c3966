#!/usr/bin/env bash
# tools/package.sh [BUILD_DIR] [OUT_DIR]: builds the 32-bit program and makes
# OUT_DIR/brindlex-VERSION-win32.zip (default OUT_DIR: dist) with brindlex.exe, brindlex.chm and
# README.txt. VERSION is the ProductVersion of the program's own version resource.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$root/dist}
"$root/tools/setup.sh"
# The release is always the 32-bit program, whatever the tests of this machine run.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_TOOLCHAIN_FILE:.*mingw-i686' "$build/CMakeCache.txt"; then
  echo "package: $build is not a 32-bit build tree" >&2; exit 1
fi
"$root/tools/build.sh" "$build" i686 >&2
exe="$build/bin/brindlex.exe"; chm="$build/bin/brindlex.chm"
for f in "$exe" "$chm"; do [ -f "$f" ] || { echo "package: $f is missing" >&2; exit 1; }; done

# The version resource's strings are UTF-16: the value follows its name.
version=$(i686-w64-mingw32-strings -el "$exe" | grep -A1 -x 'ProductVersion' | sed -n 2p)
[[ "$version" =~ ^[0-9]+(\.[0-9]+){1,3}$ ]] || { echo "package: no ProductVersion in $exe" >&2; exit 1; }

stage=$(mktemp -d); trap 'rm -rf "$stage"' EXIT
cp "$exe" "$chm" "$stage/"
sed 's/$/\r/' > "$stage/README.txt" <<TXT
Brindlex $version - a fast file viewer and file manager for Windows

One program, two modes:

  brindlex.exe FILE    the viewer: FILE as text or as a hex dump, one section at a time
                       (3 MiB of text, 512 KiB of hex), with Find, Copy, Print and recent files.
                       A file dropped on the window opens in it.
  brindlex.exe         the explorer: folder tree and file list, file operations, clipboard,
                       drag and drop, context menus, live refresh and Find Files (F3).

Help > Contents opens brindlex.chm, which must stay beside brindlex.exe.

Brindlex needs no installation: copy the two files anywhere and start brindlex.exe.
It runs on 32-bit and 64-bit Windows.

Settings live in the registry under HKEY_CURRENT_USER\\Software\\Quenbridge\\Brindlex
(window places, options, recent files and recent programs). Delete that key to start afresh.
TXT
mkdir -p "$out"
zip="$out/brindlex-$version-win32.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" brindlex.exe brindlex.chm README.txt)
echo "$zip"
