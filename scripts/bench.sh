#!/usr/bin/env bash
# Runs every benchmark executable of the build.
set -euo pipefail
build=$1
shopt -s nullglob
found=0
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done
[ $found -eq 1 ] || echo "bench: no benchmarks built"
