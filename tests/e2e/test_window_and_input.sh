#!/usr/bin/env bash
# The real window: it opens at 800 x 700 on the intro; F1 starts a level, the
# mouse moves the crosshair, a click throws a dagger, W walks; Escape ends
# the game with exit code 0. Each step polls screenshots until it shows.
#   ORKCAVE_SHOTS=DIR saves intro.png and play.png there.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
shots=${ORKCAVE_SHOTS:-$E2E_TMP}
e2e_start_game
win=$(e2e_wait_window)
geometry=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')
[ "$geometry" = "800x700" ] || e2e_fail "window is $geometry, not 800x700"

shot() { import -window "$win" "$E2E_TMP/now.png"; }
banner_text() { e2e_count "$E2E_TMP/now.png" 120x12+340+19 'r<0.2 && g<0.2'; }
# The crosshair's pale yellow, in a box around where it should be centred.
crosshair_at() { [ "$(e2e_count "$E2E_TMP/now.png" 40x40+$(($1 - 20))+$(($2 - 20)) 'r>0.95 && g>0.9 && g<0.98 && b>0.7 && b<0.85')" -gt 20 ]; }
# The tenth dagger of the HUD is drawn at the left end of the row of daggers.
tenth_dagger() { [ "$(e2e_count "$E2E_TMP/now.png" 19x32+610+0 'r<0.9 || g>0.1')" -gt 20 ]; }
intro_shown() { shot && [ "$(e2e_pixel "$E2E_TMP/now.png" 100 600)" = "0,0,0" ] && [ "$(banner_text)" -gt 50 ]; }
playing() { shot && [ "$(banner_text)" -eq 0 ] && [ "$(e2e_pixel "$E2E_TMP/now.png" 400 2)" = "255,0,0" ]; }
crosshair_follows() { shot && crosshair_at $(($1 - 32)) $(($2 - 32)) && ! crosshair_at $(($3 - 32)) $(($4 - 32)); }
thrown() { shot && ! tenth_dagger; }
scrolled() { shot && [ "$(compare -metric AE -crop 800x600+0+50 "$E2E_TMP/before-walk.png" "$E2E_TMP/now.png" null: 2>&1 || true)" -gt 2000 ] 2>/dev/null; }

e2e_until 5 intro_shown || e2e_fail "no intro panel under the death banner"
cp "$E2E_TMP/now.png" "$shots/intro.png"
xdotool keydown F1
e2e_until 5 playing || e2e_fail "F1 did not start a level"
xdotool keyup F1
tenth_dagger || e2e_fail "no tenth dagger in the HUD after F1"
xdotool mousemove 250 200
e2e_until 5 crosshair_follows 250 200 600 450 || e2e_fail "the crosshair is not 32 px up and left of the mouse"
xdotool mousemove 600 450
e2e_until 5 crosshair_follows 600 450 250 200 || e2e_fail "the crosshair did not follow the mouse"
# Thrown from the entrance down and right, over the entrance's open floor,
# the dagger lands beyond the elf's reach.
xdotool mousemove 700 650 mousedown 1
e2e_until 5 thrown || e2e_fail "a click did not throw the tenth dagger"
xdotool mouseup 1
xdotool mousemove 400 100
sleep 0.3
import -window "$win" "$E2E_TMP/before-walk.png"
xdotool keydown w
e2e_until 5 scrolled || e2e_fail "W did not move the view"
xdotool keyup w
cp "$E2E_TMP/now.png" "$shots/play.png"

xdotool keydown Escape
start=$(date +%s%N)
code=$(e2e_wait_exit 3)
xdotool keyup Escape
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$code" = 0 ] || e2e_fail "exit code $code after Escape"
[ "$elapsed_ms" -lt 1000 ] || e2e_fail "Escape took $elapsed_ms ms"
echo "PASS: 800x700 window, F1, crosshair, throw, walk; Escape exits 0 in $elapsed_ms ms"
