#!/usr/bin/env bash
# `make dist`: lays out the program folders as shipped, from the Windows builds:
# dist/<win32|win64>/Setup.exe, wall.jpg and data/InstDB.exe. Usage: dist.sh [win32] [win64]
set -euo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

StageTree() {  # tree
  local build="$kRoot/build/$1" out="$kRoot/dist/$1"
  mkdir -p "$out/data"
  install -m 0755 "$build/Setup.exe" "$out/Setup.exe"
  install -m 0644 "$kRoot/resources/wall.jpg" "$out/wall.jpg"
  install -m 0755 "$build/InstDB.exe" "$out/data/InstDB.exe"
  echo "dist: $out"
}

trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(win32 win64)
for tree in "${trees[@]}"; do
  StageTree "$tree"
done
