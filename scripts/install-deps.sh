#!/usr/bin/env bash
# Installs the Debian packages Kelvo needs to build, test and run, and only those that are missing,
# so that a warm run costs a few milliseconds. The package lists are refreshed only when something
# has to be installed (a fresh machine may have none).
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev libxkbcommon-dev libxkbcommon-x11-dev libwayland-dev pkgconf
  qt6-speech-dev qt6-declarative-dev
  qt6-translations-l10n qt6-wayland
  libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev
  fonts-ipafont-gothic
  desktop-file-utils appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
