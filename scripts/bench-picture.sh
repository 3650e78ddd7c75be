#!/usr/bin/env bash
# Times the background picture's load + decode + stretch to the client area against Debian's djpeg, on a
# synthetic 1920 x 1080 picture, baseline and progressive. Prints the medians and their ratio; asserts nothing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/native"
pictures="$build/bench"
repetitions=${REPETITIONS:-15}

command -v djpeg >/dev/null || echo "bench-picture: djpeg not found (Debian package libjpeg-turbo-progs); timing ours only" >&2
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target picture_bench -j 2
mkdir -p "$pictures"
"$build/picture_bench" --make "$pictures/wall-1920x1080.jpg" 1920 1080
"$build/picture_bench" --make "$pictures/wall-1920x1080-progressive.jpg" 1920 1080 --progressive
for picture in "$pictures/wall-1920x1080.jpg" "$pictures/wall-1920x1080-progressive.jpg"; do
  "$build/picture_bench" "$picture" "$repetitions"
done
