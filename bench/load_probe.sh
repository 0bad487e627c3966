#!/usr/bin/env bash
# A viewer that answers while a section loads: "brindlex.exe FILE" for a 3 MiB text section and
# a 512 KiB hex section of a real binary, probed from outside every 2 ms (bench_load_probe):
# the longest time the window did not answer (goal: under 0.1 s) and the time until the whole
# section is in. With REFERENCE_EXE (an earlier brindlex.exe, which loads a section in one go)
# both run in turns in the same run, and the time to the whole section is given as a ratio
# (goal: at most 1.2x).
# Usage: bench/load_probe.sh BUILD_DIR [REFERENCE_EXE] [ROUNDS]
source "$(dirname "$0")/common.sh" "$1" || exit
ref=${2:-}
rounds=${3:-3}
probe="$BLX_BUILD/bin/bench_load_probe.exe"
exe="$BLX_BUILD/bin/brindlex.exe"

(base64 -w 76 /dev/urandom || true) | head -c $((3 * 1024 * 1024)) > "$work/text.txt"
head -c $((512 * 1024)) "$exe" > "$work/binary.bin"
[ -n "$ref" ] && cp "$ref" "$work/reference.exe"

field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
declare -A gap whole
for mode in text hex; do
  file="$work/text.txt"; [ "$mode" = hex ] && file="$work/binary.bin"
  echo "== $mode section, $rounds rounds (seconds): longest unanswered gap / time to the whole section"
  for r in $(seq 1 "$rounds"); do
    line="round $r:"
    for who in ours ${ref:+reference}; do
      e="$exe"; [ "$who" = reference ] && e="$work/reference.exe"
      out=$(wine "$probe" "$(winepath -w "$e")" "$(winepath -w "$file")" "$mode")
      gap[$mode$who]+="$(field "$out" gap) "
      whole[$mode$who]+="$(field "$out" whole) "
      line+=$(printf '  %-9s %.3f / %.3f' "$who" "$(field "$out" gap)" "$(field "$out" whole)")
    done
    echo "$line"
  done
  g=$(printf '%s\n' ${gap[${mode}ours]} | sort -g | tail -n 1)
  w=$(median ${whole[${mode}ours]})
  awk -v g="$g" -v w="$w" 'BEGIN { printf "ours: longest gap %.3f s (goal < 0.1), whole section %.3f s (median)\n", g, w }'
  if [ -n "$ref" ]; then
    rw=$(median ${whole[${mode}reference]}); rg=$(median ${gap[${mode}reference]})
    awk -v w="$w" -v rw="$rw" -v rg="$rg" 'BEGIN {
      printf "reference: gap %.3f s, whole section %.3f s; ours / reference: %.2fx (goal <= 1.2)\n", rg, rw, w / rw }'
  fi
done
