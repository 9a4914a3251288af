#!/usr/bin/env bash
# Configures and builds with a preset of CMakePresets.json (default: dev, into build/;
# the game lands in build/game/). Further arguments go to the configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-dev}
shift || true
cd "$root"
cmake --preset "$preset" "$@"
cmake --build --preset "$preset" -j"$(nproc)"
