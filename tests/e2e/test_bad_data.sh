#!/usr/bin/env bash
# Every file the game loads, removed, replaced by random bytes or truncated
# (to 10 bytes and to half), or with a damaged header (a picture whose size
# overflows Allegro's loader, a sample whose data runs far past the end of
# the file): the game names the file in its message, exits
# with code 1, and neither crashes nor hangs. The data check runs before the
# game is built, so no case waits for a playable window.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

PICTURES="dirt water rock wfade rfade fog debris0 debris1 debris2 debris3 debris4 debris5 crosshair head dagger
  grave intro victory Ork0 Ork1 Ork2 Orkdead footprint0 footprint1 footprint2 blood elf0 elf1 elf2 elfbag elfdead bag"
SAMPLES="bone glass ducky splash warg splat"   # the played samples; unplayed slots share these files
MODES="remove random truncate10 truncatehalf header"
CASE_TIMEOUT=20                                 # seconds; a hang fails the case

FILES=""
for p in $PICTURES; do FILES="$FILES textures/$p.bmp"; done
for s in $SAMPLES; do FILES="$FILES sounds/$s.wav"; done
for n in 0 1 2 3 4 5 6 7 8 9; do FILES="$FILES maps/seg$n.txt"; done

copy="$E2E_TMP/game"
cp -r "$GAME_DIR" "$copy"
for f in $FILES; do [ -s "$copy/$f" ] || e2e_fail "the game directory has no $f to break"; done

# The intact data must start: otherwise every case below would pass for the wrong reason.
e2e_start_game "$copy"
e2e_wait_window >/dev/null
kill "$GAME_PID" 2>/dev/null || true
pkill -P "$GAME_PID" 2>/dev/null || true
GAME_PID=""

break_file() {  # break_file FILE MODE
  local path="$copy/$1" size
  size=$(stat -c %s "$GAME_DIR/$1")
  case "$2" in
    remove) rm -f "$path" ;;
    random) head -c 512 /dev/urandom >"$path" ;;
    truncate10) head -c 10 "$GAME_DIR/$1" >"$path" ;;
    truncatehalf) head -c $((size / 2)) "$GAME_DIR/$1" >"$path" ;;
    header) damage_header "$path" ;;
  esac
}

patch_bytes() {  # patch_bytes FILE OFFSET PRINTF-ESCAPES
  printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

damage_header() {
  local at
  case "$1" in
    *.bmp) patch_bytes "$1" 18 '\x00\x00\x01\x00\x01\x00\x01\x00' ;;  # 65536 x 65537 pixels
    *.wav)
      at=$(grep -obUa "data" "$1" | head -n 1 | cut -d: -f1)
      patch_bytes "$1" $((at + 4)) '\xf0\xff\xff\x7f' ;;
    *.txt) printf '2 2 2 two\n' >"$1" ;;
  esac
}

passed=0
failed=0
for f in $FILES; do
  name=$(basename "$f")
  for mode in $MODES; do
    break_file "$f" "$mode"
    rm -f "$E2E_TMP/xmessage.log"
    code=0
    (cd "$copy" && timeout "$CASE_TIMEOUT" ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") || code=$?
    message=$(cat "$E2E_TMP/xmessage.log" 2>/dev/null || true)
    if [ "$code" = 1 ] && grep -qF "$name" <<<"$message"; then
      passed=$((passed + 1))
      [ -n "${E2E_VERBOSE:-}" ] && echo "ok: $f $mode: $message"
    else
      failed=$((failed + 1))
      echo "FAIL: $f $mode: exit code $code (124 is a hang), message: ${message:-none}" >&2
      tail -n 5 "$E2E_TMP/stderr" >&2 || true
    fi
    cp "$GAME_DIR/$f" "$copy/$f"
  done
done

# Well-formed segments that never open a way into the cave: the trial build
# gives up after its bounded attempts instead of hanging.
for n in 0 1 2 3 4 5 6 7 8 9; do
  for row in 0 1 2 3 4 5 6 7 8 9; do echo "2 2 2 2 2 2 2 2 2 2"; done >"$copy/maps/seg$n.txt"
done
rm -f "$E2E_TMP/xmessage.log"
code=0
(cd "$copy" && timeout "$CASE_TIMEOUT" ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") || code=$?
message=$(cat "$E2E_TMP/xmessage.log" 2>/dev/null || true)
if [ "$code" = 1 ] && grep -qF "maps//seg0.txt" <<<"$message"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
  echo "FAIL: solid-rock segments: exit code $code, message: ${message:-none}" >&2
fi

[ "$failed" = 0 ] || e2e_fail "$failed of $((passed + failed)) bad-data cases failed"
echo "PASS: $passed bad-data cases: each named its file and ended with exit code 1"
