#!/usr/bin/env bash
# The game window against a bare Qt Widgets window of the same size
# (bench/window/BareWindow.cpp), both under Xvfb with real X input, interleaved:
#   - start-up: exec to the first painted pixel, and CPU time by then;
#   - press to pixel: a left press on a segment of the 7 x 12 board (and the 5 x 5 one)
#     to the first changed pixel under it;
#   - peak resident memory of the game for every size class and theme, after a few
#     presses with sound on (a private PulseAudio null sink when pulseaudio is there).
#   bench/window.sh [BUILD_DIR] [STARTS] [PRESSES]
# BUILD_DIR defaults to build-bench, configured when missing as the game ships.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
starts=${2:-15}
presses=${3:-150}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
nice cmake --build "$build" --target quirn-puzzle quirn_bare_window quirn_window_probe -j2 >/dev/null
probe=$build/bench/quirn_window_probe
bare=$build/bench/quirn_bare_window

. "$root/bench/xsession.sh"
start_xvfb 2600x1600
if command -v pulseaudio >/dev/null; then start_pulse; fi

stats() { # numbers on stdin -> "median M p90 P"
  sort -n | awk '{a[NR]=$1} END {printf "median %.2f p90 %.2f", a[int((NR+1)/2)], a[int(NR*0.9+0.5)]}'
}
field() { awk -v k="$1" '{for (i = 1; i < NF; ++i) if ($i == k) print $(i+1)}'; }
ratio() { awk -v g="$(awk '{print $2}' <<<"$1")" -v b="$(awk '{print $2}' <<<"$2")" 'BEGIN {printf "%.2f", g / b}'; }
client_width() { case $1 in quick) echo $(((5850 - 120) / 15)) ;; normal) echo $(((6810 - 120) / 15)) ;; hard) echo $(((7725 - 120) / 15)) ;; *) echo $(((12585 - 120) / 15)) ;; esac; }

echo "== start-up: exec to first painted pixel, $starts starts each, interleaved"
advanced=$(game_folder advanced red True)
: >"$work/start-game"
: >"$work/start-bare"
for _ in $(seq "$starts"); do
  "$probe" startup 100 100 "$bare" "$(client_width advanced)" "$(client_height advanced)" >>"$work/start-bare"
  # The game stands centred on the screen; its middle lies on the board.
  "$probe" startup 1300 800 "$advanced/quirn-puzzle" >>"$work/start-game"
done
bare_ms=$(field startup_ms <"$work/start-bare" | stats)
game_ms=$(field startup_ms <"$work/start-game" | stats)
echo "bare window: $bare_ms ms; CPU $(field cpu_ms <"$work/start-bare" | stats) ms"
echo "game (7 x 12, Red Glow): $game_ms ms; CPU $(field cpu_ms <"$work/start-game" | stats) ms"
echo "start-up ratio of medians: $(ratio "$game_ms" "$bare_ms") (target <= 1.2)"

for class in advanced quick; do
  echo "== press to pixel on the $class board: $presses presses each, interleaved"
  folder=$(game_folder "$class" red True)
  "$bare" "$(client_width "$class")" "$(client_height "$class")" &
  b=$!
  "$folder/quirn-puzzle" &
  g=$!
  pids+=("$b" "$g")
  sleep 2
  read -r x y < <(client_origin "$g" "$class")
  # The middle of H(0, 0): x 360 + 607, y 480 + 127 twips.
  "$probe" presses "$presses" $((x + (360 + 607) / 15)) $((y + (480 + 127) / 15)) 180 150 >"$work/presses"
  game_press=$(awk '/^point 0:/ {for (i = 3; i <= NF; ++i) print $i}' "$work/presses" | stats)
  bare_press=$(awk '/^point 1:/ {for (i = 3; i <= NF; ++i) print $i}' "$work/presses" | stats)
  echo "bare window: $bare_press ms"
  echo "game: $game_press ms"
  echo "press ratio of medians: $(ratio "$game_press" "$bare_press") (target <= 2; p90 < 4 ms on 7 x 12)"
  kill "$g" "$b" 2>/dev/null || true
  wait "$g" "$b" 2>/dev/null || true
done

echo "== peak resident memory (VmHWM), after start-up and 6 presses with sound on"
"$bare" "$(client_width advanced)" "$(client_height advanced)" &
b=$!
sleep 1.5
echo "bare window (7 x 12 size): $(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$b/status") MB"
kill "$b"
wait "$b" 2>/dev/null || true
for class in quick normal hard advanced; do
  line="$class:"
  for theme in red blue wash mono; do
    folder=$(game_folder "$class" "$theme" True)
    "$folder/quirn-puzzle" &
    g=$!
    sleep 1.5
    read -r x y < <(client_origin "$g" "$class")
    for seg in 0 1 2; do
      xdotool mousemove $((x + (360 + 607 + 960 * seg) / 15)) $((y + (480 + 127) / 15)) click 1 click 3
      sleep 0.15
    done
    sleep 0.5
    line="$line $theme $(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$g/status") MB,"
    kill "$g"
    wait "$g" 2>/dev/null || true
  done
  echo "${line%,}"
done
