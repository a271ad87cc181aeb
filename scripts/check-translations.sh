#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails, naming the texts, when a translation (translations/orvane_LL.ts) lacks a finished
# translation of a text the program shows: one new in the sources, one still marked unfinished,
# or one that has vanished from the sources. lupdate reads the sources into a copy of each file;
# the committed files are left as they are (README, "Adding a language", says how to update one).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh qt6-base-dev-tools qt6-l10n-tools python3
lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for ts in translations/orvane_*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none src -ts "$copy"
  if ! python3 - "$copy" "$ts" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

copy, committed = sys.argv[1:]
problems = []
for context in ET.parse(copy).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
        state = translation.get("type")
        if state is None and not all(forms):
            state = "empty"
        if state is not None:
            problems.append(f"  {context.findtext('name')}: {message.findtext('source')!r} ({state})")
if problems:
    print(f"{committed}: no finished translation of", *problems, sep="\n", file=sys.stderr)
    sys.exit(1)
PYTHON
  then
    failed=1
  fi
done
exit $failed
