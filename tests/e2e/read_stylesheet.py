# SPDX-License-Identifier: MIT
"""Reads a stylesheet with tinycss2 for the end-to-end tests and prints, as one JSON list, the
rule preludes and, for each declaration, its name and the hash tokens of its value. Runs under
Debian's /usr/bin/python3, where python3-tinycss2 lives; the tests themselves may run under
another Python.

usage: read_stylesheet.py FILE
"""

import json
import sys

import tinycss2


def main():
    with open(sys.argv[1], encoding="utf-8") as sheet:
        rules = tinycss2.parse_stylesheet(sheet.read(), skip_whitespace=True, skip_comments=True)
    read = []
    for rule in rules:
        declarations = tinycss2.parse_declaration_list(rule.content or [], skip_whitespace=True)
        read.append({
            "type": rule.type,
            "prelude": tinycss2.serialize(rule.prelude).strip(),
            "declarations": [[d.type, getattr(d, "name", None),
                              [t.value for t in getattr(d, "value", []) if t.type == "hash"]]
                             for d in declarations],
        })
    json.dump(read, sys.stdout)


if __name__ == "__main__":
    main()
