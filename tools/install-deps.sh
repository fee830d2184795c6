#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need.
# Runs apt-get update only when something is missing, and sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  liballegro4-dev libpng-dev libsndfile1-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-apps openbox wmctrl x11-utils libx11-dev
  dpkg-dev file lintian appstream desktop-file-utils
)

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
