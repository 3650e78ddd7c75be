#!/usr/bin/env bash
# `make bench`: runs every scripts/bench-*.sh in turn (each builds what it measures and prints its results).
# Benchmarks assert nothing; a failing one is reported and the others still run.
set -uo pipefail

kRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
status=0
found=0
for bench in "$kRoot"/scripts/bench-*.sh; do
  [ -f "$bench" ] || continue
  found=1
  echo "== $(basename "$bench")"
  bash "$bench" || { echo "bench: $(basename "$bench") failed" >&2; status=1; }
done
[ "$found" = 1 ] || echo "bench: no scripts/bench-*.sh yet"
exit "$status"
