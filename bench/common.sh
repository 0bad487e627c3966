# Sourced by the benchmark scripts: timing and arithmetic with awk only.

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
