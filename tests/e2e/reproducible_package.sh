#!/usr/bin/env bash
# `make package` in two clones of the last commit, in folders of different
# names and depths, gives bit-identical packages. Only what the package holds
# is built.   reproducible_package.sh SOURCE_DIR
set -euo pipefail
dir=$(mktemp -d /tmp/orkcave-reproducible.XXXXXX)
trap 'rm -rf "$dir"' EXIT
for clone in one two/deeper; do
  git clone -q "$1" "$dir/$clone"
  make -C "$dir/$clone" package JOBS=2 CMAKE_ARGS=-DORKCAVE_TESTS=OFF >"$dir/build.log" 2>&1 \
    || { tail -n 20 "$dir/build.log"; echo "FAIL: make package in $clone"; exit 1; }
done
sums=$(cd "$dir" && sha256sum one/build/*.deb two/deeper/build/*.deb)
[ "$(cut -d' ' -f1 <<<"$sums" | uniq | wc -l)" = 1 ] || { echo "FAIL: the packages differ: $sums"; exit 1; }
echo "PASS: two clones, one package:"$'\n'"$sums"
