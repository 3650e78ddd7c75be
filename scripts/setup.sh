#!/usr/bin/env bash
# Installs everything the builds, the Wine runs and the tests need: Debian packages, then libjpeg-turbo
# cross-built as static libraries for both Windows targets. Idempotent: a second run only checks and returns.
set -euo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kDeps="$kRoot/build/deps"
kJpegOptions=(-DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON)
kTriples=(i686-w64-mingw32 x86_64-w64-mingw32)

kPackages=(
  make g++ cmake ninja-build nasm dpkg-dev pkg-config
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  libjpeg62-turbo-dev libjpeg-turbo-progs libgtest-dev googletest
  clang libclang-rt-14-dev
  wine wine64 fonts-wine fonts-wqy-zenhei
  libxrender1 libxrandr2 libxcursor1 libxi6 libxinerama1 libxcomposite1  # loaded by Wine's X11 driver
  xvfb xauth xdotool x11-apps x11-utils imagemagick
)

Log() { printf 'setup: %s\n' "$*" >&2; }

AsRoot() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

MissingPackages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

InstallPackages() {
  local missing
  missing=$(MissingPackages "${kPackages[@]}")
  [ -z "$missing" ] && return 0
  Log "installing:" $missing
  AsRoot env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086 # one word per package
  AsRoot env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

HasSourceEntries() {
  grep -rqsE '^(Types:.*deb-src|deb-src[[:space:]])' /etc/apt/sources.list /etc/apt/sources.list.d/
}

# Debian ships no MinGW build of libjpeg-turbo, so its source package is built here; that needs deb-src
# entries mirroring the system's own binary entries.
AddSourceEntries() {
  HasSourceEntries && return 0
  local deb822=/etc/apt/sources.list.d/debian.sources
  if [ -f "$deb822" ]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$deb822" | AsRoot tee /etc/apt/sources.list.d/setup-deb-src.sources >/dev/null
  else
    grep -hE '^deb[[:space:]]' /etc/apt/sources.list | sed -E 's/^deb/deb-src/' |
      AsRoot tee /etc/apt/sources.list.d/setup-deb-src.list >/dev/null
  fi
  Log "added deb-src entries"
}

JpegSourceDir() {
  find "$kDeps/src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' 2>/dev/null | sort | tail -n 1
}

FetchJpegSource() {
  [ -n "$(JpegSourceDir)" ] && return 0
  AddSourceEntries
  if ! apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:'; then
    AsRoot apt-get update -q
  fi
  mkdir -p "$kDeps/src"
  Log "fetching Debian's libjpeg-turbo source"
  (cd "$kDeps/src" && apt-get source -q libjpeg-turbo >/dev/null 2>&1) ||
    (cd "$kDeps/src" && apt-get source libjpeg-turbo)
  [ -n "$(JpegSourceDir)" ] || { Log "apt-get source libjpeg-turbo gave no source folder"; exit 1; }
}

JpegStamp() {
  echo "$(basename "$(JpegSourceDir)") ${kJpegOptions[*]} $(md5sum "$kRoot/cmake/toolchain-$1.cmake" | cut -d' ' -f1)"
}

BuildJpeg() {
  local triple=$1 arch=${1%%-*}
  local prefix="$kDeps/$triple" work="$kDeps/build-$triple"
  local stamp="$prefix/.stamp"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(JpegStamp "$arch")" ] && [ -f "$prefix/lib/libjpeg.a" ]; then
    return 0
  fi
  Log "building libjpeg-turbo for $triple"
  rm -rf "$work" "$prefix"
  cmake -S "$(JpegSourceDir)" -B "$work" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$kRoot/cmake/toolchain-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${kJpegOptions[@]}" >"$work.log" 2>&1 || { cat "$work.log"; exit 1; }
  ninja -C "$work" -j 2 install >>"$work.log" 2>&1 || { tail -n 50 "$work.log"; exit 1; }
  JpegStamp "$arch" >"$stamp"
}

JpegReady() {
  local triple
  for triple in "${kTriples[@]}"; do
    local arch=${triple%%-*} stamp="$kDeps/$triple/.stamp"
    [ -f "$stamp" ] && [ -f "$kDeps/$triple/lib/libjpeg.a" ] || return 1
    [ "$(cat "$stamp")" = "$(JpegStamp "$arch")" ] || return 1
  done
}

Main() {
  InstallPackages
  mkdir -p "$kDeps"
  # Two make targets may run this at once; the second waits instead of building the library twice.
  exec 9>"$kDeps/.lock"
  flock 9
  JpegReady && return 0
  FetchJpegSource
  local triple
  for triple in "${kTriples[@]}"; do
    BuildJpeg "$triple"
  done
}

Main "$@"
