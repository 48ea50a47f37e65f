#!/usr/bin/env bash
# Installs the Debian 12 packages Tallyvale needs that are not there yet.
# Idempotent and non-interactive; runs apt-get as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev
  libgtest-dev libbenchmark-dev libmuparser-dev
  fonts-liberation2 fonts-comic-neue fonts-urw-base35
  poppler-utils xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
