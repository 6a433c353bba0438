#!/usr/bin/env bash
# Starts a headless weston of its own (its own runtime folder and socket),
# with an 800 x 600 output of the given scale, and runs the Wayland session test
# against it natively.
# usage: wayland_test.sh <wayland_session executable> <work folder> <scale>
set -euo pipefail
session=$1 work=$2 scale=$3
mkdir -p "$work"
source "$(dirname "$0")/session.sh"

runtime=$(mktemp -d "${TMPDIR:-/tmp}/yukipom-wayland.XXXXXX")
trap 'stop_started; rm -rf "$runtime"' EXIT
socket=yukipom-e2e
# The screenshooter is part of weston's debug protocol.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --no-config \
  --socket="$socket" --width=800 --height=600 --scale="$scale" \
  --debug --idle-time=0 --log="$work/weston.log" &
started_pids+=($!)
ready() { [ -S "$runtime/$socket" ]; }
wait_until 60 ready || fail "weston did not start: $(cat "$work/weston.log")"

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
  SDL_AUDIODRIVER=dummy YUKIPOM_EXPECTED_SCALE=$scale YUKIPOM_SHOTS=$work "$session"
