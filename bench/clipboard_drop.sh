#!/usr/bin/env bash
# bench/clipboard_drop.sh BUILD_DIR: Copy of 5,000 selected rows onto the clipboard and the
# drop of that block into another folder, beside cp of the same files in the same run.
source "$(dirname "$0")/common.sh" "$1" || exit
mkdir "$work/src" "$work/dst" "$work/bare" "$work/cp"
(cd "$work/src" && seq -f "file-%05g.txt" 1 5000 | while read -r f; do printf '%s\n' "$f" > "$f"; done)
win=$(winepath -w "$work")
out=$(wine "$BLX_BUILD/bin/bench_clipboard_drop.exe" "$win\\src" "$win\\dst" "$win\\bare")
echo "$out"
t_cp=$(seconds cp "$work"/src/* "$work/cp/")
t_drop=$(echo "$out" | awk '/^drop s/ { print $3 }')
t_copy=$(echo "$out" | awk '/^copy command s/ { print $4 }')
t_bare=$(echo "$out" | awk '/^bare CopyFileA s/ { print $4 }')
echo "cp of the same files s $t_cp"
echo "drop / cp: $(calc "$t_drop / $t_cp")"
echo "copy command / cp: $(calc "$t_copy / $t_cp")"
echo "bare CopyFileA / cp: $(calc "$t_bare / $t_cp")"
[ "$(ls "$work/dst" | wc -l)" -eq 5000 ] || { echo "drop copied $(ls "$work/dst" | wc -l) files" >&2; exit 1; }
