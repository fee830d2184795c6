#!/usr/bin/env bash
# The game opens an 800 x 700 window and Escape ends it with exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_start_game
win=$(e2e_wait_window)
geometry=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')
[ "$geometry" = "800x700" ] || e2e_fail "window is $geometry, not 800x700"
xdotool keydown Escape
start=$(date +%s%N)
code=$(e2e_wait_exit 3)
xdotool keyup Escape
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$code" = 0 ] || e2e_fail "exit code $code after Escape"
[ "$elapsed_ms" -lt 1000 ] || e2e_fail "Escape took $elapsed_ms ms"
echo "PASS: 800x700 window, Escape exits 0 in $elapsed_ms ms"
