# SPDX-License-Identifier: MIT
# Helpers shared by the install checks, which source this file.

set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (./test.sh installs it)"
  done
}

# Polls COMMAND until it succeeds. A hung program is stopped by the ctest timeout; the bound here
# only keeps a failed start from waiting that long.
wait_until() {
  local what=$1
  shift
  local attempt
  for attempt in $(seq 1 600); do
    if "$@"; then
      return 0
    fi
    sleep 0.2
  done
  fail "gave up waiting for $what"
}
