#!/usr/bin/env bash
# make-help.sh OUT_DIR PROJECT.hhp: compiles the help project into OUT_DIR (chmcmd writes
# into the current folder and reads the pages beside the project file).
set -euo pipefail
mkdir -p "$1"
cd "$1"
chmcmd --no-html-scan --verbosity 0 "$2" > /dev/null
