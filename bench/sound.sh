#!/usr/bin/env bash
# Sounds as the player hears them: a private PulseAudio server with a null sink, whose
# monitor quirn_sound_probe records while it plays the game under Xvfb with real X
# input. First the probe checks itself on 8 short paplay sounds; then 8 each of the
# move, unmark, outline and hint sounds, and 5 wins, each timed from its press (or key)
# to the first sound heard. Each run starts with one uncounted paplay sound: the first
# sound into an idle sink comes late whoever plays it.
#   bench/sound.sh [BUILD_DIR]
# Targets: all heard; move, unmark, outline and hint within 30 ms, win within 50 ms.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
nice cmake --build "$build" --target quirn-puzzle quirn_sound_probe -j2 >/dev/null
probe="$build/bench/quirn_sound_probe"

. "$root/bench/xsession.sh"
start_xvfb 1600x1200
if [ -z "${PULSE_SERVER:-}" ]; then start_pulse; fi
monitor=${MONITOR:-bench.monitor}
setup="$build/game/setup"
# Probe commands for a first sound that wakes the idle sink and is not counted.
wake_sink() { echo "paplay $setup/1.wav -"; echo "wait 1500"; }

echo "== the probe checks itself: 8 short sounds through paplay"
{ wake_sink; for _ in $(seq 8); do echo "paplay $setup/1.wav paplay"; echo "wait 350"; done; } |
  "$probe" "$monitor" "$setup" | tee "$work/check"
grep -q "^paplay: heard 8 of 8" "$work/check" || { echo "the probe does not hear paplay: no result"; exit 1; }

start_game() { # FOLDER CLASS -> sets game, x, y (client origin)
  "$1/quirn-puzzle" &
  game=$!
  pids+=("$game")
  sleep 2.5
  read -r x y < <(client_origin "$game" "$2")
  xdotool windowfocus --sync "$(xdotool search --pid "$game" --onlyvisible --name Quirn | head -1)"
}

echo "== moves, unmarks, outlines and hints (sound on, 7 x 12 board)"
folder=$(game_folder advanced red True)
start_game "$folder" advanced
# The middle of H(0, 0): x 360 + 607, y 480 + 127 twips.
sx=$((x + (360 + 607) / 15))
sy=$((y + (480 + 127) / 15))
{
  wake_sink
  for _ in $(seq 8); do
    echo "press $sx $sy 1 move"; echo "wait 500"
    echo "press $sx $sy 1 unmark"; echo "wait 500"
  done
  for _ in $(seq 8); do echo "press $sx $sy 3 outline"; echo "wait 500"; done
  # Tools > Hints > Hint 1, then Tools > Restart Level makes it available again.
  for _ in $(seq 8); do
    echo "keys alt+t h h hint"; echo "wait 700"
    echo "keys alt+t r -"; echo "wait 300"
  done
} | "$probe" "$monitor" "$setup" >"$work/play"
kill "$game"
wait "$game" 2>/dev/null || true

echo "== wins (sound effects off, so only the win sound plays)"
folder=$(game_folder advanced red False)
for n in 3 4 5 6 7 8; do printf '23,\r\n,\r\n\r\nWell done!\r\n' >"$folder/puzzles/advanced/game$n.puz"; done
start_game "$folder" advanced
nx=$((x + (10200 + 967) / 15)) # "Next Game!" on the 7 x 12 board
ny=$((y + (7730 + 247) / 15))
{
  wake_sink
  for _ in $(seq 5); do
    echo "press $sx $sy 1 win"; echo "wait 1500"
    echo "press $nx $ny 1 -"; echo "wait 500"
  done
} | "$probe" "$monitor" "$setup" >"$work/wins"
grep -E "^[a-z]+: heard" "$work/play" "$work/wins" | sed 's/^[^:]*://'
