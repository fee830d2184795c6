#!/usr/bin/env bash
# Start-up failures end with a clear message and exit code 1, never a crash
# or a hang: no display, and a missing, a corrupt or a malformed data file,
# each named in the message.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
code=0
(cd "$GAME_DIR" && env -u DISPLAY timeout 10 ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") || code=$?
[ "$code" = 1 ] || e2e_fail "exit code $code without a display (expected 1)"
grep -qi "display" "$E2E_TMP/stderr" || e2e_fail "no message about the display"

copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
# expect_named FILE: the game on the broken copy names FILE and exits 1; FILE is then restored.
expect_named() {
  rm -f "$E2E_TMP/xmessage.log"
  code=0
  (cd "$copy" && timeout 20 ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") || code=$?
  [ "$code" = 1 ] || e2e_fail "$1: exit code $code (124 is a hang)"
  grep -qF "$(basename "$1")" "$E2E_TMP/xmessage.log" || e2e_fail "$1 not named: $(cat "$E2E_TMP/xmessage.log" 2>/dev/null)"
  cp "$GAME_DIR/$1" "$copy/$1"
}
rm "$copy/textures/rock.bmp"
expect_named textures/rock.bmp
head -c 512 /dev/urandom >"$copy/sounds/splat.wav"
expect_named sounds/splat.wav
printf '2 2 2 two\n' >"$copy/maps/seg4.txt"
expect_named maps/seg4.txt
echo "PASS: no display, a missing, a corrupt and a malformed file: each exit 1 with a message"
