#!/usr/bin/env bash
# The Debian package: lintian finds nothing to warn about, its AppStream
# metadata and desktop entry validate, it depends on the Allegro runtime and
# the C and C++ libraries only, and once installed with dpkg its launchers
# start the game from any directory and let the editor save into the user's
# own data directory. It is removed again at the end.
source "$(dirname "$0")/lib.sh"
build=$(cd "$1/.." && pwd)
e2e_setup "$1"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"
if dpkg-query -W -f='${Status}' orkcave 2>/dev/null | grep -q "ok installed"; then
  e2e_fail "orkcave is installed on this machine already; this test would remove it"
fi
trap '$sudo dpkg -r orkcave >/dev/null 2>&1; e2e_cleanup' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1 \
  || { cat "$E2E_TMP/cpack.log" >&2; e2e_fail "cpack failed"; }
deb=$(ls "$E2E_TMP"/package/orkcave_*.deb)

lintian --fail-on error,warning "$deb" >"$E2E_TMP/lintian.log" 2>&1 || e2e_fail "lintian: $(cat "$E2E_TMP/lintian.log")"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed 's/ ([^)]*)//g; s/, */ /g' <<<"$depends")
[ "$names" = "liballegro4.4 libc6 libgcc-s1 libstdc++6" ] || e2e_fail "unexpected Depends: $depends"
unwanted=$(dpkg -c "$deb" | grep -E 'test|bench|assetgen|assetpreview|levelpic|seg\.txt|/include/' || true)
[ -z "$unwanted" ] || e2e_fail "package holds build leftovers: $unwanted"

$sudo dpkg -i "$deb" >"$E2E_TMP/dpkg.log" 2>&1 || e2e_fail "dpkg -i: $(cat "$E2E_TMP/dpkg.log")"
appstreamcli validate --no-net /usr/share/metainfo/org.example.orkcave.metainfo.xml >"$E2E_TMP/as.log" 2>&1 \
  || e2e_fail "appstreamcli: $(cat "$E2E_TMP/as.log")"
desktop-file-validate /usr/share/applications/org.example.orkcave.desktop || e2e_fail "desktop entry is invalid"
[ "$(stat -c %s /usr/share/icons/hicolor/256x256/apps/orkcave.png)" -lt 60000 ] || e2e_fail "256-px icon is 60 KB or more"

# The game from its launcher, started in a directory that holds no data.
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"
e2e_start_game "$elsewhere" /usr/games/orkcave
e2e_wait_window >/dev/null
xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "game launcher gave exit code $code after Escape"

# The editor through a link to its launcher, as a desktop would start it; a
# segment the user already has must survive its first run.
export XDG_DATA_HOME="$E2E_TMP/xdg"
user="$XDG_DATA_HOME/orkcave"
data=/usr/share/games/orkcave
mkdir -p "$user/maps" "$E2E_TMP/links"
cp "$data/maps/seg0.txt" "$user/maps/seg3.txt"
ln -s /usr/games/orkcave-editor "$E2E_TMP/links/orkcave-editor"
e2e_start_game "$elsewhere" "$E2E_TMP/links/orkcave-editor"
e2e_wait_window >/dev/null
e2e_hold o 0.3
sleep 0.3
[ "$(wc -l <"$user/maps/seg.txt")" = 10 ] || e2e_fail "O did not write a 10-line $user/maps/seg.txt"
cmp -s "$user/maps/seg3.txt" "$data/maps/seg0.txt" || e2e_fail "the user's own seg3.txt was overwritten"
cmp -s "$user/maps/seg9.txt" "$data/maps/seg9.txt" || e2e_fail "seg9.txt was not copied"
xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "editor launcher gave exit code $code after Escape"
[ ! -e "$data/maps/seg.txt" ] || e2e_fail "the editor wrote into the installed data"

$sudo dpkg -r orkcave >/dev/null 2>&1 || e2e_fail "dpkg -r failed"
[ ! -e /usr/games/orkcave ] && [ ! -e "$data" ] || e2e_fail "dpkg -r left the game behind"
echo "PASS: $(basename "$deb") ($depends): lintian-clean, installed, played, edited, removed"
