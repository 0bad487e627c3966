#!/usr/bin/env bash
# Installs everything the build, the tests and the benchmarks need, from Debian's packages.
# Idempotent: quick when everything is already present.
set -euo pipefail

PKGS=(
  cmake make g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  googletest
  wine wine32:i386 libwine:i386 wine64 libwine fonts-wine
  xvfb x11-utils imagemagick
  cups cups-client cups-bsd printer-driver-cups-pdf libcups2:i386 poppler-utils
  fp-utils-3.2.2
  xxd zip unzip
  inotify-tools
  python3
)

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
