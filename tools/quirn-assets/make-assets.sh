#!/bin/sh
# Re-makes the game's pictures and sounds in the source tree:
#   tools/quirn-assets/make-assets.sh [BUILD_DIR]
# then review `git diff --stat` and commit the changed files.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$root/build-assets"}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target quirn-assets -j2
QT_QPA_PLATFORM=offscreen "$build/tools/quirn-assets/quirn-assets" "$root"
