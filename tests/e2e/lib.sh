# Shared helpers for the end-to-end tests: a private Xvfb display, a stand-in
# xmessage, the game started in its directory, input through xdotool and
# screenshots through ImageMagick. Source it; call e2e_setup GAME_DIR first.
set -euo pipefail
E2E_TMP="" XVFB_PID="" GAME_PID=""

e2e_fail() {
  echo "FAIL: $*" >&2
  tail -n 20 "$E2E_TMP/stderr" >&2 2>/dev/null || true
  exit 1
}

e2e_cleanup() {
  # The game may outlive a polite signal once its display is gone.
  [ -z "$GAME_PID" ] || pkill -KILL -P "$GAME_PID" || true
  kill $GAME_PID $XVFB_PID 2>/dev/null || true
  # A dying Xvfb still removes its display's socket: the next test's server
  # may already have taken that display number.
  wait $XVFB_PID 2>/dev/null || true
  rm -rf "$E2E_TMP"
}

# e2e_setup GAME_DIR: starts Xvfb on a free display and prepares PATH.
e2e_setup() {
  GAME_DIR=$(cd "$1" && pwd)
  E2E_TMP=$(mktemp -d /tmp/orkcave-e2e.XXXXXX)
  trap e2e_cleanup EXIT
  # allegro_message runs xmessage and waits for a click; ours records and returns.
  printf '#!/bin/sh\necho "$*" >> "%s/xmessage.log"\n' "$E2E_TMP" >"$E2E_TMP/xmessage"
  chmod +x "$E2E_TMP/xmessage"
  export PATH="$E2E_TMP:$PATH"
  # -noreset: a server that resets when its last client leaves refuses the
  # next one for a moment, and clients come and go here all the time.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  XVFB_PID=$!
  e2e_until 10 test -s "$E2E_TMP/display" || e2e_fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
  # Xvfb names its display a moment before it accepts connections.
  e2e_until 10 xdotool getdisplaygeometry >/dev/null 2>&1 || e2e_fail "Xvfb does not answer on $DISPLAY"
}

# e2e_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
e2e_until() {
  local tries=$(($1 * 10))
  until "${@:2}"; do
    ((--tries > 0)) || return 1
    sleep 0.1
  done
}

# e2e_start_game [DIR [PROGRAM]]: runs the game in the background from DIR.
# The wrapper records the exit code: callers wait from subshells, which cannot `wait` for it.
e2e_start_game() {
  rm -f "$E2E_TMP/exitcode"
  (
    cd "${1:-$GAME_DIR}"
    "${2:-./orkcave}" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" && code=0 || code=$?
    echo $code >"$E2E_TMP/exitcode"
  ) &
  GAME_PID=$!
}

# e2e_wait_window [TITLE]: waits until a window (of exactly that title, if
# given) is up and drawn into; prints its id.
e2e_wait_window() {
  e2e_until 15 e2e_drawn "${1:-.+}" || e2e_fail "no window ${1:-} within 15 s"
  cat "$E2E_TMP/window"
}
e2e_drawn() {
  xdotool search --name "^$1\$" 2>/dev/null | tail -n 1 >"$E2E_TMP/window" || return 1
  [ "$(import -window "$(cat "$E2E_TMP/window")" -format %k info: 2>/dev/null || echo 0)" -gt 1 ]
}

# e2e_wait_exit SECONDS: waits for the game to end; prints its exit code.
e2e_wait_exit() {
  e2e_until "$1" test -s "$E2E_TMP/exitcode" || e2e_fail "game still running after $1 s"
  cat "$E2E_TMP/exitcode"
}

# e2e_quit WHAT: Escape must end the program with exit code 0 within 1 s.
e2e_quit() {
  xdotool keydown Escape
  # A game still running prints no code, which fails the comparison below.
  local code=$(e2e_wait_exit 1)
  xdotool keyup Escape
  [ "$code" = 0 ] || e2e_fail "$1 gave exit code $code after Escape"
}

# e2e_hold KEY SECONDS: holds a key long enough for a 70-ms tick to see it.
e2e_hold() {
  xdotool keydown "$1" sleep "$2" keyup "$1"
}
