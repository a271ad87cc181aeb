#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack and checks it: it holds exactly the files that
# `cmake --install` installs (install_manifest.txt), under /usr, and depends on the Qt libraries
# and display plugins the program needs.
# Usage: check-package.sh BUILD_DIR INSTALL_WORK_DIR WORK_DIR
source "$(dirname "$0")/lib.sh"
build_dir=$1 tree=$2 work=$3
require_tools cpack dpkg-deb dpkg-shlibdeps

rm -rf "$work"
mkdir -p "$work"
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack could not build the package: $(cat "$work/cpack.log")"
packages=("$work"/orvane_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single orvane_*.deb in $work"
deb=${packages[0]}

field() {
  dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = orvane ] || fail "the package is called '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
  fail "the package is for '$(field Architecture)', not $(dpkg --print-architecture)"
depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libstdc++6 libc6; do
  [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
    fail "the package does not depend on $library: Depends: $depends"
done

# Regular files and links in the package, without the leading "./"; a link with its target.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 ($7 == "->" ? " -> " $8 : "") }' |
  sort >"$work/package-files"
prefix=$tree/prefix
while IFS= read -r installed || [ -n "$installed" ]; do
  relative=${installed#"$prefix"/}
  if [ -L "$installed" ]; then
    echo "usr/$relative -> $(readlink "$installed")"
  else
    echo "usr/$relative"
  fi
done <"$tree/install_manifest.txt" | sort >"$work/installed-files"
[ -s "$work/installed-files" ] || fail "install_manifest.txt lists no files"

missing=$(comm -23 "$work/installed-files" "$work/package-files")
[ -z "$missing" ] || fail "installed by cmake --install but not in the package: $missing"
extra=$(comm -13 "$work/installed-files" "$work/package-files")
[ -z "$extra" ] || fail "in the package but not installed by cmake --install: $extra"
echo "$(basename "$deb") holds the $(wc -l <"$work/installed-files") installed files; Depends: $depends"
