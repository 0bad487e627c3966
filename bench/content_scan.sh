#!/usr/bin/env bash
# Content scan: the file search's text test over a 256 MiB file whose only match is at its
# end, beside grep -F -i -c on the same file. Goal: at least half of grep's throughput.
# Usage: bench/content_scan.sh BUILD_DIR [SIZE_MIB]
source "$(dirname "$0")/common.sh" "$1" || exit
mib=${2:-256}
rounds=3

file="$work/haystack.txt"
needle="Brindlex Haystack NEEDLE 42"
query="brindlex haystack needle 42"
# Text lines with many of the needle's letters, then the needle as the last line.
yes "the brown needle lay in the hay stack by the barn door, 41 times over and again" |
  head -c $((mib * 1024 * 1024 - ${#needle} - 1)) > "$file" || true
echo "$needle" >> "$file"
bytes=$(stat -c %s "$file")
cat "$file" > /dev/null


count=$(LC_ALL=C grep -F -i -c "$query" "$file")
exe=$(winepath -w "$file")
grep_s=1000000; scan_s=1000000; found=0
for r in $(seq 1 $rounds); do
  grep_s=$(min "$grep_s" "$(seconds env LC_ALL=C grep -F -i -c "$query" "$file")")
  out=$(wine "$BLX_BUILD/bin/bench_content_scan.exe" "$exe" "$query" 1 | tr -d '\r')
  found=$(echo "$out" | awk '$1 == "scan" {print $2}')
  scan_s=$(min "$scan_s" "$(echo "$out" | awk '$1 == "scan" {print $3}')")
done

grep_mb=$(calc "$bytes / $grep_s / 1000000")
scan_mb=$(calc "$bytes / $scan_s / 1000000")
printf 'file: %d bytes, match only in the last line (grep counts %s line, the scan finds %s file)\n' "$bytes" "$count" "$found"
printf 'grep -F -i -c : %8.3f s  %8.1f MB/s\n' "$grep_s" "$grep_mb"
printf 'ContainsText  : %8.3f s  %8.1f MB/s\n' "$scan_s" "$scan_mb"
printf 'throughput ratio scan/grep: %.2f (goal >= 0.50)\n' "$(calc "$scan_mb / $grep_mb")"
