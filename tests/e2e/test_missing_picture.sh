#!/usr/bin/env bash
# A missing picture is named at start-up and the game exits with code 1.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
rm "$copy/textures/rock.bmp"
e2e_start_game "$copy"
code=$(e2e_wait_exit 15)
[ "$code" = 1 ] || e2e_fail "exit code $code with a missing picture"
grep -q "textures//rock.bmp" "$E2E_TMP/xmessage.log" || e2e_fail "the message does not name the file: $(cat "$E2E_TMP/xmessage.log" 2>/dev/null)"
echo "PASS: $(cat "$E2E_TMP/xmessage.log")"
