#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the help document: help.chm beside the built program is the freshly compiled one, a CHM
# file that holds every page of the guide with its contents and index, and the guide's links all
# lead to pages of the guide.
# Usage: check-help.sh HELP_CHM_BESIDE_PROGRAM COMPILED_HELP_CHM HELP_SOURCE_DIR PAGE...
source "$(dirname "$0")/lib.sh"
chm=$1 compiled=$2 sources=$3
shift 3
pages=("$@")

[ -s "$chm" ] || fail "$chm is missing or empty"
cmp -s "$chm" "$compiled" || fail "$chm is not a copy of the compiled $compiled"
[ "$(head -c 4 "$chm")" = ITSF ] || fail "$chm does not begin with the signature of a CHM file"

listed() {
  local page
  for page in "${pages[@]}"; do
    [ "$page" = "$1" ] && return 0
  done
  return 1
}

# The CHM's directory keeps the names of the files it holds as plain text.
for page in "${pages[@]}" toc.hhc index.hhk; do
  grep -q -a -F "/$page" "$chm" || fail "help.chm does not hold $page"
done

for html in "$sources"/*.html; do
  listed "$(basename "$html")" || fail "$(basename "$html") is in $sources but not part of the guide"
done

for file in "${pages[@]}" toc.hhc index.hhk; do
  [ -f "$sources/$file" ] || fail "$file is part of the guide but missing from $sources"
  case "$file" in
    *.css) continue ;;
  esac
  targets=$(grep -o -i -E '(href="[^"]*"|name="Local" value="[^"]*")' "$sources/$file" |
    sed -E 's/^(href|name="Local" value)="//I; s/"$//; s/#.*$//')
  for target in $targets; do
    case "$target" in
      "" | http://* | https://* | mailto:*) continue ;;
    esac
    listed "$target" || fail "$file links to $target, which is not a page of the guide"
  done
done
echo "help.chm holds ${#pages[@]} files; every link leads to a page of the guide"
