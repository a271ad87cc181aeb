#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Orvane with its tests and runs every test.
# Options: --werror (warnings are errors), --sanitize (AddressSanitizer and UBSan build).
set -euo pipefail
cd "$(dirname "$0")"

build_dir=build
cmake_options=(-DORVANE_BUILD_TESTS=ON)
for option in "$@"; do
  case "$option" in
    --werror) cmake_options+=(-DORVANE_WERROR=ON) ;;
    --sanitize) build_dir=build-sanitize; cmake_options+=(-DORVANE_SANITIZE=ON) ;;
    *) echo "Unknown option: $option" >&2; exit 2 ;;
  esac
done

# The install checks (tests/install) also run the installed program under a private X server
# and validate the desktop files; the desktop portal tests start a private dbus-daemon, on which
# an end-to-end test reads the program as a screen reader does (AT-SPI); one end-to-end test
# traces the program's saves with strace; the Wayland end-to-end test runs a headless sway
# session with the real desktop portal; the palette end-to-end test reads the exported
# stylesheet with tinycss2 and imports a palette that GIMP ships (gimp-data holds only data
# files); lintian checks the Debian package.
scripts/ensure-packages.sh xvfb xdotool desktop-file-utils appstream shared-mime-info file dbus \
  at-spi2-core python3-pyatspi strace sway swaybg xwayland grim slurp pipewire \
  xdg-desktop-portal xdg-desktop-portal-wlr qt6-wayland python3-gi python3-tinycss2 gimp-data \
  lintian
scripts/build.sh "$build_dir" "${cmake_options[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
