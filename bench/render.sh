#!/usr/bin/env bash
# Viewer rendering: StreamSectionChunk over a 64 MiB file, hex beside xxd, text beside cat.
# Usage: bench/render.sh BUILD_DIR [SIZE_MIB]
source "$(dirname "$0")/common.sh" "$1" || exit
mib=${2:-64}
rounds=3

file="$work/input.bin"
# Random bytes: every byte value, control bytes included, in no predictable order.
head -c $((mib * 1024 * 1024)) /dev/urandom > "$file"
bytes=$(stat -c %s "$file")
cat "$file" > /dev/null


# The tools and the renderer take turns, best of $rounds each, so that a passing load on
# the machine does not fall on one side only.
exe=$(winepath -w "$file")
xxd_s=1000000; cat_s=1000000; hex=0; text=0
for r in $(seq 1 $rounds); do
  xxd_s=$(min "$xxd_s" "$(seconds xxd "$file")")
  cat_s=$(min "$cat_s" "$(seconds cat "$file")")
  out=$(wine "$BLX_BUILD/bin/bench_render.exe" "$exe" 2 | tr -d '\r')
  hex=$(max "$hex" "$(echo "$out" | awk '$1 == "hex" {print $3}')")
  text=$(max "$text" "$(echo "$out" | awk '$1 == "text" {print $3}')")
done

printf 'input %d bytes (%d MiB, random), transfer buffer 4096, whole file as one section\n' "$bytes" "$mib"
awk -v n="$bytes" -v hex="$hex" -v text="$text" -v xs="$xxd_s" -v cs="$cat_s" 'BEGIN {
  xxd = n / 1e6 / xs; cat = n / 1e6 / cs
  printf "hex:  StreamSectionChunk %8.1f MB/s   xxd %8.1f MB/s   ratio %.2f (goal > 1)\n", hex, xxd, hex / xxd
  printf "text: StreamSectionChunk %8.1f MB/s   cat %8.1f MB/s   ratio %.2f (goal >= 0.5)\n", text, cat, text / cat
}'
