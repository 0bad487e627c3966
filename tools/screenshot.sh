#!/usr/bin/env bash
# screenshot.sh BUILD PNG [ARGS...]: runs brindlex.exe ARGS on the build's display, saves a
# PNG of the screen once the window shows its content, and closes the program.
set -euo pipefail
build=$(cd "$1" && pwd); png=$2; shift 2
source "$(dirname "$0")/wine-env.sh" "$build"
wine_up
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
ready=$(winepath -w "$tmp/ready"); done_=$(winepath -w "$tmp/done")
wine "$build/bin/blxshot.exe" "$ready" "$done_" "$@" &
pid=$!
for i in $(seq 1 600); do [ -e "$tmp/ready" ] && break; sleep 0.05; done
import -display "$DISPLAY" -window root "$png"
touch "$tmp/done"
wait $pid || true
echo "saved $png"
