#!/usr/bin/env bash
# End to end on an X server whose desktop announces its scale through
# Xft.dpi: the main window is scaled by a whole number, its globe is the
# globe picture with every pixel made a block, and the scaled hot zones
# still start and stop the show.
# usage: scaling_test.sh <yukipom executable> <imgBack.bmp> <work folder> <dpi> <scale>
set -euo pipefail
program=$1 globe=$2 work=$3 dpi=$4 scale=$5
mkdir -p "$work"
source "$(dirname "$0")/session.sh"

width=$((298 * scale)) height=$((369 * scale))
convert "$globe" -filter point -resize "$((scale * 100))%" "$work/expected.png"

start_xvfb 1280x1024
set_xft_dpi "$dpi"
start_program
wait_for_main_window "$width"

shows_the_plain_globe() {
  dump_window "$work/window.xwd"
  client_area "$work/window.xwd" "$work/client.png" "$width" "$height"
  [ "$(pixels_differing "$work/client.png" "$work/expected.png")" = 0 ]
}
wait_until 10 shows_the_plain_globe ||
  fail "the globe area differs from the picture scaled ${scale}00 % in $(pixels_differing "$work/client.png" "$work/expected.png") pixels"
cp "$work/client.png" "$work/globe_at_start.png"

click_globe $((112 + 25 / 2)) $((288 + 26 / 2)) "$scale"  # the middle of the Play zone
plain=$(client_fingerprint "$work/window.xwd" "$width" "$height")
shows_a_show() {
  dump_window "$work/window.xwd"
  [ "$(client_fingerprint "$work/window.xwd" "$width" "$height")" != "$plain" ]
}
wait_until 30 shows_a_show || fail "a click in the middle of the Play zone did not start the show"
client_area "$work/window.xwd" "$work/playing.png" "$width" "$height"

click_globe $((155 + 22 / 2)) $((289 + 26 / 2)) "$scale"  # the middle of the Stop zone
wait_until 30 shows_the_plain_globe || fail "a click in the middle of the Stop zone did not stop the show"
echo "PASS: at Xft.dpi $dpi the window is ${width} wide, its globe is pixel-exact, Play and Stop work"
