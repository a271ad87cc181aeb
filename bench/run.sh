#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks and runs them on a virtual 3840 × 2160 X screen, so that the desktop
# snapshot goes through the real grab path at that size.
# Usage: bench/run.sh [benchmark options...]. BUILD_DIR picks the build folder (build-bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build-bench}

"$root/scripts/ensure-packages.sh" xvfb xauth
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF \
  -DORVANE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target orvane_bench
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 3840x2160x24" "$build_dir/bin/orvane_bench" "$@"
