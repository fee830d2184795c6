#!/usr/bin/env bash
# The Debian package: built from the existing build, it depends on the Allegro
# runtime and nothing from the build, holds no tests or tools, and once
# unpacked into a scratch root its launchers start the game from any
# directory and let the editor save into the user's own data directory.
source "$(dirname "$0")/lib.sh"
build=$(cd "$1/.." && pwd)
e2e_setup "$1"

root="$E2E_TMP/root"
# The installed data is made read-only below; cleanup must still remove it.
trap 'chmod -R u+w "$root" 2>/dev/null; e2e_cleanup' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1 \
  || { cat "$E2E_TMP/cpack.log" >&2; e2e_fail "cpack failed"; }
deb=$(ls "$E2E_TMP"/package/orkcave_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *liballegro4.4* ]] || e2e_fail "Depends lacks the Allegro runtime: $depends"
[[ "$depends" != *-dev* ]] || e2e_fail "Depends names a build package: $depends"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || e2e_fail "section is not games"

contents=$(dpkg -c "$deb" | awk '{print $6}')
for wanted in ./usr/bin/orkcave ./usr/bin/orkcave-editor ./usr/libexec/orkcave/orkcave \
  ./usr/share/orkcave/textures/dirt.bmp ./usr/share/orkcave/sounds/bone.wav ./usr/share/orkcave/maps/seg9.txt \
  ./usr/share/applications/orkcave.desktop ./usr/share/icons/hicolor/256x256/apps/orkcave.png \
  ./usr/share/man/man6/orkcave.6.gz; do
  grep -qx -- "$wanted" <<<"$contents" || e2e_fail "package lacks $wanted"
done
unwanted=$(grep -E 'test|bench|assetgen|assetpreview|levelpic|seg\.txt|/include/' <<<"$contents" || true)
[ -z "$unwanted" ] || e2e_fail "package holds build leftovers: $unwanted"

dpkg -x "$deb" "$root"
chmod -R a-w "$root/usr/share/orkcave"

icon="$root/usr/share/icons/hicolor/256x256/apps/orkcave.png"
[ "$(identify -format '%wx%h' "$icon")" = 256x256 ] || e2e_fail "icon is not 256x256"
[ "$(convert "$icon" -format '%[fx:p{0,0}.a] %[fx:p{128,128}.a]' info:)" = "0 1" ] \
  || e2e_fail "icon is not transparent around an opaque head"

# The game from its launcher, started in a directory that holds no data.
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"
e2e_start_game "$elsewhere" "$root/usr/bin/orkcave"
win=$(e2e_wait_window)
geometry=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')
[ "$geometry" = "800x700" ] || e2e_fail "window is $geometry, not 800x700"
xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "game launcher gave exit code $code after Escape"

code=0
(cd "$elsewhere" && env -u DISPLAY timeout 10 "$root/usr/bin/orkcave" >/dev/null 2>&1) || code=$?
[ "$code" = 1 ] || e2e_fail "game launcher gave exit code $code without a display (expected 1)"

# The editor through a link to its launcher, as a desktop would start it; a
# segment the user already has must survive its first run.
export XDG_DATA_HOME="$E2E_TMP/xdg"
user="$XDG_DATA_HOME/orkcave"
mkdir -p "$user/maps" "$E2E_TMP/links"
cp "$root/usr/share/orkcave/maps/seg0.txt" "$user/maps/seg3.txt"
ln -s "$root/usr/bin/orkcave-editor" "$E2E_TMP/links/orkcave-editor"
e2e_start_game "$elsewhere" "$E2E_TMP/links/orkcave-editor"
win=$(e2e_wait_window)
e2e_hold o 0.3
sleep 0.3
[ -f "$user/maps/seg.txt" ] || e2e_fail "O did not write $user/maps/seg.txt"
[ "$(wc -l <"$user/maps/seg.txt")" = 10 ] || e2e_fail "the saved segment does not hold 10 lines"
cmp -s "$user/maps/seg3.txt" "$root/usr/share/orkcave/maps/seg0.txt" || e2e_fail "the user's own seg3.txt was overwritten"
cmp -s "$user/maps/seg9.txt" "$root/usr/share/orkcave/maps/seg9.txt" || e2e_fail "seg9.txt was not copied"
[ "$(readlink -f "$user/textures")" = "$(readlink -f "$root/usr/share/orkcave/textures")" ] \
  || e2e_fail "textures/ is not a link to the installed pictures"
grep -qF "$user/maps/seg.txt" "$E2E_TMP/stdout" || e2e_fail "the editor did not say where it saves"
xdotool keydown Escape
code=$(e2e_wait_exit 3)
xdotool keyup Escape
[ "$code" = 0 ] || e2e_fail "editor launcher gave exit code $code after Escape"
[ ! -e "$root/usr/share/orkcave/maps/seg.txt" ] || e2e_fail "the editor wrote into the installed data"

echo "PASS: $(basename "$deb") ($depends): game and editor run from the unpacked root"
