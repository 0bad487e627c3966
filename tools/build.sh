#!/usr/bin/env bash
# Configures (once) and builds the tree in BUILD_DIR (default: build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" 2>&1 | grep -vE '^\[ *[0-9]+%\]|^-- ' || true
test "${PIPESTATUS[0]}" -eq 0
