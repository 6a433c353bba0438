#!/usr/bin/env bash
# Installs the build into a temporary prefix and looks at the result as the
# desktop will: the files in their places, the link in the games folder
# resolving to the program, the desktop entry, metainfo and icons as one
# valid tree, and the program, started through the link, reading its songs
# and read-me from the folder the link points into.
# usage: install_tree_test.sh <build folder> <work folder>
set -euo pipefail
export LC_ALL=C.UTF-8
build=$1 work=$2
prefix=$work/usr
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

program_dir=lib/yukipom
expected=(
  "$program_dir/yukipom" "$program_dir/KeloSong1.wav" "$program_dir/KeloSong2.wav"
  "$program_dir/ReadMe.txt" games/yukipom
  share/applications/org.example.yukipom.desktop
  share/metainfo/org.example.yukipom.metainfo.xml
  share/man/man6/yukipom.6.gz
  share/doc/yukipom/copyright share/doc/yukipom/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/yukipom.png")
done
for file in "${expected[@]}"; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/$program_dir/yukipom" ] || fail "the program is not executable"

for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/yukipom.png
  got=$(identify -format '%wx%h %[channels]' "$icon" 2>/dev/null || echo unreadable)
  [ "$got" = "${size}x${size} srgba" ] || fail "icon $size is '$got', expected ${size}x${size} srgba"
done

link=$(readlink "$prefix/games/yukipom" || true)
[ "$link" = "../$program_dir/yukipom" ] || fail "games/yukipom links to '$link'"

appstreamcli validate-tree --no-net "$work" >"$work/validate-tree.log" 2>&1 \
  || { cat "$work/validate-tree.log"; fail "appstreamcli rejects the installed tree"; }
man -l "$prefix/share/man/man6/yukipom.6.gz" >/dev/null 2>"$work/man.log" \
  && [ ! -s "$work/man.log" ] || fail "the manual page does not format cleanly: $(cat "$work/man.log")"

# Started through the link, offscreen and silent, the program opens its
# first song and looks for its read-me in the real program folder.
trace=$work/trace.txt
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  strace -f -qq -e trace=openat,statx,newfstatat -o "$trace" "$prefix/games/yukipom" &
pid=$!
real=$(cd "$prefix/$program_dir" && pwd -P)
song_opened="\"$real/KeloSong1.wav\", O_RDONLY[^=]*= [0-9]"
readme_found="\"$real/ReadMe.txt\".*= 0$"
for _ in $(seq 300); do
  if grep -q "$song_opened" "$trace" 2>/dev/null && grep -q "$readme_found" "$trace"; then break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
# The first pid in the trace is the program's; ending strace would only
# detach from it.
program_pid=$(awk 'NR == 1 {print $1}' "$trace")
[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
wait "$pid" 2>/dev/null || true
grep -q "$song_opened" "$trace" || fail "the program did not open $real/KeloSong1.wav"
grep -q "$readme_found" "$trace" || fail "the program did not find $real/ReadMe.txt"

if [ "$failures" -ne 0 ]; then
  echo "installed files:"; (cd "$prefix" && find . | sort)
  exit 1
fi
echo "PASS: ${#expected[@]} files installed, games/yukipom -> $link, songs and read-me found through it"
