#!/usr/bin/env bash
# Installs what the game needs and is missing, builds the game and the level tool, and
# starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh" play
"$root/scripts/build.sh" play
exec "$root/build/game/quirn-puzzle"
