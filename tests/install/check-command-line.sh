#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the installed command without any display, as from a text console: --help and --version
# answer on standard output with status 0, Qt's own options before them are passed over, and an
# unknown option gets one line on standard error and status 2.
# Usage: check-command-line.sh INSTALL_WORK_DIR WORK_DIR BINDIR VERSION
source "$(dirname "$0")/lib.sh"
command=$1/prefix/$3/orvane work=$2 version=$4

rm -rf "$work"
mkdir -p "$work"
cd "$work"

# Runs the command with ARGUMENTS and checks its exit status; its output is in out and err.
run() {
  local expected_status=$1
  shift
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    "$command" "$@" >out 2>err || status=$?
  [ "$status" -eq "$expected_status" ] ||
    fail "orvane $* ended with status $status, not $expected_status: $(cat out err)"
}

run 0 --help
grep -q -x -F 'Usage: orvane [SCHEME-FILE]' out || fail "--help prints no usage line: $(cat out)"
grep -q -F 'man orvane' out || fail "--help does not point to the manual page: $(cat out)"
[ ! -s err ] || fail "--help wrote to standard error: $(cat err)"

for arguments in --version "--platform offscreen --version" "-reverse --version"; do
  read -r -a words <<<"$arguments"
  run 0 "${words[@]}"
  [ "$(cat out)" = "Orvane $version" ] || fail "orvane $arguments printed '$(cat out)', not 'Orvane $version'"
done

run 2 --frob
[ ! -s out ] || fail "an unknown option printed to standard output: $(cat out)"
[ "$(wc -l <err)" -eq 1 ] && grep -q -F "'--frob'" err ||
  fail "an unknown option did not give one line naming it on standard error: $(cat err)"
echo "command line answers as expected"
