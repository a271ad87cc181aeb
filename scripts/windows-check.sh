#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds the layers without Qt (colour, core, the plain part of filedialog with the Win32
# dialog backend, the web page builder) and their tests for 64-bit Windows with MinGW-w64 in
# build-windows/, and runs the tests under Wine on a private X display. Runs alone, and
# ./test.sh runs it as the ctest test windows-check. Exits with 77, after one line saying so,
# where Wine cannot start.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh g++-mingw-w64-x86-64-posix mingw-w64 googletest wine wine64
build_dir=build-windows
# The compilers are chosen once, when the folder is made.
toolchain=()
[ -f "$build_dir/CMakeCache.txt" ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake)
# Warnings are errors here always, as a second configuration would rebuild everything. -O2 as in
# the program's own build: at -O3, GCC 12 wrongly warns of overlapping copies in std::string.
cmake -S . -B "$build_dir" -G Ninja "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DORVANE_WERROR=ON >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

export WINEPREFIX=$PWD/$build_dir/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml,winedbg.exe=
if ! wineboot --init >"$build_dir/wineboot.log" 2>&1; then
  echo "windows-check: skipped, Wine cannot start here (see $build_dir/wineboot.log)"
  exit 77
fi
# Wine's desktop, started without a display for wineboot, would show no dialog: it goes first.
wineserver --wait
# On the private display: one server, and the services Wine starts with it, for the whole run.
# A server that idles out between two tests resets the connection of the test starting at that
# moment, and services started by a test would hold its output open; theirs goes to the log.
status=0
xvfb-run -a bash -c '
  wineserver --persistent
  wineboot >>"$1/wineboot.log" 2>&1
  status=0
  ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" --timeout 120 || status=$?
  wineserver --kill
  wineserver --wait
  exit $status' bash "$build_dir" || status=$?
exit $status
