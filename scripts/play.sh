#!/usr/bin/env bash
# Fresh Debian 12: installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target valdorn5
exec ./build/release/valdorn5
