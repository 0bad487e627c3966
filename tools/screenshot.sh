#!/usr/bin/env bash
# screenshot.sh BUILD PNG [ARGS...]: runs brindlex.exe ARGS on the build's display, saves a
# PNG of the screen once the window shows its content, and closes the program. Exits non-zero,
# saving nothing, when no window of the program appears.
set -euo pipefail
build=$(cd "$1" && pwd); png=$2; shift 2
source "$(dirname "$0")/wine-env.sh" "$build"
wine_up
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
ready=$(winepath -w "$tmp/ready"); done_=$(winepath -w "$tmp/done")
wine "$build/bin/blxshot.exe" "$ready" "$done_" "$@" &
pid=$!
# blxshot says "ready" once the window shows its content, or ends (with its reason) when none does.
while [ ! -e "$tmp/ready" ] && kill -0 $pid 2>/dev/null; do sleep 0.05; done
if [ ! -e "$tmp/ready" ]; then
  rc=0; wait $pid || rc=$?
  echo "screenshot: brindlex.exe showed no window; nothing saved (blxshot exit code $rc)" >&2
  exit 1
fi
import -display "$DISPLAY" -window root "$png"
touch "$tmp/done"
rc=0; wait $pid || rc=$?
if [ $rc -ne 0 ]; then
  rm -f "$png"
  echo "screenshot: blxshot failed (exit code $rc); nothing saved" >&2
  exit 1
fi
echo "saved $png"
