#!/usr/bin/env bash
# End to end under a window manager that draws a title bar: the main
# window's frame, title bar included, is centred on the screen at its first
# showing, and so is the About window's.
# usage: centring_test.sh <yukipom executable> <work folder>
set -euo pipefail
program=$1 work=$2
mkdir -p "$work"
source "$(dirname "$0")/session.sh"

start_xvfb 1024x768
openbox --sm-disable --config-file /dev/null >"$work/openbox.log" 2>&1 &
started_pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 30 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"

# The frame of window $1 from its client area and _NET_FRAME_EXTENTS.
frame_centre() {
  local extents left right top bottom
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r left right top bottom <<<"$extents"
  [ "$top" -gt 0 ] || return 1
  window_geometry "$1"
  frame_x=$(((2 * (win_x - left) + left + win_w + right) / 2))
  frame_y=$(((2 * (win_y - top) + top + win_h + bottom) / 2))
}
centred() {
  frame_centre "$1" || return 1
  local dx=$((frame_x - 512)) dy=$((frame_y - 384))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
check_centred() {
  local name=$1 id=$2
  wait_until 10 centred "$id" || {
    frame_centre "$id" || true
    fail "the $name window's frame is centred at ${frame_x:-?},${frame_y:-?}, not 512,384"
  }
  echo "the $name window's frame is centred at $frame_x,$frame_y"
}

start_program
wait_for_main_window 298
check_centred main "$window"

# The About window, through the extras menu's accelerators; the keys queue
# up behind each other, so the second reaches the menu the first opened.
about=""
about_shown() { about=$(xwininfo -root -tree | awk '/"ユキポムについて..."/ && / 306x172/ {print $1; exit}'); [ -n "$about" ]; }
for _ in 1 2 3; do
  xdotool windowactivate --sync "$window" key --clearmodifiers alt+i a
  wait_until 10 about_shown && break
done
[ -n "$about" ] || fail "the About window did not open"
check_centred About "$about"
echo "PASS: the frames of the main and About windows are centred within 2 px"
