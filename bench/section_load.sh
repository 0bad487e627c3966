#!/usr/bin/env bash
# Section loads into the viewer's text control: one hex section (512 KiB in, about 2.5 MB of
# text) and one text section (3 MiB), our rendering apart from the control's own work, beside
# the same control fed the same text from one memory buffer, and that control as sections were
# loaded before its scroll bar was shown first ("plain"); then 10 Nexts in a row per mode.
# Usage: bench/section_load.sh BUILD_DIR [ROUNDS]
source "$(dirname "$0")/common.sh" "$1" || exit
rounds=${2:-3}
exe="$BLX_BUILD/bin/bench_section_load.exe"

# 12 sections each: random bytes for hex, 76-character text lines (like a log) for text.
head -c $((6 * 1024 * 1024)) /dev/urandom > "$work/hex.bin"
(base64 -w 76 /dev/urandom || true) | head -c $((34 * 1024 * 1024)) > "$work/text.txt"
declare -A files=([hex]="$(winepath -w "$work/hex.bin")" [text]="$(winepath -w "$work/text.txt")")

# Seconds of one kind of line: "way round total S ..." -> the S of every line of that way.
values() { echo "$1" | awk -v w="$2" -v k="$3" '$1 == w { for (i = 3; i < NF; i++) if ($i == k) print $(i + 1) }'; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

for mode in hex text; do
  echo "== $mode section: $rounds rounds, the ways taking turns (seconds)"
  out=$(wine "$exe" compare "$mode" "${files[$mode]}" "$rounds" | tr -d '\r')
  echo "$out" | head -n 1
  printf '%-6s %10s %10s %10s %10s %14s %12s %12s\n' round plain ref ours "(render)" Next "(font-old)" "(new ctl)"
  for r in $(seq 1 "$rounds"); do
    printf '%-6s %10.3f %10.3f %10.3f %10.3f %14.3f %12.3f %12.3f\n' "$r" \
      "$(echo "$out" | awk -v r="$r" '$1 == "plain" && $2 == r { print $4 }')" \
      "$(echo "$out" | awk -v r="$r" '$1 == "ref" && $2 == r { print $4 }')" \
      "$(echo "$out" | awk -v r="$r" '$1 == "split" && $2 == r { print $4 }')" \
      "$(echo "$out" | awk -v r="$r" '$1 == "split" && $2 == r { print $6 }')" \
      "$(echo "$out" | awk -v r="$r" '$1 == "next" && $2 == r { print $4 }')" \
      "$(echo "$out" | awk -v r="$r" '$1 == "steps" && $2 == r { print $4 }')" \
      "$(echo "$out" | awk -v r="$r" '$1 == "steps" && $2 == r { print $6 }')"
  done
  ref_b=$(best $(values "$out" ref total)); ref_m=$(median $(values "$out" ref total))
  our_b=$(best $(values "$out" split total)); our_m=$(median $(values "$out" split total))
  ren_b=$(best $(values "$out" split render))
  nxt_b=$(best $(values "$out" next total)); nxt_m=$(median $(values "$out" next total))
  pln_b=$(best $(values "$out" plain total)); pln_m=$(median $(values "$out" plain total))
  awk -v pb="$pln_b" -v pm="$pln_m" -v rb="$ref_b" -v rm="$ref_m" 'BEGIN {
    printf "plain control %.3f (median %.3f) -> bar shown first %.3f (median %.3f): %.2fx faster (median %.2fx)\n",
      pb, pm, rb, rm, pb / rb, pm / rm }'
  awk -v rb="$ref_b" -v rm="$ref_m" -v ob="$our_b" -v om="$our_m" -v nb="$nxt_b" -v nm="$nxt_m" -v rn="$ren_b" 'BEGIN {
    printf "best:   ref %.3f  ours %.3f (our rendering %.3f, the control %.3f)  Next %.3f\n", rb, ob, rn, ob - rn, nb
    printf "median: ref %.3f  ours %.3f  Next %.3f\n", rm, om, nm
    printf "ours / ref: best %.2f  median %.2f   Next / ref: best %.2f  median %.2f   (goal <= 1.1)\n",
      ob / rb, om / rm, nb / rb, nm / rm
  }'
  echo
done

for mode in hex text; do
  echo "== $mode: open, then Next 10 times (seconds)"
  out=$(wine "$exe" flat "$mode" "${files[$mode]}" | tr -d '\r')
  echo "$out" | awk '$1 == "open" { printf "section at open: %.3f\n", $3 }'
  printf '%-6s %10s %12s %12s %10s\n' Next total "(font-old)" "(new ctl)" "(stream)"
  echo "$out" | awk '$1 == "next" { printf "%-6s %10.3f %12.3f %12.3f %10.3f\n", $2, $4, $6, $8, $10 }'
  echo "$out" | awk '$1 == "next" { t[$2] = $4; if (min == "" || $4 < min) min = $4; if ($4 > max) max = $4 }
    END { printf "Next: 10th / 1st %.2f   slowest / fastest %.2f   (goal: flat, about 1)\n", t[10] / t[1], max / min }'
  echo "$out" | awk '$1 == "next" { t[$2] = $10; if (min == "" || $10 < min) min = $10; if ($10 > max) max = $10 }
    END { printf "its stream alone: 10th / 1st %.2f   slowest / fastest %.2f\n", t[10] / t[1], max / min }'
  echo
done
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
