#!/usr/bin/env bash
# Directory watcher latency: a file created in a watched folder until the message arrives,
# median of COUNT, beside inotifywait reporting the same event for the same folder.
# Usage: bench/watch_latency.sh BUILD_DIR [COUNT]
source "$(dirname "$0")/common.sh" "$1" || exit
count=${2:-50}
command -v inotifywait > /dev/null || { echo "inotifywait missing (tools/setup.sh installs inotify-tools)" >&2; exit 1; }

at_exit '[ -n "${INW_PID:-}" ] && kill "$INW_PID" 2>/dev/null || true'

# inotifywait: this shell creates each file (no fork: ': >') and reads the event line back.
mkdir "$work/inotify"
coproc INW { exec inotifywait -m -e create --format '%f' "$work/inotify" 2>&1; }
while read -r line <&"${INW[0]}"; do
  [ "$line" = "Watches established." ] && break
done
samples=()
for i in $(seq 1 "$count"); do
  t0=$EPOCHREALTIME
  : > "$work/inotify/f$i"
  read -r line <&"${INW[0]}"
  t1=$EPOCHREALTIME
  samples+=("$(calc "($t1 - $t0) * 1000")")
done
kill "$INW_PID" 2>/dev/null || true
ino_ms=$(median "${samples[@]}")

# The watcher: the program creates each file itself and pumps until its window has the message.
mkdir "$work/watcher"
out=$(wine "$BLX_BUILD/bin/bench_watch_latency.exe" "$(winepath -w "$work/watcher")" "$count" | tr -d '\r')
echo "$out"
w_ms=$(echo "$out" | awk '$1 == "watcher" {print $3}')

printf 'file created -> change reported, median of %d\n' "$count"
printf 'watcher (FindFirstChangeNotificationA under Wine, worker, posted message) %8.3f ms\n' "$w_ms"
printf 'inotifywait (same event, native)                                          %8.3f ms\n' "$ino_ms"
printf 'ratio %.1f\n' "$(calc "$w_ms / $ino_ms")"
