#!/usr/bin/env bash
# check-package.sh ROOT BUILD_DIR: makes the release archive from the 32-bit build and checks it:
# its name carries the program's version, it holds exactly the program, its help and its text,
# and the program in it is the 32-bit GUI executable.
set -euo pipefail
root=$1; build=$2
out=$(mktemp -d); trap 'rm -rf "$out"' EXIT
zip=$("$root/tools/package.sh" "$build" "$out")
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$zip" ] || fail "no archive"
version=$(i686-w64-mingw32-strings -el "$build/bin/brindlex.exe" | grep -A1 -x 'ProductVersion' | sed -n 2p)
[ "$(basename "$zip")" = "brindlex-$version-win32.zip" ] || fail "archive $(basename "$zip") does not carry version $version"
names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$names" = "README.txt brindlex.chm brindlex.exe " ] || fail "archive holds: $names"
mkdir "$out/x"; unzip -q "$zip" -d "$out/x"
head=$(i686-w64-mingw32-objdump -f "$out/x/brindlex.exe")
grep -q 'file format pei-i386' <<<"$head" || fail "brindlex.exe is not a 32-bit program: $head"
info=$(i686-w64-mingw32-objdump -p "$out/x/brindlex.exe")
grep -qE '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$info" || fail "brindlex.exe is not a GUI program"
grep -qi 'large address aware' <<<"$info" || fail "brindlex.exe is not large-address-aware"
cmp -s "$out/x/brindlex.exe" "$build/bin/brindlex.exe" || fail "the archive's program is not the build's"
grep -q "Brindlex $version" "$out/x/README.txt" || fail "README.txt does not name the version"
grep -q 'HKEY_CURRENT_USER\\Software\\Quenbridge\\Brindlex' "$out/x/README.txt" || fail "README.txt does not say where settings live"
echo "package ok: $(basename "$zip")"
