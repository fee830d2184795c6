#!/usr/bin/env bash
# CPU time of the whole game process per wall time, as a percentage of one
# core: 10 s on the intro screen, then 10 s of scripted play on the huge
# level (F4). Runs the real game under a private Xvfb.
# Usage: cpu_usage.sh GAME_DIR [SECONDS]
# Prints "cpu_percent_intro N" and "cpu_percent_playing N", each followed by
# the main thread's share (the game loop, update, draw and the blit to the
# window); the rest is the library's own timer and X input threads.
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_setup "$1"
seconds=${2:-10}
ticks_per_second=$(getconf CLK_TCK)

# utime + stime, in clock ticks, of a process or of one of its threads.
cpu_ticks() {
  awk '{ print $14 + $15 }' "$1/stat"
}

# cpu_percent PID SECONDS: the process's share of one core over that time,
# then its main thread's.
cpu_percent() {
  local pid=$1 start_cpu start_main start_wall end_cpu end_main end_wall
  start_cpu=$(cpu_ticks "/proc/$pid"); start_main=$(cpu_ticks "/proc/$pid/task/$pid"); start_wall=$(date +%s.%N)
  sleep "$2"
  end_cpu=$(cpu_ticks "/proc/$pid"); end_main=$(cpu_ticks "/proc/$pid/task/$pid"); end_wall=$(date +%s.%N)
  awk -v c=$((end_cpu - start_cpu)) -v m=$((end_main - start_main)) -v hz="$ticks_per_second" \
    -v s="$start_wall" -v e="$end_wall" 'BEGIN { printf "%.2f %.2f\n", 100 * c / hz / (e - s), 100 * m / hz / (e - s) }'
}

# Walks the elf in a slow square and sweeps the aim round it, until killed.
wander() {
  local keys=(w d s a) i=0
  while true; do
    xdotool mousemove $((400 + (i % 3 - 1) * 200)) $((350 + (i % 2) * 200 - 100)) keydown "${keys[i % 4]}"
    sleep 0.6
    xdotool keyup "${keys[i % 4]}" key space
    i=$((i + 1))
  done
}

# Xvfb names its display before it takes connections.
n=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
  sleep 0.05; n=$((n + 1))
  [ $n -gt 200 ] && e2e_fail "Xvfb takes no connections"
done

(cd "$GAME_DIR" && exec ./orkcave >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr") &
GAME_PID=$!
e2e_wait_window >/dev/null
sleep 1
intro=$(cpu_percent "$GAME_PID" "$seconds")

e2e_hold F4 0.1
sleep 1
wander &
wander_pid=$!
playing=$(cpu_percent "$GAME_PID" "$seconds")
kill "$wander_pid" 2>/dev/null || true
wait "$wander_pid" 2>/dev/null || true
for k in w a s d; do xdotool keyup "$k"; done

xdotool keydown Escape
n=0
while kill -0 "$GAME_PID" 2>/dev/null && [ $n -lt 60 ]; do sleep 0.05; n=$((n + 1)); done
xdotool keyup Escape
echo "cpu_percent_intro ${intro% *} main_thread ${intro#* }"
echo "cpu_percent_playing ${playing% *} main_thread ${playing#* }"
