#!/usr/bin/env bash
# Fetches the Debian 12 packages our photographs and fonts come from, with apt's own client, and
# unpacks each into CACHE/<package>/ (nothing is installed). Usage: sources.sh CACHE
set -euo pipefail
cache=${1:?usage: sources.sh CACHE}
packages=(
  plasma-workspace-wallpapers   # photographs, LGPL-3
  lomiri-wallpapers-16.04       # photographs, CC-BY-4.0
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-roboto-unhinted
  fonts-allerta fonts-kaushanscript
)
mkdir -p "$cache"
cd "$cache"
for p in "${packages[@]}"; do
  [ -d "$p" ] && continue
  apt-get download "$p"
  dpkg-deb -x "${p}"_*.deb "$p"
done
