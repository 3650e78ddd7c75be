#!/usr/bin/env bash
# Start-up time and program size. Times Setup.exe from process start until its main window is visible and
# painted (as a test driver sees it), with a 1920 x 1080 wall.jpg, against a minimal Win32 program that only
# shows a window, alternating over many runs under the same Wine; then prints both Setup.exe sizes.
# Asserts nothing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${RUNS:-25}
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

bash "$root/scripts/build.sh" native -- picture_bench
bash "$root/scripts/build.sh" win64 -- Setup minimal_window startup_timer
bash "$root/scripts/dist.sh" win32 win64 >/dev/null

work="$root/build/bench/startup"
rm -rf "$work"
mkdir -p "$work/minimal"
cp -r "$root/dist/win64" "$work/program"
"$root/build/native/picture_bench" --make "$work/program/wall.jpg" 1920 1080 >/dev/null
cp "$root/build/win64/minimal_window.exe" "$work/minimal/"

WineSetup 96
WineDisplay
"$WINE64" "$(WineWindowsPath "$root/build/win64/startup_timer.exe")" \
  "$(WineWindowsPath "$work/program/Setup.exe")" "$(WineWindowsPath "$work/minimal/minimal_window.exe")" "$runs"
WineStop

echo "program size:"
for target in win32 win64; do
  printf '  %s Setup.exe %10d bytes\n' "$target" "$(stat -c %s "$root/dist/$target/Setup.exe")"
done
