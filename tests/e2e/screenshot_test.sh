#!/usr/bin/env bash
# End to end: starts the real program on a virtual X display, takes a
# screenshot of its window, and checks that the client area below the menu
# bar shows the globe picture pixel for pixel and that the title is right.
# usage: screenshot_test.sh <yukipom executable> <imgBack.bmp> <work folder>
set -euo pipefail
# xwininfo and xprop print the Japanese title as escapes outside a UTF-8
# locale; C.UTF-8 is on every Debian system, whatever the caller's locale.
export LC_ALL=C.UTF-8
program=$1 globe=$2 work=$3
mkdir -p "$work"

if [ -z "${YUKIPOM_E2E_DISPLAY:-}" ]; then
  export YUKIPOM_E2E_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 100); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"ユキポム"/ && / 298x/ {print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: no 298-pixel-wide window titled ユキポム appeared"
  xwininfo -root -tree || true
  exit 1
fi
sleep 0.5  # let the first paint reach the screen

title=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/.*= "\(.*\)"/\1/p')
if [ "$title" != "ユキポム" ]; then
  echo "FAIL: window title is '$title'"
  exit 1
fi

import -window "$window" "$work/window.png"
height=$(identify -format '%h' "$work/window.png")
width=$(identify -format '%w' "$work/window.png")
if [ "$width" != 298 ] || [ "$height" -le 369 ]; then
  echo "FAIL: window is ${width}x${height}, expected 298 wide and taller than 369"
  exit 1
fi
convert "$work/window.png" -crop "298x369+0+$((height - 369))" +repage "$work/client.png"
different=$(compare -metric AE "$work/client.png" "$globe" null: 2>&1 || true)
if [ "$different" != 0 ]; then
  echo "FAIL: the client area differs from the globe picture in $different pixels"
  exit 1
fi
echo "PASS: window ${width}x${height}, title $title, client area equals the globe picture"
