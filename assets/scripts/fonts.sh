#!/usr/bin/env bash
# Copies the embedded faces, unchanged, from the unpacked Debian packages into OUT_DIR/font/.
# Usage: fonts.sh CACHE OUT_DIR
set -euo pipefail
cache=${1:?usage: fonts.sh CACHE OUT_DIR}
out=${2:?usage: fonts.sh CACHE OUT_DIR}/font
mkdir -p "$out"
dejavu=usr/share/fonts/truetype/dejavu
liberation=fonts-liberation2/usr/share/fonts/truetype/liberation2
faces=(
  fonts-dejavu-extra/$dejavu/DejaVuSansCondensed.ttf       # Tahoma's stand-in
  fonts-dejavu-extra/$dejavu/DejaVuSansCondensed-Bold.ttf
  fonts-dejavu-core/$dejavu/DejaVuSans.ttf                 # Verdana's
  fonts-dejavu-core/$dejavu/DejaVuSans-Bold.ttf
  $liberation/LiberationSans-Regular.ttf                   # Arial's
  $liberation/LiberationSans-Bold.ttf
  fonts-roboto-unhinted/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Black.ttf  # Arial Black's
  fonts-allerta/usr/share/fonts/opentype/allerta/allerta_stencil.otf                         # stencil
  fonts-kaushanscript/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf       # handwriting
  $liberation/LiberationMono-Regular.ttf                   # monospace
  $liberation/LiberationMono-Bold.ttf
)
for face in "${faces[@]}"; do
  cp "$cache/$face" "$out/"
done
