#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test without a display;
# exits non-zero on a failure. ./test.sh [PRESET] (default dev; CI uses ci).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
preset=${1:-dev}
"$root/scripts/install-deps.sh" all
"$root/scripts/build.sh" "$preset"
cd "$root"
ctest --preset "$preset" -j"$(nproc)"
