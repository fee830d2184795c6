#!/usr/bin/env bash
# Runs every benchmark program, then the whole game under Xvfb, and writes
# BUILD/bench.json: tick and level-start times per level size from
# bench_frame_tick, and the process's CPU share on the intro, paused in the
# background and in play.
# Usage: run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
frames="$build/bench-frames.json"
rm -f "$frames"

for program in "$build"/bench/bench_*; do
  [ -x "$program" ] || continue
  name=$(basename "$program")
  echo "== $name"
  if [ "$name" = bench_frame_tick ]; then
    (cd "$build/game" && "$program" --json "$frames")
  else
    (cd "$build/game" && "$program")
  fi
  echo
done
[ -s "$frames" ] || { echo "bench_frame_tick wrote no figures" >&2; exit 1; }

echo "== whole process under Xvfb, 10 s each"
cpu=$(bash "$here/cpu_usage.sh" "$build/game" 10) || { echo "(the CPU measurement failed: is Xvfb installed?)"; cpu=""; }
echo "$cpu"
intro=$(awk '/^cpu_percent_intro/ { print $2 }' <<<"$cpu")
paused=$(awk '/^cpu_percent_paused/ { print $2 }' <<<"$cpu")
playing=$(awk '/^cpu_percent_playing/ { print $2 }' <<<"$cpu")

{
  sed '$d' "$frames" | sed '$ s/$/,/'
  printf '  "cpu_percent_intro": %s,\n  "cpu_percent_paused": %s,\n  "cpu_percent_playing": %s\n}\n' \
    "${intro:-null}" "${paused:-null}" "${playing:-null}"
} >"$build/bench.json"
rm -f "$frames"

echo
echo "== Summary ($build/bench.json)"
awk '
  { text = $0; gsub(/[ "]/, "", text); n = split(text, f, /[{},:]+/) }
  /": \{/ {
    line = sprintf("%-24s", f[1])
    for (i = 2; i + 1 <= n; i += 2) line = line sprintf("  %s %8.3f", f[i], f[i + 1])
    print line
  }
  /"cpu_percent/ { printf "%-24s  %s %% of one core\n", f[1], f[2] }
' "$build/bench.json"
