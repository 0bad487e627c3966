#!/usr/bin/env bash
# Draws the program's icons and toolbar bitmap with ImageMagick. The results are
# committed under src/res; run this only to change the drawings.
set -euo pipefail
cd "$(dirname "$0")/../src/res"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# Viewer (130): a page with text lines and a magnifier ring.
for s in 16 32; do
  convert -size 32x32 xc:none -fill white -stroke '#303030' -draw 'rectangle 5,2 22,29' \
    -stroke '#3060c0' -strokewidth 1 -draw 'line 8,7 19,7' -draw 'line 8,11 19,11' -draw 'line 8,15 16,15' \
    -fill none -stroke '#a03020' -strokewidth 3 -draw 'circle 21,20 27,20' -draw 'line 25,25 30,30' \
    -resize ${s}x${s} "$tmp/v$s.png"
done
convert "$tmp/v16.png" "$tmp/v32.png" viewer.ico

# Explorer (128): a folder with a tree branch.
for s in 16 32; do
  convert -size 32x32 xc:none -fill '#e8c040' -stroke '#806010' -draw 'rectangle 2,8 29,27' \
    -fill '#f4d870' -draw 'rectangle 2,5 13,8' \
    -stroke '#204080' -strokewidth 2 -draw 'line 8,13 8,23' -draw 'line 8,17 20,17' -draw 'line 8,23 20,23' \
    -resize ${s}x${s} "$tmp/e$s.png"
done
convert "$tmp/e16.png" "$tmp/e32.png" explorer.ico

# Find Files result row (149): a sheet with a found line marked.
for s in 16 32; do
  convert -size 32x32 xc:none -fill white -stroke '#303030' -draw 'rectangle 6,2 25,29' \
    -stroke '#808080' -strokewidth 2 -draw 'line 10,8 21,8' -draw 'line 10,22 21,22' \
    -fill '#f0c020' -stroke '#c08000' -draw 'rectangle 8,12 23,17' \
    -resize ${s}x${s} "$tmp/f$s.png"
done
convert "$tmp/f16.png" "$tmp/f32.png" findresult.ico
