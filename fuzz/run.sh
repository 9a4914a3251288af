#!/usr/bin/env bash
# Builds the fuzz targets (fuzz preset: clang, ASan, UBSan) and runs each for SECONDS
# (default 20), as many at once as there are cores. Longer runs find more: by hand, try
# `fuzz/run.sh 3600`. Each target keeps its growing corpus in build-fuzz/corpus/<target>
# and starts from its seeds (fuzz/corpus/<target>, and the shipped levels, settings and
# help texts in data/). A finding is saved as build-fuzz/findings/<target>-crash-*; run
# the target on that file to see it again. Exits non-zero when any target found one.
# fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

targets=("$@")
if ((${#targets[@]} == 0)); then
  for exe in build-fuzz/fuzz/fuzz_*; do targets+=("${exe#build-fuzz/fuzz/fuzz_}"); done
fi

# The shipped files that make good seeds, gathered into one folder per target.
gather_seeds() {
  local target=$1 folder=build-fuzz/seeds/$1
  rm -rf "$folder"
  mkdir -p "$folder"
  case $target in
    level_file) for f in data/puzzles/*/game*.puz; do cp "$f" "$folder/${f//\//_}"; done ;;
    progress_file) for f in data/puzzles/*/level.dat; do cp "$f" "$folder/${f//\//_}"; done ;;
    config_file) cp data/quirn.cfg "$folder/" ;;
    help_text) cp data/rules.txt data/creating.txt "$folder/" ;;
  esac
  echo "$folder"
}

run_one() {
  local target=$1
  local corpus=build-fuzz/corpus/$target log=build-fuzz/logs/$target.log
  mkdir -p "$corpus" build-fuzz/findings build-fuzz/logs
  # The state machine's inputs are sessions: long ones from the start.
  local extra=()
  [[ $target == state_machine ]] && extra=(-max_len=2048 -len_control=0)
  if build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
      -timeout=10 -rss_limit_mb=2048 -artifact_prefix=build-fuzz/findings/"$target"- "${extra[@]}" \
      "$corpus" fuzz/corpus/"$target" "$(gather_seeds "$target")" >"$log" 2>&1; then
    result=ok
  else
    result="FOUND A FAULT (see $log)"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-16s %6s s %10s executions  %s\n' "$target" "$seconds" "${runs:-?}" "$result"
  [[ $result == ok ]]
}
export -f run_one gather_seeds
export seconds

printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one {}'
