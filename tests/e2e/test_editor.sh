#!/usr/bin/env bash
# The segment editor starts, O saves maps/seg.txt, Escape exits with code 0.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
rm -f "$copy/maps/seg.txt"
e2e_start_game "$copy" ./orkcave-editor
win=$(e2e_wait_window)
xdotool mousemove 200 200
e2e_click 3 200 200
e2e_hold o 0.3
sleep 0.3
[ -f "$copy/maps/seg.txt" ] || e2e_fail "O did not write maps/seg.txt"
[ "$(wc -l < "$copy/maps/seg.txt")" = 10 ] || e2e_fail "maps/seg.txt does not hold 10 lines"
e2e_shot "$E2E_TMP/editor.png"
xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "exit code $code"
echo "PASS: editor saved $(tr '\n' '|' < "$copy/maps/seg.txt")"
