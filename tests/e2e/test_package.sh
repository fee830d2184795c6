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
# check WHAT COMMAND...: the command must succeed; its output is shown if not.
check() {
  "${@:2}" >"$E2E_TMP/check.log" 2>&1 || e2e_fail "$1: $(cat "$E2E_TMP/check.log")"
}

check cpack cpack --config "$build/CPackConfig.cmake" -B "$E2E_TMP/package"
deb=$(ls "$E2E_TMP"/package/orkcave_*.deb)
check lintian lintian --fail-on error,warning "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
[ "$(sed 's/ ([^)]*)//g; s/, */ /g' <<<"$depends")" = "liballegro4.4 libc6 libgcc-s1 libstdc++6" ] || e2e_fail "Depends: $depends"
! dpkg -c "$deb" | grep -E 'test|bench|assetgen|assetpreview|levelpic|seg\.txt|/include/' || e2e_fail "build leftovers"
check "dpkg -i" $sudo dpkg -i "$deb"
check appstreamcli appstreamcli validate --no-net /usr/share/metainfo/org.example.orkcave.metainfo.xml
check desktop-file-validate desktop-file-validate /usr/share/applications/org.example.orkcave.desktop
[ "$(stat -c %s /usr/share/icons/hicolor/256x256/apps/orkcave.png)" -lt 60000 ] || e2e_fail "256-px icon is 60 KB or more"

# The game from its launcher, started in a directory that holds no data.
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"
e2e_start_game "$elsewhere" /usr/games/orkcave
e2e_wait_window >/dev/null
e2e_quit "the game's launcher"
# The editor through a link to its launcher, as a desktop would start it; a
# segment the user already has must survive its first run.
export XDG_DATA_HOME="$E2E_TMP/xdg"
user="$XDG_DATA_HOME/orkcave/maps"
data=/usr/share/games/orkcave/maps
mkdir -p "$user" "$E2E_TMP/links"
cp "$data/seg0.txt" "$user/seg3.txt"
ln -s /usr/games/orkcave-editor "$E2E_TMP/links/orkcave-editor"
e2e_start_game "$elsewhere" "$E2E_TMP/links/orkcave-editor"
e2e_wait_window >/dev/null
e2e_hold o 0.3
e2e_until 3 test -s "$user/seg.txt" || e2e_fail "O did not write $user/seg.txt"
cmp -s "$user/seg3.txt" "$data/seg0.txt" || e2e_fail "the user's own seg3.txt was overwritten"
cmp -s "$user/seg9.txt" "$data/seg9.txt" || e2e_fail "seg9.txt was not copied"
e2e_quit "the editor's launcher"
[ ! -e "$data/seg.txt" ] || e2e_fail "the editor wrote into the installed data"
check "dpkg -r" $sudo dpkg -r orkcave
[ ! -e /usr/games/orkcave ] && [ ! -e "$data" ] || e2e_fail "dpkg -r left the game behind"
echo "PASS: $(basename "$deb") ($depends): lintian-clean, installed, played, edited, removed"
