#!/usr/bin/env bash
# Installs, only when missing, the Debian packages the build, tests, benchmarks and `make run` need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev
  libpugixml-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev googletest
  libbenchmark-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth
  openbox xdotool x11-utils
)
# `deps.sh fuzz`: what `make fuzz` needs besides (clang with libFuzzer).
[ "${1:-}" = fuzz ] && packages=(clang libclang-rt-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
