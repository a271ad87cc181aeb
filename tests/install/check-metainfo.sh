#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Validates the installed AppStream metainfo (no issue, and only the one pedantic hint accepted
# below) and checks that it describes the installed program: its desktop entry, command and
# scheme-file type, its licence, a description and a screenshot.
# Usage: check-metainfo.sh INSTALL_WORK_DIR BINDIR PROGRAMDIR DATADIR
source "$(dirname "$0")/lib.sh"
prefix=$1/prefix datadir=$4
require_tools appstreamcli

app_id=org.orvane.Orvane
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
[ -s "$metainfo" ] || fail "$metainfo is missing"

# --strict fails on every issue above the pedantic level.
report=$(appstreamcli validate --no-net --strict --pedantic "$metainfo" 2>&1) ||
  fail "appstreamcli rejects $metainfo: $report"
# The ID's capitals are those of the desktop entry, icon and file type installed under it.
hints=$(grep -E '^[A-Z]: ' <<<"$report" |
  grep -v -x -E "P: $app_id:[0-9]+: cid-contains-uppercase-letter $app_id" || true)
[ -z "$hints" ] || fail "appstreamcli remarks on $metainfo: $hints"

contains() {
  grep -q -F "$1" "$metainfo" || fail "the metainfo lacks $1"
}
contains "<id>$app_id</id>"
contains "<launchable type=\"desktop-id\">$app_id.desktop</launchable>"
contains "<binary>orvane</binary>"
contains "<mediatype>application/x-orvane-scheme</mediatype>"
contains "<project_license>MIT</project_license>"
contains "<description>"
contains "<screenshot type=\"default\">"
[ -f "$prefix/$datadir/applications/$app_id.desktop" ] || fail "the metainfo's desktop entry is not installed"
echo "metainfo is valid"
