#!/usr/bin/env bash
# bench/live_refresh.sh BUILD_DIR [N]: the explorer's tree and list under changes made by
# another program: bursts of N files (default 3,000) created and deleted in the folder on show
# and at a drive root with folders expanded, single changes in a 20,000-file folder and in a
# small one; each beside a bare enumeration of the same folder, in one run.
source "$(dirname "$0")/common.sh" "$1" || exit
n=${2:-3000}
letter=k
link="$WINEPREFIX/dosdevices/$letter:"
at_exit 'rm -f "$link"'
mkdir "$work/burst" "$work/small" "$work/big" "$work/root"
(cd "$work/big" && seq -f "file-%06g.txt" 1 20000 | xargs touch && seq -f "dir-%03g" 1 20 | xargs mkdir)
touch "$work/small/a.txt" "$work/small/b.txt"
# The drive: a few folders, some with sub-folders, and some files.
(cd "$work/root" && mkdir -p one/a one/b two/c three && touch f1.txt f2.txt one/x.txt)
ln -sfn "$work/root" "$link"
win=$(winepath -w "$work")
wine "$BLX_BUILD/bin/bench_live_refresh.exe" "$win\\burst" "$win\\big" "$win\\small" "${letter^^}:" "$win\\root" "$n" | tr -d '\r'
