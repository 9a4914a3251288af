#!/bin/bash
# Re-makes the shipped level series data/puzzles/<class>/game1..100.puz with the seeds they
# were made with, then checks them. Runs niced: other work on the machine goes first.
# Usage: make-levels.sh [path/to/quirn-levels]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tool=${1:-$root/build/game/quirn-levels}
for class_seed in quick:101 normal:202 hard:303 advanced:404; do
  class=${class_seed%:*}
  nice -n 10 "$tool" generate --size "$class" --count 100 --seed "${class_seed#*:}" \
    --out "$root/data/puzzles/$class" > /dev/null
done
"$tool" check "$root"/data/puzzles/*/game*.puz | tail -1
