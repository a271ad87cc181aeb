#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix and checks the layout: the program with the files it
# reads in a folder of its own, a relative `orvane` command on bin/, and the desktop files.
# Usage: install-tree.sh BUILD_DIR WORK_DIR BINDIR PROGRAMDIR DATADIR TIPS_FILE HELP_CHM
# The later checks use WORK_DIR/prefix and WORK_DIR/install_manifest.txt.
source "$(dirname "$0")/lib.sh"
build_dir=$1 work=$2 bindir=$3 programdir=$4 datadir=$5 tips=$6 help_chm=$7
require_tools file

rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix"
cp "$build_dir/install_manifest.txt" "$work/install_manifest.txt"

while IFS= read -r installed || [ -n "$installed" ]; do
  [ -e "$installed" ] || [ -L "$installed" ] || fail "listed in install_manifest.txt but missing: $installed"
done <"$work/install_manifest.txt"

command_link=$prefix/$bindir/orvane
[ -L "$command_link" ] || fail "$bindir/orvane is not a symbolic link"
target=$(readlink "$command_link")
case "$target" in
  /*) fail "$bindir/orvane points to the absolute path $target; it must be relative" ;;
esac
[ "$(realpath "$command_link")" = "$(realpath "$prefix/$programdir/orvane")" ] ||
  fail "$bindir/orvane leads to $(realpath "$command_link"), not to $programdir/orvane"
file -L "$command_link" | grep -q 'ELF.*executable' || fail "$bindir/orvane is not an executable: $(file -L "$command_link")"

for beside in tips.txt tips_de.txt orvane_de.qm help.chm help/index.html; do
  [ -s "$prefix/$programdir/$beside" ] || fail "$programdir/$beside is missing or empty"
done
cmp -s "$prefix/$programdir/tips.txt" "$tips" || fail "the installed tips.txt is not $tips"
cmp -s "$prefix/$programdir/help.chm" "$help_chm" || fail "the installed help.chm is not the compiled $help_chm"

for shared in applications/org.orvane.Orvane.desktop \
  icons/hicolor/scalable/apps/org.orvane.Orvane.svg \
  metainfo/org.orvane.Orvane.metainfo.xml \
  mime/packages/org.orvane.Orvane.xml; do
  [ -s "$prefix/$datadir/$shared" ] || fail "$datadir/$shared is missing or empty"
done
echo "installed into $prefix"
