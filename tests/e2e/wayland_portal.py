#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End to end through the real desktop portal: in a headless sway session, Orvane runs once
through XWayland, as it chooses by itself there, and once natively on Wayland; each time F3
freezes the screen, which the program can only have from the portal, with the magnifier over
it, and a click picks the colour that was under the pointer. A third run, native on two
outputs, leaves the pick to the portal's own picker.

The wallpaper gives every pixel of the output a colour of its own, so a pick that lands one
pixel off, or a snapshot shifted or scaled, gives a colour other than the one expected.

Prints how long the portal took from each call to its Response.

usage: wayland_portal.py --program BUILD/bin/orvane --work FOLDER
Ends with status 77 when the session's packages are missing.
"""

import argparse
import os
import re
import shutil
import sys
import traceback
from pathlib import Path

import record
import sway_session
from desktop import Failure, MainWindowLayout, wait_for
from sway_session import HEIGHT, WIDTH, SwaySession

SKIPPED = 77
PICKER_TITLE = "Screen Color Picker"
MAIN_TITLE = "Orvane"
MAIN_WIDTH = 600
# The magnifier panel at its home in the picker's top-left corner, and within it the swatch of
# the pixel under the pointer; (left, top, width, height).
MAGNIFIER_PANEL = (40, 40, 74, 147)
PIXEL_SWATCH_CENTRE = (40 + 37, 40 + 73 + 37)
# Around the pointer the compositor draws the picker's crosshair into every capture.
CURSOR_REACH = 16
CARET_WIDTH, CARET_HEIGHT = 3, 24


def wallpaper_colour(x, y):
    """Red and green are the low bytes of x and y, blue holds their high bits."""
    return x & 0xFF, y & 0xFF, 0x80 | (x >> 8) << 3 | y >> 8


def wallpaper():
    reds = bytes(x & 0xFF for x in range(WIDTH))
    rows = []
    for y in range(HEIGHT):
        row = bytearray(WIDTH * 3)
        row[0::3] = reds
        row[1::3] = bytes([y & 0xFF]) * WIDTH
        row[2::3] = bytes(wallpaper_colour(x, y)[2] for x in range(WIDTH))
        rows.append(bytes(row))
    return b"".join(rows)


def hex_at(x, y):
    return "%02X%02X%02X" % wallpaper_colour(x, y)


def inside(point, rect):
    x, y = point
    left, top, width, height = rect
    return left <= x < left + width and top <= y < top + height


def rect_of(view):
    return tuple(view["rect"][k] for k in ("x", "y", "width", "height"))


class PortalTraffic:
    """The calls of the portal's Screenshot interface and their answers, as a monitor on the
    session bus saw them: each call's time, and its Response's time, code and results."""

    CALL = re.compile(r"^method call time=([\d.]+) .*interface=org\.freedesktop\.portal\."
                      r"Screenshot; member=(\w+)")
    RESPONSE = re.compile(r"^signal time=([\d.]+) .*path=/org/freedesktop/portal/desktop/"
                          r"request/\w+/(\w+); interface=org\.freedesktop\.portal\.Request; "
                          r"member=Response")

    def __init__(self, session):
        self.log = session.work / "bus-monitor.log"
        session.spawn("bus-monitor", [
            "dbus-monitor", "--session",
            "type='method_call',interface='org.freedesktop.portal.Screenshot'",
            "type='signal',interface='org.freedesktop.portal.Request',member='Response'"],
            session.env)
        # The monitor names its own bus connection first once it watches.
        wait_for("the bus monitor", lambda: self.log.exists() and self.log.stat().st_size > 0,
                 bool)

    def requests(self):
        """Each request as a dict: method, token, called, answered, code, uri."""
        requests, by_token = [], {}
        current = None
        lines = self.log.read_text(errors="replace").splitlines()
        for at, line in enumerate(lines):
            if match := self.CALL.match(line):
                current = {"method": match[2], "called": float(match[1])}
                requests.append(current)
            elif match := self.RESPONSE.match(line):
                current = by_token.get(match[2])
                if current is not None:
                    current["answered"] = float(match[1])
                    code = lines[at + 1].split() if at + 1 < len(lines) else []
                    current["code"] = int(code[1]) if code[:1] == ["uint32"] else None
            elif current is not None and at > 0:
                value = re.search(r'variant\s+string "(.*)"', line)
                key = re.search(r'string "(\w+)"', lines[at - 1])
                if value and key:
                    if key[1] == "handle_token" and "answered" not in current:
                        current["token"] = value[1]
                        by_token[value[1]] = current
                    elif key[1] == "uri":
                        current["uri"] = value[1]
        return requests


def sanitizer_options(folder):
    """The sanitizers' options from the test's environment. A suppressions file they name is
    copied into the folder: the session's user may not be able to read the source tree.

    Leaks are traced with the full unwinder: Mesa's EGL unloads its driver before the leak
    check, and the driver has no frame pointers, so the quick unwinder stops in it and leaves
    a stack of one unknown module; the full stack reaches libEGL_mesa, which stays loaded and
    which the suppressions name."""
    def copy(match):
        source = Path(match[1])
        shutil.copy(source, folder / source.name)
        return f"suppressions={folder / source.name}"
    options = {name: re.sub(r"suppressions=([^:]+)", copy, os.environ[name])
               for name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS")
               if name in os.environ}
    if "LSAN_OPTIONS" in options:
        options["LSAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
    return options


class Run:
    """One start of the program in the session, from a fresh folder of its own."""

    def __init__(self, session, built_program, label, extra_env):
        self.session = session
        self.label = label
        self.folder = folder = session.folder / f"program-{label}"
        folder.mkdir()
        built = Path(built_program)
        shutil.copy2(built, folder / "orvane")
        shutil.copy2(built.parent / "tips.txt", folder / "tips.txt")
        (folder / "myset.cfg").write_bytes(record.quiet_start().encode())
        sanitizers = sanitizer_options(folder)
        session.own_file(folder)
        env = dict(session.env, DISPLAY=session.x_display, XDG_SESSION_TYPE="wayland",
                   **extra_env, **sanitizers)
        self.log = session.work / f"orvane-{label}.log"
        self.process = session.spawn(f"orvane-{label}", [str(folder / "orvane")], env)

    def views(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}; "
                          f"see {self.log}")
        return [view for view in self.session.views() if view.get("pid") == self.process.pid]

    def wait_for_main_window(self):
        """The main window, once the About splash shown after it has come and gone."""
        def is_main(view):
            return view["name"] == MAIN_TITLE and view["rect"]["width"] == MAIN_WIDTH
        main = wait_for("the main window", lambda: [v for v in self.views() if is_main(v)],
                        lambda found: len(found) == 1)[0]
        wait_for("the About splash", self.views, lambda views: len(views) == 2)
        wait_for("the About splash to close", self.views,
                 lambda views: [v["id"] for v in views] == [main["id"]])
        return main

    def wait_for_exit(self):
        status = wait_for("the program to end", self.process.poll, lambda s: s is not None)
        if status != 0:
            raise Failure(f"the program ended with status {status}; see {self.log}")


def frozen_screen_problems(reference, main_rect, pointer, expected):
    """What keeps a picture from being the frozen screen with the magnifier over it: a change
    from the screen before F3 other than the magnifier panel, the pointer and the blink of the
    main window's text caret; a panel not drawn; or a panel that does not show the colour under
    the pointer."""
    def near_pointer(pixel):
        return all(abs(pixel[i] - pointer[i]) <= CURSOR_REACH for i in (0, 1))

    def problems(picture):
        changed = [p for p in picture.differing(reference) if not near_pointer(p)]
        found = []
        if not any(inside(p, MAGNIFIER_PANEL) for p in changed):
            found.append("no magnifier panel is drawn")
        changed = [p for p in changed if not inside(p, MAGNIFIER_PANEL)]
        # The snapshot holds the caret as it was at that moment, which may differ from the
        # reference: a change no wider than a caret and no taller than a line of text.
        in_main = [p for p in changed if inside(p, main_rect)]
        if in_main and all(max(p[i] for p in in_main) - min(p[i] for p in in_main) < size
                           for i, size in ((0, CARET_WIDTH), (1, CARET_HEIGHT))):
            changed = [p for p in changed if not inside(p, main_rect)]
        if changed:
            found.append(f"{len(changed)} pixels changed outside the magnifier, "
                         f"from {min(changed)} to {max(changed)}")
        x, y = PIXEL_SWATCH_CENTRE
        swatch = {picture.pixel(x + dx, y + dy) for dx in range(-3, 4) for dy in range(-3, 4)}
        if swatch != {expected}:
            found.append(f"the magnifier's pixel swatch shows {sorted(swatch)}, not {expected}")
        return found
    return problems


def point_at_wallpaper(session, main, pointer):
    """Rests the pointer on a spot of bare wallpaper, gives the main window the keyboard, and
    returns the screen as it then stands."""
    main_rect = rect_of(main)
    if inside(pointer, main_rect) or inside(pointer, MAGNIFIER_PANEL):
        raise Failure(f"the pick at {pointer} is not on the bare wallpaper: the main window "
                      f"stands at {main_rect}")
    session.move_pointer(*pointer)
    session.swaymsg(f"[con_id={main['id']}] focus")
    return wait_for("the wallpaper under the pointer", session.capture,
                    lambda picture: picture.pixel(*pointer) == hex_at(*pointer))


class MainWindowOnScreen:
    """The main window's part of the output, seen as the layout of the X tests expects: with the
    window's top-left corner as the origin."""

    def __init__(self, session, main):
        self.session = session
        self.left, self.top = rect_of(main)[:2]

    def screen(self):
        return _Shifted(self.session.capture(), self.left, self.top)


class _Shifted:
    def __init__(self, capture, left, top):
        self.capture, self.left, self.top = capture, left, top

    def pixel(self, x, y):
        return self.capture.pixel(self.left + x, self.top + y)


def exit_and_expect_current(session, run, main, pointer):
    """The colour under the pointer becomes the current one: the main window's swatch shows it,
    and after Exit the settings keep it as the first colour of the scheme."""
    window = MainWindowOnScreen(session, main)
    swatch = MainWindowLayout(window).current_swatch()
    wait_for(f"the current-colour swatch to show {hex_at(*pointer)}",
             lambda: window.screen().pixel(*swatch), lambda seen: seen == hex_at(*pointer))
    session.swaymsg(f"[con_id={main['id']}] focus")
    session.key("q", "Control_L")
    run.wait_for_exit()
    stored = record.hex_colour(
        record.Record.decode((run.folder / "myset.cfg").read_bytes()).scheme_colour)
    if stored != hex_at(*pointer):
        raise Failure(f"the pick at {pointer} made {stored} current, not {hex_at(*pointer)}")


def frozen_pick(session, run, main, pointer):
    """F3 shows the frozen screen with the magnifier on the pixel under the pointer, the
    portal's picture is gone, and a click picks the pixel's colour."""
    reference = point_at_wallpaper(session, main, pointer)
    session.key("F3")
    wait_for("the screen picker over the whole output",
             lambda: [rect_of(v) for v in run.views() if v["name"].startswith(PICKER_TITLE)],
             lambda rects: rects == [(0, 0, WIDTH, HEIGHT)])
    problems = frozen_screen_problems(reference, rect_of(main), pointer, hex_at(*pointer))
    try:
        wait_for("the frozen screen with the magnifier", lambda: problems(session.capture()),
                 lambda found: not found)
    except Failure:
        reference.save_png(session.work / f"before-{run.label}.png")
        raise
    session.click()
    wait_for("the screen picker to close", run.views,
             lambda views: not [v for v in views if v["name"].startswith(PICKER_TITLE)])
    exit_and_expect_current(session, run, main, pointer)


def desktop_pick(session, run, main, pointer):
    """With two outputs F3 hands the pick to the portal's own picker: its overlay comes over
    the screen, and a click picks the colour under the pointer."""
    point_at_wallpaper(session, main, pointer)
    session.key("F3")
    wait_for("the desktop's picker over the screen", lambda: session.capture().pixel(*pointer),
             lambda seen: seen != hex_at(*pointer))
    session.click()
    exit_and_expect_current(session, run, main, pointer)


def check_and_report(label, requests, method):
    """The requests a pick made: one granted call of method and no other, and the portal's
    picture, if any, removed. Prints how long the portal took to answer."""
    if [(r["method"], r.get("code")) for r in requests] != [(method, 0)]:
        raise Failure(f"the {label} pick made the portal requests {requests}")
    request = requests[0]
    uri = request.get("uri", "")
    if uri.startswith("file://") and Path(uri[len("file://"):]).exists():
        raise Failure(f"the portal's picture {uri} was left behind")
    print(f"{label}: {method} answered after "
          f"{(request['answered'] - request['called']) * 1000:.0f} ms")


def run_test(session, program):
    traffic = PortalTraffic(session)
    # Through XWayland, as the program chooses by itself in a Wayland session with an X display;
    # natively, where the picker fills the one output; natively on two outputs, where the
    # portal picks.
    picks = (("xwayland", {}, "xwayland", (877, 731), frozen_pick, "Screenshot"),
             ("native", {"QT_QPA_PLATFORM": "wayland"}, "xdg_shell", (131, 701), frozen_pick,
              "Screenshot"),
             ("two outputs", {"QT_QPA_PLATFORM": "wayland"}, "xdg_shell", (917, 709),
              desktop_pick, "PickColor"))
    for label, extra_env, shell, pointer, pick, method in picks:
        if pick is desktop_pick:
            session.add_output()
        requests_before = len(traffic.requests())
        run = Run(session, program, label.replace(" ", "-"), extra_env)
        main = run.wait_for_main_window()
        if main["shell"] != shell:
            raise Failure(f"the {label} run shows its window through {main['shell']}")
        pick(session, run, main, pointer)
        check_and_report(label, traffic.requests()[requests_before:], method)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the built orvane")
    parser.add_argument("--work", required=True, help="a folder the test may empty")
    arguments = parser.parse_args()

    missing = sway_session.missing_packages()
    if missing:
        print(f"SKIP: the headless Wayland session needs the Debian packages "
              f"{' '.join(missing)}, which are not installed")
        return SKIPPED

    work = Path(arguments.work)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    try:
        with SwaySession(work, wallpaper()) as session:
            try:
                run_test(session, arguments.program)
            except Exception:
                session.capture().save_png(work / "failure.png")
                raise
    except Exception:
        traceback.print_exc()
        print(f"\nThe session's logs and the screen at the failure are in {work}",
              file=sys.stderr)
        return 1
    # The sanitizers report at exit; a report is a failure even when every check held.
    for log in work.glob("orvane-*.log"):
        text = log.read_text(errors="replace")
        if "ERROR: AddressSanitizer" in text or "ERROR: LeakSanitizer" in text \
                or "runtime error:" in text:
            print(f"{log}:\n{text}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
