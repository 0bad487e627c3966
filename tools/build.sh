#!/usr/bin/env bash
# Configures (once) and builds the tree in BUILD_DIR (default: build).
#   tools/build.sh [BUILD_DIR] [i686|x86_64]    (default i686: the 32-bit program)
# Fails when the build fails (the progress lines are filtered out, the errors are not).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
arch=${2:-i686}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" >/dev/null
fi
rc=0
cmake --build "$build" -j"$(nproc)" 2>&1 | { grep -vE '^\[ *[0-9]+%\]|^-- ' || true; } || rc=$?
exit $rc
