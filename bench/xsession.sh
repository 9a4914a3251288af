# Sourced by the window and sound benchmarks: a private X server and sound server for
# one run, and where the game's client area lies on that screen. Sets work (a scratch
# folder) and pids (what the run started, killed at exit with the folder removed).

work=$(mktemp -d)
pids=()
cleanup() {
  # Last started first: the programs before their X and sound servers.
  for ((i = ${#pids[@]} - 1; i >= 0; --i)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display with a black screen of the given size; exports DISPLAY.
start_xvfb() { # WIDTHxHEIGHT
  local display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "${1}x24" -br -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

# A PulseAudio server of its own whose default sink is a null sink named bench.
start_pulse() {
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-native-protocol-unix" \
    --load="module-null-sink sink_name=bench" --load="module-always-sink" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && { pactl set-default-sink bench; return 0; }; sleep 0.1; done
  echo "pulseaudio did not start" >&2
  return 1
}

# Client area height in pixels of each class's window: outer twips less frame, caption
# and menu bar.
client_height() { case $1 in quick) echo $(((7440 - 765) / 15)) ;; normal) echo $(((8430 - 765) / 15)) ;; *) echo $(((9165 - 765) / 15)) ;; esac; }

# "X Y" on the screen of the game's client area (a window has no frame under Xvfb).
client_origin() { # PID CLASS
  local id x y h
  id=$(xdotool search --sync --pid "$1" --onlyvisible --name "Quirn" | head -1)
  read -r x y h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} /Height:/ {h = $2} END {print x, y, h}')
  echo "$x $((y + h - $(client_height "$2")))"
}

# A copy of the built program folder with its own settings: CLASS THEME SOUND(True/False).
game_folder() {
  local folder="$work/game-$1-$2-$3" theme
  case $2 in
  red) theme='red.jpg\r\n65535\r\n192\r\n16777215' ;;
  blue) theme='blue.jpg\r\n16777215\r\n16711680\r\n16777215' ;;
  wash) theme='wash.jpg\r\n16777215\r\n16711680\r\n16777215' ;;
  mono) theme='Mono.jpg\r\n8421504\r\n0\r\n5855577' ;;
  esac
  if [ ! -d "$folder" ]; then
    cp -R "$build/game" "$folder"
    printf "%s\r\n$theme\r\n%s\r\n" "$1" "$3" >"$folder/quirn.cfg"
    printf '3\r\n' >"$folder/puzzles/$1/level.dat"
  fi
  echo "$folder"
}
