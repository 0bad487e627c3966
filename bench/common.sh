# Sourced first by every benchmark script, with the build folder:
#   source "$(dirname "$0")/common.sh" "$1" || exit
# Strict mode; the build's Wine environment up (tools/wine-env.sh: BLX_BUILD, WINEPREFIX);
# root, the checkout; work, an empty folder /tmp/blx-<script>.XXXXXX removed on exit
# (at_exit CMD adds a command to that exit, for what a script makes outside work).
# Then timing and arithmetic with awk only.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/wine-env.sh" "${1:?usage: $0 BUILD_DIR ...}"
wine_up
work=$(mktemp -d "/tmp/blx-$(basename "$0" .sh).XXXXXX")
_bench_at_exit=""
at_exit() { _bench_at_exit+="$1"$'\n'; }
trap 'rm -rf "$work"; eval "$_bench_at_exit"' EXIT

# Wall-clock seconds of one run of a command (its output discarded).
seconds() {
  local t0 t1
  t0=$(date +%s.%N)
  "$@" > /dev/null
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }'
}
min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 < b + 0) ? a : b }'; }
max() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 > b + 0) ? a : b }'; }
# calc EXPR: evaluates an arithmetic expression ("$a / $b").
calc() { awk "BEGIN { print $* }"; }
# median of the numbers given as arguments
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# make_tree DIR: 10 folders of 99 folders each, 1,000 folders holding 100 files each
# (100,000 files): the tree the walk and Find Files benchmarks share.
make_tree() {
  local a b
  for a in $(seq -w 0 9); do
    mkdir -p "$1/d$a"
    (cd "$1/d$a" && touch f{00..99}.txt)
    for b in $(seq -w 1 99); do
      mkdir "$1/d$a/e$b"
      (cd "$1/d$a/e$b" && touch f{00..99}.txt)
    done
  done
}
