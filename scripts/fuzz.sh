#!/usr/bin/env bash
# Builds and runs the fuzz targets of tests/fuzz (build tree build/fuzz, clang with libFuzzer and sanitizers).
#   fuzz.sh run [SECONDS]     fuzz each target for SECONDS (default $FUZZ_SECONDS or 60); new inputs go to
#                             build/fuzz/corpus/<name>, crashes to build/fuzz/artifacts/<name>/
#   fuzz.sh replay [SECONDS]  run each seed corpus tests/fuzz/corpus/<name>/ once, then fuzz SECONDS (default 10)
# Ends with "fuzz: N passed, N failed", one count per target.
set -euo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kBuild="$kRoot/build/fuzz"
kLogs="$kRoot/build/test-logs"
JOBS=${JOBS:-2}

Configure() {
  local args="-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++"
  if [ ! -f "$kBuild/build.ninja" ] || [ "$(cat "$kBuild/.configure-args" 2>/dev/null)" != "$args" ]; then
    rm -f "$kBuild/.configure-args"
    # shellcheck disable=SC2086 # separate words
    cmake -S "$kRoot/tests/fuzz" -B "$kBuild" -G Ninja $args >/dev/null
    echo "$args" >"$kBuild/.configure-args"
  fi
}

Targets() {
  local source
  for source in "$kRoot"/tests/fuzz/*_fuzz.cpp; do
    [ -f "$source" ] && basename "$source" .cpp
  done
}

# Libfuzzer's options shared by both modes: a slow or huge input is a finding too.
FuzzOptions() {  # name
  echo "-timeout=20 -rss_limit_mb=2560 -artifact_prefix=$kBuild/artifacts/$1/ -print_final_stats=1"
}

# Every seed once (a regression check), then fuzzing from the seeds and what earlier runs found.
FuzzTarget() {  # name seconds
  local name=$1 seeds="$kRoot/tests/fuzz/corpus/${1%_fuzz}"
  mkdir -p "$seeds" "$kBuild/corpus/$name" "$kBuild/artifacts/$name"
  # shellcheck disable=SC2046 # options are separate words
  "$kBuild/$name" $(FuzzOptions "$name") -runs=0 "$seeds" &&
    "$kBuild/$name" $(FuzzOptions "$name") -max_total_time="$2" "$kBuild/corpus/$name" "$seeds"
}

Main() {
  local mode=${1:-run}
  local seconds=${2:-}
  case $mode in
    run) seconds=${seconds:-${FUZZ_SECONDS:-60}} ;;
    replay) seconds=${seconds:-10} ;;
    *) echo "usage: fuzz.sh run|replay [SECONDS]" >&2; exit 2 ;;
  esac
  local targets
  targets=$(Targets)
  if [ -z "$targets" ]; then
    echo "fuzz: no tests/fuzz/*_fuzz.cpp"
    echo "fuzz: 0 passed, 0 failed"
    return 0
  fi
  Configure
  if ! ninja -C "$kBuild" -j "$JOBS"; then
    echo "fuzz: building the fuzz targets failed"
    echo "fuzz: 0 passed, $(echo "$targets" | wc -l) failed"
    return 1
  fi
  mkdir -p "$kLogs"
  local name passed=0 failed=0
  for name in $targets; do
    local log="$kLogs/fuzz-$name.log"
    echo "== fuzz $name ($mode, ${seconds}s)"
    if FuzzTarget "$name" "$seconds" >"$log" 2>&1; then
      passed=$((passed + 1))
      grep -E '^(stat::number_of_executed_units|INFO: seed corpus|Done)' "$log" || true
      echo "fuzz $name: passed"
    else
      failed=$((failed + 1))
      tail -n 60 "$log"
      echo "fuzz $name: FAILED (full output in $log; inputs in $kBuild/artifacts/$name/)"
    fi
  done
  echo "fuzz: $passed passed, $failed failed"
  [ "$failed" = 0 ]
}

Main "$@"
