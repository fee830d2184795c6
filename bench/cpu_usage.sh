#!/usr/bin/env bash
# CPU time of the whole game process per wall time, as a percentage of one
# core: SECONDS on the intro screen, as long paused in the background (another
# window has the focus), then as long in scripted play on the huge level (F4).
# Runs the real game under a private Xvfb.
# Usage: cpu_usage.sh GAME_DIR [SECONDS]
# Prints "cpu_percent_intro N", "cpu_percent_paused N" and
# "cpu_percent_playing N", each followed by the main thread's share (the game
# loop, update, draw and the blit to the window; the rest is the library's
# own timer and X input threads) and the process's wake-ups per second.
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_setup "$1"
seconds=${2:-10}
ticks_per_second=$(getconf CLK_TCK)

# utime + stime, in clock ticks, of a process or of one of its threads.
cpu_ticks() {
  awk '{ print $14 + $15 }' "$1/stat"
}

# Context switches of all the process's threads: each is one wake-up.
switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n }'
}

# cpu_percent PID SECONDS: the process's share of one core over that time,
# its main thread's, and its wake-ups per second.
cpu_percent() {
  local pid=$1 start_cpu start_main start_switches start_wall end_cpu end_main end_switches end_wall
  start_cpu=$(cpu_ticks "/proc/$pid"); start_main=$(cpu_ticks "/proc/$pid/task/$pid")
  start_switches=$(switches "$pid"); start_wall=$(date +%s.%N)
  sleep "$2"
  end_cpu=$(cpu_ticks "/proc/$pid"); end_main=$(cpu_ticks "/proc/$pid/task/$pid")
  end_switches=$(switches "$pid"); end_wall=$(date +%s.%N)
  awk -v c=$((end_cpu - start_cpu)) -v m=$((end_main - start_main)) -v w=$((end_switches - start_switches)) \
    -v hz="$ticks_per_second" -v s="$start_wall" -v e="$end_wall" \
    'BEGIN { printf "%.2f main_thread %.2f wakeups_per_second %.0f\n", 100 * c / hz / (e - s), 100 * m / hz / (e - s), w / (e - s) }'
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

# The game runs as a child of the wrapper that lib.sh starts.
e2e_start_game
win=$(e2e_wait_window "Ork Cave")
pid=$(pgrep -n -P "$GAME_PID" orkcave)
sleep 1
intro=$(cpu_percent "$pid" "$seconds")

# Another client takes the focus: the game pauses in the background.
xlogo -geometry 100x100+900+10 2>/dev/null &
other=$(e2e_wait_window xlogo)
xdotool windowfocus --sync "$other"
sleep 1
paused=$(cpu_percent "$pid" "$seconds")
xdotool windowfocus --sync "$win"

e2e_hold F4 0.1
sleep 1
wander &
wander_pid=$!
playing=$(cpu_percent "$pid" "$seconds")
kill "$wander_pid" 2>/dev/null || true
wait "$wander_pid" 2>/dev/null || true
for k in w a s d; do xdotool keyup "$k"; done
e2e_quit "the game"
echo "cpu_percent_intro $intro"
echo "cpu_percent_paused $paused"
echo "cpu_percent_playing $playing"
