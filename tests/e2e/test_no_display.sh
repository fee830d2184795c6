#!/usr/bin/env bash
# Without a display the game says so and exits with code 1 instead of crashing.
source "$(dirname "$0")/lib.sh"
GAME_DIR=$(cd "$1" && pwd)
E2E_TMP=$(mktemp -d /tmp/orkcave-e2e.XXXXXX)
trap e2e_cleanup EXIT
code=0
(cd "$GAME_DIR" && env -u DISPLAY timeout 10 ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") || code=$?
[ "$code" = 1 ] || e2e_fail "exit code $code without a display (expected 1)"
grep -qi "display" "$E2E_TMP/stderr" || e2e_fail "no message about the display"
echo "PASS: no display gives exit 1 and: $(cat "$E2E_TMP/stderr")"
