#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing, and only those: through sudo when
# not run as root (saying so first), with apt-get directly as root.
#   scripts/install-deps.sh play   what building and playing the game needs
#   scripts/install-deps.sh        that, and what the tests and benchmarks need
#   scripts/install-deps.sh clang  clang and its sanitizer and fuzzer libraries (.ci/run)
set -euo pipefail

# Building and playing the game.
play=(
  g++
  cmake
  make
  qt6-base-dev                          # the window
  libcanberra-dev                       # sound effects (libcanberra, loaded at run time)
  libcanberra-pulse                     # its PulseAudio and PipeWire output
  libgl-dev                             # OpenGL headers that Qt's CMake files look for
  fonts-liberation                      # Liberation Sans for the clue digits
  fonts-dejavu-core                     # the desktop's sans font, for menus and texts
)
# The tests and the benchmarks.
tests=(
  libgtest-dev
  libgmock-dev                          # the scenario tests match texts with GoogleTest's matchers
  libbenchmark-dev
  desktop-file-utils                    # the install check validates the desktop entry
  appstream                             # and the AppStream metainfo
  libxtst-dev                           # the window benchmark's probe (X test events)
  libpulse-dev                          # the sound benchmark's probe (records a sink)
  pkgconf                               # which finds the probes' libraries
)

# The suite under the sanitizers, and the fuzz targets.
clang=(
  clang
  libclang-rt-14-dev
)

case ${1:-all} in
play) packages=("${play[@]}") ;;
all) packages=("${play[@]}" "${tests[@]}") ;;
clang) packages=("${clang[@]}") ;;
*) echo "usage: $0 [play|all|clang]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0

if ((EUID == 0)); then
  as_root=()
  echo "Installing the missing Debian packages: ${missing[*]}"
elif command -v sudo >/dev/null; then
  as_root=(sudo)
  echo "Installing the missing Debian packages with sudo: ${missing[*]}"
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root (apt-get install ${missing[*]}), or install sudo." >&2
  exit 1
fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
