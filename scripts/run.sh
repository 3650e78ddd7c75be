#!/usr/bin/env bash
# `make run`: starts dist/win64/Setup.exe under 64-bit Wine in the project's prefix. On an existing $DISPLAY it
# simply runs the program until it ends. Without one it uses a virtual display, waits for the main window,
# saves a screenshot to build/screenshot.png, prints that path and closes the program.
set -euo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kProgram="$kRoot/dist/win64/Setup.exe"
kWaiter="$kRoot/build/win64/WaitWindow.exe"
kScreenshot="$kRoot/build/screenshot.png"
kMainWindowClass=TForm1
kStartSeconds=60
kCloseSeconds=10

# shellcheck source=wine-env.sh
source "$kRoot/scripts/wine-env.sh"

RunOnOwnDisplay() {
  echo "run: starting $kProgram on $DISPLAY"
  "$WINE64" "$kProgram"
}

# The program ends by itself on WM_CLOSE; if it does not (an error box is up, say), its prefix is stopped.
CloseProgram() {
  local pid=$1 waited
  "$WINE64" "$kWaiter" close "$kMainWindowClass" || true
  for waited in $(seq $((kCloseSeconds * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "run: the program did not close within ${kCloseSeconds}s; stopping Wine" >&2
    WineStop
  fi
  wait "$pid" 2>/dev/null || true
}

RunOnVirtualDisplay() {
  WineDisplay
  echo "run: starting $kProgram on the virtual display $DISPLAY"
  "$WINE64" "$kProgram" &
  local pid=$!
  if "$WINE64" "$kWaiter" wait "$kMainWindowClass" "$kStartSeconds"; then
    sleep 1 # the window is mapped; give its first paint a moment before the picture
  else
    echo "run: no visible $kMainWindowClass window after ${kStartSeconds}s; taking the screenshot anyway" >&2
  fi
  import -window root "$kScreenshot"
  CloseProgram "$pid"
  echo "$kScreenshot"
}

Main() {
  [ -f "$kProgram" ] || { echo "run: $kProgram is missing: run make dist" >&2; exit 1; }
  WineSetup 96
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    RunOnOwnDisplay
  else
    RunOnVirtualDisplay
  fi
}

Main "$@"
