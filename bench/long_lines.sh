#!/usr/bin/env bash
# Long lines in the viewer: "brindlex.exe FILE" until the whole 3 MiB text section is in the
# control, and the process's peak memory, for a file of one line and for one of lines of
# 5,000-20,000 characters, beside a file of ordinary 76-character lines in the same run
# (goal: within 1.5x of its time and of its memory).
# Usage: bench/long_lines.sh BUILD_DIR [ROUNDS]
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=${2:-3}
bench="$BLX_BUILD/bin/bench_viewer_open.exe"
exe="$BLX_BUILD/bin/brindlex.exe"

size=$((3 * 1024 * 1024))
(base64 -w 76 /dev/urandom || true) | head -c $size > "$work/ordinary.txt"
(base64 -w 0 /dev/urandom || true) | head -c $size > "$work/single.txt"
# Lines of 5,000 to 20,000 characters.
(base64 -w 0 /dev/urandom || true) | head -c $size > "$work/pool"
RANDOM=7; off=0; : > "$work/mixed.txt"
while [ "$off" -lt "$size" ]; do
  n=$((5000 + RANDOM % 15001))
  { tail -c +$((off + 1)) "$work/pool" | head -c "$n"; printf '\r\n'; } >> "$work/mixed.txt" || true
  off=$((off + n))
done
truncate -s "$size" "$work/mixed.txt"

field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
# Peak resident memory (kB) of the viewer on FILE once its section is in.
peak_kb() {
  wine "$exe" "$(winepath -w "$1")" >/dev/null 2>&1 &
  local pid=$! i kb=0
  for i in $(seq 1 200); do
    sleep 0.1
    local p; p=$(pgrep -f "brindlex.exe.*$(basename "$1")" | head -n 1 || true)
    [ -n "$p" ] && kb=$(awk '/VmHWM/ { print $2 }' "/proc/$p/status" 2>/dev/null || echo "$kb")
    [ $i -gt 60 ] && break
  done
  kill "$pid" 2>/dev/null || true; pkill -f "brindlex.exe.*$(basename "$1")" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$kb"
}

declare -A runs
echo "== brindlex.exe FILE until the whole 3 MiB section is in the control: $rounds rounds (seconds)"
printf '%-6s %10s %10s %10s\n' round ordinary one-line mixed
for r in $(seq 1 "$rounds"); do
  line=$(printf '%-6s' "$r")
  for k in ordinary single mixed; do
    s=$(field "$(wine "$bench" launch "$(winepath -w "$exe")" "$(winepath -w "$work/$k.txt")" text)" launch)
    runs[$k]+="$s "
    line+=$(printf ' %10.3f' "$s")
  done
  echo "$line"
done
o=$(median ${runs[ordinary]})
for k in single mixed; do
  awk -v k="$k" -v o="$o" -v n="$(median ${runs[$k]})" \
    'BEGIN { printf "%-8s median %.3f s beside %.3f s: %.2fx (goal <= 1.5)\n", k, n, o, n / o }'
done
echo "== peak memory once the section is in (kB, VmHWM of the Wine process)"
mo=$(peak_kb "$work/ordinary.txt")
for k in single mixed; do
  m=$(peak_kb "$work/$k.txt")
  awk -v k="$k" -v o="$mo" -v n="$m" 'BEGIN { printf "%-8s %d kB beside %d kB: %.2fx (goal <= 1.5)\n", k, n, o, n / o }'
done
