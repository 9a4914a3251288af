#!/usr/bin/env bash
# Start-up of the game window without a display: the median of RUNS starts, from process
# start to the board's first paint, and the largest peak resident memory among them.
#   bench/startup.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build-bench, configured when missing with the build type the game
# ships with (scripts/build.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
runs=${2:-11}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target quirn_startup_bench -j2 >/dev/null

# A program folder of its own: the shipped data and one quick level past the start screen.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -R "$root/data/." "$folder/"
printf '13,17,20,23,\r\n,0-4,\r\n\r\nWell done!\r\n' > "$folder/puzzles/quick/game3.puz"
printf ' 3 \r\n' > "$folder/puzzles/quick/level.dat"
printf 'quick\r\nred.jpg\r\n65535\r\n192\r\n16777215\r\nTrue\r\n' > "$folder/quirn.cfg"

export QT_QPA_PLATFORM=offscreen
times=()
peak=0
for _ in $(seq "$runs"); do
  out=$("$build/bench/quirn_startup_bench" "$(date +%s%N)" "$folder" 2>/dev/null)
  times+=("$(awk '/^startup_ms/ {print $2}' <<<"$out")")
  rss=$(awk '/^peak_rss_kb/ {print $2}' <<<"$out")
  [ "$rss" -gt "$peak" ] && peak=$rss
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "start-up runs (ms): ${times[*]}"
echo "start-up median: ${median} ms over ${runs} runs"
echo "peak RSS: $((peak / 1024)) MB (${peak} kB)"
