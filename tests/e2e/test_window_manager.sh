#!/usr/bin/env bash
# Each program under a window manager: its window carries the desktop entry's
# WM_CLASS, its title from the first moment, our ork head as its icon, for
# docks that read _NET_WM_ICON at every size it is painted, its process's PID
# and host, and the close button ends it with exit code 0.
# The game opens on the intro; F1 starts a level; the game stands still while another client has the focus and
# goes on in front again.
# The editor, closed after painting under the crosshair, saves nothing.
# INT, TERM, HUP and QUIT end either program cleanly, whether they were ignored
# when it started (as a script's `orkcave &` leaves INT and QUIT) or not: it
# exits, rather than being killed, with 128 + the signal's number, and the
# editor writes nothing.
#   ORKCAVE_SHOTS=DIR saves intro.png and play.png there.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
openbox >"$E2E_TMP/openbox.log" 2>&1 &  # it ends with Xvfb
e2e_until 20 wmctrl -m >/dev/null 2>&1 || e2e_fail "openbox did not start"
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
  pid=$(pgrep -P "$GAME_PID")
  props=$(xprop -id "$win" WM_CLASS _OB_APP_TITLE _NET_WM_PID WM_CLIENT_MACHINE)
  want=("WM_CLASS(STRING) = \"$1\", \"$class\"" "_OB_APP_TITLE(UTF8_STRING) = \"$2\""
    "_NET_WM_PID(CARDINAL) = $pid" "WM_CLIENT_MACHINE(STRING) = \"$(hostname)\"")
  [ "$props" = "$(printf '%s\n' "${want[@]}")" ] || e2e_fail "$1: $props"
  [ "$(wmctrl -lp | awk -v id="$(printf 0x%08x "$win")" '$1 == id { print $3 }')" = "$pid" ] || e2e_fail "$1: no PID"
  "$GAME_DIR/../bin/window-icon" "$win" "$E2E_TMP/icon.xpm" || e2e_fail "$1: no icon"
  [ "$(differ "$GAME_DIR/../icons/orkcave-icon.xpm" "$E2E_TMP/icon.xpm")" = 0 ] || e2e_fail "$1: the icon is not the ork head"
  diff -q <(xprop -len 999999 -id "$win" -f _NET_WM_ICON 32c _NET_WM_ICON | sed 's/^[^=]*= //; s/, /\n/g') \
    <(for png in $(ls -v "$GAME_DIR"/../icons/orkcave-*.png); do argb "$png"; done) || e2e_fail "$1: _NET_WM_ICON"
}
# argb PNG: the picture as _NET_WM_ICON holds it: width, height, then each pixel as ARGB.
argb() {
  identify -format '%w\n%h\n' "$1"
  stream -map ARGB -storage-type char "$1" - | od -An -v -w4 -tu4 --endian=big | tr -d ' '
}
# close TITLE: the close button must end the program with exit code 0.
close() {
  wmctrl -F -c "$1"
  [ "$(e2e_wait_exit 5)" = 0 ] || e2e_fail "$1: no exit code 0 after the close button"
}
now="$E2E_TMP/now.png"
differ() { compare -metric AE "$@" null: 2>&1 || true; }
# still SECONDS: whether the frame stays the same while the mouse moves. In
# play the crosshair follows it (where to is the game tests' to check), so a
# level that F1 did not start fails here too.
still() {
  xdotool mousemove --window "$win" 500 400 sleep 0.5
  import -window "$win" "$E2E_TMP/before.png"
  xdotool mousemove --window "$win" 200 200 sleep "$1"
  import -window "$win" "$now"
  [ "$(differ "$E2E_TMP/before.png" "$now")" = 0 ]
}

open orkcave "Ork Cave"
import -window "$win" "${ORKCAVE_SHOTS:-$E2E_TMP}/intro.png"
e2e_hold F1 0.5
xlogo -geometry 150x150+860+10 2>/dev/null &  # beside the game, covering none of it
xdotool windowactivate --sync "$(e2e_wait_window xlogo)"
still 2 || e2e_fail "the game went on in the background"
xdotool windowactivate --sync "$win"
! still 0.5 || e2e_fail "the game did not go on in front again"
cp "$now" "${ORKCAVE_SHOTS:-$E2E_TMP}/play.png"
close "Ork Cave"

open orkcave-editor "Ork Cave Segment Editor"
xdotool windowactivate --sync "$win"
# The right button paints rock under the crosshair; O's saving is the package test's.
xdotool mousemove --window "$win" 201 360 mousemove --window "$win" 200 360 sleep 0.2 mousedown 3 sleep 0.25 mouseup 3
close "Ork Cave Segment Editor"

# ended SIGNAL DISPOSITION PROGRAM TITLE: starts the program with the four
# signals ignored or at their defaults, sends it SIGNAL once its window is up.
ended() {
  (cd "$copy" && env --"$2"-signal=INT,TERM,HUP,QUIT \
    perl -e 'system @ARGV; print $? & 127 ? "killed by " . ($? & 127) : $? >> 8' "./$3" \
    >"$E2E_TMP/exitcode" 2>"$E2E_TMP/stderr") &
  GAME_PID=$!
  kill -s "$1" "$(xdotool getwindowpid "$(e2e_wait_window "$4")")"
  [ "$(e2e_wait_exit 2)" = $((128 + $(kill -l "$1"))) ] || e2e_fail "$3 on $1, $2 at start: $(cat "$E2E_TMP/exitcode")"
}
for sig in INT TERM HUP QUIT; do
  ended "$sig" ignore orkcave "Ork Cave"
  ended "$sig" default orkcave-editor "Ork Cave Segment Editor"
  ended "$sig" default orkcave "Ork Cave"
  ended "$sig" ignore orkcave-editor "Ork Cave Segment Editor"
done
[ ! -e "$saved" ] || e2e_fail "the editor, closed or signalled, saved the segment"
echo "PASS: WM_CLASS, titles, icons, PIDs and hosts, F1, frozen in the background, editor unsaved, signals 128 + n"
