#!/usr/bin/env bash
# INT, TERM, HUP and QUIT end the game and the editor cleanly, whether they
# were ignored when the program started (as a script's `orkcave &` leaves INT
# and QUIT) or not: the program exits, rather than being killed, with 128 +
# the signal's number, and the editor writes nothing.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
rm -f "$copy/maps/seg.txt"

# ended SIGNAL DISPOSITION PROGRAM TITLE: starts the program with the four
# signals ignored or at their defaults, sends it SIGNAL once its window is up.
ended() {
  (cd "$copy" && env --"$2"-signal=INT,TERM,HUP,QUIT \
    perl -e 'system @ARGV; print $? & 127 ? "killed by " . ($? & 127) : $? >> 8' "./$3" \
    >"$E2E_TMP/exitcode" 2>"$E2E_TMP/stderr") &
  GAME_PID=$!
  kill -s "$1" "$(xdotool getwindowpid "$(e2e_wait_window "$4")")"
  local code=$(e2e_wait_exit 2)
  [ "$code" = $((128 + $(kill -l "$1"))) ] || e2e_fail "$3 on $1, $2 at start: exit code $code"
  codes+=" $3 $1/$2:$code"
}
for sig in INT TERM HUP QUIT; do
  ended "$sig" ignore orkcave "Ork Cave"
  ended "$sig" default orkcave-editor "Ork Cave Segment Editor"
  ended "$sig" default orkcave "Ork Cave"
  ended "$sig" ignore orkcave-editor "Ork Cave Segment Editor"
done
[ ! -e "$copy/maps/seg.txt" ] || e2e_fail "the editor wrote its segment"
echo "PASS: exit codes$codes"
