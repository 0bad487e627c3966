#!/usr/bin/env bash
# Find Files: a search that matches every file of the walk benchmark's tree (100,000 files
# in 1,000 folders), run through the window's own path (callback, rows, status) in Replace
# and in Add mode, beside the engine alone in the same run; and the same for 10,000 files
# of it. Goals: within 1.5 times the engine alone; 10 times the matches in about 10 times
# the time. Then the longest gap between two message-pump runs while a 1 GiB file is
# scanned for text (goal: under 50 ms).
# Usage: bench/find_files.sh BUILD_DIR
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=${ROUNDS:-2}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) (the window's path waits on the display and the server; a loaded machine stretches it)"

tree="$work/tree"
make_tree "$tree"
truncate -s 1G "$work/big.bin"

run() { wine "$BLX_BUILD/bin/bench_find_files.exe" "$@" | tr -d '\r'; }
field() { echo "$1" | awk -v k="$2" -v c="$3" '$1 == k {print $c}'; }

small=$(run "$(winepath -w "$tree/d0")" "$rounds")
large=$(run "$(winepath -w "$tree")" "$rounds")
gap=$(run --gap "$(winepath -w "$work/big.bin")")

for size in small large; do
  out=${!size}
  e=$(field "$out" engine 3); r=$(field "$out" replace 3); a=$(field "$out" add 3)
  printf '%-6s %6d matches: engine %7.3f s | Replace %7.3f s (%d rows, ratio %.2f) | Add %7.3f s (%d rows, ratio %.2f)\n' \
    "$size" "$(field "$out" engine 2)" "$e" "$r" "$(field "$out" replace 2)" "$(calc "$r / $e")" \
    "$a" "$(field "$out" add 2)" "$(calc "$a / $e")"
done
printf 'goal: ratios <= 1.5\n'
for mode in replace add; do
  printf 'linearity %-7s: 10x the matches took %.1fx the time (engine alone %.1fx)\n' "$mode" \
    "$(calc "$(field "$large" $mode 3) / $(field "$small" $mode 3)")" \
    "$(calc "$(field "$large" engine 3) / $(field "$small" engine 3)")"
done
printf 'content scan of 1 GiB: longest gap between message-pump runs %.1f ms (%d runs in %.2f s; goal < 50 ms)\n' \
  "$(field "$gap" gap 2)" "$(field "$gap" gap 3)" "$(field "$gap" gap 4)"
