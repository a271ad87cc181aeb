#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds Orvane. Usage: scripts/build.sh BUILD_DIR [CMAKE_OPTIONS...]
set -euo pipefail

build_dir=$1
shift
cmake -S "$(dirname "$0")/.." -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
