#!/usr/bin/env bash
# Starts the configurator. Without a display it runs on a virtual one (Xvfb), saves a picture of
# the main window beside the program, prints its path and ends.
set -euo pipefail
exe=$1
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/kt20418-runtime-$(id -u)"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot="$(cd "$(dirname "$exe")" && pwd)/main-window.bmp"
  echo "run: no display; starting on a virtual display (Xvfb)"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$exe" --screenshot "$shot"
fi
exec "$exe"
