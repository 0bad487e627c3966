#!/usr/bin/env bash
# Draws the explorer's toolbar bitmap (resource 166) with ImageMagick: 13 images of 24x24
# side by side on light grey RGB(192,192,192), which the toolbar treats as transparent.
# The result, src/res/toolbar.bmp, is committed; run this only to change the drawings.
set -euo pipefail
cd "$(dirname "$0")/../src/res"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
bg='rgb(192,192,192)'
n=0
tile() {  # tile DRAW-ARGS...: one 24x24 image, numbered in button order
  convert -size 24x24 "xc:$bg" +antialias -strokewidth 1 "$@" "$tmp/$(printf %02d $n).png"
  n=$((n + 1))
}
folder=(-fill '#e8c040' -stroke '#806010' -draw 'rectangle 2,7 21,20' -fill '#f4d870' -draw 'rectangle 2,4 9,7')

# New File: a page with a green plus.
tile -fill white -stroke '#303030' -draw 'polygon 4,2 13,2 17,6 17,21 4,21' -fill '#e0e0f0' -draw 'polygon 13,2 13,6 17,6' \
  -stroke '#208020' -strokewidth 3 -draw 'line 18,13 18,22' -draw 'line 14,17 23,17'
# New Folder: a folder with a green plus.
tile "${folder[@]}" -stroke '#208020' -strokewidth 3 -draw 'line 18,12 18,22' -draw 'line 13,17 23,17'
# View: a page with text lines and a magnifier.
tile -fill white -stroke '#303030' -draw 'polygon 3,2 12,2 16,6 16,21 3,21' -stroke '#3060c0' \
  -draw 'line 5,8 13,8' -draw 'line 5,11 13,11' -draw 'line 5,14 10,14' \
  -fill none -stroke '#a03020' -strokewidth 2 -draw 'circle 15,14 19,14' -strokewidth 3 -draw 'line 18,18 22,22'
# Up: a folder with an arrow pointing up.
tile "${folder[@]}" -fill '#2060c0' -stroke '#103060' -draw 'polygon 12,3 19,10 15,10 15,18 9,18 9,10 5,10'
# Find: a magnifier.
tile -fill '#d0e8ff' -stroke '#303030' -strokewidth 2 -draw 'circle 10,10 16,10' \
  -stroke '#804010' -strokewidth 4 -draw 'line 15,15 21,21'
# Copy: two pages.
tile -fill white -stroke '#303030' -draw 'rectangle 3,2 13,15' -draw 'rectangle 9,8 19,21' \
  -stroke '#3060c0' -draw 'line 11,12 17,12' -draw 'line 11,15 17,15' -draw 'line 11,18 15,18'
# Paste: a clipboard with a page.
tile -fill '#a06830' -stroke '#503010' -draw 'rectangle 3,4 16,21' -fill '#e0e0e0' -draw 'rectangle 6,2 13,5' \
  -fill white -stroke '#303030' -draw 'rectangle 10,9 20,22' -stroke '#3060c0' -draw 'line 12,13 18,13' -draw 'line 12,16 18,16'
# Delete: a red cross.
tile -stroke '#c02020' -strokewidth 4 -draw 'line 5,5 19,19' -draw 'line 19,5 5,19'
# Recycle bin: a bin with a lid.
tile -fill '#70a0d0' -stroke '#204060' -draw 'polygon 5,7 19,7 17,21 7,21' -draw 'rectangle 3,4 21,6' \
  -draw 'rectangle 9,2 15,4' -draw 'line 9,10 10,18' -draw 'line 12,10 12,18' -draw 'line 15,10 14,18'
# Refresh: a circular green arrow.
tile -fill none -stroke '#208020' -strokewidth 3 -draw 'arc 4,4 20,20 -60,240' \
  -fill '#208020' -stroke '#208020' -strokewidth 1 -draw 'polygon 14,2 21,6 14,10'
# List: small icons in two columns.
tile -fill '#e8c040' -stroke '#806010' -draw 'rectangle 2,3 5,6' -draw 'rectangle 2,10 5,13' -draw 'rectangle 2,17 5,20' \
  -draw 'rectangle 13,3 16,6' -draw 'rectangle 13,10 16,13' \
  -stroke '#303030' -draw 'line 7,5 11,5' -draw 'line 7,12 11,12' -draw 'line 7,19 11,19' -draw 'line 18,5 22,5' -draw 'line 18,12 22,12'
# Details: rows with columns.
tile -fill white -stroke '#303030' -draw 'rectangle 2,3 21,20' -fill '#c8d8f0' -draw 'rectangle 2,3 21,7' \
  -draw 'line 10,3 10,20' -draw 'line 15,3 15,20' -stroke '#3060c0' -draw 'line 3,11 8,11' -draw 'line 3,15 8,15' -draw 'line 3,18 8,18'
# Help: a question mark in a blue disc.
tile -fill '#2060c0' -stroke '#103060' -draw 'circle 12,12 12,2' -fill white -stroke white \
  -font DejaVu-Sans-Bold -pointsize 16 -gravity center -annotate +0+1 '?'

convert "$tmp"/*.png +append -alpha off -type Palette -depth 8 -colors 256 -compress None BMP3:toolbar.bmp
