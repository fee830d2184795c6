#!/usr/bin/env bash
# A new player's first minute: the intro, F1, walking, throwing a dagger.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
shots=${ORKCAVE_SHOTS:-$E2E_TMP}
e2e_start_game
win=$(e2e_wait_window)

# Dark pixels of the banner's text around the screen's middle (the HUD strip has none there).
banner_text_pixels() {
  convert "$1" -crop 120x12+340+19 +repage -fx 'r<0.2 && g<0.2 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:
}
red_pixels() {  # red_pixels FILE WxH+X+Y
  convert "$1" -crop "$2" +repage -fx 'r>0.9 && g<0.1 && b<0.1 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:
}

e2e_shot "$E2E_TMP/intro-root.png"
convert "$E2E_TMP/intro-root.png" -crop 800x700+0+0 +repage "$shots/intro.png"
[ "$(e2e_pixel "$shots/intro.png" 100 600)" = "0,0,0" ] || e2e_fail "no black intro panel"
[ "$(banner_text_pixels "$shots/intro.png")" -gt 50 ] || e2e_fail "no death banner over the intro"

e2e_hold F1 0.2
sleep 0.5
e2e_shot "$E2E_TMP/level.png"
[ "$(banner_text_pixels "$E2E_TMP/level.png")" -eq 0 ] || e2e_fail "the banner still shows after F1"
[ "$(e2e_pixel "$E2E_TMP/level.png" 400 2)" = "255,0,0" ] || e2e_fail "no red HUD strip after F1"

# A click throws a dagger: the tenth HUD dagger, at the left end of the row,
# goes. Thrown from the entrance down and right, it flies over the entrance
# square's open floor and lies beyond the elf's reach.
sleep 0.3
e2e_shot "$E2E_TMP/before-throw.png"
before=$(( 19 * 32 - $(red_pixels "$E2E_TMP/before-throw.png" 19x32+610+0) ))
e2e_click 1 700 650
sleep 0.5
e2e_shot "$E2E_TMP/after-throw.png"
after=$(( 19 * 32 - $(red_pixels "$E2E_TMP/after-throw.png" 19x32+610+0) ))
[ "$before" -gt 20 ] || e2e_fail "no tenth dagger in the HUD before the throw"
[ "$after" -eq 0 ] || e2e_fail "the tenth HUD dagger is still there after the throw ($after pixels)"

# Walking north scrolls the cave under the elf.
xdotool mousemove 400 100
sleep 0.3
e2e_shot "$E2E_TMP/before-walk.png"
e2e_hold w 1.0
sleep 0.3
e2e_shot "$E2E_TMP/after-walk.png"
changed=$(compare -metric AE -crop 800x600+0+50 "$E2E_TMP/before-walk.png" "$E2E_TMP/after-walk.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 2000 ] || e2e_fail "the view did not scroll (changed pixels: $changed)"

xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "exit code $code"
echo "PASS: intro, F1, walking and a throw"
