#!/bin/bash
# Re-makes the shipped level sets data/puzzles/<class>/game1..100.puz with the seeds
# they were made with, then checks them. Usage: make-levels.sh [path/to/quirn-levels]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tool=${1:-$root/build-levels/game/quirn-levels}
"$tool" generate --size quick    --count 100 --seed 101 --out "$root/data/puzzles/quick"
"$tool" generate --size normal   --count 100 --seed 202 --out "$root/data/puzzles/normal"
"$tool" generate --size hard     --count 100 --seed 303 --out "$root/data/puzzles/hard"
"$tool" generate --size advanced --count 100 --seed 404 --out "$root/data/puzzles/advanced"
"$tool" check "$root"/data/puzzles/*/game*.puz | tail -1
