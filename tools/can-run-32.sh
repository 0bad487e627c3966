#!/usr/bin/env bash
# Exit 0 when this machine can run 32-bit Windows programs under Wine (some virtual
# machines have no 32-bit user mode at all; the tests then run in a 64-bit build).
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
