#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need; skips what is already there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev libqt6svg6-dev          # windows, drawing, fonts
  libsdl2-mixer-dev                    # sound
  libturbojpeg0-dev libjpeg62-turbo-dev # JPEG decoding
  libgtest-dev libgmock-dev libbenchmark-dev # tests and benchmarks
  xvfb xauth xdotool x11-utils libxcb1-dev # real-window tests
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
