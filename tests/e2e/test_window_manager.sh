#!/usr/bin/env bash
# Under a window manager each program's window has its title and our ork head
# as its icon, and its close button ends the program with exit code 0, as
# Escape does; the editor writes nothing that O did not save.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_window_manager
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
rm -f "$copy/maps/seg.txt"
# Where the XPM leaves a pixel uncovered, the pixmap holds black.
convert "$GAME_DIR/../icons/orkcave-icon.xpm" -background black -flatten "$E2E_TMP/head.ppm"
for program in "orkcave:Ork Cave" "orkcave-editor:Ork Cave Segment Editor"; do
  name=${program%%:*} title=${program#*:}
  e2e_start_game "$copy" "./$name"
  win=$(e2e_wait_title "$title")
  "$GAME_DIR/../bin/window-icon" "$win" >"$E2E_TMP/icon.ppm" || e2e_fail "$name: no icon"
  differ=$(compare -metric AE "$E2E_TMP/head.ppm" "$E2E_TMP/icon.ppm" null: 2>&1 || true)
  [ "$differ" = 0 ] || e2e_fail "$name: the icon is not the ork head ($differ pixels differ)"
  e2e_click 3 300 300  # unsaved rock in the editor, a harmless click in the game
  wmctrl -F -c "$title"
  code=$(e2e_wait_exit 5)
  [ "$code" = 0 ] || e2e_fail "$name: exit code $code after the close button"
done
[ ! -e "$copy/maps/seg.txt" ] || e2e_fail "closing the editor wrote maps/seg.txt"
echo "PASS: titles, ork head icons, the close button quits with 0 and saves nothing"
