#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Orvane and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
scripts/build.sh build -DORVANE_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: to run Orvane without one, use  xvfb-run -a ./build/bin/orvane  (Debian package xvfb)." >&2
  exit 1
fi
exec build/bin/orvane "$@"
