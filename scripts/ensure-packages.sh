#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Orvane needs to build, run and test, skipping those already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # lrelease and lupdate, with the CMake package that runs lrelease (Qt6LinguistTools), and
  # Qt's own translations for its dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  # FuzzedDataProvider.h, with which the tests replay the fuzz inputs
  libclang-rt-14-dev
  fonts-dejavu-core
  xvfb xauth xdotool xclip imagemagick python3
  fp-utils dpkg-dev
  libxcb1-dev libxcb-shm0-dev x11-xserver-utils
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
