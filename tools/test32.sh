#!/usr/bin/env bash
# tools/test32.sh: runs the test suite against the 32-bit build itself (build/), what users get.
#   tools/test32.sh [--emulate] [CTEST ARGS...]     e.g. tools/test32.sh -R 'FileWatch|Viewer'
#   tools/test32.sh [--emulate] --bench NAME...     benchmarks of bench/ against the 32-bit build
# Where this machine runs 32-bit x86 programs itself, they run natively. Where it does not (or with
# --emulate), they run under qemu's user-mode emulator for i386 (qemu-user 10.0 from Debian's
# bookworm-backports, fetched into build/emu32 with a private apt source list and state, so the
# machine's own apt sources stay as they are), registered with binfmt_misc. The registration lives
# in a binfmt_misc of this script's own user namespace when the kernel allows it (6.7 and newer),
# else machine-wide; either way through a gate that starts the emulator only when BLX_EMU32 is set
# and otherwise exits 126, so every other program on the machine behaves as before.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
emu="$build/emu32"
qemu_min=8   # before 8.0 the threads of an emulated process share one descriptor table: Wine crashes
nl=$'\n'

say() { echo "test32: $*" >&2; }
die() { say "$*"; exit 1; }

mode=auto
if [ "${1:-}" = "--emulate" ]; then mode=emulate; shift; fi

# Whether a 32-bit x86 program runs here without our emulator (BLX_EMU32 unset: a registration
# of ours answers 126).
native_32() { env -u BLX_EMU32 /usr/lib/wine/wine --version >/dev/null 2>&1; }

# The i386 magic and mask qemu registers: ELF, 32-bit, little-endian, executable or shared object.
binfmt_rule() {
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':%s:M::%s:%s:%s:F\n' "$1" "$magic" "$mask" "$emu/gate"
}

# --- Inside the private user namespace: our own binfmt_misc, then the run itself. ---------------
if [ -n "${BLX_EMU32_NS:-}" ]; then
  unset BLX_EMU32_NS
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null ||
    die "binfmt_misc cannot be mounted in a user namespace here"
  binfmt_rule blx-i386 > /proc/sys/fs/binfmt_misc/register || die "the emulator could not be registered"
  export BLX_EMU32=1
  exec "$0" "$@"
fi

# --- Outside: packages, the build, the emulator. --------------------------------------------------
if [ -z "${BLX_EMU32:-}" ]; then
  "$root/tools/setup.sh" || exit 1
  "$root/tools/build.sh" "$build" || exit 1
  "$root/tools/printer.sh" || say "note: the PDF printer could not be set up; printing tests will fail"
  [ "$mode" = auto ] && { native_32 && mode=native || mode=emulate; }
fi

fetch_qemu() {
  local a="$emu/apt" arch
  arch=$(dpkg --print-architecture)
  mkdir -p "$a"/state/lists/partial "$a"/cache/archives/partial "$a"/etc/sources.list.d "$a"/etc/preferences.d
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-backports main" \
    > "$a/etc/sources.list"
  local o=(-o Dir::Etc::SourceList="$a/etc/sources.list" -o Dir::Etc::SourceParts="$a/etc/sources.list.d"
           -o Dir::Etc::Preferences="$a/etc/preferences" -o Dir::Etc::PreferencesParts="$a/etc/preferences.d"
           -o Dir::State="$a/state" -o Dir::Cache="$a/cache" -o Dir::State::status=/var/lib/dpkg/status
           -o APT::Architecture="$arch" -o APT::Architectures::="$arch"
           -o Debug::NoLocking=1 -o APT::Sandbox::User="$(id -un)")
  apt-get "${o[@]}" -qq update >/dev/null || return 1
  rm -f "$a"/qemu-user_*.deb
  (cd "$a" && apt-get "${o[@]}" -qq download qemu-user >/dev/null) || return 1
  # Only the i386 emulator (statically linked): the package's other forty-odd stay out.
  dpkg-deb --fsys-tarfile "$a"/qemu-user_*.deb | tar -xO ./usr/bin/qemu-i386 > "$emu/qemu-i386.new" &&
    chmod +x "$emu/qemu-i386.new" && mv "$emu/qemu-i386.new" "$emu/qemu-i386"
}

qemu_major() { "$emu/qemu-i386" --version 2>/dev/null | sed -n '1s/.*version \([0-9]*\).*/\1/p'; }

prepare_emulator() {
  mkdir -p "$emu"
  if [ "$(qemu_major)" = "" ] || [ "$(qemu_major)" -lt $qemu_min ]; then
    say "fetching qemu-i386 (qemu-user from bookworm-backports)"
    fetch_qemu || die "cannot fetch the emulator (qemu-user from Debian's bookworm-backports)"
  fi
  local v; v=$(qemu_major)
  [ -n "$v" ] && [ "$v" -ge $qemu_min ] || die "no usable i386 emulator ($emu/qemu-i386, qemu $qemu_min.0 or newer)"
  printf '#!/bin/sh\n# 32-bit x86 programs run under the emulator for Brindlex'"'"'s 32-bit runs only.\n[ -n "${BLX_EMU32:-}" ] || exit 126\nexec %s "$@"\n' \
    "$emu/qemu-i386" > "$emu/gate"
  chmod +x "$emu/gate"
  grep -qw binfmt_misc /proc/filesystems 2>/dev/null ||
    die "this kernel has no binfmt_misc: 32-bit programs cannot run under the emulator here"
}

# A machine-wide registration, for kernels whose user namespaces have no binfmt_misc of their own.
# Only where 32-bit programs cannot run natively: there the gate changes nothing for others.
register_machine_wide() {
  local SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  SUDO_CMD=$SUDO
  native_32 && die "this kernel has no binfmt_misc per user namespace, and a machine-wide emulator would take 32-bit programs away from everyone else here; run tools/test32.sh without --emulate"
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc ||
      die "binfmt_misc is not mounted and cannot be mounted: 32-bit programs cannot run here"
  fi
  if [ -e /proc/sys/fs/binfmt_misc/blx-i386 ] && ! grep -qx "interpreter $emu/gate" /proc/sys/fs/binfmt_misc/blx-i386; then
    echo -1 | $SUDO tee /proc/sys/fs/binfmt_misc/blx-i386 >/dev/null
  fi
  [ -e /proc/sys/fs/binfmt_misc/blx-i386 ] ||
    binfmt_rule blx-i386 | $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null ||
    die "the emulator could not be registered with binfmt_misc"
}

if [ -z "${BLX_EMU32:-}" ] && [ "$mode" = emulate ]; then
  prepare_emulator
  if unshare --user --map-root-user --mount sh -c \
       'mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc' 2>/dev/null; then
    say "32-bit programs run under $("$emu/qemu-i386" --version | head -1) (registered in a private namespace)"
    BLX_EMU32_NS=1 exec unshare --user --map-root-user --mount "$0" --emulate "$@"
  fi
  # Runs of this script share the registration; the last one out takes it away again.
  exec 8>>/tmp/blx-emu32.lock
  flock -s 8
  register_machine_wide
  trap 'flock -xn 8 && [ -e /proc/sys/fs/binfmt_misc/blx-i386 ] &&
        echo -1 | ${SUDO_CMD:-} tee /proc/sys/fs/binfmt_misc/blx-i386 >/dev/null' EXIT
  say "32-bit programs run under $("$emu/qemu-i386" --version | head -1) (registered machine-wide, gated)"
  export BLX_EMU32=1
fi

# --- The run: the 32-bit build, its own 32-bit prefix (build/wineprefix). -------------------------
/usr/lib/wine/wine --version >/dev/null 2>&1 ||
  die "Wine's 32-bit loader does not start here$nl    (${BLX_EMU32:+under the emulator: }$(/usr/lib/wine/wine --version 2>&1 | head -1))"
[ -n "${BLX_EMU32:-}" ] || say "32-bit programs run natively on this machine"
source "$root/tools/wine-env.sh" "$build"
wine_up || exit 1

if [ "${1:-}" = "--bench" ]; then
  shift
  rc=0
  for n in "$@"; do echo "== $n (32-bit build)"; bash "$root/bench/$n.sh" "$build" || rc=1; done
else
  # Under the emulator each test process needs about 2 s to start; every test's own TIMEOUT holds.
  "$root/tools/ctest-wine.sh" "$build" --output-on-failure --timeout 300 "$@"
  rc=$?
fi
wine_down
exit $rc
