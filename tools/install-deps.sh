#!/usr/bin/env bash
# Installs the Debian packages Ork Cave needs: to build and play it, or with
# --test also to run its tests, benchmarks, fuzzing and package checks.
# Runs apt-get update only when something is missing, and sudo only when not root.
#   install-deps.sh [--test]
set -euo pipefail

# A compiler, CMake, Allegro; libpng and libsndfile for the asset generator;
# dpkg-buildflags (dpkg-dev) for the hardening flags; xmessage (x11-utils)
# to show a start-up failure. For the tests also clang with its sanitizer and
# libFuzzer runtime: libclang-rt-dev, like clang, follows Debian's default
# clang version.
packages=(
  build-essential dpkg-dev cmake pkg-config
  liballegro4-dev libpng-dev libsndfile1-dev
  x11-utils
)
if [ "${1:-}" = --test ]; then
  packages+=(
    libgtest-dev
    clang libclang-rt-dev
    xvfb xdotool imagemagick x11-apps openbox wmctrl libx11-dev
    git file lintian devscripts appstream desktop-file-utils valgrind
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
