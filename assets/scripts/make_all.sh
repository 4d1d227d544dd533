#!/usr/bin/env bash
# Rebuilds every derived file in assets/data from its Debian source package (see LICENSES.md).
# Needs apt-get (to download, nothing is installed), python3-pil, python3-numpy and vorbis-tools.
# Usage: make_all.sh [CACHE]   (CACHE keeps the downloaded packages; a temporary folder by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data=$here/../data
cache=${1:-$(mktemp -d)}
python=/usr/bin/python3  # Debian's, where python3-pil and python3-numpy live
bash "$here/sources.sh" "$cache"
$python "$here/photos.py" "$cache" "$data"
$python "$here/banner.py" "$cache" "$data"
$python "$here/textures.py" "$data"
$python "$here/rifle.py" "$data"
$python "$here/icons.py" "$data"
$python "$here/fire.py" "$data"
$python "$here/sounds.py" "$data"  # needs oggenc (vorbis-tools)
bash "$here/fonts.sh" "$cache" "$data"
