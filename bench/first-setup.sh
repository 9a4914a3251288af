#!/usr/bin/env bash
# The README's first set-up as a new player meets it: a fresh Debian 12 root (minbase,
# plus sudo, as a machine a player logs in to has), the source tree in the home of the
# normal user "player", who runs ./play.sh (until the game is up) and then ./test.sh.
# Prints, for each command, what apt downloaded and installed, the disk it took and its
# time. The machine's other load shows in the times: run it on a quiet machine.
#   sudo bench/first-setup.sh
# Needs root, debootstrap and the network to a Debian mirror (see packaging/fresh-root.sh).
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
. "$src/packaging/fresh-root.sh"
((EUID == 0)) || { echo "run as root (debootstrap, chroot)" >&2; exit 2; }

work=$(mktemp -d /var/tmp/quirn-first-setup.XXXXXX)
trap 'fresh_root_remove; rm -rf "$work"' EXIT
fresh_root_create "$work/root"
root=$fresh_root
in_root apt-get update -q >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q sudo >/dev/null
in_root apt-get clean
echo "player ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/player"
mkdir "$root/home/player/quirn-puzzle"
git -C "$src" ls-files -z --cached --others --exclude-standard |
  tar -C "$src" --null -T - -cf - | tar -C "$root/home/player/quirn-puzzle" -xf -
in_root chown -R player:player /home/player/quirn-puzzle

megabytes() { du -sx -B1M "$@" 2>/dev/null | awk '{s += $1} END {print s + 0}'; }

# The user and system CPU seconds in a line of `times`: "0m12.5s 0m1.5s".
cpu_seconds() { tail -1 "$1" | tr 'ms' '  ' | awk '{print int($1 * 60 + $2 + $3 * 60 + $4)}'; }

# report NAME LOG SECONDS DISK_BEFORE CPU_FILE
report() {
  echo "== $1: $3 s, $(cpu_seconds "$5") CPU seconds"
  grep -E "^(Fetched|Need to get|After this operation)" "$2" | sed 's/^/  apt: /' || true
  echo "  disk: +$(($(megabytes "$root") - $4)) MB in all;" \
    "apt's downloaded packages $(megabytes "$root/var/cache/apt/archives") MB," \
    "build folder $(megabytes "$root/home/player/quirn-puzzle/build") MB"
}

echo "== $(nproc) cores; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
disk=$(megabytes "$root")
start=$(date +%s)
(
  as_player QT_QPA_PLATFORM=offscreen quirn-puzzle/play.sh >"$work/play.log" 2>&1 || true
  times >"$work/play.cpu"
) &
play=$!
game=
while kill -0 "$play" 2>/dev/null && [ -z "$game" ]; do
  sleep 1
  for pid in $(pgrep -x quirn-puzzle || true); do
    [ "$(readlink "/proc/$pid/root")" = "$root" ] && game=$pid
  done
done
took=$(($(date +%s) - start))
[ -n "$game" ] || { tail -30 "$work/play.log"; echo "the game did not start"; exit 1; }
sleep 3
kill "$game"
wait "$play" || true
report "./play.sh until the game runs" "$work/play.log" "$took" "$disk" "$work/play.cpu"

in_root apt-get clean
disk=$(megabytes "$root")
start=$(date +%s)
status=$(
  as_player quirn-puzzle/test.sh >"$work/test.log" 2>&1 && echo 0 || echo $?
  times >"$work/test.cpu"
)
took=$(($(date +%s) - start))
report "./test.sh after it (exit $status)" "$work/test.log" "$took" "$disk" "$work/test.cpu"
grep -E "tests passed|tests failed" "$work/test.log" | sed 's/^/  /' || true
[ "$status" = 0 ] || tail -30 "$work/test.log"
echo "== load after: $(cut -d' ' -f1-3 /proc/loadavg)"
