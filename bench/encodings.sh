#!/usr/bin/env bash
# Text in its own characters: "brindlex.exe FILE" until the whole 3 MiB text section is in the
# control, and the process's peak memory (bench_load_probe), taking turns:
#   utf8   a UTF-8 file of mixed Latin, Cyrillic and CJK lines, beside
#   ascii  an ASCII file of the same size and the same kind of lines (goal: utf8 within 1.15x
#          of its time);
#   ansi   a file in the legacy code page (text with bytes 0x80-0xFF), beside the same file in
#          a reference build (REF_EXE: main before this change; goal: within 1.05x of its time),
#   and every side's peak memory beside its reference (goal: within 1.1x).
# Usage: bench/encodings.sh BUILD_DIR REF_EXE [ROUNDS]
source "$(dirname "$0")/common.sh" "$1" || exit
ref_exe=$(winepath -w "$2")
rounds=${3:-3}
probe="$BLX_BUILD/bin/bench_load_probe.exe"
exe=$(winepath -w "$BLX_BUILD/bin/brindlex.exe")

size=$((3 * 1024 * 1024))
python3 - "$work" "$size" <<'PY'
import sys
work, size = sys.argv[1], int(sys.argv[2])
def lines(words):
    out, i, total = [], 0, 0
    while total < size:
        line = ' '.join(words[(i * 7 + k) % len(words)] for k in range(9)) + '\r\n'
        out.append(line)
        total += len(line.encode('utf-8'))
        i += 1
    data = ''.join(out).encode('utf-8')[:size]
    while data[-1] & 0xC0 == 0x80 or data[-1] >= 0xC0:  # end on a whole character
        data = data[:-1]
    return data
open(work + '/utf8.txt', 'wb').write(lines(['été', 'naïve', 'crème', 'Живой', 'мир', 'тест', '中文', '日本語', '文章', 'text', 'line']))
open(work + '/ascii.txt', 'wb').write(lines(['ete', 'naive', 'creme', 'zhivoy', 'mir', 'test', 'zhongwen', 'nihongo', 'bunsho', 'text', 'line']))
latin = ' '.join(['caf\xe9', 'na\xefve', 'cr\xe8me', 'd\xe9j\xe0', 'text', 'line', '\u20acuro', 'stra\xdfe']) + '\r\n'
data = (latin * (size // len(latin) + 1)).encode('cp1252')[:size]
open(work + '/ansi.txt', 'wb').write(data)
PY
declare -A exes=([new]="$exe" [ref]="$ref_exe")
declare -A files=([ascii]="$(winepath -w "$work/ascii.txt")" [utf8]="$(winepath -w "$work/utf8.txt")"
                  [ansi]="$(winepath -w "$work/ansi.txt")")
field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
sides=("new ascii" "new utf8" "new ansi" "ref ansi" "ref ascii")
declare -A secs mem
echo "== 3 MiB text section: $rounds rounds, taking turns (seconds, peak MB)"
printf '%-6s' round; for s in "${sides[@]}"; do printf ' %17s' "$s"; done; printf '\n'
for r in $(seq 1 "$rounds"); do
  printf '%-6s' "$r"
  for s in "${sides[@]}"; do
    read -r build kind <<< "$s"
    out=$(wine "$probe" "${exes[$build]}" "${files[$kind]}" text)
    secs[$s]+="$(field "$out" whole) "; mem[$s]+="$(field "$out" peak) "
    printf ' %9.3f %7.1f' "$(field "$out" whole)" "$(field "$out" peak)"
  done
  printf '\n'
done
for stat in best median; do
  printf '%-6s' "$stat"
  for s in "${sides[@]}"; do
    if [ "$stat" = best ]; then t=$(printf '%s\n' ${secs[$s]} | sort -g | head -n 1); else t=$(median ${secs[$s]}); fi
    printf ' %9.3f %7.1f' "$t" "$(median ${mem[$s]})"
    eval "${stat}_$(echo "$s" | tr ' ' _)=$t"
    eval "mem_$(echo "$s" | tr ' ' _)=$(median ${mem[$s]})"
  done
  printf '\n'
done
awk -v u="$median_new_utf8" -v a="$median_new_ascii" -v n="$median_new_ansi" -v r="$median_ref_ansi" \
    -v ub="$best_new_utf8" -v ab="$best_new_ascii" -v nb="$best_new_ansi" -v rb="$best_ref_ansi" \
    -v mn="$mem_new_ansi" -v mr="$mem_ref_ansi" -v ma="$mem_new_ascii" -v mra="$mem_ref_ascii" -v mu="$mem_new_utf8" 'BEGIN {
  printf "utf8 / ascii time:     median %.2f  best %.2f   (goal <= 1.15)\n", u / a, ub / ab
  printf "ansi new / ref time:   median %.2f  best %.2f   (goal <= 1.05)\n", n / r, nb / rb
  printf "peak memory new / ref: ansi %.2f  ascii %.2f  utf8 / ref ascii %.2f   (goal <= 1.1)\n", mn / mr, ma / mra, mu / mra
}'
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
