#!/usr/bin/env bash
# Walk: the file search with mask "*.*" and sub-folders over 100,000 files in 1,000
# folders, beside find on the same tree. Goal: within 3 times find's time.
# Usage: bench/walk.sh BUILD_DIR
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=3

tree="$work/tree"
make_tree "$tree"
files=$(find "$tree" -type f | wc -l)
folders=$(find "$tree" -mindepth 1 -type d | wc -l)


exe=$(winepath -w "$tree")
find_s=1000000; walk_s=1000000; enum_s=1000000; found=0
for r in $(seq 1 $rounds); do
  find_s=$(min "$find_s" "$(seconds find "$tree")")
  out=$(wine "$BLX_BUILD/bin/bench_walk.exe" "$exe" 1 | tr -d '\r')
  found=$(echo "$out" | awk '$1 == "walk" {print $2}')
  walk_s=$(min "$walk_s" "$(echo "$out" | awk '$1 == "walk" {print $3}')")
  enum_s=$(min "$enum_s" "$(echo "$out" | awk '$1 == "enum" {print $3}')")
done

printf 'tree: %d files in %d folders\n' "$files" "$folders"
printf 'find          : %8.3f s\n' "$find_s"
printf 'FindFiles *.* : %8.3f s  (%d results)\n' "$walk_s" "$found"
printf 'bare FindFirstFileA/FindNextFileA walk: %8.3f s (the platform floor)\n' "$enum_s"
printf 'time ratio FindFiles/find: %.2f (goal <= 3)\n' "$(calc "$walk_s / $find_s")"
printf 'time ratio bare enumeration/find: %.2f; FindFiles/bare enumeration: %.2f\n' \
  "$(calc "$enum_s / $find_s")" "$(calc "$walk_s / $enum_s")"
