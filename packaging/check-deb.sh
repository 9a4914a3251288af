#!/usr/bin/env bash
# Checks the Debian package as a player's machine gets it: lintian on the package, then
# in a fresh Debian 12 root apt installs it with its dependencies, the installed game
# starts (without a display) and reads its installed data, and the user "player" wins a
# level through the installed data folder and continues at the next start, while the
# installed files stay as shipped.
#   sudo packaging/check-deb.sh [DEB [QUIRN_SCRIPT]]
# DEB defaults to build-package/quirn-puzzle_*.deb (cmake --workflow --preset package);
# QUIRN_SCRIPT, the test driver (never installed), to build/tests/quirn-script.
# Needs root, debootstrap, strace, lintian and the network to a Debian mirror; keeps
# nothing (QUIRN_KEEP_ROOT=1 keeps the root for a look).
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
. "$src/packaging/fresh-root.sh"

deb=${1:-$(ls "$src"/build-package/quirn-puzzle_*.deb 2>/dev/null | tail -1)}
driver=${2:-$src/build/tests/quirn-script}
[ -f "$deb" ] || { echo "no package: make it with cmake --workflow --preset package" >&2; exit 2; }
[ -x "$driver" ] || { echo "no test driver at $driver: build the dev preset" >&2; exit 2; }
((EUID == 0)) || { echo "run as root (debootstrap, chroot)" >&2; exit 2; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

echo "== lintian $(basename "$deb")"
lintian --fail-on error "$deb" && pass "lintian reports no error" || fail "lintian reports an error"

work=$(mktemp -d /var/tmp/quirn-check-deb.XXXXXX)
cleanup() {
  if [ "${QUIRN_KEEP_ROOT:-0}" = 1 ]; then
    umount "$fresh_root/proc" 2>/dev/null || true
    echo "kept $work"
  else
    fresh_root_remove
    rm -rf "$work"
  fi
}
trap cleanup EXIT
fresh_root_create "$work/root"
root=$fresh_root

echo "== apt-get install ./$(basename "$deb") (with its dependencies)"
cp "$deb" "$root/tmp/"
in_root apt-get update -q >"$work/apt.log" 2>&1
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "/tmp/$(basename "$deb")" \
  >>"$work/apt.log" 2>&1 || { tail -30 "$work/apt.log"; fail "apt-get install"; exit 1; }
grep -E "^(Need to get|After this operation)" "$work/apt.log" || true
pass "installed: $(in_root dpkg-query -W -f='${Package} ${Version}' quirn-puzzle)"

game=$(in_root dpkg -L quirn-puzzle | grep -E '/(bin|games)/quirn-puzzle$' || true)
tool=$(in_root dpkg -L quirn-puzzle | grep -E '/(bin|games)/quirn-levels$' || true)
[ -n "$game" ] && [ -n "$tool" ] && pass "programs: $game $tool" || fail "programs not found"
libraries=$(in_root ldd "$game" "$tool" 2>&1) &&
  ! grep -q "not found" <<<"$libraries" && pass "every shared library found" ||
  fail "libraries missing: $(grep "not found" <<<"$libraries")"
font=$(in_root fc-match sans-serif)
[[ $font == *DejaVu* ]] && pass "sans-serif is $font" || fail "sans-serif is $font"

echo "== the installed game, started by player without a display for 5 s"
status=0
strace -f -qq -e trace=openat -o "$work/game.trace" \
  chroot --userspec=player:player "$root" env -i HOME=/home/player PATH=/usr/bin:/bin \
  QT_QPA_PLATFORM=offscreen timeout 5 "$game" >"$work/game.out" 2>&1 || status=$?
sed 's/^/  game: /' "$work/game.out"
[ "$status" = 124 ] && pass "still running after 5 s" || fail "game exited with $status"
for f in quirn.cfg puzzles/quick/game1.puz setup/red.jpg; do
  grep -qE "\"/usr/share/quirn-puzzle/$f\".* = [0-9]+$" "$work/game.trace" &&
    pass "read /usr/share/quirn-puzzle/$f" || fail "never read /usr/share/quirn-puzzle/$f"
done

echo "== player wins quick level 1 through quirn-script on the installed data"
cp "$driver" "$root/usr/local/bin/quirn-script"
{
  echo start
  head -1 "$root/usr/share/quirn-puzzle/puzzles/quick/game1.puz" | tr -d '\r' | tr ',' '\n' |
    sed -n 's/^\([0-9][0-9]*\)$/press \1 1/p'
  echo state
} >"$root/tmp/win.txt"
printf 'start\nstate\n' >"$root/tmp/again.txt"
as_player quirn-script /usr/share/quirn-puzzle /tmp/win.txt >"$work/win.json"
grep -q '"gameNumber":1,' "$work/win.json" && grep -q 'A Perfect Score!' "$work/win.json" &&
  pass "level 1 won: $(grep -o '"Label5":{"caption":"[^"]*"' "$work/win.json" | tail -1)" ||
  fail "level 1 not won"
as_player quirn-script /usr/share/quirn-puzzle /tmp/again.txt >"$work/again.json"
grep -q '"gameNumber":2,' "$work/again.json" && pass "the next start continues at level 2" ||
  fail "the next start is not at level 2: $(grep -o '"gameNumber":[0-9]*' "$work/again.json")"
changed=$(in_root dpkg --verify quirn-puzzle || true)
[ -z "$changed" ] && pass "installed files as shipped" || fail "installed files changed: $changed"
echo "  player's files: $(cd "$root/home/player" && find . -type f | sort | tr '\n' ' ')"

echo "== $failures failed"
((failures == 0))
