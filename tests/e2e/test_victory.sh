#!/usr/bin/env bash
# The game can be won: a bot plays the real binary from the intro through a
# small level to the victory panel, with keys and mouse through xdotool. It
# reads the game's state from the running process (see tests/e2e/bot).
#   ORKCAVE_SHOTS=DIR         saves play.png (mid-level, rings and fog) and victory.png there
#   ORKCAVE_BOT_INTRO_MS=MS   time on the intro, which picks the level (random by default)
#   ORKCAVE_BOT_LIMIT=S       seconds before the bot gives up (150)
#   ORKCAVE_BOT_TRACE_MS=MS   how often the bot logs its state (2000)
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
bot="$GAME_DIR/../bin/victory-bot"
[ -x "$bot" ] || e2e_fail "no bot at $bot: build the victory-bot target"
BOT_LIMIT=${ORKCAVE_BOT_LIMIT:-150}  # seconds of play before the bot gives up
# The time spent on the intro decides which small level is built (one random
# draw per tick there), so each run plays another level; set it to replay one.
INTRO_MS=${ORKCAVE_BOT_INTRO_MS:-$((RANDOM % 3000))}
echo "intro wait: $INTRO_MS ms (ORKCAVE_BOT_INTRO_MS=$INTRO_MS replays about the same level)"

shots=${ORKCAVE_SHOTS:-}
bot_args=()
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  bot_args=(--play-shot "$shots/play.png")
fi

e2e_start_game
win=$(e2e_wait_window)
game_pid=$(pgrep -P "$GAME_PID" -x orkcave | head -n 1 || true)
[ -n "$game_pid" ] || e2e_fail "cannot find the game's process"

bot_rc=0
timeout -k 5 $((BOT_LIMIT + 20)) "$bot" --pid "$game_pid" --window "$win" --timeout "$BOT_LIMIT" --intro-wait-ms "$INTRO_MS" ${ORKCAVE_BOT_TRACE_MS:+--trace-ms "$ORKCAVE_BOT_TRACE_MS"} "${bot_args[@]}" \
  >"$E2E_TMP/bot.out" 2>"$E2E_TMP/bot.log" || bot_rc=$?
if [ "$bot_rc" != 0 ]; then
  { echo "--- bot log (last 30 lines):"; tail -n 30 "$E2E_TMP/bot.log"; } >&2
  e2e_fail "the bot did not win (exit $bot_rc; 2 = out of time, 3 = game gone, 124 = hung)"
fi
cat "$E2E_TMP/bot.out"
grep -q "play picture taken" "$E2E_TMP/bot.log" || [ -z "$shots" ] || echo "note: no moment for play.png came"

# The victory panel: black over (90,90)-(710,610), light grey story text,
# and "Game over" centred at the bottom, where the intro panel has nothing.
sleep 0.3
shot="${shots:-$E2E_TMP}/victory.png"
import -window "$win" "$shot"
grey_pixels() {  # grey_pixels FILE WxH+X+Y
  convert "$1" -crop "$2" +repage -fx 'r>0.7 && r<0.85 && abs(r-g)<0.02 && abs(r-b)<0.02 ? 1 : 0' \
    -format '%[fx:int(mean*w*h)]' info:
}
for corner in "95 95" "95 605" "705 605"; do
  # shellcheck disable=SC2086
  [ "$(e2e_pixel "$shot" $corner)" = "0,0,0" ] || e2e_fail "no black panel at $corner on the victory screen"
done
[ "$(grey_pixels "$shot" 300x8+110+125)" -gt 60 ] || e2e_fail "no story text on the victory panel"
[ "$(grey_pixels "$shot" 80x8+360+557)" -gt 20 ] || e2e_fail "no \"Game over\" on the victory panel"

xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "exit code $code after Escape"
echo "PASS: intro, small level, victory panel, Escape exits 0"
