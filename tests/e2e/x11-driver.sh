# Helpers for driving build/pikutora on an X display with xdotool. Sourced, not run.
# Under Xvfb without a window manager keys go to the window under the pointer, so every
# action first moves the pointer into the main window.

# start_program BINARY DIR: starts the program in DIR and waits for its window; sets PID, WID.
start_program() {
  (cd "$2" && exec "$1") &
  PID=$!
  WID=""
  for _ in $(seq 1 100); do
    WID=$(xdotool search --all --pid "$PID" --name 'ピクトラ$' 2>/dev/null | head -1 || true)
    [ -n "$WID" ] && break
    sleep 0.1
  done
  [ -n "$WID" ] || fail "the main window did not appear"
  sleep 0.3
}

# click X Y: a left click at client coordinates of the main window.
click() { xdotool mousemove --window "$WID" "$1" "$2" click 1; sleep 0.2; }

# press_enter N: N presses of Enter in the answer box.
press_enter() {
  xdotool mousemove --window "$WID" 330 45
  for _ in $(seq 1 "$1"); do xdotool key Return; sleep 0.02; done
  sleep 0.5
}

# pixel FILE X Y: the colour at (X, Y) of a PNG as six hex digits.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# wait_exit SECONDS: true when the program has ended within that time.
wait_exit() {
  for _ in $(seq 1 $(( $1 * 20 ))); do
    kill -0 "$PID" 2>/dev/null || return 0
    sleep 0.05
  done
  return 1
}

fail() {
  echo "FAIL: $*" >&2
  [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null
  exit 1
}
