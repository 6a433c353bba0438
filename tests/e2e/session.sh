# Shared helpers for the end-to-end scripts: a private X server, the
# program's windows on it, and screenshots. Source it; it uses $work.
# Every server and program started here is stopped by its PID on exit.

started_pids=()
stop_started() {
  local pid
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop_started EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

# Polls a command every 0.1 s until it succeeds or $1 seconds have passed.
wait_until() {
  local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
  shift
  until "$@"; do
    [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a free display number, with -noreset so that settings on
# the root window outlive the clients; exports DISPLAY.
start_xvfb() {
  local size=${1:-1024x768}
  local fifo="$work/displayfd"
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${size}x24" 3>"$fifo" 2>"$work/xvfb.log" &
  started_pids+=($!)
  local number
  read -r -t 30 number <"$fifo" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# Announces the desktop's scale the way a desktop at 200 % does on X11.
set_xft_dpi() {
  xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$1"
}

# Starts the program on $DISPLAY with silent audio; sets program_pid.
start_program() {
  env -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$@" "$program" >"$work/program.log" 2>&1 &
  program_pid=$!
  started_pids+=("$program_pid")
}

# The X id of the program's main window, once it is mapped at $1 pixels wide.
find_main_window() {
  xwininfo -root -tree 2>/dev/null | awk -v w=" $1x" '/"ユキポム"/ && index($0, w) {print $1; exit}'
}
wait_for_main_window() {
  local width=$1
  window=""
  probe() { window=$(find_main_window "$width"); [ -n "$window" ]; }
  wait_until 60 probe || {
    xwininfo -root -tree || true
    fail "no ${width}-pixel-wide window titled ユキポム appeared"
  }
}

# Window geometry from xwininfo: sets win_x win_y win_w win_h (absolute).
window_geometry() {
  local info
  info=$(xwininfo -id "$1")
  win_x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  win_y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  win_w=$(awk '/Width:/ {print $NF}' <<<"$info")
  win_h=$(awk '/Height:/ {print $NF}' <<<"$info")
}

# A fast dump of what the window shows on the screen (xwd format).
dump_window() {
  xwd -silent -id "$window" >"$1"
}

# The bottom `w` x `h` pixels of a window dump: the client area below the menu bar.
client_area() {
  local dump=$1 out=$2 w=$3 h=$4
  convert "xwd:$dump" -gravity South -crop "${w}x${h}+0+0" +repage "$out"
}

# The number of pixels in which two pictures differ.
pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

# A fingerprint of the bottom `h` rows of a window dump (the client area,
# which xwd stores last); cheap enough to poll ten times a second.
client_fingerprint() {
  local dump=$1 w=$2 h=$3
  tail -c $((w * h * 4)) "$dump" | md5sum | cut -d' ' -f1
}

# Clicks at a point of the window's client area given in logical pixels of
# the globe; `scale` device pixels per logical pixel.
click_globe() {
  local x=$1 y=$2 scale=$3
  window_geometry "$window"
  xdotool mousemove --sync $((win_x + x * scale)) $((win_y + win_h - 369 * scale + y * scale)) click 1
}
