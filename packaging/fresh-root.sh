# Shell functions for scripts that work in a fresh Debian 12 root: a minimal system made
# by debootstrap (variant minbase), with the updates and security sources of an installed
# Debian and a normal user "player". Sourced by packaging/check-deb.sh and
# bench/first-setup.sh; needs root, debootstrap and a Debian mirror (QUIRN_MIRROR,
# default http://deb.debian.org/debian).

# fresh_root_create DIR: makes the root in DIR (which must not exist) and mounts /proc
# in it; fresh_root_remove undoes both. Sets fresh_root for the other functions.
fresh_root_create() {
  fresh_root=$1
  local mirror=${QUIRN_MIRROR:-http://deb.debian.org/debian}
  echo "== debootstrap bookworm (minbase) into $fresh_root"
  debootstrap --variant=minbase bookworm "$fresh_root" "$mirror" >"$fresh_root.debootstrap.log" 2>&1 || {
    tail -20 "$fresh_root.debootstrap.log" >&2
    return 1
  }
  cat >"$fresh_root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${QUIRN_SECURITY_MIRROR:-http://deb.debian.org/debian-security} bookworm-security main
SOURCES
  mount -t proc proc "$fresh_root/proc"
  in_root useradd --create-home --shell /bin/bash player
}

fresh_root_remove() {
  [ -n "${fresh_root:-}" ] && [ -d "$fresh_root" ] || return 0
  umount "$fresh_root/proc" 2>/dev/null || true
  rm -rf --one-file-system "$fresh_root" "$fresh_root.debootstrap.log"
}

# in_root CMD...: runs CMD as root inside, with a clean environment.
in_root() {
  chroot "$fresh_root" env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# as_player CMD...: runs CMD inside as the user player, from their home; extra
# environment comes as NAME=VALUE words before CMD.
as_player() {
  chroot --userspec=player:player "$fresh_root" env -i HOME=/home/player USER=player \
    LOGNAME=player LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin \
    sh -c 'cd "$HOME" && exec env "$@"' sh "$@"
}
