#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs lintian, with its informational, pedantic and experimental tags, on the Debian package
# check-package.sh built, and fails on every tag but those accepted below, each for its reason.
# lintian also renders the manual page with groff's warnings on and reports each one.
# Usage: check-lintian.sh PACKAGE_WORK_DIR SANITIZED
#   SANITIZED  1 when the program was built with the sanitizers, else 0
source "$(dirname "$0")/lib.sh"
work=$1 sanitized=$2
require_tools lintian

packages=("$work"/orvane_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "no single orvane_*.deb in $work"
deb=${packages[0]}

# Whole lines of lintian's report, as extended regular expressions. The program folder is
# lib/orvane, or lib/<multiarch triplet>/orvane when configured with the prefix /usr.
program_folder='usr/lib/([^/]+/)?orvane'
accepted=(
  # lintian takes these for documentation, which belongs under /usr/share/doc: but the program
  # reads tips.txt (and tips_LL.txt for other languages) from its own folder, and the guide as
  # web pages, for reading without a CHM viewer, lies beside help.chm, which F1 opens from there.
  "I: orvane: package-contains-documentation-outside-usr-share-doc \[$program_folder/(tips(_[a-z]+)?\.txt|help/[a-z-]+\.html)\]"
  # The program lives in a folder of its own with the files it reads, which /usr/bin/orvane
  # links to; this experimental tag would move it to /usr/libexec.
  "X: orvane: executable-in-usr-lib \[$program_folder/orvane\]"
)
if [ "$sanitized" = 1 ]; then
  # A sanitizer build does without the C library's checked functions (_FORTIFY_SOURCE): the
  # sanitizers check memory their own way. Such a package is for testing, never for release.
  accepted+=("I: orvane: hardening-no-fortify-functions \[$program_folder/orvane\]")
fi

status=0
lintian --pedantic --display-info --display-experimental "$deb" >"$work/lintian.txt" 2>"$work/lintian.log" ||
  status=$?
# 1 is a failure to run; 2 means that lintian found tags of the level that fails by default.
[ "$status" -ne 1 ] || fail "lintian could not check $deb: $(cat "$work/lintian.log")"
unexpected=$(grep -v -x -E -f <(printf '%s\n' "${accepted[@]}") "$work/lintian.txt" || true)
[ -z "$unexpected" ] || fail "lintian reports on $(basename "$deb"):"$'\n'"$unexpected"
echo "lintian accepts $(basename "$deb") ($(wc -l <"$work/lintian.txt") accepted tags)"
