#!/usr/bin/env bash
# What a section costs the viewer by its content: "brindlex.exe FILE" until the whole section is
# in, probed from outside (bench_section_memory): the time to the whole section and the peak
# committed memory of the viewer process, for 3 MiB text sections of 1-, 8- and 20-byte lines,
# of tabs, of random bytes and of NUL bytes beside one of 76-byte lines (the reference), and
# 512 KiB hex sections of random bytes beside one of the program file (the reference), all in
# the same run. Every section must stay under the viewer's budget of committed memory and the
# process must live on.
# Usage: bench/section_memory.sh BUILD_DIR [ROUNDS]
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=${2:-1}
probe="$BLX_BUILD/bin/bench_section_memory.exe"
exe="$BLX_BUILD/bin/brindlex.exe"
# The budget in MB, from "SECTION_BUDGET_BYTES = 1024ull << 20;".
budget=$(sed -n 's/.*SECTION_BUDGET_BYTES = \([0-9]*\)ull << \([0-9]*\);.*/\1 \2/p' "$root/src/viewer/SectionBudget.h" |
  awk '{ print $1 * 2 ^ ($2 - 20) }')

size=$((3 * 1024 * 1024))
hsize=$((512 * 1024))
lines() { local n=$1; { head -c $((n - 1)) /dev/zero | tr '\0' 'a'; printf '\n'; } > "$work/one"
  while [ "$(stat -c %s "$work/one")" -lt "$size" ]; do cat "$work/one" "$work/one" > "$work/two"; mv "$work/two" "$work/one"; done
  head -c "$size" "$work/one"; }
(base64 -w 76 /dev/urandom || true) | head -c $size > "$work/l76.txt"
lines 1 > "$work/l1.txt"
lines 8 > "$work/l8.txt"
lines 20 > "$work/l20.txt"
head -c $size /dev/zero | tr '\0' '\t' > "$work/tabs.txt"
head -c $size /dev/urandom > "$work/random.bin"
head -c $size /dev/zero > "$work/zero.bin"
head -c $hsize "$exe" > "$work/program.bin"
head -c $hsize /dev/urandom > "$work/hexrandom.bin"

field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
declare -A whole peak alive shown
cases=("text l76.txt" "text l1.txt" "text l8.txt" "text l20.txt" "text tabs.txt" "text random.bin" "text zero.bin"
       "hex program.bin" "hex hexrandom.bin")
for r in $(seq 1 "$rounds"); do
  for c in "${cases[@]}"; do
    set -- $c
    out=$(wine "$probe" "$(winepath -w "$exe")" "$(winepath -w "$work/$2")" "$1" || true)
    whole[$2]+="$(field "$out" whole) "; peak[$2]+="$(field "$out" peak) "
    alive[$2]=$(field "$out" alive); shown[$2]=$(field "$out" shown)
  done
done

echo "== sections by content, $rounds round(s): time to the whole section and peak committed memory (budget $budget MB)"
printf '%-6s %-14s %9s %7s %9s %7s %12s %6s\n' mode content seconds ratio "peak MB" ratio "bytes shown" alive
for c in "${cases[@]}"; do
  set -- $c
  ref=l76.txt; [ "$1" = hex ] && ref=program.bin
  w=$(median ${whole[$2]}); p=$(median ${peak[$2]})
  rw=$(median ${whole[$ref]}); rp=$(median ${peak[$ref]})
  awk -v m="$1" -v k="$2" -v w="$w" -v p="$p" -v rw="$rw" -v rp="$rp" -v c="${shown[$2]}" -v a="${alive[$2]}" \
    -v b="$budget" 'BEGIN {
      printf "%-6s %-14s %9.2f %7.2f %9.0f %7.2f %12s %6s%s\n", m, k, w, (rw > 0 ? w / rw : 0), p,
        (rp > 0 ? p / rp : 0), c, a, (p > b || a != 1 ? "  FAILED" : "") }'
done
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
