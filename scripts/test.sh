#!/usr/bin/env bash
# `make test`: builds everything with warnings as errors and runs every suite: native unit tests, the release
# checks of the shipped executables, the end-to-end tests under Wine and a short fuzz replay. Prints each
# suite's output, then one summary line "N passed, N failed" over all of them; exits non-zero on any failure.
# A build that fails counts as one failure, and the suites that need it are skipped.
set -uo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kLogs="$kRoot/build/test-logs"
kUnitTimeout=900
kE2eTimeout=2400
kFuzzTimeout=900
FUZZ_REPLAY_SECONDS=${FUZZ_REPLAY_SECONDS:-10}

passed=0
failed=0
skipped=0
notes=()

Note() {
  notes+=("$*")
  echo "test: $*"
}

Elapsed() { echo "$(($(date +%s) - $1))s"; }

# Runs a step with its output shown and kept in build/test-logs/<name>.log; returns the step's status.
Step() {  # name command...
  local name=$1 start
  shift
  start=$(date +%s)
  echo
  echo "======== $name"
  "$@" 2>&1 | tee "$kLogs/$name.log"
  local status=${PIPESTATUS[0]}
  echo "======== $name: exit $status after $(Elapsed "$start")"
  return "$status"
}

Build() {  # name build.sh-arguments...
  local name=$1
  shift
  if Step "$name" bash "$kRoot/scripts/build.sh" "$@"; then
    return 0
  fi
  failed=$((failed + 1))
  Note "$name failed (counted as one failure)"
  return 1
}

# GoogleTest's closing lines: "[  PASSED  ] N tests." and "[  FAILED  ] N tests, listed below:", once per run.
CountGtest() {  # name status
  local log="$kLogs/$1.log" status=$2 p f s
  p=$(tr -d '\r' <"$log" | sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' | awk '{s += $1} END {print s + 0}')
  f=$(tr -d '\r' <"$log" | sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' | awk '{s += $1} END {print s + 0}')
  s=$(tr -d '\r' <"$log" | sed -nE 's/^\[  SKIPPED \] ([0-9]+) tests?,? .*/\1/p' | awk '{s += $1} END {print s + 0}')
  if [ "$status" != 0 ] && [ "$f" = 0 ]; then
    f=1 # it crashed, timed out or could not start: no test reported the failure
    Note "$1 exited with $status without a failed test: counted as one failure"
  fi
  passed=$((passed + p))
  failed=$((failed + f))
  skipped=$((skipped + s))
  echo "test: $1: $p passed, $f failed, $s skipped"
}

# Our own scripts close with "<word>: N passed, N failed".
CountSummary() {  # name status
  local log="$kLogs/$1.log" status=$2 line p f
  line=$(tr -d '\r' <"$log" | grep -E '^[a-z-]+: [0-9]+ passed, [0-9]+ failed$' | tail -n 1)
  p=$(echo "$line" | sed -nE 's/.* ([0-9]+) passed.*/\1/p')
  f=$(echo "$line" | sed -nE 's/.* ([0-9]+) failed.*/\1/p')
  p=${p:-0}
  f=${f:-0}
  if [ "$status" != 0 ] && [ "$f" = 0 ]; then
    f=1
    Note "$1 exited with $status without a counted failure: counted as one failure"
  fi
  passed=$((passed + p))
  failed=$((failed + f))
}

RunUnitTests() {
  local status=0
  Step unit-tests timeout "$kUnitTimeout" "$kRoot/build/native/unit_tests" || status=$?
  CountGtest unit-tests "$status"
}

RunImportChecks() {
  local status=0
  Step release-checks bash "$kRoot/scripts/check-imports.sh" || status=$?
  CountSummary release-checks "$status"
}

RunE2e() {
  if [ ! -f "$kRoot/build/win64/e2e_tests.exe" ]; then
    Note "no build/win64/e2e_tests.exe: end-to-end tests skipped"
    return
  fi
  if [ ! -f "$kRoot/scripts/e2e.sh" ]; then
    Note "no scripts/e2e.sh: end-to-end tests skipped"
    return
  fi
  # One virtual display for all Wine runs of this test run; scripts/e2e.sh uses it.
  # shellcheck source=wine-env.sh
  source "$kRoot/scripts/wine-env.sh"
  WineDisplay || { failed=$((failed + 1)); Note "no X display for the end-to-end tests"; return; }
  local status=0
  Step e2e timeout "$kE2eTimeout" bash "$kRoot/scripts/e2e.sh" || status=$?
  CountGtest e2e "$status"
}

RunFuzzReplay() {
  local status=0
  Step fuzz-replay timeout "$kFuzzTimeout" bash "$kRoot/scripts/fuzz.sh" replay "$FUZZ_REPLAY_SECONDS" || status=$?
  CountSummary fuzz-replay "$status"
}

Main() {
  local start
  start=$(date +%s)
  mkdir -p "$kLogs"
  export WERROR=ON
  local nativeOk=0 win32Ok=0 win64Ok=0
  Build build-native native && nativeOk=1
  [ "$nativeOk" = 1 ] && RunUnitTests
  Build build-win32 win32 && win32Ok=1
  Build build-win64 win64 && win64Ok=1
  local trees=()
  [ "$win32Ok" = 1 ] && trees+=(win32)
  [ "$win64Ok" = 1 ] && trees+=(win64)
  if [ ${#trees[@]} -gt 0 ]; then
    Step dist bash "$kRoot/scripts/dist.sh" "${trees[@]}" || { failed=$((failed + 1)); Note "dist failed"; }
  fi
  [ "$nativeOk" = 1 ] && RunImportChecks
  [ "$win64Ok" = 1 ] && RunE2e
  RunFuzzReplay

  echo
  echo "======== summary after $(Elapsed "$start") (logs in ${kLogs#"$kRoot"/}/)"
  local note
  for note in "${notes[@]}"; do
    echo "  $note"
  done
  if [ "$skipped" -gt 0 ]; then
    echo "$passed passed, $failed failed, $skipped skipped"
  else
    echo "$passed passed, $failed failed"
  fi
  [ "$failed" = 0 ]
}

Main "$@"
