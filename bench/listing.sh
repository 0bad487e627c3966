#!/usr/bin/env bash
# bench/listing.sh BUILD_DIR: FillFolder of folders with 20,000 and 100,000 files beside a
# bare enumeration of the same folders, the sorts of the 100,000 rows beside std::stable_sort
# of the same keys, the memory per row, and the change-to-screen time, in one run.
source "$(dirname "$0")/common.sh" "$1" || exit
mkdir "$work/small"
for n in 20000 100000; do
  mkdir "$work/n$n"
  (cd "$work/n$n" && seq -f "file-%06g.txt" 1 "$n" | xargs touch)
  # a few folders among the files, as real folders have them
  (cd "$work/n$n" && seq -f "dir-%03g" 1 20 | xargs mkdir)
done
touch "$work/small/a.txt" "$work/small/b.txt"
win=$(winepath -w "$work")
wine "$BLX_BUILD/bin/bench_listing.exe" "$win\\n20000" "$win\\n100000" "$win\\small"
