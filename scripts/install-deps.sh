#!/usr/bin/env bash
# Installs the Debian 12 packages the game and its tests need, only those missing.
set -euo pipefail
packages=(
  g++ cmake make                        # compiler and build
  qt6-base-dev qt6-multimedia-dev       # the window, and sound playback
  libgl-dev                             # OpenGL headers that Qt's CMake files look for
  libgtest-dev libbenchmark-dev         # tests and benchmarks
  fonts-liberation                      # Liberation Sans for the clue digits
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
