#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs one end-to-end test of Orvane: the built program in a fresh folder on a private X
server, driven with the keyboard and mouse, checked by the pixels on the screen, the clipboard
and the files it writes.

usage: run_case.py --program BUILD/bin/orvane --work FOLDER CASE
"""

import argparse
import re
import shutil
import sys
import traceback
from pathlib import Path

import languages
import palettes
import record
from desktop import (Desktop, Expected, Failure, MainWindowLayout, Program, ScreenReader,
                     wait_for)

START_COLOUR = "3323E7"  # 51, 35, 231

# The page the Web Preview saves for its default colours, byte for byte.
DEFAULT_WEB_PAGE = (
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "<TITLE>Orvane - Web Page Color Preview</TITLE>\r\n"
    "</HEAD>\r\n"
    "<BODY BGCOLOR=#FF8700 LINK=#000000 VLINK=#000000 style=font-family>\r\n"
    "<center><b><font color=#000000>Web Page Color Preview</font></b></center><BR>\r\n"
    "<TABLE WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0 BGCOLOR=#000000>\r\n"
    "<TR>\r\n"
    "<TD>\r\n"
    "<TABLE WIDTH=100% CELLSPACING=1 CELLPADDING=6 BORDER=0>\r\n"
    "<TR>\r\n"
    "<TD COLSPAN=2 WIDTH=100% BGCOLOR=#4132D1><b><font color=#FFFFFF>Header Text</font></b>"
    "</TD>\r\n"
    "</TR>\r\n"
    "<TR>\r\n"
    "<TD WIDTH=20% HEIGHT=140 BGCOLOR=#7DBD21 VALIGN=TOP><p style=line-height:150%><font size=2>"
    "<A HREF=#>Link 1</A><BR><A HREF=#>Link 2</A><BR><A HREF=#>Link 3</A><BR>"
    "<A HREF=#>Link 4</A></font></p></TD>\r\n"
    "<TD WIDTH=80% BGCOLOR=#FFFFFF VALIGN=TOP><b><font color=#1A4D80>Body Caption</font></b><BR>"
    "<font size=2 color=#000000>This is the main text of the body of your page.</font></TD>\r\n"
    "</TR>\r\n"
    "</TABLE>\r\n"
    "</TD>\r\n"
    "</TR>\r\n"
    "</TABLE>\r\n"
    "</BODY>\r\n"
    "</HTML>\r\n"
).encode("ascii")


class Case:
    """What every test has at hand."""

    def __init__(self, desktop, program, expected, work):
        self.desktop = desktop
        self.program = program
        self.expected = expected
        self.work = work

    def prepare_settings(self, settings):
        self.program.settings_file.write_bytes(settings.encode())

    def start(self, *arguments):
        """Starts the program and waits until its main window stands alone on the screen."""
        self.program.start(*arguments)
        self.program.wait_for_main_window()
        return MainWindowLayout(self.desktop)

    def expect_colour_shown(self, layout, colour):
        """The current-colour swatch shows the colour, the scheme swatches what is derived from
        it, and Copy HEX puts it on the clipboard."""
        self.desktop.rest_pointer()
        layout.expect_colours(colour, self.expected.scheme(colour))
        self.desktop.hold_selection("clipboard")
        self.program.focus_main()
        self.desktop.key("ctrl+c")
        self.desktop.expect_selection("clipboard", colour)

    def expect_hex_box(self, layout, text):
        """What the HEX box holds, read as a user copies it: a triple click selects it all,
        which offers it as the primary selection."""
        self.desktop.hold_selection("primary")
        self.desktop.click(*layout.hex_box(), repeat=3)
        self.desktop.expect_selection("primary", text)
        self.desktop.rest_pointer()

    def read_settings(self):
        return record.Record.decode(self.program.settings_file.read_bytes())

    def expect_window_at(self, title_pattern, what, x, y):
        window = self.desktop.wait_for_window(title_pattern, what)
        wait_for(f"{what} to stand at {x}, {y}", lambda: self.desktop.geometry(window),
                 lambda geometry: geometry is not None and geometry[:2] == (x, y))
        return window


def favourite_checks(window_place, colours):
    """The favourites' swatches, from the first, in the Favorites window at window_place: 37
    pixels square, 22 from the window's left, one every 64 pixels down."""
    x, y = window_place
    return [(f"favourite {slot + 1}", (x + 40, y + 64 * slot + 18), colour)
            for slot, colour in enumerate(colours)]


def first_run(case):
    """A first run: Quick Tips over the splash, then the start colour and its scheme; the
    settings file appears only at exit and holds the first-run record."""
    program, desktop = case.program, case.desktop
    program.start()
    tips = desktop.wait_for_window("^Quick Tips", "the Quick Tips window")
    desktop.focus(tips)
    desktop.key("Escape")
    desktop.wait_until_gone(tips, "Quick Tips to close")
    program.wait_for_main_window()
    layout = MainWindowLayout(desktop)

    case.expect_window_at("^Favorites", "the Favorites window", 33, 33)
    case.expect_colour_shown(layout, START_COLOUR)
    case.expect_hex_box(layout, START_COLOUR)
    if program.settings_file.exists():
        raise Failure("myset.cfg was written before the program ended")

    program.exit_with_ctrl_q()
    written = program.settings_file.read_bytes()
    if written != record.FIRST_RUN:
        raise Failure(f"myset.cfg holds {written.hex(' ')}\nexpected {record.FIRST_RUN.hex(' ')}")
    if program.user_settings_file.exists():
        raise Failure("a first run also wrote the settings to the user's folder")


def value_entry_swatches_undo_redo(case):
    """A HEX value typed and set, a scheme swatch and a web-safe cell clicked, then Undo from
    the keyboard and Redo from the Edit menu and the toolbar."""
    desktop = case.desktop
    case.prepare_settings(record.quiet_start())
    layout = case.start()
    case.expect_colour_shown(layout, START_COLOUR)

    typed = "C06030"
    desktop.click(*layout.hex_box(), repeat=3)
    desktop.type(typed.lower())
    desktop.click(*layout.set_hex_button())
    case.expect_colour_shown(layout, typed)
    case.expect_hex_box(layout, typed)

    swatch = case.expected.scheme(typed)[4]
    desktop.click(*layout.scheme_swatch(4))
    case.expect_colour_shown(layout, swatch)

    cell = 100
    cell_colour = case.expected.web_safe(cell)
    desktop.click(*layout.web_safe_cell(cell))
    case.expect_colour_shown(layout, cell_colour)

    case.program.focus_main()
    desktop.key("ctrl+z")
    case.expect_colour_shown(layout, swatch)
    desktop.key("ctrl+z")
    case.expect_colour_shown(layout, typed)
    case.expect_hex_box(layout, typed)

    # Undo is still enabled, so the keyboard opens the Edit menu on it; Redo is the next item.
    case.program.focus_main()
    desktop.key("alt+e", "Down", "Return")
    case.expect_colour_shown(layout, swatch)
    desktop.click(*layout.toolbar_button("forward"))
    case.expect_colour_shown(layout, cell_colour)

    case.program.exit_with_ctrl_q()
    stored = record.hex_colour(case.read_settings().scheme_colour)
    if stored != cell_colour:
        raise Failure(f"myset.cfg keeps {stored} as the first scheme colour, not {cell_colour}")


def favourites_and_harmonies_survive_restart(case):
    """Favourites added and the Favorites and Harmonies windows moved; after a restart both
    windows are back where they were, showing the favourites and the harmonies."""
    desktop, program = case.desktop, case.program
    case.prepare_settings(record.quiet_start())
    layout = case.start()

    cell = 160
    cell_colour = case.expected.web_safe(cell)
    program.focus_main()
    desktop.key("ctrl+a")
    desktop.click(*layout.web_safe_cell(cell))
    case.expect_colour_shown(layout, cell_colour)
    desktop.key("ctrl+a")
    # A tool window that opens may take the keyboard: the main window gets it back each time.
    program.focus_main()
    desktop.key("ctrl+f")
    favorites = desktop.wait_for_window("^Favorites", "the Favorites window")
    program.focus_main()
    desktop.key("F6")
    harmonies = desktop.wait_for_window("^Harmonies", "the Harmonies window")
    favorites_place = (880, 40)
    harmonies_place = (640, 420)
    desktop.move_window(favorites, *favorites_place)
    desktop.move_window(harmonies, *harmonies_place)
    program.exit_with_ctrl_q()

    stored = case.read_settings()
    expected_favourites = [record.colour_value(START_COLOUR), record.colour_value(cell_colour)]
    if stored.favourites != expected_favourites + [record.NO_COLOUR] * 3:
        raise Failure(f"myset.cfg keeps the favourites {stored.favourites}")
    open_windows = [window for window, flag in enumerate(stored.tools_open) if flag == record.TRUE]
    if open_windows != [record.FAVORITES, record.HARMONIES]:
        raise Failure(f"myset.cfg keeps the open windows as {stored.tools_open}")

    layout = case.start()
    case.expect_window_at("^Favorites", "the Favorites window", *favorites_place)
    case.expect_window_at("^Harmonies", "the Harmonies window", *harmonies_place)
    # An empty slot shows light grey.
    desktop.expect_patches(favourite_checks(favorites_place, [START_COLOUR, cell_colour, "E0E0E0"]))
    # Complements: the start colour in the first square, scheme swatch 6 in the second, which
    # lies over the first's lower right part.
    scheme = case.expected.scheme(START_COLOUR)
    x, y = harmonies_place
    desktop.expect_patches([("the first harmony square", (x + 20, y + 40), scheme[0]),
                            ("the second harmony square", (x + 60, y + 80), scheme[6])])
    case.expect_colour_shown(layout, START_COLOUR)
    program.exit_with_ctrl_q()


def scheme_file_on_command_line(case):
    """A scheme file named on the command line opens after start-up: its first swatch colour
    becomes current and its Favorites window opens where the file says, with its favourites.
    After "--" the path may begin like one of the toolkit's own options and still arrive split
    at its blank."""
    desktop = case.desktop
    case.prepare_settings(record.quiet_start())
    scheme_colour = "D28C3C"
    favourites = ["12AB34", "FFFFFF", "000000", "5060F0", "A0A0A0"]
    favorites_place = (700, 300)
    scheme = record.quiet_start()
    scheme.favourites = [record.colour_value(c) for c in favourites]
    scheme.favorites_at = (record.twips(favorites_place[0]), record.twips(favorites_place[1]))
    scheme.tools_open[record.FAVORITES] = record.TRUE
    scheme.scheme_colour = record.colour_value(scheme_colour)
    # The program starts in the work folder, where the relative path is looked up.
    scheme_file = case.work / "-reverse scheme files" / "autumn.vrx"
    scheme_file.parent.mkdir()
    scheme_file.write_bytes(scheme.encode())

    layout = case.start("--", "-reverse", "scheme files/autumn.vrx")
    case.expect_window_at("^Favorites", "the Favorites window", *favorites_place)
    desktop.expect_patches(favourite_checks(favorites_place, favourites))
    case.expect_colour_shown(layout, scheme_colour)
    case.expect_hex_box(layout, scheme_colour)
    case.program.exit_with_ctrl_q()


def screen_picker(case):
    """The screen picker, from F3 and from the toolbar, takes the colour of the pixel clicked on
    the frozen screen."""
    desktop, program = case.desktop, case.program
    case.prepare_settings(record.quiet_start())
    layout = case.start()

    picker_title = "^Screen Color Picker"
    cell = 147
    cell_colour = case.expected.web_safe(cell)
    program.focus_main()
    desktop.key("F3")
    picker = desktop.wait_for_window(picker_title, "the screen picker")
    desktop.click(*layout.web_safe_cell(cell))
    desktop.wait_until_gone(picker, "the screen picker to close")
    case.expect_colour_shown(layout, cell_colour)
    case.expect_hex_box(layout, cell_colour)

    # Swatch 3 stands at the top right, well away from where the magnifier panel starts.
    swatch = case.expected.scheme(cell_colour)[3]
    desktop.click(*layout.toolbar_button("screen picker"))
    picker = desktop.wait_for_window(picker_title, "the screen picker")
    desktop.click(*layout.scheme_swatch(3))
    desktop.wait_until_gone(picker, "the screen picker to close")
    case.expect_colour_shown(layout, swatch)
    case.expect_hex_box(layout, swatch)
    program.exit_with_ctrl_q()


def screen_picker_device_pixels(case):
    """At two device pixels to a logical one, the screen picker takes the device pixel under the
    pointer, also an odd one, and the arrow keys with Enter or Space pick a chosen one. The bare
    screen is a one-pixel checkerboard: red where x + y is even, blue where it is odd."""
    desktop, program = case.desktop, case.program
    desktop.tile_root((0x01, 0x02), "FF0000", "0000FF")
    case.prepare_settings(record.quiet_start())
    program.scale = 2
    program.start()
    # The main window is twice as large; most of it goes off the screen, out of the way.
    desktop.move_window(program.wait_for_main_window(), 700, 600)

    def pick(pointer, keys, colour):
        desktop.move_pointer(*pointer)
        program.focus_main()
        desktop.key("F3")
        picker = desktop.wait_for_window("^Screen Color Picker", "the screen picker")
        if keys:
            desktop.focus(picker)
            desktop.key(*keys)
        else:
            desktop.xdotool("click", 1)
        desktop.wait_until_gone(picker, "the screen picker to close")
        desktop.hold_selection("clipboard")
        program.focus_main()
        desktop.key("ctrl+c")
        desktop.expect_selection("clipboard", colour)

    pick((401, 300), [], "0000FF")
    pick((400, 300), [], "FF0000")
    pick((300, 201), [], "0000FF")
    pick((400, 300), ["Right", "Return"], "0000FF")
    pick((400, 300), ["shift+Down", "Down", "space"], "0000FF")
    pick((400, 300), ["Left", "Up", "KP_Enter"], "FF0000")
    program.exit_with_ctrl_q()


def screen_picker_two_screens(case):
    """With a screen at one device pixel to a logical one beside a screen at two, the frozen
    screen shows every device pixel of both where it was, a click on the denser one picks the
    pixel under the pointer, and the arrow keys cross from one screen to the other. The bare
    screen is a one-pixel checkerboard: red where x + y is even, blue where it is odd."""
    desktop, program = case.desktop, case.program
    desktop.split_into_two_monitors()
    desktop.tile_root((0x01, 0x02), "FF0000", "0000FF")
    case.prepare_settings(record.quiet_start())
    program.screen_scales = (1, 2)
    program.start()
    desktop.move_window(program.wait_for_main_window(), 0, 300)

    def checkerboard(x, y):
        return "FF0000" if (x + y) % 2 == 0 else "0000FF"

    def open_picker(pointer):
        desktop.move_pointer(*pointer)
        program.focus_main()
        desktop.key("F3")
        return desktop.wait_for_window("^Screen Color Picker", "the screen picker")

    def expect_picked(picker, colour):
        desktop.wait_until_gone(picker, "the screen picker to close")
        desktop.hold_selection("clipboard")
        program.focus_main()
        desktop.key("ctrl+c")
        desktop.expect_selection("clipboard", colour)

    picker = open_picker((901, 400))
    # Away from the magnifier panel and the pointer, on both screens.
    spots = [(x, y) for x in (300, 301, 600, 601, 1000, 1001) for y in (50, 51, 700, 701)]
    wait_for("the frozen screen to show every device pixel where it was",
             lambda: [(x, y, desktop.screen().pixel(x, y)) for x, y in spots],
             lambda seen: all(colour == checkerboard(x, y) for x, y, colour in seen))
    desktop.xdotool("click", 1)
    expect_picked(picker, "0000FF")

    picker = open_picker((511, 100))
    desktop.focus(picker)
    desktop.key("Right", "Return")
    expect_picked(picker, "FF0000")
    program.exit_with_ctrl_q()


def web_page_export(case):
    """The Web Preview saves its page through the file dialog: a name typed without extension
    gets .html, and the file holds the page for the default colours."""
    desktop, program = case.desktop, case.program
    case.prepare_settings(record.quiet_start())
    case.start()

    program.focus_main()
    desktop.key("F7")
    preview = desktop.wait_for_window("^Web Preview", "the Web Preview")
    x, y, _, _ = desktop.geometry(preview)
    # "Save As Web Page" is the first button of the preview's toolbar.
    desktop.click(x + 15, y + 12)
    dialog = program.wait_for_file_dialog()
    desktop.focus(dialog)
    # An empty folder, so that the name field offers no completions to catch the Enter key.
    folder = case.work / "saved pages"
    folder.mkdir()
    desktop.type(str(folder / "colours"))
    desktop.key("Return")
    desktop.wait_until_gone(dialog, "the file dialog to close")

    page = folder / "colours.html"
    wait_for(f"{page} to be written", page.exists, bool)
    written = page.read_bytes()
    if written != DEFAULT_WEB_PAGE:
        raise Failure(f"{page} holds\n{written!r}\nexpected\n{DEFAULT_WEB_PAGE!r}")
    if sorted(p.name for p in folder.iterdir()) != ["colours.html"]:
        raise Failure(f"the folder holds {sorted(p.name for p in folder.iterdir())}")
    program.exit_with_ctrl_q()


def colour_vision_simulation(case):
    """View > Simulate Colour Vision from the keyboard: Deuteranopia draws the swatches as that
    viewer sees them and says so in the title while Ctrl+C still copies the real colour; Normal
    Vision brings back the real drawing and title."""
    desktop, program = case.desktop, case.program
    case.prepare_settings(record.quiet_start())
    layout = case.start()

    def choose(item_key, title):
        program.focus_main()
        desktop.key("alt+v", "v", item_key)
        wait_for(f"the title to read {title!r}", lambda: dict(program.visible_windows()),
                 lambda windows: windows.get(program.main_window) == title)

    # Qt appends the program's name to a title that does not end with it.
    choose("d", "Orvane (simulating deuteranopia) \u2014 Orvane")
    desktop.rest_pointer()
    layout.expect_colours(*case.expected.seen_by_deuteranope(START_COLOUR))
    desktop.hold_selection("clipboard")
    program.focus_main()
    desktop.key("ctrl+c")
    desktop.expect_selection("clipboard", START_COLOUR)

    choose("n", "Orvane")
    case.expect_colour_shown(layout, START_COLOUR)
    program.exit_with_ctrl_q()

def saved_steps(trace, home):
    """What a traced thread did in home, step by step: folders made, the new settings file
    written and synced, a file put in place under the name myset.cfg, folders synced. Steps in a
    row that are alike count once; a file linked under a temporary name is not yet in place."""
    settings_folder = home / ".config" / "orvane"
    steps = []
    for line in trace.read_text().splitlines():
        call = re.match(r"(\w+)\((.*)\)\s+= (-?\d+)", line)
        if not call or call[3] != "0" and call[1] != "write":
            continue
        name, arguments = call[1], call[2]
        quoted = re.findall(r'"([^"]*)"', arguments)
        described = re.match(r"\d+<([^>]*)>", arguments)
        path = Path(described[1] if described else quoted[0] if quoted else "")
        if name.startswith("mkdir") and quoted:
            path = Path(quoted[-1])
            step = f"make {path.relative_to(home)}" if path.is_relative_to(home) else None
        elif name in ("write", "fsync", "fdatasync") and path.parent == settings_folder:
            step = "write the new file" if name == "write" else "sync the new file"
        elif name in ("fsync", "fdatasync") and path.is_relative_to(home):
            step = f"sync the folder {path.relative_to(home)}"
        elif name.startswith(("link", "rename")) and quoted and quoted[-1].endswith("myset.cfg"):
            step = "put myset.cfg in place"
        else:
            step = None
        if step and (not steps or steps[-1] != step):
            steps.append(step)
    return steps


def settings_reach_the_disk_in_order(case):
    """A folder in myset.cfg's place sends the settings to the user's folder, which the program
    creates at exit. Traced, the save shows the order a power loss needs: each new folder is
    synced into its parent, the new file is written and synced before it is put in place, and
    the folder holding it is synced after."""
    program, desktop = case.program, case.desktop
    program.settings_file.mkdir()
    (program.home / ".config").mkdir()
    trace = case.work / "trace"
    program.start(trace=trace)
    tips = desktop.wait_for_window("^Quick Tips", "the Quick Tips window")
    desktop.focus(tips)
    desktop.key("Escape")
    program.wait_for_main_window()
    main_thread = Path(f"{trace}.{program.pid()}")
    program.exit_with_ctrl_q()

    if program.user_settings_file.read_bytes() != record.FIRST_RUN:
        raise Failure(f"{program.user_settings_file} does not hold the first-run record")
    steps = saved_steps(main_thread, program.home)
    expected = ["make .config/orvane", "sync the folder .config", "write the new file",
                "sync the new file", "put myset.cfg in place", "sync the folder .config/orvane"]
    if steps != expected:
        raise Failure(f"the save took the steps {steps}\nexpected {expected}")


def keyboard_only_session(case):
    """Without the mouse: Shift+Tab from the HEX box, where the focus starts, reaches the
    web-safe grid, whose arrows and Enter set a colour; Shift+Tab goes back to the scheme
    swatches, whose arrows and Enter pick one; Shift+F10 on that swatch adds its new colour to
    the second favourite through the popup, and Ctrl+A the current colour to the first."""
    desktop, program = case.desktop, case.program
    case.prepare_settings(record.quiet_start())
    # Parked before the program starts, the pointer never moves over it.
    desktop.rest_pointer()
    layout = case.start()
    program.focus_main()

    cell = 100  # row 2, column 28
    desktop.key("shift+Tab", "Down", "Down", *["Right"] * 28, "Return")
    cell_colour = case.expected.web_safe(cell)
    case.expect_colour_shown(layout, cell_colour)

    # The last swatch in Tab order is 6, at the bottom right; 4 stands two rows above it.
    desktop.key("shift+Tab", "Up", "Up", "Return")
    picked = case.expected.scheme(cell_colour)[4]
    case.expect_colour_shown(layout, picked)

    # The swatch now shows the fourth scheme colour of the picked one. In the popup the first
    # item opens the favourite slots, of which the second is taken.
    swatch_colour = case.expected.scheme(picked)[4]
    desktop.key("shift+F10", "Down", "Right", "Down", "Return", "ctrl+a")
    program.exit_with_ctrl_q()
    stored = case.read_settings().favourites
    expected = [record.colour_value(picked), record.colour_value(swatch_colour)]
    if stored != expected + [record.NO_COLOUR] * 3:
        raise Failure(f"myset.cfg keeps the favourites {stored}, not {expected} and empty ones")


def screen_reader_reads_every_colour(case):
    """Read over AT-SPI as a screen reader reads it, every control of the four tool windows and
    the main window that shows a colour names it, the swatches are buttons whose press action
    acts as a click, and the focus coming to a swatch or palette is heard with its colour."""
    desktop, program = case.desktop, case.program
    desktop.start_session_bus()
    favourites = ["12AB34", "000000"]
    settings = record.quiet_start()
    settings.favourites = [record.colour_value(c) for c in favourites] + [record.NO_COLOUR] * 3
    for tool in (record.FAVORITES, record.HARMONIES, record.WEB_PREVIEW):
        settings.tools_open[tool] = record.TRUE
    case.prepare_settings(settings)
    # Away from every window, so that no hover changes the status bar.
    desktop.rest_pointer()
    case.start()
    # History, opened at start, would list nothing until it is next activated.
    program.focus_main()
    desktop.key("ctrl+h")
    reader = ScreenReader(desktop)

    scheme = case.expected.scheme(START_COLOUR)
    named = [("push button", f"Current colour, #{START_COLOUR}", None),
             ("filler", "Web-safe palette, #000000", None),
             ("filler", f"Spectrum palette, #{case.expected.spectrum_first_pixel()}", None),
             ("label", f"HEX: #{START_COLOUR}", None),
             ("label", "RGB: 51.35.231", None),
             ("text", "HEX value", START_COLOUR),
             ("text", "Red value", "51"),
             ("text", "Green value", "35"),
             ("text", "Blue value", "231"),
             ("image", f"Selected history colour, #{START_COLOUR}", None),
             ("push button", f"Harmony colour 1, #{scheme[0]}", None),
             ("push button", f"Harmony colour 2, #{scheme[6]}", None),
             ("push button", "Favorite 1, #12AB34", None),
             ("label", "18.171.52\n#12AB34", None),
             ("push button", "Favorite 2, #000000", None),
             ("label", "0.0.0\n#000000", None),
             ("push button", "Favorite 3, empty", None)]
    named += [("push button", f"Scheme colour {index + 1}, #{colour}", None)
              for index, colour in enumerate(scheme)]
    named += [("filler", f"{element}, #{colour}", None)
              for element, colour in case.expected.web_page_defaults()]

    def missing(tree):
        found = {(node["role"], node["name"], node.get("text")) for node in tree}
        return [entry for entry in named if entry not in found]
    wait_for("every colour to be named", lambda: missing(reader.tree()), lambda gone: not gone)

    # The Web Preview's status panels say what they are for, and the colour after it.
    panels = {node["name"]: node["description"] for node in reader.tree()
              if node["name"] in ("Current RGB", "Current HEX")}
    if panels != {"Current RGB": "RGB: 255.135.0", "Current HEX": "HEX: #FF8700"}:
        raise Failure(f"the Web Preview's status panels read {panels}")
    swatch = next(node for node in reader.tree() if node["name"].startswith("Scheme colour 1,"))
    if swatch["actions"][:2] != ["Press", "ShowMenu"] or "focusable" not in swatch["states"]:
        raise Failure(f"a scheme swatch offers {swatch['actions']}, states {swatch['states']}")

    listener = reader.listen_for_focus()
    try:
        program.focus_main()
        desktop.key("shift+Tab")
        listener.expect_focus("filler", "Web-safe palette, #000000")
        desktop.key("shift+Tab", "Up")
        listener.expect_focus("push button", f"Scheme colour 7, #{scheme[6]}")
        listener.expect_focus("push button", f"Scheme colour 6, #{scheme[5]}")
    finally:
        listener.close()

    reader.act(f"Scheme colour 5, #{scheme[4]}", "Press")
    wait_for("the pressed swatch's colour to be current",
             lambda: {(node["name"], node.get("text")) for node in reader.tree()},
             lambda found: {(f"Current colour, #{scheme[4]}", None),
                            ("HEX value", scheme[4])} <= found)
    program.exit_with_ctrl_q()


CASES = {
    "first_run": first_run,
    "value_entry_swatches_undo_redo": value_entry_swatches_undo_redo,
    "favourites_and_harmonies_survive_restart": favourites_and_harmonies_survive_restart,
    "scheme_file_on_command_line": scheme_file_on_command_line,
    "screen_picker": screen_picker,
    "screen_picker_device_pixels": screen_picker_device_pixels,
    "screen_picker_two_screens": screen_picker_two_screens,
    "web_page_export": web_page_export,
    "colour_vision_simulation": colour_vision_simulation,
    "settings_reach_the_disk_in_order": settings_reach_the_disk_in_order,
    "keyboard_only_session": keyboard_only_session,
    "screen_reader_reads_every_colour": screen_reader_reads_every_colour,
    "palette_export_and_import": palettes.palette_export_and_import,
    "german_session": languages.german_session,
}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the built orvane")
    parser.add_argument("--work", required=True, help="a folder the test may empty")
    parser.add_argument("case", choices=sorted(CASES))
    arguments = parser.parse_args()

    work = Path(arguments.work)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    with Desktop(work) as desktop:
        program = Program(desktop, arguments.program, work)
        try:
            CASES[arguments.case](Case(desktop, program, Expected(), work))
        except Exception:
            traceback.print_exc()
            screenshot = work / "failure.png"
            desktop.save_screenshot(screenshot)
            print(f"\nThe screen at the failure: {screenshot}", file=sys.stderr)
            print(f"The program's output:\n{program.log_text()}", file=sys.stderr)
            return 1
        finally:
            program.stop()
    # The sanitizers report at exit; a report is a failure even when every check held.
    log = program.log_text()
    if "ERROR: AddressSanitizer" in log or "ERROR: LeakSanitizer" in log or "runtime error:" in log:
        print(f"The program's output:\n{log}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
