#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails, naming the files, when a source file of the tree does not carry the licence line.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.cmake' '*.sh' '*.py' '*CMakeLists.txt' .ci/run)
missing=()
for file in "${files[@]}"; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT'; then
    missing+=("$file")
  fi
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "No 'SPDX-License-Identifier: MIT' line near the top:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
