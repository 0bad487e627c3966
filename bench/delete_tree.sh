#!/usr/bin/env bash
# DeleteFolderTree on 10,000 files in 100 folders, beside a bare enumerate-and-delete walk
# (goal: within 1.3 times of it) and beside rm -rf of a copy of the same tree.
# Usage: bench/delete_tree.sh BUILD_DIR
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=${ROUNDS:-3}

make_flat_tree() {
  mkdir -p "$1"
  for a in $(seq -w 0 99); do
    mkdir "$1/d$a"
    (cd "$1/d$a" && touch f{00..99}.txt)
  done
}
tree_s=(); bare_s=(); rm_s=()
for r in $(seq 1 "$rounds"); do
  make_flat_tree "$work/a"; make_flat_tree "$work/b"; make_flat_tree "$work/c"
  sync
  out=$(wine "$BLX_BUILD/bin/bench_delete_tree.exe" "$(winepath -w "$work/a")" tree | tr -d '\r')
  [ -e "$work/a" ] && { echo "DeleteFolderTree left the tree behind: $out"; exit 1; }
  tree_s+=("$(echo "$out" | awk '{print $2}')")
  out=$(wine "$BLX_BUILD/bin/bench_delete_tree.exe" "$(winepath -w "$work/b")" bare | tr -d '\r')
  bare_s+=("$(echo "$out" | awk '{print $2}')")
  rm_s+=("$(seconds rm -rf "$work/c")")
done
t=$(median "${tree_s[@]}"); b=$(median "${bare_s[@]}"); m=$(median "${rm_s[@]}")
printf 'tree: 10000 files in 100 folders, median of %d rounds\n' "$rounds"
printf 'DeleteFolderTree : %8.3f s\n' "$t"
printf 'bare walk        : %8.3f s\n' "$b"
printf 'rm -rf           : %8.3f s\n' "$m"
printf 'ratio DeleteFolderTree/bare: %.2f (goal <= 1.3); DeleteFolderTree/rm -rf: %.1f\n' \
  "$(calc "$t / $b")" "$(calc "$t / $m")"
