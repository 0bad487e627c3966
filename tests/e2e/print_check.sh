#!/usr/bin/env bash
# print_check.sh BUILD TEST_EXE FILTER EXPECT...: runs one print job of the viewer and
# checks the text of the PDF the PDF printer made from it. EXPECT are grep -E patterns
# that must all match, in order, in the page texts ("page N: pattern" checks page N);
# "nojob" instead checks that the job left nothing spooling and printed nothing.
set -uo pipefail
build=$1; exe=$2; filter=$3; shift 3
pdfdir=$HOME/PDF
mkdir -p "$pdfdir"
# Earlier jobs must be out of the way before this one starts.
for i in $(seq 1 300); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
# A stamp newer than every earlier PDF, and a clock that has moved past the stamp, so the PDF
# of this job is the one newer than the stamp (however coarse the file times are).
newer_than() {  # newer_than FILE: a new file whose time is later than FILE's
  local f; f=$(mktemp)
  while [ -e "$1" ] && ! [ "$f" -nt "$1" ]; do sleep 0.01; touch "$f"; done
  echo "$f"
}
newest=$(ls -t "$pdfdir"/*.pdf 2>/dev/null | head -1)
stamp=$(newer_than "${newest:-/nonexistent}")
rm -f "$(newer_than "$stamp")"
"$(dirname "$0")/../../tools/winerun" "$build" "$exe" --gtest_also_run_disabled_tests "--gtest_filter=$filter" || exit 1
if [ "${1:-}" = nojob ]; then
  # The program has ended, so whatever it handed to the spooler is in the queue or printed.
  for i in $(seq 1 300); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
  left=$(lpstat -o 2>/dev/null)
  pdf=$(find "$pdfdir" -name '*.pdf' -newer "$stamp" | head -1)
  rm -f "$stamp"
  [ -z "$left" ] || { echo "left spooling: $left"; exit 1; }
  [ -z "$pdf" ] || { echo "printed $pdf: $(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') page(s)"; rm -f "$pdf"; exit 1; }
  echo "nothing printed, nothing spooling"
  exit 0
fi
for i in $(seq 1 300); do
  [ -z "$(lpstat -o 2>/dev/null)" ] && pdf=$(find "$pdfdir" -name '*.pdf' -newer "$stamp" | head -1) && [ -n "$pdf" ] && break
  sleep 0.1
done
rm -f "$stamp"
[ -n "${pdf:-}" ] || { echo "no PDF was printed"; exit 1; }
# The printer writes the file in pieces: wait until it stops growing.
last=-1
for i in $(seq 1 100); do
  size=$(stat -c %s "$pdf"); [ "$size" = "$last" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
  last=$size; sleep 0.2
done
txt=$(pdftotext "$pdf" - 2>/dev/null)
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
echo "printed $pdf: $pages page(s)"
fail=0
for e in "$@"; do
  case "$e" in
    pages=*) [ "$pages" = "${e#pages=}" ] || { echo "expected ${e#pages=} pages, got $pages"; fail=1; } ;;
    pages\>*) [ "$pages" -gt "${e#pages>}" ] || { echo "expected more than ${e#pages>} pages, got $pages"; fail=1; } ;;
    page*:*) n=${e%%:*}; n=${n#page }; pat=${e#*: }
             pdftotext -layout -f "$n" -l "$n" "$pdf" - | grep -E "$pat" >/dev/null || { echo "page $n lacks: $pat"; fail=1; } ;;
    *) grep -E "$e" <<<"$txt" >/dev/null || { echo "missing: $e"; fail=1; } ;;
  esac
done
# Every numbered line printed exactly once and in order.
if [ "${CHECK_ORDER:-}" ]; then
  got=$(grep -oE 'Line number [0-9]+' <<<"$txt" | awk '{print $3}' | tr '\n' ' ')
  [ "$got" = "$CHECK_ORDER " ] || { echo "line order: $got"; fail=1; }
fi
[ $fail -eq 0 ] && rm -f "$pdf"
exit $fail
