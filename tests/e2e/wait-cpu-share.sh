#!/usr/bin/env bash
# Measures the CPU time the program takes while a drill waits for an answer: starts it on the
# X display, presses Start, and reads the process's CPU time over SECONDS (default 5) of waiting.
# Prints the share of one core.   usage: wait-cpu-share.sh BINARY [SECONDS]
set -euo pipefail
binary=$1
seconds=${2:-5}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11-driver.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; kill "$PID" 2>/dev/null || true' EXIT
start_program "$binary" "$work"
click 432 42
press_enter 3
# CPU time of all the process's threads in nanoseconds (the first field of each schedstat)
cpu_ns() { cat /proc/"$PID"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s }'; }
t0=$(cpu_ns); s0=$(date +%s.%N)
sleep "$seconds"
t1=$(cpu_ns); s1=$(date +%s.%N)
awk -v t="$((t1 - t0))" -v a="$s0" -v b="$s1" \
  'BEGIN { cpu = t / 1e9; wall = b - a; printf "CPU %.3f s over %.2f s of waiting: %.2f %% of one core\n", cpu, wall, 100 * cpu / wall }'
