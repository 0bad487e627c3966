#!/usr/bin/env bash
# Opening a 200 MiB file in the viewer: the temporary copy and the first section, beside cp of
# the same file into the same folder (Wine's temporary folder, where the viewer's copy goes).
# Usage: bench/viewer_open.sh BUILD_DIR [SIZE_MIB] [OPEN_ROUNDS] [COPY_ROUNDS]
source "$(dirname "$0")/common.sh" "$1" || exit
mib=${2:-200}
rounds=${3:-3}
copy_rounds=${4:-9}
exe="$BLX_BUILD/bin/bench_viewer_open.exe"

temp=$(ls -d "$WINEPREFIX"/drive_c/users/*/Temp | head -n 1)
cp_target="$temp/blx-bench-cp.tmp"
at_exit 'rm -f "$cp_target"'
file="$work/big.txt"
# Text of 76-character lines, like a large log: the viewer opens it in text mode.
(base64 -w 76 /dev/urandom || true) | head -c $((mib * 1024 * 1024)) > "$file"
bytes=$(stat -c %s "$file")
winfile=$(winepath -w "$file")
wintemp=$(winepath -w "$temp")
cat "$file" > /dev/null

field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

row() { printf '%-7s' "$1"; shift; printf ' %13.3f' "$@"; printf '\n'; }

# The sides take turns, each after a sync so that no side pays for the writeback of the one
# before. The source stays in the page cache throughout (dropping caches would disturb every
# other program on the machine), so every side reads it from memory. The copies are short and
# the machine may be busy, so they run more rounds than the whole opens.
echo "== copy: $copy_rounds rounds, taking turns (seconds)"
printf '%-7s %13s %13s %13s\n' round cp "viewer copy" CopyFileExA
cps=(); copies=(); copyexs=(); calls=0
for r in $(seq 1 "$copy_rounds"); do
  rm -f "$cp_target"; sync
  cps+=("$(seconds cp "$file" "$cp_target")")
  rm -f "$cp_target"; sync
  out=$(wine "$exe" copy "$winfile"); sync
  ex=$(wine "$exe" copyex "$winfile" "$wintemp\\blx-bench-copyex.tmp"); sync
  copies+=("$(field "$out" copy)"); copyexs+=("$(field "$ex" copyex)"); calls=$(field "$ex" callbacks)
  row "$r" "${cps[-1]}" "${copies[-1]}" "${copyexs[-1]}"
done
for stat in best median; do row "$stat" "$($stat "${cps[@]}")" "$($stat "${copies[@]}")" "$($stat "${copyexs[@]}")"; done

echo
echo "== whole open: $rounds rounds, taking turns (seconds)"
printf '%-7s %13s %13s %13s %13s %13s\n' round cp "open: copy" "1st section" "copy..shown" "exe..shown"
ocps=(); ocopies=(); sections=(); opens=(); launches=()
for r in $(seq 1 "$rounds"); do
  rm -f "$cp_target"; sync
  ocps+=("$(seconds cp "$file" "$cp_target")")
  rm -f "$cp_target"; sync
  out=$(wine "$exe" open "$winfile"); sync
  ln=$(wine "$exe" launch "$(winepath -w "$BLX_BUILD/bin/brindlex.exe")" "$winfile"); sync
  ocopies+=("$(field "$out" copy)"); sections+=("$(field "$out" section)"); opens+=("$(field "$out" open)")
  launches+=("$(field "$ln" launch)")
  row "$r" "${ocps[-1]}" "${ocopies[-1]}" "${sections[-1]}" "${opens[-1]}" "${launches[-1]}"
done
for stat in best median; do
  row "$stat" "$($stat "${ocps[@]}")" "$($stat "${ocopies[@]}")" "$($stat "${sections[@]}")" "$($stat "${opens[@]}")" \
    "$($stat "${launches[@]}")"
done

echo
printf 'file %d bytes (%d MiB of 76-character text lines), copied into %s\n' "$bytes" "$mib" "$wintemp"
echo "1st section: the first 3 MiB of text streamed into the control; copy..shown: the model's open"
echo "until the section is painted; exe..shown: brindlex.exe FILE started until its control holds text"
echo "CopyFileExA progress callbacks during one copy: $calls"
awk -v cb="$(best "${cps[@]}")" -v cm="$(median "${cps[@]}")" -v vb="$(best "${copies[@]}")" \
    -v vm="$(median "${copies[@]}")" -v xb="$(best "${copyexs[@]}")" -v xm="$(median "${copyexs[@]}")" \
    -v ob="$(best "${opens[@]}")" -v sb="$(best "${sections[@]}")" -v ocb="$(best "${ocopies[@]}")" 'BEGIN {
  printf "viewer copy / cp:        best %.2f  median %.2f  (goal <= 1.3)\n", vb / cb, vm / cm
  printf "CopyFileExA alone / cp:  best %.2f  median %.2f  (the platform copy, no viewer around it)\n", xb / cb, xm / cm
  printf "share of the open (best): copy %.0f%%, first section %.0f%%\n", 100 * ocb / ob, 100 * sb / ob
}'
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
