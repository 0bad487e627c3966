# Sourced: one of the build tree's private Wine environments and its virtual display.
#   source tools/wine-env.sh BUILD_DIR [N]; wine_up [--use-display]; ...; wine_down
# Environment 0 lives in BUILD_DIR/wineprefix, environment N in BUILD_DIR/wineprefix-N; none
# touches ~/.wine. Each has its own prefix (registry, drives, clipboard), wineserver, display
# and trash, so tests in two environments cannot see each other.

BLX_BUILD=$(cd "${1:?build dir}" && pwd)
BLX_ENV=${2:-0}
_blx_sfx=""; [ "$BLX_ENV" = 0 ] || _blx_sfx="-$BLX_ENV"
export WINEPREFIX="$BLX_BUILD/wineprefix$_blx_sfx"
export WINEARCH=win32
# A 64-bit build (made where the machine cannot run 32-bit programs, see tools/build.sh)
# runs in a 64-bit prefix through Wine's 64-bit loader.
if grep -q '^CMAKE_TOOLCHAIN_FILE:.*x86_64' "$BLX_BUILD/CMakeCache.txt" 2>/dev/null; then
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  mkdir -p "$BLX_BUILD/winebin"
  # Environments come up side by side: a wrapper is replaced whole, never rewritten in place.
  for _blx_w in wine wine-stable; do
    if [ ! -x "$BLX_BUILD/winebin/$_blx_w" ]; then
      printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$BLX_BUILD/winebin/$_blx_w.$BASHPID"
      chmod +x "$BLX_BUILD/winebin/$_blx_w.$BASHPID"
      mv -f "$BLX_BUILD/winebin/$_blx_w.$BASHPID" "$BLX_BUILD/winebin/$_blx_w"
    fi
  done
  case ":$PATH:" in *":$BLX_BUILD/winebin:"*) ;; *) export PATH="$BLX_BUILD/winebin:$PATH" ;; esac
fi
export WINEDLLOVERRIDES="mscoree,mshtml="
# Loader errors stay visible: a program that cannot start says why.
export WINEDEBUG="${WINEDEBUG:-fixme-all,err-all,err+module}"
export XDG_DATA_HOME="$BLX_BUILD/xdg-data$_blx_sfx"
BLX_STATE="$BLX_BUILD/.wine-state$_blx_sfx"

_blx_x_alive() { [ -n "${1:-}" ] && [ -e "/tmp/.X11-unix/X${1#:}" ] && kill -0 "$(cat "$BLX_STATE/xvfb.pid" 2>/dev/null)" 2>/dev/null; }

_blx_start_xvfb() {
  # Environments coming up side by side take turns to pick a free display number.
  local lock n i
  exec {lock}>>/tmp/.blx-xvfb.lock
  flock "$lock"
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null {lock}>&- &
    echo $! > "$BLX_STATE/xvfb.pid"
    for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    echo ":$n" > "$BLX_STATE/display"
    exec {lock}>&-
    return 0
  done
  exec {lock}>&-
  echo "wine-env: no free X display" >&2; return 1
}

_blx_make_prefix() {
  mkdir -p "$XDG_DATA_HOME"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # Dialogs close quickly when Wine does not manage the windows.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -f /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # The shell folders must not point into the real home folder.
  local d
  for d in "$WINEPREFIX"/drive_c/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos,"My Documents"}; do
    if [ -L "$d" ]; then rm -f "$d"; mkdir -p "$d"; fi
  done
  touch "$WINEPREFIX/.blx-ready"
}

# The faces Windows has and the program asks for: Wine's own raster MS Sans Serif and Courier,
# and Tahoma (dialogs). Without them every face falls back to a DejaVu face, which neither looks like
# Windows nor lays out as fast. Older prefixes get them on their next start.
_blx_add_fonts() {
  local src=/usr/share/wine/fonts dst="$WINEPREFIX/drive_c/windows/Fonts" key
  key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
  [ -d "$src" ] || return 0
  mkdir -p "$dst"
  local f name v views=("")
  [ "$WINEARCH" = win64 ] && views=(/reg:64 /reg:32)
  while IFS='|' read -r f name; do
    [ -f "$src/$f" ] || continue
    cp -f "$src/$f" "$dst/"
    for v in "${views[@]}"; do
      wine reg add "$key" /v "$name" /t REG_SZ /d "$f" /f $v >/dev/null 2>&1
    done
  done <<'LIST'
sserife.fon|MS Sans Serif 8,10,12,14,18,24
coure.fon|Courier 10,12,15
tahoma.ttf|Tahoma (TrueType)
tahomabd.ttf|Tahoma Bold (TrueType)
LIST
  # No Courier New here: the hex view gets Wine's Courier, monospaced as on Windows.
  for v in "${views[@]}"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'Courier New' \
      /t REG_SZ /d Courier /f $v >/dev/null 2>&1
  done
  # A server started by reg must be gone before the persistent one starts; a persistent
  # server never ends and already holds the new values.
  kill -0 "$(cat "$BLX_STATE/server.pid" 2>/dev/null)" 2>/dev/null || wineserver -w
  touch "$WINEPREFIX/.blx-fonts"
}

# Brings up the display, the prefix, a persistent server and a keep-alive window.
# --use-display: use the caller's own DISPLAY when one is set (for ./run).
wine_up() {
  mkdir -p "$BLX_STATE"
  exec 9>"$BLX_STATE/lock"
  flock 9
  if [ "${1:-}" = "--use-display" ] && [ -n "${DISPLAY:-}" ]; then
    :
  else
    local disp; disp=$(cat "$BLX_STATE/display" 2>/dev/null || true)
    _blx_x_alive "$disp" || { _blx_start_xvfb || { flock -u 9; return 1; }; disp=$(cat "$BLX_STATE/display"); }
    export DISPLAY="$disp"
  fi
  [ -f "$WINEPREFIX/.blx-ready" ] || _blx_make_prefix
  [ -f "$WINEPREFIX/.blx-fonts" ] || _blx_add_fonts
  if ! kill -0 "$(cat "$BLX_STATE/server.pid" 2>/dev/null)" 2>/dev/null; then
    setsid wineserver -p -f >/dev/null 2>&1 < /dev/null &
    echo $! > "$BLX_STATE/server.pid"
  fi
  local ka="$BLX_BUILD/bin/keepalive.exe"
  if [ -f "$ka" ] && ! kill -0 "$(cat "$BLX_STATE/keepalive.pid" 2>/dev/null)" 2>/dev/null; then
    setsid wine "$ka" >/dev/null 2>&1 < /dev/null &
    echo $! > "$BLX_STATE/keepalive.pid"
  fi
  flock -u 9
}

wine_down() {
  wineserver -k >/dev/null 2>&1 || true
  local f
  for f in keepalive server xvfb; do
    kill "$(cat "$BLX_STATE/$f.pid" 2>/dev/null)" >/dev/null 2>&1 || true
    rm -f "$BLX_STATE/$f.pid"
  done
  rm -f "$BLX_STATE/display"
}
