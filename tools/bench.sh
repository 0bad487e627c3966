#!/usr/bin/env bash
# tools/bench.sh [NAME...]: builds and runs the benchmarks in bench/ (all when no name is given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" "$root/build"
tb=$("$root/tools/test-build.sh" "$root/build") || exit 1
source "$root/tools/wine-env.sh" "$tb"
wine_up
names=("$@")
# common.sh is what the scripts source, not a benchmark.
[ ${#names[@]} -eq 0 ] && names=($(cd "$root/bench" && ls *.sh 2>/dev/null | grep -vx common.sh | sed 's/\.sh$//'))
for n in "${names[@]}"; do
  echo "== $n"
  bash "$root/bench/$n.sh" "$tb"
done
