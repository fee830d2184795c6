#!/usr/bin/env bash
# The Debian package, unpacked into a temporary root and never installed:
# lintian finds nothing to warn about, hardening included, and every program
# is hardened; metadata validate; it depends on the Allegro
# runtime, Xlib and the C and C++ libraries only. Its launchers start the game from
# any directory; a numbered segment in the player's own folder replaces the
# installed one; without a display, with a bad segment (named with its
# absolute folder), a missing installed one or no data folder, it exits 1 and
# says why on standard error, naming the program; the editor saves into the
# player's folder (so not into the installed data), even without TMPDIR, or
# says why it cannot. The launchers pass signals and exit codes through, and
# clear away the folders of runs that are over.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
# check WHAT COMMAND...: the command must succeed; its output is shown if not.
check() {
  "${@:2}" >"$E2E_TMP/check.log" 2>&1 || e2e_fail "$1: $(cat "$E2E_TMP/check.log")"
}
# refused MESSAGE [BOX]: the game just started must exit 1 at once with
# MESSAGE on standard error, and in a message box unless BOX is "no box".
refused() {
  [ "$(e2e_wait_exit 10)" = 1 ] && grep -qF "$1" "$E2E_TMP/stderr" || e2e_fail "not on standard error: $1"
  [ "${2:-}" = "no box" ] || grep -qF "$1" "$E2E_TMP/xmessage.log" || e2e_fail "not in a message box: $1"
}

check cpack cpack --config "$1/../CPackConfig.cmake" -B "$E2E_TMP/package"
deb=$(ls "$E2E_TMP"/package/orkcave_*.deb)
check lintian lintian -I --pedantic --fail-on error,warning "$deb"
! grep hardening "$E2E_TMP/check.log" || e2e_fail "lintian hardening tags"
depends=$(dpkg-deb -f "$deb" Depends)
[ "$(sed 's/ ([^)]*)//g; s/, */ /g' <<<"$depends")" = "liballegro4.4 libc6 libgcc-s1 libstdc++6 libx11-6" ] || e2e_fail "Depends: $depends"
[ "$(dpkg-deb -f "$deb" Recommends)" = x11-utils ] || e2e_fail "xmessage's x11-utils not recommended"
! dpkg -c "$deb" | grep -E 'test|bench|assetgen|assetpreview|levelpic|seg\.txt|/include/' || e2e_fail "build leftovers"
root="$E2E_TMP/root"
dpkg-deb -x "$deb" "$root"
check hardening-check hardening-check "$root"/usr/lib/games/orkcave/*
check appstreamcli appstreamcli validate --no-net "$root"/usr/share/metainfo/org.example.orkcave.metainfo.xml
# lintian checks the desktop entry.
[ "$(stat -c %s "$root"/usr/share/icons/hicolor/256x256/apps/orkcave.png)" -lt 60000 ] || e2e_fail "256-px icon is 60 KB or more"

# The programs from their launchers, started in a directory that holds no
# data: the temporary one.
export XDG_DATA_HOME="$E2E_TMP/xdg" TMPDIR="$E2E_TMP/tmp"
own="$XDG_DATA_HOME/orkcave/maps"
mkdir -p "$own" "$TMPDIR"
(unset DISPLAY && e2e_start_game "$E2E_TMP" "$root/usr/games/orkcave-editor")
refused "Ork Cave Segment Editor could not start: no display could be opened" "no box"
echo "2 2 two" >"$own/seg3.txt"
e2e_start_game "$E2E_TMP" "$root/usr/games/orkcave"
refused "Bad segment file: $own/seg3.txt (needs 100 tile codes)"
rm "$own/seg3.txt"
data="$root/usr/share/games/orkcave"
mv "$data/maps/seg5.txt" "$E2E_TMP/seg5.txt"
e2e_start_game "$E2E_TMP" "$root/usr/games/orkcave"
refused "Missing data file: $data/maps/seg5.txt"
mv "$E2E_TMP/seg5.txt" "$data/maps/" && mv "$data" "$E2E_TMP/data"
e2e_start_game "$E2E_TMP" "$root/usr/games/orkcave"
refused "Ork Cave could not start: its data folder $data is missing."
mv "$E2E_TMP/data" "$data"

# The editor through a link to its launcher, as a desktop would start it:
# first its file's name is taken by a folder, then not.
mkdir -p "$E2E_TMP/links" "$own/seg.txt"
ln -s "$root/usr/games/orkcave-editor" "$E2E_TMP/links/orkcave-editor"
TMPDIR=/nonexistent e2e_start_game "$E2E_TMP" "$E2E_TMP/links/orkcave-editor"
e2e_wait_window >/dev/null
e2e_hold o 0.3
e2e_until 3 grep -qxF "orkcave-editor: Could not write $own/seg.txt: Is a directory" "$E2E_TMP/stderr" \
  || e2e_fail "the editor did not say why it could not save"
rmdir "$own/seg.txt"
e2e_hold o 0.3
e2e_until 3 test -s "$own/seg.txt" || e2e_fail "O did not write $own/seg.txt"
e2e_quit "the editor's launcher"

# Signals sent to a launcher reach its program at once, and the exit code is
# the program's. A start clears away the folders of the runs that are over,
# also one whose PID a later process has, but not that of a run beside it.
mkdir "$TMPDIR/orkcave.reused" && echo "$XVFB_PID" >"$TMPDIR/orkcave.reused/pid"
"$root/usr/games/orkcave" 2>/dev/null &
side=$!
trap 'kill $side 2>/dev/null || :; e2e_cleanup' EXIT
# started: the game by its launcher, whose PID (pid) its window carries.
started() {
  e2e_start_game "$E2E_TMP" "$root/usr/games/orkcave"
  e2e_until 15 eval 'pid=$(pgrep -P $GAME_PID) && xdotool search --pid "$pid"' >/dev/null || e2e_fail "no window"
}
for sig in INT TERM HUP; do
  started
  kill -s $sig "$pid"
  [ "$(e2e_wait_exit 1)" = $((128 + $(kill -l $sig))) ] || e2e_fail "$sig to the launcher"
done
e2e_until 15 xdotool search --pid "$side" >/dev/null && started
runs=$(shopt -s nullglob && printf '%s\n' "$TMPDIR"/orkcave.* "$own"/.orkcave.* | sort)
[ "$runs" = "$(readlink /proc/$side/cwd /proc/$pid/cwd | sort)" ] || e2e_fail "run folders: $runs"
kill "$side" && wait "$side" || :
e2e_quit "the game's launcher"
echo "PASS: $(basename "$deb") ($depends): lintian-clean, hardened, unpacked, played, edited, signalled, cleared"
