#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the installed desktop entry and scheme-file type: the entry is valid, starts the
# installed command with the file and names the installed icon, and the shared MIME and desktop
# databases built from the installed files map *.vrx to application/x-orvane-scheme ("Orvane
# File") and that type to the entry.
# Usage: check-desktop-entry.sh INSTALL_WORK_DIR WORK_DIR BINDIR PROGRAMDIR DATADIR
source "$(dirname "$0")/lib.sh"
prefix=$1/prefix work=$2 bindir=$3 datadir=$5
require_tools desktop-file-validate update-desktop-database update-mime-database file

app_id=org.orvane.Orvane
mime_type=application/x-orvane-scheme
share=$prefix/$datadir
entry=$share/applications/$app_id.desktop

report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects $entry: $report"
if grep -q -E '(error|warning):' <<<"$report"; then
  fail "desktop-file-validate complains about $entry: $report"
fi

key() {
  sed -n "s/^$1=//p" "$entry"
}
[ "$(key Type)" = Application ] || fail "the entry is not of type Application"
read -r -a exec_words <<<"$(key Exec)"
[ "${exec_words[0]}" = orvane ] || fail "the entry starts '${exec_words[0]}', not the orvane command"
[ -x "$prefix/$bindir/orvane" ] || fail "the entry's command orvane is not installed on $bindir"
[[ " ${exec_words[*]:1} " == *" %f "* ]] || fail "the entry's Exec line does not pass a file (%f)"
[ "$(key Icon)" = "$app_id" ] || fail "the entry's icon is '$(key Icon)', not $app_id"
icon=$share/icons/hicolor/scalable/apps/$app_id.svg
file -b "$icon" | grep -q SVG || fail "$icon is not an SVG image"
[[ ";$(key MimeType)" == *";$mime_type;"* ]] || fail "the entry does not take $mime_type"

rm -rf "$work"
mkdir -p "$work"
cp -a "$share/mime" "$share/applications" "$work/"
update-mime-database "$work/mime" >"$work/update-mime-database.log" 2>&1 ||
  fail "update-mime-database rejects the installed file type: $(cat "$work/update-mime-database.log")"
grep -q -x -F "50:$mime_type:*.vrx" "$work/mime/globs2" ||
  fail "the MIME database does not map *.vrx to $mime_type: $(grep -F vrx "$work/mime/globs2" || echo none)"
grep -q -F '<comment>Orvane File</comment>' "$work/mime/${mime_type}.xml" ||
  fail "$mime_type is not named \"Orvane File\""
grep -q -x -F "$mime_type:$app_id" "$work/mime/icons" ||
  fail "the file type does not show the $app_id icon"

update-desktop-database "$work/applications" >"$work/update-desktop-database.log" 2>&1 ||
  fail "update-desktop-database fails: $(cat "$work/update-desktop-database.log")"
grep -q -x -F "$mime_type=$app_id.desktop;" "$work/applications/mimeinfo.cache" ||
  fail "the desktop database does not open $mime_type with $app_id.desktop"
echo "desktop entry and file type are in order"
