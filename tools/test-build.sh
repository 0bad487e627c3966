#!/usr/bin/env bash
# Prints the build tree the tests run in, building it when needed: the 32-bit build itself,
# or, on a machine that cannot run 32-bit programs, a 64-bit build of the same sources.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
# BLX_TEST_ARCH=x86_64 asks for the 64-bit build even where 32-bit programs run.
if [ "${BLX_TEST_ARCH:-}" != x86_64 ] && "$root/tools/can-run-32.sh"; then
  echo "$build"
else
  [ "${BLX_TEST_ARCH:-}" = x86_64 ] || echo "note: this machine cannot run 32-bit programs; tests run in a 64-bit build ($build/x64)" >&2
  "$root/tools/build.sh" "$build/x64" x86_64 >&2
  echo "$build/x64"
fi
