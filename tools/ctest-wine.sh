#!/usr/bin/env bash
# ctest-wine.sh BUILD_DIR [CTEST ARGS...]: runs the build's tests in several private Wine
# environments side by side, one test at a time in each, and takes them down afterwards.
# Each environment is a whole Windows of its own (tools/wine-env.sh), so tests that share the
# desktop, the clipboard, the settings key or the drive letters never meet. BLX_WINE_ENVS sets
# how many (default: one a core, at most four).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build dir}" && pwd); shift
n=${BLX_WINE_ENVS:-$(nproc)}
[ "$n" -ge 1 ] 2>/dev/null || n=1
[ "$n" -le 4 ] || n=4

down() { for ((i = 0; i < n; i++)); do ( source "$root/tools/wine-env.sh" "$build" $i && wine_down ); done; }

# A new prefix takes several seconds to make: make them all at once, before the first test.
up=()
for ((i = 0; i < n; i++)); do
  ( source "$root/tools/wine-env.sh" "$build" $i && wine_up ) &
  up+=($!)
done
ok=1
for p in "${up[@]}"; do wait "$p" || ok=0; done
[ $ok = 1 ] || { echo "ctest-wine: a Wine environment did not come up" >&2; down; exit 1; }

# As many tests at once as environments: each test's program takes a free one (tools/winerun).
BLX_WINE_ENVS_UP=$n ctest --test-dir "$build" -j"$n" "$@"
rc=$?
down
exit $rc
