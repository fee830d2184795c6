#!/usr/bin/env bash
# Start-up failures end with exit code 1 and a clear message on standard
# error, never a crash or a hang: no display, and a missing data file, which
# is named in the message box too.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
# fails WORD [ENV...]: the game, in that environment, exits 1 naming WORD on standard error.
fails() {
  rm -f "$E2E_TMP/xmessage.log"
  code=0
  (cd "$copy" && env "${@:2}" timeout 20 ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") || code=$?
  [ "$code" = 1 ] || e2e_fail "$1: exit code $code (124 is a hang)"
  grep -qiF "$1" "$E2E_TMP/stderr" || e2e_fail "$1 not named on standard error"
}
fails display -u DISPLAY
# broken FILE: FILE is named in a message box too, then restored.
broken() {
  fails "$(basename "$1")"
  grep -qF "$(basename "$1")" "$E2E_TMP/xmessage.log" || e2e_fail "$1 not named in a message box"
  cp "$GAME_DIR/$1" "$copy/$1"
}
rm "$copy/textures/rock.bmp"
broken textures/rock.bmp
echo "PASS: no display, a missing file: each exit 1 with a message on standard error"
