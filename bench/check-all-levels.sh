#!/bin/bash
# Times `quirn-levels check` over all 400 shipped levels (target: under 0.5 s in total).
# Usage: bench/check-all-levels.sh [path/to/quirn-levels] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$root/build/game/quirn-levels}
runs=${2:-5}
files=("$root"/data/puzzles/*/game*.puz)
echo "${#files[@]} level files"
if command -v hyperfine > /dev/null; then
  hyperfine --warmup 1 --runs "$runs" -n "check ${#files[@]} levels" "$tool check ${files[*]}"
  exit
fi
for i in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$tool" check "${files[@]}" > /dev/null
  end=$(date +%s%N)
  echo "run $i: $(( (end - start) / 1000000 )) ms"
done
