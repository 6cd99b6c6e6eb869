#!/usr/bin/env bash
# End-to-end tests of the program on an X display.
#   drill-e2e.sh BINARY full   Start, 100 answers, the window checked against the layout, HIST.DAT written
#   drill-e2e.sh BINARY quit   Quit in the middle of a drill ends the program at once, HIST.DAT untouched
set -euo pipefail
binary=$1
mode=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11-driver.sh"
[ -n "${DISPLAY:-}" ] || fail "no X display (run under xvfb-run)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case "$mode" in
full)
  start_program "$binary" "$work"
  read -r w h < <(xwininfo -id "$WID" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
  [ "$w" = 482 ] && [ "$h" = 272 ] || fail "window is ${w}x${h}, not 482x272"
  click 432 42  # Start
  press_enter 50
  import -window "$WID" "$work/shot.png"
  # the three problem boxes are navy around their digits
  for x in 14 78 90 154 166 230; do
    for y in 14 79; do
      [ "$(pixel "$work/shot.png" $x $y)" = 000080 ] || fail "problem box pixel ($x,$y) is $(pixel "$work/shot.png" $x $y)"
    done
  done
  # the log has a white background and dark text in its top line
  [ "$(pixel "$work/shot.png" 400 200)" = FFFFFF ] || fail "log background is $(pixel "$work/shot.png" 400 200)"
  dark=$(convert "$work/shot.png" -crop 440x14+12+91 +repage -threshold 50% -negate -format '%[fx:mean*w*h]' info:)
  [ "${dark%.*}" -gt 50 ] || fail "no text in the top line of the log ($dark dark pixels)"
  # the answer box and the area between the boxes keep the window colours
  [ "$(pixel "$work/shot.png" 84 40)" != 000080 ] || fail "gap between the problem boxes is navy"
  press_enter 50
  for _ in $(seq 1 40); do [ -s "$work/HIST.DAT" ] && break; sleep 0.1; done
  [ -s "$work/HIST.DAT" ] || fail "HIST.DAT not written after 100 answers"
  size=$(stat -c %s "$work/HIST.DAT")
  [ "$size" = 53 ] || fail "HIST.DAT has $size bytes, not one 51-byte line and CR LF"
  # every answer was empty: rate 0 in bytes 27-29
  [ "$(cut -b 27-30 "$work/HIST.DAT")" = "  0%" ] || fail "rate field is '$(cut -b 27-30 "$work/HIST.DAT")'"
  kill -0 "$PID" || fail "the program ended by itself"
  click 432 253  # Quit
  wait_exit 3 || fail "Quit after the drill did not end the program"
  ;;
quit)
  # Another copy's window of the same name is already on the display, moved off the centre; the
  # driver must find the window of the program it starts, or it clicks beside it.
  mkdir "$work/other"
  start_program "$binary" "$work/other"
  other=$PID
  xdotool windowmove "$WID" 0 0
  trap 'kill "$other" 2>/dev/null; rm -rf "$work"' EXIT
  printf 'old line\r\n' >"$work/HIST.DAT"
  start_program "$binary" "$work"
  click 432 42  # Start
  press_enter 5
  click 432 253  # Quit
  wait_exit 1 || fail "Quit in a drill did not end the program within a second"
  wait "$PID" || fail "the program ended with status $?"
  [ "$(cat "$work/HIST.DAT")" = $'old line\r' ] || fail "HIST.DAT changed"
  ;;
*)
  fail "unknown mode $mode"
  ;;
esac
echo "PASS: $mode"
