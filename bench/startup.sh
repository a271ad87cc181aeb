#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times Orvane's start-up to the main window's first paint, and its peak memory, against a bare
# Qt window, on one virtual X screen for all runs. Builds in Release in build-bench/.
# Usage: bench/startup.sh [--runs N]. BUILD_DIR picks the build folder (build-bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build-bench}

"$root/scripts/ensure-packages.sh" xvfb xauth python3
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF \
  -DORVANE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target orvane bare_window
xvfb-run -a -s "-screen 0 1920x1080x24" \
  python3 "$root/bench/startup.py" --bin "$build_dir/bin" "$@"
