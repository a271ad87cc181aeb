# SPDX-License-Identifier: MIT
"""The palette files Orvane exports, read with tools of their own, and palettes imported into
the Palette window: Orvane's own exports and one that GIMP ships (Debian's gimp-data)."""

import json
import struct
import subprocess
from pathlib import Path

import record
from desktop import Failure, wait_for

START_COLOUR = "3323E7"
GIMP_PALETTE = Path("/usr/share/gimp/2.0/palettes/Tango.gpl")
# Debian's own Python, which finds Debian's python3-tinycss2.
SYSTEM_PYTHON = "/usr/bin/python3"

# The page colours a first run starts with, in the order the export lists them.
PAGE_COLOURS = [
    ("Header bar", "headerBar", "4132D1"), ("Side bar", "sideBar", "7DBD21"),
    ("Body box", "bodyBox", "FFFFFF"), ("Page background", "pageBackground", "FF8700"),
    ("Page title", "pageTitle", "000000"), ("Header text", "headerText", "FFFFFF"),
    ("Links", "links", "000000"), ("Body caption", "bodyCaption", "1A4D80"),
    ("Body text", "bodyText", "000000"),
]


def expected_palette(scheme):
    """(name, RRGGBB) of every colour the start scheme exports, in order; a first run keeps no
    favourites."""
    return ([("Current", START_COLOUR)]
            + [(f"Scheme {index + 1}", colour) for index, colour in enumerate(scheme)]
            + [(name, colour) for name, _, colour in PAGE_COLOURS])


def read_gpl(path):
    """Name and colours of a GIMP Palette, read from its text."""
    lines = path.read_text(encoding="utf-8").split("\n")
    if lines[0] != "GIMP Palette" or lines[-1] != "":
        raise Failure(f"{path} does not start with the GIMP Palette line or end with a line end")
    name, colours = None, []
    for line in lines[1:-1]:
        if line.startswith("Name: "):
            name = line[len("Name: "):]
        elif line and not line.startswith(("#", "Columns: ")):
            channels, label = line.split("\t", 1)
            colours.append((label, "%02X%02X%02X" % tuple(int(c) for c in channels.split())))
    return name, colours


def read_css(path):
    """The custom properties of the one :root rule as (name, RRGGBB), read by tinycss2."""
    reader = Path(__file__).with_name("read_stylesheet.py")
    output = subprocess.run([SYSTEM_PYTHON, "-B", str(reader), str(path)], check=True,
                            stdout=subprocess.PIPE).stdout
    rules = json.loads(output)
    if len(rules) != 1 or (rules[0]["type"], rules[0]["prelude"]) != ("qualified-rule", ":root"):
        raise Failure(f"{path} holds {rules}, not one :root rule")
    return [(name, hashes[0] if kind == "declaration" and len(hashes) == 1 else None)
            for kind, name, hashes in rules[0]["declarations"]]


def read_ase(path):
    """(name, RRGGBB) of every colour entry of an Adobe Swatch Exchange file."""
    data = path.read_bytes()
    signature, major, minor, count = struct.unpack(">4sHHI", data[:12])
    if (signature, major, minor) != (b"ASEF", 1, 0):
        raise Failure(f"{path} starts with {data[:8]!r}")
    at, colours = 12, []
    for _ in range(count):
        kind, length = struct.unpack(">HI", data[at:at + 6])
        block = data[at + 6:at + 6 + length]
        at += 6 + length
        if kind != 0x0001:
            raise Failure(f"{path} holds a block of kind {kind:#06x} in a flat palette")
        units, = struct.unpack(">H", block[:2])
        name = block[2:2 + 2 * units].decode("utf-16-be")
        model = block[2 + 2 * units:6 + 2 * units]
        values = struct.unpack(">3f", block[6 + 2 * units:18 + 2 * units])
        colour_type, = struct.unpack(">H", block[18 + 2 * units:20 + 2 * units])
        if not name.endswith("\0") or model != b"RGB " or colour_type != 2 or len(block) != 20 + 2 * units:
            raise Failure(f"{path} holds the entry {block!r}")
        colours.append((name[:-1], "%02X%02X%02X" % tuple(round(v * 255) for v in values)))
    if at != len(data):
        raise Failure(f"{path} holds {len(data) - at} bytes after its blocks")
    return colours


def check_exports(folder, scheme):
    expected = expected_palette(scheme)
    name, colours = read_gpl(folder / "scheme.gpl")
    if (name, colours) != ("Orvane " + START_COLOUR, expected):
        raise Failure(f"scheme.gpl holds {name!r}, {colours}")
    properties = read_css(folder / "sheet.css")
    wanted = [("--orvane-" + n.lower().replace(" ", "-"), c) for n, c in expected]
    if properties != wanted:
        raise Failure(f"sheet.css holds {properties}\nexpected {wanted}")
    data = json.loads((folder / "data.json").read_text(encoding="utf-8"))
    wanted = {"name": "Orvane " + START_COLOUR, "current": "#" + START_COLOUR, "mode": "wheel",
              "scheme": ["#" + c for c in scheme], "favorites": [None] * 5,
              "webPage": {key: "#" + c for _, key, c in PAGE_COLOURS}}
    if data != wanted or list(data) != list(wanted):
        raise Failure(f"data.json holds {data}")
    if read_ase(folder / "swatches.ase") != expected:
        raise Failure(f"swatches.ase holds {read_ase(folder / 'swatches.ase')}")


def swatch_checks(desktop, window, colours, columns):
    """Where each colour should show in the Palette window: 24-pixel swatches four pixels
    apart, inside the frame of the scrolling area."""
    x, y, _, _ = desktop.geometry(window)
    return [(f"swatch {index + 1}", (x + 15 + index % columns * 28, y + 15 + index // columns * 28),
             colour) for index, colour in enumerate(colours)]


def open_through_dialog(case, keys, path):
    program, desktop = case.program, case.desktop
    program.focus_main()
    desktop.key(keys)
    dialog = program.wait_for_file_dialog()
    desktop.focus(dialog)
    desktop.type(str(path))
    desktop.key("Return")
    desktop.wait_until_gone(dialog, "the file dialog to close")


def palette_export_and_import(case):
    """The start scheme exported in all four formats (GIMP Palette typed without extension),
    each read by a tool of its own and imported back into the Palette window; then a palette
    that GIMP ships is imported and a click on it sets the current colour."""
    desktop, program = case.desktop, case.program
    case.prepare_settings(record.quiet_start())
    case.start()
    folder = case.work / "palettes"
    folder.mkdir()
    names = ["scheme", "sheet.css", "data.json", "swatches.ase"]
    for name in names:
        open_through_dialog(case, "ctrl+e", folder / name)
        file = folder / (name if "." in name else name + ".gpl")
        wait_for(f"{file} to be written", file.exists, bool)
    scheme = case.expected.scheme(START_COLOUR)
    check_exports(folder, scheme)

    colours = [colour for _, colour in expected_palette(scheme)]
    # Only a GIMP Palette says how many colours a row holds; the others show eight.
    for name, title, columns in [("scheme.gpl", "Orvane 3323E7", 4), ("sheet.css", "sheet", 8),
                                 ("data.json", "Orvane 3323E7", 8),
                                 ("swatches.ase", "swatches", 8)]:
        open_through_dialog(case, "ctrl+i", folder / name)
        window = desktop.wait_for_window(f"^{title}( |$)", f"the Palette window showing {name}")
        desktop.rest_pointer()
        desktop.expect_patches(swatch_checks(desktop, window, colours, columns))

    _, tango = read_gpl(GIMP_PALETTE)
    open_through_dialog(case, "ctrl+i", GIMP_PALETTE)
    window = desktop.wait_for_window("^Tango Icon Theme( |$)", "the Palette window with Tango")
    desktop.rest_pointer()
    checks = swatch_checks(desktop, window, [c for _, c in tango], 3)
    desktop.expect_patches(checks)
    picked = tango[4][1]
    desktop.click(*checks[4][1])
    desktop.hold_selection("clipboard")
    program.focus_main()
    desktop.key("ctrl+shift+c")  # copies HEX until another form is chosen
    desktop.expect_selection("clipboard", picked)
    program.exit_with_ctrl_q()
