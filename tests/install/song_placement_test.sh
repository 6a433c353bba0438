#!/usr/bin/env bash
# The song placement rule, case by case: a rendered song goes next to the
# program where there is none or where the one there is the build's own
# earlier song; any other file there stays as it is.
# usage: song_placement_test.sh <PlaceSongs.cmake> <work folder>
set -euo pipefail
export LC_ALL=C.UTF-8
script=$1 work=$2
rm -rf "$work"
mkdir -p "$work/rendered" "$work/program"
record=$work/record.txt
failures=0

place() {
  cmake -D FROM="$work/rendered" -D TO="$work/program" -D RECORD="$record" \
        -D NAMES="KeloSong1.wav;KeloSong2.wav" -P "$script" >/dev/null
}
render() {  # render <text of song 1> <text of song 2>
  printf '%s' "$1" >"$work/rendered/KeloSong1.wav"
  printf '%s' "$2" >"$work/rendered/KeloSong2.wav"
}
expect() {  # expect <case> <file> <content>
  local got
  got=$(cat "$work/program/$2" 2>/dev/null || echo "(missing)")
  if [ "$got" != "$3" ]; then
    echo "FAIL: $1: $2 holds '$got', expected '$3'"
    failures=$((failures + 1))
  fi
}

render build-1a build-2a
place
expect "empty folder" KeloSong1.wav build-1a
expect "empty folder" KeloSong2.wav build-2a

printf 'mine' >"$work/program/KeloSong2.wav"
render build-1b build-2b
place
expect "new render over the build's own song" KeloSong1.wav build-1b
expect "new render over a user's song" KeloSong2.wav mine

render build-1c build-2c
place
expect "user's song kept at the next build too" KeloSong2.wav mine

rm "$work/program/KeloSong2.wav"
place
expect "user's song removed: the build's comes back" KeloSong2.wav build-2c

printf 'build-1c' >"$work/program/KeloSong1.wav"
rm "$record"
render build-1d build-2d
place
expect "no record: a file equal to nothing written stays" KeloSong1.wav build-1c

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "PASS: songs placed where free or the build's own, kept where the user's"
