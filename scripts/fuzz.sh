#!/usr/bin/env bash
# Runs each libFuzzer target of a fuzz build for a while, on a scratch copy of its seed corpus.
set -euo pipefail
# Qt's font cache keeps fontconfig's memory to the end of the process; that is no leak of ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "$build"/fuzz/*Fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$work/$name"
  cp -r "$root/fuzz/corpus/$name/." "$work/$name/" 2>/dev/null || true
  echo "== $name ($seconds s)"
  QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -artifact_prefix="$build/fuzz/$name-" "$work/$name"
done
