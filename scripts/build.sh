#!/usr/bin/env bash
# Configures (only when needed) and builds the three Ninja build trees: build/native (g++, unit tests and
# tools), build/win32 (i686) and build/win64 (x86_64). Usage: build.sh [native|win32|win64|all]... [-- targets]
# WERROR=ON|OFF (default ON) sets WARNINGS_AS_ERRORS; JOBS (default 2) the parallel compile jobs.
set -euo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WERROR=${WERROR:-ON}
JOBS=${JOBS:-2}

# The main window's description (with the stored skin) is made by a native tool, so the Windows trees take
# the native tree's output.
kUnit1Description="$kRoot/build/native/generated/Unit1.dfm"

TreeArgs() {
  local common="-DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS=$WERROR"
  case $1 in
    native) echo "$common" ;;
    win32) echo "$common -DCMAKE_TOOLCHAIN_FILE=$kRoot/cmake/toolchain-i686.cmake" \
                "-DJPEG_PREFIX=$kRoot/build/deps/i686-w64-mingw32 -DUNIT1_DFM=$kUnit1Description" ;;
    win64) echo "$common -DCMAKE_TOOLCHAIN_FILE=$kRoot/cmake/toolchain-x86_64.cmake" \
                "-DJPEG_PREFIX=$kRoot/build/deps/x86_64-w64-mingw32 -DUNIT1_DFM=$kUnit1Description" ;;
    *) echo "build.sh: unknown build tree '$1'" >&2; return 1 ;;
  esac
}

# Ninja re-runs CMake by itself when a CMake file or a globbed folder changes; an explicit configure is needed
# only for a new tree or when its arguments changed (remembered beside the tree).
NeedsConfigure() {
  local dir=$1 args=$2
  [ -f "$dir/build.ninja" ] && [ "$(cat "$dir/.configure-args" 2>/dev/null)" = "$args" ] && return 1
  return 0
}

# A Windows tree embeds the native tree's generated description: bring that up to date first.
PrepareCrossInputs() {
  ConfigureTree native
  if ninja -C "$kRoot/build/native" -t targets all 2>/dev/null | grep -q '^unit1_description:'; then
    ninja -C "$kRoot/build/native" -j "$JOBS" unit1_description
  fi
}

ConfigureTree() {
  local tree=$1
  local dir="$kRoot/build/$tree"
  local args
  args=$(TreeArgs "$tree")
  if NeedsConfigure "$dir" "$args"; then
    rm -f "$dir/.configure-args"
    # shellcheck disable=SC2086 # the tree's arguments are separate words
    cmake -S "$kRoot" -B "$dir" -G Ninja $args
    echo "$args" >"$dir/.configure-args"
  fi
}

BuildTree() {
  local tree=$1
  shift
  local dir="$kRoot/build/$tree"
  ConfigureTree "$tree"
  echo "== building $tree${*:+ ($*)}"
  ninja -C "$dir" -j "$JOBS" "$@"
}

Main() {
  local trees=() targets=()
  while [ $# -gt 0 ]; do
    case $1 in
      --) shift; targets=("$@"); break ;;
      all) trees+=(native win32 win64) ;;
      *) trees+=("$1") ;;
    esac
    shift
  done
  [ ${#trees[@]} -gt 0 ] || trees=(native win32 win64)
  local tree
  for tree in "${trees[@]}"; do
    if [ "$tree" != native ]; then
      PrepareCrossInputs
    fi
    BuildTree "$tree" "${targets[@]}"
  done
}

Main "$@"
