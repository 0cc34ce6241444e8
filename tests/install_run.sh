#!/bin/sh
# The installed game, started by a new player: it runs from its prefix
# until asked to end, keeps its save in the player's data folder, and
# changes nothing in the prefix.
#   install_run.sh <cmake> <build folder>
set -eu
cmake=$1 build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Every path in the prefix, then every file's checksum.
state() { (cd "$prefix" && find . | sort && find . -type f -exec sha256sum {} + | sort -k 2); }
state >"$tmp/before"

mkdir "$tmp/home"
for v in $(env | sed -n 's/^\(XDG_[A-Za-z0-9_]*\)=.*/\1/p'); do unset "$v"; done
status=0
(cd "$tmp/home" && HOME=$tmp/home QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  timeout --verbose --preserve-status -s TERM 5 "$prefix/bin/miruhe") >"$tmp/out" 2>&1 || status=$?

fail=0
grep -q "sending signal TERM" "$tmp/out" || { echo "the game ended before it was asked to"; fail=1; }
[ "$status" -eq 0 ] || { echo "the game ended with status $status on SIGTERM"; fail=1; }
[ -f "$tmp/home/.local/share/miruhe/my.dat" ] || { echo "no save in ~/.local/share/miruhe"; fail=1; }
state | diff "$tmp/before" - || { echo "the prefix changed"; fail=1; }
if [ "$fail" -ne 0 ]; then
  echo "--- the game's output:"; cat "$tmp/out"
  echo "--- files in the home folder:"; (cd "$tmp/home" && find . | sort)
  exit 1
fi
echo "installed game ran, saved in ~/.local/share/miruhe, prefix unchanged"
