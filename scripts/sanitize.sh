#!/usr/bin/env bash
# Runs every test of a build made with the address and undefined-behaviour sanitizers. A finding
# stops the process that has it, so its test fails; findings outside our code are suppressed in
# scripts/sanitize/, each with its reason.
set -euo pipefail
build=$1
jobs=$2
root=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:strict_init_order=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$root/scripts/sanitize/ubsan.supp"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize/lsan.supp:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
