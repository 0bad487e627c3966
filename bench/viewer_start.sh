#!/usr/bin/env bash
# From "brindlex.exe FILE" started to the whole first section in its text control: a 3 MiB
# text section and a 512 KiB hex section, beside the start of the same program on a 100-byte
# file in the same run (the goals: within 5x and 11x of it). "bare" is the same program with the
# face a bare Wine prefix gives for every font ("DejaVu Sans"), beside the faces the prefix gives
# now. With OTHER_EXE, another build of the program (say the one before a change) takes turns
# with this one on the same files.
# Usage: bench/viewer_start.sh BUILD_DIR [ROUNDS] [OTHER_EXE]
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=${2:-3}
other=${3:-}
bench="$BLX_BUILD/bin/bench_viewer_open.exe"

head -c 100 /dev/urandom | base64 -w 76 | head -c 100 > "$work/small.txt"
# A little more than one section each, so that the first section is a full one.
(base64 -w 76 /dev/urandom || true) | head -c $((3 * 1024 * 1024 + 4096)) > "$work/text.txt"
head -c $((512 * 1024 + 4096)) /dev/urandom > "$work/hex.bin"
declare -A file=([small]="$(winepath -w "$work/small.txt")" [text]="$(winepath -w "$work/text.txt")"
                 [hex]="$(winepath -w "$work/hex.bin")")
declare -A exe=([ours]="$(winepath -w "$BLX_BUILD/bin/brindlex.exe")")
exe[bare]=${exe[ours]}
sides=(ours bare)
if [ -n "$other" ]; then exe[other]="$(winepath -w "$other")"; sides+=(other); fi

field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }
declare -A runs
launch() {  # side kind -> seconds
  local mode=text face=()
  [ "$2" = hex ] && mode=hex
  [ "$1" = bare ] && face=("DejaVu Sans")
  field "$(wine "$bench" launch "${exe[$1]}" "${file[$2]}" "$mode" "${face[@]}")" launch
}

echo "== brindlex.exe FILE until the first section is in the control: $rounds rounds (seconds)"
printf '%-6s %-6s %10s %10s %10s\n' round exe 100-byte "3 MiB text" "512 KiB hex"
for r in $(seq 1 "$rounds"); do
  for s in "${sides[@]}"; do
    a=$(launch "$s" small); b=$(launch "$s" text); c=$(launch "$s" hex)
    runs[$s.small]+="$a "; runs[$s.text]+="$b "; runs[$s.hex]+="$c "
    printf '%-6s %-6s %10.3f %10.3f %10.3f\n' "$r" "$s" "$a" "$b" "$c"
  done
done
for s in "${sides[@]}"; do
  for stat in best median; do
    sm=$($stat ${runs[$s.small]}); tx=$($stat ${runs[$s.text]}); hx=$($stat ${runs[$s.hex]})
    awk -v s="$s" -v st="$stat" -v a="$sm" -v b="$tx" -v c="$hx" 'BEGIN {
      printf "%-6s %-6s %10.3f %10.3f %10.3f   text / 100-byte %.1f (goal <= 5)  hex / 100-byte %.1f (goal <= 11)\n",
        st, s, a, b, c, b / a, c / a }'
  done
done
for k in text hex; do
  awk -v k="$k" -v o="$(median ${runs[bare.$k]})" -v n="$(median ${runs[ours.$k]})" \
    'BEGIN { printf "%s section, median: bare-prefix face %.3f -> the prefix faces %.3f (%.2fx)\n", k, o, n, o / n }'
done
if [ -n "$other" ]; then
  for k in text hex; do
    awk -v k="$k" -v o="$(median ${runs[other.$k]})" -v n="$(median ${runs[ours.$k]})" \
      'BEGIN { printf "%s section, median: other %.3f -> ours %.3f (%.2fx faster)\n", k, o, n, o / n }'
  done
fi
printf 'WINEARCH %s, load average: %s\n' "$WINEARCH" "$(cut -d' ' -f1-3 /proc/loadavg)"
