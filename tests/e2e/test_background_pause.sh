#!/usr/bin/env bash
# With the focus on another client the game stands still: moving the mouse
# over it changes no frame, however long we wait. Back in front it goes on.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_window_manager
e2e_start_game
win=$(e2e_wait_title "Ork Cave")
e2e_hold F1 0.3  # play a small level: the crosshair follows the mouse every tick
xlogo -geometry 150x150+860+10 2>/dev/null &  # beside the game, covering none of it
other=$(e2e_wait_title xlogo)
xdotool windowactivate --sync "$win"  # the newcomer took the focus

# frame NAME X Y SECONDS: aims at (X, Y), waits, captures the game's window.
frame() {
  xdotool mousemove --window "$win" "$2" "$3"; sleep "$4"
  import -window "$win" "$E2E_TMP/$1.png"
}
differ() { compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1 || true; }

frame front 200 200 0.5
frame front-moved 500 400 0.5
[ "$(differ front front-moved)" != 0 ] || e2e_fail "the game does not run in front"
xdotool windowactivate --sync "$other"
frame back 500 400 0.5
frame back-moved 200 200 2
[ "$(differ back back-moved)" = 0 ] || e2e_fail "the game went on in the background"
xdotool windowactivate --sync "$win"
frame again 500 400 0.5
[ "$(differ back-moved again)" != 0 ] || e2e_fail "the game did not go on in front again"
e2e_hold Escape 0.3
code=$(e2e_wait_exit 3)
[ "$code" = 0 ] || e2e_fail "exit code $code"
echo "PASS: frozen for 2 s behind xlogo, running before and after"
