#!/usr/bin/env bash
# tools/bench.sh [NAME...]: builds and runs the benchmarks in bench/ (all when no name is given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" "$root/build"
source "$root/tools/wine-env.sh" "$root/build"
wine_up
names=("$@")
[ ${#names[@]} -eq 0 ] && names=($(cd "$root/bench" && ls *.sh 2>/dev/null | sed 's/\.sh$//'))
for n in "${names[@]}"; do
  echo "== $n"
  bash "$root/bench/$n.sh" "$root/build"
done
