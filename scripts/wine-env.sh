# Wine for running and testing the x86_64 program; sourced by scripts/run.sh, scripts/test.sh, scripts/e2e.sh.
# Owns the project's Wine prefixes (build/wineprefix, and build/wineprefix-144 at 144 DPI) and the virtual X
# display; sourcing it only defines functions and variables. Needs bash; safe under `set -euo pipefail`.
#
#   WineSetup [96|144]      export WINEPREFIX (the prefix for that density, made ready on first use; quick after
#                           that), WINEDEBUG=-all, WINEDLLOVERRIDES="mscoree,mshtml=" (no Mono/Gecko prompts)
#   WinePrefixFor DPI       make the prefix for DPI ready and print its path (does not export anything)
#   WineDisplay             make sure DISPLAY names a live X server; with none, start Xvfb (1024x768x24) on a
#                           free display, export DISPLAY, and stop it (and the Wine sessions bound to it) at exit
#   WineWindowsPath PATH    print the Windows form (Z:\...) of a Linux path
#   WineStop                end every program and the wineserver of the current WINEPREFIX
#   WineCleanup             what the exit trap of WineDisplay runs; call it from your own EXIT trap if you set one
#   $WINE64                 /usr/lib/wine/wine64: the 64-bit loader (32-bit Wine cannot run on this kernel)
#
# Each prefix has a virtual desktop "Default" of 1024x768 (without a window manager that avoids Wine's 2 s
# waits when windows hide), the faces "宋体" and "SimSun" replaced by WenQuanYi Zen Hei, and LogPixels
# 96 or 144. Settings are applied with regedit from a UTF-16 file, because `reg add` garbles Chinese names.

WINE64=/usr/lib/wine/wine64
_kWineRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_kWineFont="WenQuanYi Zen Hei"
_wineXvfbPid=""

_WineLog() { printf 'wine-env: %s\n' "$*" >&2; }

WineServer() {
  if command -v wineserver >/dev/null 2>&1; then
    wineserver "$@"
  else
    /usr/lib/wine/wineserver "$@"
  fi
}

_WineSettings() {  # dpi
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  printf '"宋体"="%s"\r\n"SimSun"="%s"\r\n\r\n' "$_kWineFont" "$_kWineFont"
  printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n\r\n' "$1"
}

_WinePrefixPath() {  # dpi
  if [ "$1" = 96 ]; then echo "$_kWineRoot/build/wineprefix"; else echo "$_kWineRoot/build/wineprefix-$1"; fi
}

# Boots the prefix once and (re)applies the settings whenever they differ from those it was given last.
_WinePrepare() {  # prefix dpi
  local prefix=$1 dpi=$2
  local stamp="$prefix/.settings-stamp" want
  want=$(_WineSettings "$dpi" | md5sum | cut -d' ' -f1)
  [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ] && return 0
  mkdir -p "$prefix"
  (
    flock 8
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ] && exit 0
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$prefix/system.reg" ]; then
      _WineLog "creating the Wine prefix $prefix (about 15 s)"
      "$WINE64" wineboot -i >/dev/null 2>&1 || true
      WineServer -w
      [ -f "$prefix/system.reg" ] || { _WineLog "wineboot did not create $prefix"; exit 1; }
    fi
    local reg="$prefix/project-settings.reg"
    { printf '\xff\xfe'; _WineSettings "$dpi" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    "$WINE64" regedit /S "$(WineWindowsPath "$reg")" >/dev/null 2>&1
    WineServer -w  # the registry reaches the disk when the server ends
    grep -q '"Default"="1024x768"' "$prefix/user.reg" || { _WineLog "settings did not reach $prefix"; exit 1; }
    echo "$want" >"$stamp"
  ) 8>"$prefix.lock"
}

WinePrefixFor() {  # dpi
  local dpi=${1:-96} prefix
  prefix=$(_WinePrefixPath "$dpi")
  _WinePrepare "$prefix" "$dpi" >&2
  echo "$prefix"
}

WineSetup() {  # [dpi]
  local prefix
  prefix=$(WinePrefixFor "${1:-96}")
  export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Wine maps drive Z: to the Linux root in every prefix, so no Wine process is needed for this.
WineWindowsPath() {  # path
  printf 'Z:%s\n' "$(realpath -m "$1" | tr / '\\')"
}

WineStop() {
  [ -n "${WINEPREFIX:-}" ] && WineServer -k 2>/dev/null || true
}

_WineDisplayAlive() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

WineDisplay() {
  _WineDisplayAlive && return 0
  local numberFile
  numberFile=$(mktemp)
  # -displayfd lets the server pick a free display and report it once it accepts connections.
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$numberFile" >/dev/null 2>&1 &
  _wineXvfbPid=$!
  trap WineCleanup EXIT
  trap 'exit 130' INT TERM
  local tries
  for tries in $(seq 100); do
    [ -s "$numberFile" ] && break
    kill -0 "$_wineXvfbPid" 2>/dev/null || break
    sleep 0.1
  done
  local number
  number=$(tr -dc '0-9' <"$numberFile")
  rm -f "$numberFile"
  [ -n "$number" ] || { _WineLog "Xvfb did not start (after $tries tries)"; return 1; }
  export DISPLAY=":$number"
  _WineLog "virtual display $DISPLAY"
}

# Programs in a prefix stay bound to the display their wineserver started on, so when the Xvfb started here
# goes, the project's Wine sessions (which it served) go first.
WineCleanup() {
  [ -n "$_wineXvfbPid" ] || return 0
  local dpi prefix
  for dpi in 96 144; do
    prefix=$(_WinePrefixPath "$dpi")
    [ -d "$prefix" ] && { WINEPREFIX="$prefix" WineServer -k 2>/dev/null || true; }
  done
  kill "$_wineXvfbPid" 2>/dev/null || true
  wait "$_wineXvfbPid" 2>/dev/null || true
  _wineXvfbPid=""
}
