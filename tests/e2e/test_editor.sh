#!/usr/bin/env bash
# The segment editor paints under the crosshair and O saves what was painted:
# rock, then floor, at tile (2, 5) of the framed block; Escape exits with 0.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
saved="$copy/maps/seg.txt"
rm -f "$saved"
e2e_start_game "$copy" ./orkcave-editor
e2e_wait_window >/dev/null
tile_2_5() { [ -f "$saved" ] && [ "$(sed -n 6p "$saved" | awk '{print $3}')" = "$1" ]; }
# The view starts at the grid's corner, and the crosshair sits 32 px up and
# left of the mouse: (200, 360) aims at (168, 328), inside tile (2, 5).
e2e_click 3 200 360
e2e_hold o 0.3
e2e_until 3 tile_2_5 2 || e2e_fail "no rock at tile (2, 5) in the saved segment: $(tr '\n' '|' <"$saved")"
e2e_hold space 0.3
rm -f "$saved"
e2e_hold o 0.3
e2e_until 3 tile_2_5 0 || e2e_fail "no floor at tile (2, 5) in the saved segment"
[ "$(wc -l <"$saved")" = 10 ] || e2e_fail "the saved segment does not hold 10 lines"
xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "exit code $code"
echo "PASS: editor painted rock and floor and saved $(tr '\n' '|' <"$saved")"
