#!/usr/bin/env bash
# Each program under a window manager: its window carries the desktop entry's
# WM_CLASS, its title from the first moment and our ork head as its icon, and
# the close button ends it with exit code 0.
# The game opens on the intro; F1 starts a level, where the crosshair follows
# the mouse; the game stands still while another client has the focus and
# goes on in front again.
# The editor paints under the crosshair, O saves what was painted, and
# closing it writes nothing that O did not save.
#   ORKCAVE_SHOTS=DIR saves intro.png and play.png there.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
openbox >"$E2E_TMP/openbox.log" 2>&1 &  # it ends with Xvfb
e2e_until 20 wmctrl -m >/dev/null 2>&1 || e2e_fail "openbox did not start"
shots=${ORKCAVE_SHOTS:-$E2E_TMP}
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
saved="$copy/maps/seg.txt"
rm -f "$saved"
class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")"/../../packaging/*.desktop)

# open PROGRAM TITLE: starts it and checks its names and icon; sets win.
open() {
  e2e_start_game "$copy" "./$1"
  win=$(e2e_wait_window "$2")
  # Openbox keeps the title it saw when the window first appeared in _OB_APP_TITLE.
  props=$(xprop -id "$win" WM_CLASS _OB_APP_TITLE)
  [ "$props" = "$(printf 'WM_CLASS(STRING) = "%s", "%s"\n_OB_APP_TITLE(UTF8_STRING) = "%s"' "$1" "$class" "$2")" ] ||
    e2e_fail "$1: $props"
  "$GAME_DIR/../bin/window-icon" "$win" "$E2E_TMP/icon.xpm" || e2e_fail "$1: no icon"
  [ "$(differ "$GAME_DIR/../icons/orkcave-icon.xpm" "$E2E_TMP/icon.xpm")" = 0 ] || e2e_fail "$1: the icon is not the ork head"
}
# close TITLE: the close button must end the program with exit code 0.
close() {
  wmctrl -F -c "$1"
  code=$(e2e_wait_exit 5)
  [ "$code" = 0 ] || e2e_fail "$1: exit code $code after the close button"
}
now="$E2E_TMP/now.png"
# count WxH+X+Y FX: a fresh capture's pixels in that area for which FX holds.
count() {
  import -window "$win" "$now"
  convert "$now" -crop "$1" +repage -fx "$2 ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:
}
differ() { compare -metric AE "$@" null: 2>&1 || true; }
# The crosshair's pale yellow around (X, Y) of the window, 32 px up and left of the mouse there.
crosshair_at() { [ "$(count 40x40+$(($1 - 52))+$(($2 - 52)) 'r>0.95 && g>0.9 && g<0.98 && b>0.7 && b<0.85')" -gt 20 ]; }
# aim X Y: moves the mouse there until the crosshair shows it. Just after
# start-up Allegro drops the pointer's first moves, so one move may not count.
moved_to() { xdotool mousemove --window "$win" $(($1 + 1)) "$2" mousemove --window "$win" "$1" "$2" sleep 0.15; crosshair_at "$1" "$2"; }
aim() { e2e_until 5 moved_to "$1" "$2" || e2e_fail "the crosshair is not 32 px up and left of the mouse at ($1, $2)"; }
# No banner text on the red strip, which the HUD keeps.
playing() { [ "$(count 120x12+340+19 'r<0.2 && g<0.2')" = 0 ] && [ "$(count 1x1+400+2 'r==1 && g+b==0')" = 1 ]; }
# still SECONDS: whether the frame stays the same while the mouse moves.
still() {
  xdotool mousemove --window "$win" 500 400 sleep 0.5
  import -window "$win" "$E2E_TMP/before.png"
  xdotool mousemove --window "$win" 200 200 sleep "$1"
  import -window "$win" "$now"
  [ "$(differ "$E2E_TMP/before.png" "$now")" = 0 ]
}

open orkcave "Ork Cave"
import -window "$win" "$shots/intro.png"
xdotool keydown F1
e2e_until 5 playing || e2e_fail "F1 did not start a level"
xdotool keyup F1
aim 700 650
cp "$now" "$shots/play.png"
xlogo -geometry 150x150+860+10 2>/dev/null &  # beside the game, covering none of it
xdotool windowactivate --sync "$(e2e_wait_window xlogo)"
still 2 || e2e_fail "the game went on in the background"
xdotool windowactivate --sync "$win"
! still 0.5 || e2e_fail "the game did not go on in front again"
close "Ork Cave"

open orkcave-editor "Ork Cave Segment Editor"
xdotool windowactivate --sync "$win"
tile_2_5() { [ -f "$saved" ] && [ "$(sed -n 6p "$saved" | awk '{print $3}')" = "$1" ]; }
# The right button paints rock under the crosshair, 32 px up and left of
# the mouse: (200, 360) aims at (168, 328), inside tile (2, 5).
aim 200 360
xdotool sleep 0.2 mousedown 3 sleep 0.25 mouseup 3
e2e_hold o 0.3
e2e_until 3 tile_2_5 2 || e2e_fail "no rock at tile (2, 5) in the saved segment: $(tr '\n' '|' <"$saved")"
rm "$saved"
close "Ork Cave Segment Editor"
[ ! -e "$saved" ] || e2e_fail "closing the editor saved the segment"
echo "PASS: WM_CLASS, first titles, icons, F1, crosshair, frozen in the background, editor save, close"
