#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Tallyvale.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target tallyvale

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show Tallyvale on (neither DISPLAY nor WAYLAND_DISPLAY is set)."
  echo "Start it on a virtual display instead:"
  echo "    xvfb-run -a -s '-screen 0 1280x1024x24' build-release/tallyvale"
  exit 1
fi
exec build-release/tallyvale
