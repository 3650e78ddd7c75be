#!/usr/bin/env bash
# Runs the end-to-end tests: build/win64/e2e_tests.exe under 64-bit Wine drives dist/win64/Setup.exe on a
# virtual display, first at 96 DPI, then the density test in the 144-DPI prefix. Exits non-zero on a failure.
#
# Usage: scripts/e2e.sh [extra gtest arguments for the 96-DPI run, e.g. --gtest_filter='Keys/*']
# Environment: E2E_BUILD_DIR (default build/win64), E2E_DIST_DIR (default dist/win64), E2E_SKIP_DPI=1.
# Reports: build/e2e-reports/e2e-96.xml and e2e-144.xml (GoogleTest XML).
set -euo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kBuildDir=${E2E_BUILD_DIR:-$kRoot/build/win64}
kDistDir=${E2E_DIST_DIR:-$kRoot/dist/win64}
kTestRoot=$kRoot/build/e2e-tmp
kReportDir=$kRoot/build/e2e-reports

# The prefixes (virtual desktop 1024x768, fonts for 宋体, a 144-DPI twin) and the virtual display.
# shellcheck source=wine-env.sh
source "$kRoot/scripts/wine-env.sh"

Log() { printf 'e2e: %s\n' "$*" >&2; }

# Wine's own DLLs load these by name before any code of the program runs (Windows takes them from the system
# folder there), so under the override below a planted copy would load whatever the program does.
kWineEarlyDlls=" version imm32 "

# Wine prefers its built-in DLLs, so a planted copy would never load and the DLL-planting test would prove
# nothing. Under the canaries' names it is told to look for native DLLs first, along the search path the
# program leaves in force, as Windows does. Wine reads this from the Unix environment only, so it is set for
# the whole run rather than per launch.
PlantingOverrides() {
  local names=() dll name
  for dll in "$kBuildDir"/canary/*.dll; do
    [ -e "$dll" ] || continue
    name=$(basename "$dll" .dll)
    [[ $kWineEarlyDlls == *" $name "* ]] || names+=("$name")
  done
  [ ${#names[@]} -gt 0 ] && (IFS=,; printf ';%s=n,b' "${names[*]}")
  return 0
}

# The program folder as shipped; without `make dist`, staged from the build.
DistDir() {
  if [ -f "$kDistDir/Setup.exe" ]; then
    echo "$kDistDir"
    return
  fi
  local staged=$kRoot/build/e2e-dist
  Log "no $kDistDir/Setup.exe: staging the program folder from $kBuildDir in $staged"
  rm -rf "$staged" && mkdir -p "$staged/data"
  cp "$kBuildDir/Setup.exe" "$kRoot/resources/wall.jpg" "$staged/"
  cp "$kBuildDir/InstDB.exe" "$staged/data/"
  echo "$staged"
}

RunTests() {  # dpi dist gtest-arguments...
  local dpi=$1 dist=$2
  shift 2
  WineSetup "$dpi"
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES$(PlantingOverrides)"
  rm -rf "$kTestRoot" && mkdir -p "$kTestRoot" "$kReportDir"
  Log "running at $dpi DPI in $WINEPREFIX on $DISPLAY"
  E2E_DPI="$dpi" \
    SETUP_DIST_DIR="$(WineWindowsPath "$dist")" \
    SETUP_CANARY_DIR="$(WineWindowsPath "$kBuildDir/canary")" \
    E2E_TMP="$(WineWindowsPath "$kTestRoot")" \
    "$WINE64" "$kBuildDir/e2e_tests.exe" \
    --gtest_output="xml:$(WineWindowsPath "$kReportDir/e2e-$dpi.xml")" "$@"
}

Main() {
  if [ ! -f "$kBuildDir/e2e_tests.exe" ]; then
    Log "no $kBuildDir/e2e_tests.exe: build the e2e_tests target first"
    exit 1
  fi
  local dist status=0
  dist=$(DistDir)
  WineDisplay
  RunTests 96 "$dist" --gtest_filter='-DpiTest.*' "$@" || status=1
  if [ "${E2E_SKIP_DPI:-0}" != 1 ]; then
    RunTests 144 "$dist" --gtest_filter='DpiTest.*' || status=1
  fi
  rm -rf "$kTestRoot"
  return "$status"
}

Main "$@"
