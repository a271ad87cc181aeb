#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a source file includes a header of a higher layer, or when a plain C++ layer
# includes Qt. The layers, lowest first; folders on one line are side by side.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A rank=([colour]=0 [core]=1 [widgets]=2 [filedialog]=3 [webpreview]=3 [toolwindows]=3
                 [mainwindow]=4 [app]=5)
plain_files=(colour/* core/* filedialog/cFileDlg.* filedialog/FileFilter.* filedialog/SelectionText.*
             filedialog/DialogChoice.h filedialog/DialogRecord.h filedialog/FileDialogBackend.h
             filedialog/Win32FileDialogBackend.* webpreview/WebPage.*)
failed=0

for folder in "${!rank[@]}"; do
  while IFS=: read -r file included; do
    layer=${included%%/*}
    if [ -z "${rank[$layer]+set}" ]; then
      echo "$file includes $included from an unknown folder" >&2
      failed=1
    elif [ "${rank[$layer]}" -gt "${rank[$folder]}" ]; then
      echo "$file includes $included from the higher layer $layer" >&2
      failed=1
    fi
  done < <(grep -HoE '^#include "[a-z]+/[^"]+"' "$folder"/*.h "$folder"/*.cpp | sed 's/#include "//; s/"$//')
done

for file in "${plain_files[@]}"; do
  case "$file" in *.h | *.cpp) ;; *) continue ;; esac
  if grep -qE '^#include <Q' "$file"; then
    echo "$file is plain C++ but includes Qt" >&2
    failed=1
  fi
done
exit $failed
