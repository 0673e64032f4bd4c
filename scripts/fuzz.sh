#!/usr/bin/env bash
# Runs each libFuzzer target of a fuzz build for a while, on a scratch copy of its seed corpus.
set -euo pipefail
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
