#!/usr/bin/env bash
# The game window against a bare Qt Widgets window (bench/window/BareWindow.cpp), both
# under Xvfb with real X input, interleaved in one run:
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
nice cmake --build "$build" --target quirn quirn_bare_window quirn_window_probe -j2 >/dev/null
probe=$build/bench/quirn_window_probe
bare=$build/bench/quirn_bare_window

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display, a black screen 1600 x 1200.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1200x24 -br -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

if command -v pulseaudio >/dev/null; then
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-native-protocol-unix" \
    --load="module-null-sink sink_name=bench" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi

# The game's own program folder: the shipped data, level 3 of a class (past the start
# screen), a theme, sound on.
theme_line() {
  case $1 in
  red) printf 'red.jpg\r\n65535\r\n192\r\n16777215' ;;
  blue) printf 'blue.jpg\r\n16777215\r\n16711680\r\n16777215' ;;
  wash) printf 'wash.jpg\r\n16777215\r\n16711680\r\n16777215' ;;
  mono) printf 'Mono.jpg\r\n8421504\r\n0\r\n5855577' ;;
  esac
}
game_folder() { # CLASS THEME -> folder
  local folder="$work/game-$1-$2"
  if [ ! -d "$folder" ]; then
    cp -R "$build/game" "$folder"
    printf '%s\r\n%s\r\nTrue\r\n' "$1" "$(theme_line "$2")" >"$folder/quirn.cfg"
    printf '3\r\n' >"$folder/puzzles/$1/level.dat"
  fi
  echo "$folder"
}

stats() { # numbers on stdin -> "median M p90 P"
  sort -n | awk '{a[NR]=$1} END {printf "median %.2f p90 %.2f", a[int((NR+1)/2)], a[int(NR*0.9+0.5)]}'
}
field() { awk -v k="$1" '{for (i = 1; i < NF; ++i) if ($i == k) print $(i+1)}'; }

# Client size in pixels of each class's window (outer twips less frame, caption, menu bar).
client_height() { case $1 in quick) echo $(((7440 - 765) / 15)) ;; normal) echo $(((8430 - 765) / 15)) ;; *) echo $(((9165 - 765) / 15)) ;; esac; }
client_width() { case $1 in quick) echo $(((5850 - 120) / 15)) ;; normal) echo $(((6810 - 120) / 15)) ;; hard) echo $(((7725 - 120) / 15)) ;; *) echo $(((12585 - 120) / 15)) ;; esac; }

echo "== start-up: exec to first painted pixel, $starts starts each, interleaved"
advanced=$(game_folder advanced red)
# The game stands centred on the 1600 x 1200 screen; its middle lies on the board.
: >"$work/start-game" && : >"$work/start-bare"
for _ in $(seq "$starts"); do
  "$probe" startup 100 100 "$bare" >>"$work/start-bare"
  "$probe" startup 800 600 "$advanced/quirn" >>"$work/start-game"
done
bare_ms=$(field startup_ms <"$work/start-bare" | stats)
game_ms=$(field startup_ms <"$work/start-game" | stats)
bare_cpu=$(field cpu_ms <"$work/start-bare" | stats)
game_cpu=$(field cpu_ms <"$work/start-game" | stats)
echo "bare window: $bare_ms ms; CPU $bare_cpu ms"
echo "game (7 x 12, Red Glow): $game_ms ms; CPU $game_cpu ms"
awk -v g="$(echo "$game_ms" | awk '{print $2}')" -v b="$(echo "$bare_ms" | awk '{print $2}')" \
  'BEGIN {printf "start-up ratio (medians): %.2f (target <= 1.2)\n", g / b}'

# Screen position of a client pixel of the game window, which has no frame under Xvfb.
window_origin() { # PID -> "X Y" of the client area's top-left
  local id
  id=$(xdotool search --sync --pid "$1" --onlyvisible --name "Quirn" | head -1)
  xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Height:/ {h = $2} END {print x, y, h}'
}

for class in advanced quick; do
  echo "== press to pixel on the $class board: $presses presses each, interleaved"
  folder=$(game_folder "$class" red)
  "$bare" & pids+=($!)
  "$folder/quirn" & game=$!
  pids+=("$game")
  sleep 2
  read -r x y h < <(window_origin "$game")
  menu=$((h - $(client_height "$class")))
  # The middle of H(0, 0): x 360 + 607, y 480 + 127 twips.
  gx=$((x + (360 + 607) / 15))
  gy=$((y + menu + (480 + 127) / 15))
  "$probe" presses "$presses" "$gx" "$gy" 180 150 >"$work/presses"
  game_press=$(awk '/^point 0:/ {for (i = 3; i <= NF; ++i) print $i}' "$work/presses" | stats)
  bare_press=$(awk '/^point 1:/ {for (i = 3; i <= NF; ++i) print $i}' "$work/presses" | stats)
  echo "bare window: $bare_press ms"
  echo "game: $game_press ms"
  awk -v g="$(echo "$game_press" | awk '{print $2}')" -v b="$(echo "$bare_press" | awk '{print $2}')" \
    'BEGIN {printf "press ratio (medians): %.2f (target <= 2; game p90 < 4 ms on 7 x 12)\n", g / b}'
  kill "$game" "${pids[-2]}" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
done

echo "== peak resident memory (VmHWM) after start-up and 6 presses with sound"
peak() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
"$bare" & b=$!
sleep 1.5
echo "bare window: $(($(peak "$b") / 1024)) MB"
kill "$b"
wait "$b" 2>/dev/null || true
for class in quick normal hard advanced; do
  line="$class:"
  for theme in red blue wash mono; do
    folder=$(game_folder "$class" "$theme")
    "$folder/quirn" & g=$!
    sleep 1.5
    read -r x y h < <(window_origin "$g")
    menu=$((h - $(client_height "$class")))
    for seg in 0 1 2; do
      px=$((x + (360 + 607 + 960 * seg) / 15))
      py=$((y + menu + (480 + 127) / 15))
      xdotool mousemove "$px" "$py" click 1 click 3
      sleep 0.15
    done
    sleep 0.5
    line="$line $theme $(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$g/status") MB,"
    kill "$g"
    wait "$g" 2>/dev/null || true
  done
  echo "${line%,}"
done
