#!/usr/bin/env bash
# End-to-end test of the Graph button on an X display.
#   graph-e2e.sh BINARY [SHOT.png]   a drill after an earlier one of 95 %; Graph opens the result
#                                     graph with both drills, Close hides it, Quit ends the program.
# The screenshot of the result graph is kept at SHOT.png when given.
set -euo pipefail
binary=$1
keep=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11-driver.sh"
[ -n "${DISPLAY:-}" ] || fail "no X display (run under xvfb-run)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# count FILE COLOUR [GEOMETRY]: pixels of exactly that colour (in the crop, when given).
count() {
  local crop=()
  [ -n "${3:-}" ] && crop=(-crop "$3" +repage)
  convert "$1" "${crop[@]}" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:int(mean*w*h+0.5)]\n' info:
}
# bbox FILE COLOUR: "W H X Y" of the pixels of that colour.
bbox() {
  convert "$1" -fill black +opaque "$2" -format '%@\n' info: | tr 'x+' '  '
}
graph_window() { xdotool search --all --onlyvisible --pid "$PID" --name '^結果グラフ$' 2>/dev/null | head -1 || true; }

# An earlier drill: 95 % in 3:27.418.
printf '\x8f\x8a\x97\x76\x8e\x9e\x8a\xd4 03:27.418\x81\x40\x90\xb3\x93\x9a\x97\xa6 95%%  2006/02/13 09:10:32\r\n' >"$work/HIST.DAT"
start_program "$binary" "$work"
click 432 42  # Start
press_enter 100
for _ in $(seq 1 40); do [ "$(stat -c %s "$work/HIST.DAT")" = 106 ] && break; sleep 0.1; done
[ "$(stat -c %s "$work/HIST.DAT")" = 106 ] || fail "the finished drill was not appended to HIST.DAT"

click 349 253  # Graph
GID=""
for _ in $(seq 1 50); do GID=$(graph_window); [ -n "$GID" ] && break; sleep 0.1; done
[ -n "$GID" ] || fail "the Graph button did not open the result graph"
read -r w h < <(xwininfo -id "$GID" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
[ "$w" = 688 ] && [ "$h" = 446 ] || fail "result graph is ${w}x${h}, not 688x446"

# The chart paints after the window is mapped: look until the bar is there.
shot=$work/graph.png
for _ in $(seq 1 20); do
  sleep 0.2
  import -window "$GID" "$shot"
  [ "$(count "$shot" '#FF0000')" -gt 5000 ] && break
done
[ -n "$keep" ] && cp "$shot" "$keep"
red=$(count "$shot" '#FF0000')
[ "$red" -gt 5000 ] || fail "no red bar in the result graph ($red red pixels)"
read -r bw bh bx by < <(bbox "$shot" '#FF0000')
# The bar of 95 % reaches nearly to the top of the fixed 0-100 scale: well over half the plot.
[ "$bh" -gt 250 ] || fail "the red bar is only $bh pixels high"
# Its mark: the yellow box stands above the bar, within the bar's columns.
above=$(count "$shot" '#FFFF80' "${bw}x${by}+${bx}+0")
[ "$above" -gt 40 ] || fail "no mark above the red bar ($above yellow pixels)"
# The finished drill (every answer empty, 0 %) has its own mark to the right of the first bar.
right=$(count "$shot" '#FFFF80' "$((w - bx - bw))x${h}+$((bx + bw))+0")
[ "$right" -gt 40 ] || fail "no mark for the finished drill ($right yellow pixels)"

xdotool mousemove --window "$GID" 645 20 click 1  # Close
for _ in $(seq 1 30); do [ -z "$(graph_window)" ] && break; sleep 0.1; done
[ -z "$(graph_window)" ] || fail "Close did not hide the result graph"
kill -0 "$PID" || fail "the program ended when the result graph closed"
click 432 253  # Quit
wait_exit 3 || fail "Quit did not end the program"
echo "PASS: graph button"
