#!/bin/sh
# Puts an installed Quirn Puzzle into your desktop's application menu by linking its
# desktop entry into ~/.local/share/applications.
#   <prefix>/share/quirn-puzzle/link-desktop-entry.sh            link
#   <prefix>/share/quirn-puzzle/link-desktop-entry.sh --remove   unlink
# From a source tree, name the install prefix: packaging/link-desktop-entry.sh ~/Games/quirn-puzzle
set -eu

remove=false
prefix=
for arg in "$@"; do
    case $arg in
    --remove) remove=true ;;
    *) prefix=$arg ;;
    esac
done
if [ -z "$prefix" ]; then
    # Installed copy: the prefix is two folders up.
    prefix=$(cd "$(dirname "$0")/../.." && pwd)
fi

entry="$prefix/share/applications/example.quirnpuzzle.QuirnPuzzle.desktop"
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
link="$apps/example.quirnpuzzle.QuirnPuzzle.desktop"

if $remove; then
    rm -f "$link"
    echo "removed $link"
else
    if [ ! -f "$entry" ]; then
        echo "no desktop entry at $entry: install the game first" >&2
        echo "(cmake --install build --prefix $prefix)" >&2
        exit 1
    fi
    mkdir -p "$apps"
    ln -sf "$entry" "$link"
    echo "linked $link -> $entry"
fi
if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$apps" >/dev/null 2>&1 || true
fi
