# Shared helpers for the end-to-end tests: a private Xvfb display, a stand-in
# xmessage, the game started in its directory, input through xdotool and
# screenshots through ImageMagick. Source it; call e2e_setup GAME_DIR first.
set -euo pipefail
E2E_TMP=""
XVFB_PID=""
GAME_PID=""
GAME_DIR=""

e2e_fail() {
  echo "FAIL: $*" >&2
  for out in stdout stderr; do
    [ -n "$E2E_TMP" ] && [ -f "$E2E_TMP/$out" ] && { echo "--- game $out:"; tail -n 20 "$E2E_TMP/$out"; } >&2
  done
  exit 1
}

e2e_cleanup() {
  # The game may outlive a polite signal once its display is gone.
  [ -n "$GAME_PID" ] && pkill -KILL -P "$GAME_PID" 2>/dev/null || true
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ] && rm -rf "$E2E_TMP"
  return 0
}

# e2e_setup GAME_DIR: starts Xvfb on a free display and prepares PATH.
e2e_setup() {
  GAME_DIR=$(cd "$1" && pwd)
  E2E_TMP=$(mktemp -d /tmp/orkcave-e2e.XXXXXX)
  trap e2e_cleanup EXIT
  mkdir -p "$E2E_TMP/bin"
  # allegro_message runs xmessage and waits for a click; ours records and returns.
  printf '#!/bin/sh\necho "$*" >> "%s/xmessage.log"\n' "$E2E_TMP" >"$E2E_TMP/bin/xmessage"
  chmod +x "$E2E_TMP/bin/xmessage"
  export PATH="$E2E_TMP/bin:$PATH"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  XVFB_PID=$!
  e2e_until 10 test -s "$E2E_TMP/display" || e2e_fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
  # Xvfb names its display a moment before it accepts connections.
  e2e_until 10 xdotool getdisplaygeometry >/dev/null 2>&1 || e2e_fail "Xvfb does not answer on $DISPLAY"
}

# e2e_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
e2e_until() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# e2e_start_game [DIR [PROGRAM]]: runs the game in the background from DIR.
e2e_start_game() {
  local dir=${1:-$GAME_DIR} program=${2:-./orkcave}
  rm -f "$E2E_TMP/exitcode"
  # The wrapper records the exit code itself: callers wait from subshells,
  # which cannot `wait` for it.
  (cd "$dir" && { code=0; "$program" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || code=$?; echo $code >"$E2E_TMP/exitcode"; }) &
  GAME_PID=$!
}

# e2e_wait_window: waits for the game's window and prints its id.
e2e_wait_window() {
  local id=""
  for _ in $(seq 150); do
    id=$(xdotool search --name . 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && break
    [ -s "$E2E_TMP/exitcode" ] && e2e_fail "game exited with code $(cat "$E2E_TMP/exitcode") before its window opened"
    sleep 0.1
  done
  [ -n "$id" ] || e2e_fail "no window within 15 s"
  sleep 0.5  # let the first frames reach the screen
  echo "$id"
}

# e2e_wait_exit SECONDS: waits for the game to end; prints its exit code.
e2e_wait_exit() {
  e2e_until "$1" test -s "$E2E_TMP/exitcode" || e2e_fail "game still running after $1 s"
  cat "$E2E_TMP/exitcode"
}

# e2e_hold KEY SECONDS: holds a key long enough for a 70-ms tick to see it.
e2e_hold() {
  xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"
}

# e2e_click BUTTON X Y: presses a mouse button at a window point for a few ticks.
e2e_click() {
  xdotool mousemove "$2" "$3"; sleep 0.2
  xdotool mousedown "$1"; sleep 0.25; xdotool mouseup "$1"
}

# e2e_shot FILE: screenshot of the whole display.
e2e_shot() {
  import -window root "$1"
}

# e2e_pixel FILE X Y: prints the pixel's colour as "r,g,b".
e2e_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# e2e_window_manager: starts openbox, which gives windows titles, close
# buttons and the focus; it ends with Xvfb.
e2e_window_manager() {
  openbox >"$E2E_TMP/openbox.log" 2>&1 &
  local n=0
  until wmctrl -m >/dev/null 2>&1; do
    sleep 0.05; n=$((n + 1))
    [ $n -gt 200 ] && e2e_fail "openbox did not start: $(cat "$E2E_TMP/openbox.log")"
  done
  return 0
}

# e2e_wait_title TITLE: waits until the window manager lists a window of
# exactly that title and the program has drawn into it; prints its id.
e2e_wait_title() {
  local n=0 id=""
  until [ -n "$id" ] && [ "$(import -window "$id" -format %k info:)" -gt 1 ]; do
    id=$(wmctrl -l | sed -n "s/^\(0x[0-9a-f]*\) .* [^ ]* $1\$/\1/p" | head -n 1)
    [ -s "$E2E_TMP/exitcode" ] && e2e_fail "exited with code $(cat "$E2E_TMP/exitcode"), no window \"$1\""
    sleep 0.1; n=$((n + 1))
    [ $n -gt 150 ] && e2e_fail "no window titled \"$1\" within 15 s: $(wmctrl -l)"
  done
  echo "$id"
}

# e2e_count FILE WxH+X+Y FX: how many pixels of the area the expression holds for.
e2e_count() {
  convert "$1" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:
}
