# SPDX-License-Identifier: MIT
"""What the end-to-end tests share: a private X server, the program copied into a folder of its
own, and the keyboard, mouse, screen and clipboard as a user meets them.

Everything is waited for by polling with a deadline, never by a fixed sleep: a sleep would have
to last as long as the slowest run needs (the sanitizer build on a busy machine), while a poll
ends as soon as what it waits for is there.
"""

import json
import os
import re
import select
import shutil
import subprocess
import time
from pathlib import Path

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768

# How long a step may take before the test gives up on it. Generous, because the sanitizer
# build and a machine busy with other tests are slow; a passing step never comes near it.
STEP_TIMEOUT = 40.0

# Where the pointer rests between steps: on the bare root window, away from every window, so
# that no hover preview or tooltip changes the pixels being checked.
POINTER_REST = (1000, 750)

# What the test puts into a selection before the program is to fill it.
SELECTION_PLACEHOLDER = "(placeholder of the end-to-end tests)"

# Qt settings from the caller's environment that would change the layout the tests measure or
# replace Qt's own file dialog, which the tests drive, with a desktop's.
_QT_LAYOUT_VARIABLES = (
    "QT_SCALE_FACTOR",
    "QT_SCREEN_SCALE_FACTORS",
    "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_ENABLE_HIGHDPI_SCALING",
    "QT_FONT_DPI",
    "QT_STYLE_OVERRIDE",
    "QT_QPA_PLATFORMTHEME",
)


# The calls a traced program is watched for: those that create folders, write files, sync
# them and put them in place, under their names on every architecture.
TRACED_CALLS = ("mkdir", "mkdirat", "write", "fsync", "fdatasync", "linkat", "rename",
                "renameat", "renameat2")


class Failure(Exception):
    """A check that did not hold: what was expected and what was seen."""


def wait_for(what, probe, accept, timeout=STEP_TIMEOUT, interval=0.1):
    """Calls probe until accept takes its result; returns that result. Fails with the last
    result seen when the deadline passes."""
    deadline = time.monotonic() + timeout
    while True:
        seen = probe()
        if accept(seen):
            return seen
        if time.monotonic() >= deadline:
            raise Failure(f"gave up waiting for {what}; last seen: {seen!r}")
        time.sleep(interval)


def hex_of(pixel):
    return "%02X%02X%02X" % pixel


class Screen:
    """One picture of the whole screen."""

    def __init__(self, rgb):
        if len(rgb) != SCREEN_WIDTH * SCREEN_HEIGHT * 3:
            raise Failure(f"the screen picture has {len(rgb)} bytes")
        self._rgb = rgb

    def pixel(self, x, y):
        """The colour at (x, y) as RRGGBB."""
        at = (y * SCREEN_WIDTH + x) * 3
        return hex_of(tuple(self._rgb[at : at + 3]))

    def patch(self, x, y, radius=2):
        """The distinct colours of the square of pixels around (x, y)."""
        return {
            self.pixel(column, row)
            for row in range(y - radius, y + radius + 1)
            for column in range(x - radius, x + radius + 1)
        }


class Desktop:
    """A private X server with no window manager: windows have no frames, nothing moves them,
    and the keyboard focus goes only where it is put."""

    def __init__(self, work):
        self.work = Path(work)
        self._log = open(self.work / "xvfb.log", "wb")
        display_read, display_write = os.pipe()
        # -noreset: by default the server starts afresh whenever its last client leaves, and
        # refuses connections meanwhile, which would catch a restart of the program or any
        # xdotool call made while the program is not running.
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(display_write), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(display_write,), stdout=self._log, stderr=subprocess.STDOUT)
        os.close(display_write)
        try:
            number = self._read_display_number(display_read)
        except Failure:
            self.close()
            raise
        finally:
            os.close(display_read)
        # The private X server is the whole session: nothing may tell the program it runs in
        # the caller's Wayland session, where it would ask that desktop for its screen.
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("XAUTHORITY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE")
                    + _QT_LAYOUT_VARIABLES}
        self.env["DISPLAY"] = f":{number}"
        self._selection_holders = []
        self._session_bus = None

    def _read_display_number(self, pipe):
        # Xvfb writes its display number once it accepts connections.
        text = b""
        deadline = time.monotonic() + STEP_TIMEOUT
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or self._server.poll() is not None:
                raise Failure("the X server did not start; see xvfb.log")
            ready, _, _ = select.select([pipe], [], [], remaining)
            if ready:
                chunk = os.read(pipe, 64)
                if not chunk:
                    raise Failure("the X server closed its display pipe; see xvfb.log")
                text += chunk
        return int(text.decode().strip())

    def start_session_bus(self):
        """A private session bus for everything started from now on, with the accessibility
        bus it starts on demand: Qt then shows the program to screen readers. The bus's own
        runtime folder keeps the accessibility bus of a test running beside this one apart."""
        runtime = self.work / "bus-runtime"
        runtime.mkdir(mode=0o700)
        env = dict(self.env, XDG_RUNTIME_DIR=str(runtime))
        self._session_bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=env,
            stdout=subprocess.PIPE, stderr=self._log)
        address = self._session_bus.stdout.readline().decode().strip()
        if not address:
            raise Failure("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def close(self):
        # The accessibility bus and its registry end with the session bus.
        if self._session_bus is not None:
            self._session_bus.terminate()
            self._session_bus.wait()
        for holder in self._selection_holders:
            if holder.poll() is None:
                holder.terminate()
                holder.wait()
        self._server.terminate()
        try:
            self._server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._server.kill()
            self._server.wait()
        self._log.close()

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    # The tools a user's hands and eyes stand for.

    def run(self, *command, check=True):
        result = subprocess.run(command, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=STEP_TIMEOUT)
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(command)} failed: {result.stderr.decode(errors='replace')}")
        return result

    def xdotool(self, *arguments, check=True):
        return self.run("xdotool", *[str(a) for a in arguments], check=check).stdout.decode()

    def windows(self, title_pattern):
        """The visible windows whose title matches the pattern, as ids."""
        result = self.run("xdotool", "search", "--onlyvisible", "--name", title_pattern,
                          check=False)
        return [int(line) for line in result.stdout.decode().split()]

    def geometry(self, window):
        """Where the window stands on the screen: (x, y, width, height); None once it is gone."""
        result = self.run("xdotool", "getwindowgeometry", "--shell", str(window), check=False)
        if result.returncode != 0:
            return None
        fields = dict(line.split("=", 1) for line in result.stdout.decode().split())
        return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])

    def wait_for_window(self, title_pattern, what):
        """The one visible window whose title matches, once it has appeared."""
        found = wait_for(what, lambda: self.windows(title_pattern), lambda ids: len(ids) == 1)
        return found[0]

    def wait_until_gone(self, window, what):
        wait_for(what, lambda: window in self.windows(".*"), lambda shown: not shown)

    def focus(self, window):
        # Without a window manager nothing gives a window the keyboard; a user would click it.
        self.xdotool("windowfocus", "--sync", window)

    def key(self, *keys):
        self.xdotool("key", "--delay", 50, *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 30, text)

    def move_window(self, window, x, y):
        # What dragging the title bar does under a window manager.
        self.xdotool("windowmove", "--sync", window, x, y)
        wait_for(f"the window to stand at {x}, {y}", lambda: self.geometry(window),
                 lambda geometry: geometry is not None and geometry[:2] == (x, y))

    def pointer(self):
        fields = dict(line.split("=", 1)
                      for line in self.xdotool("getmouselocation", "--shell").split())
        return int(fields["X"]), int(fields["Y"])

    def move_pointer(self, x, y):
        # Waiting for the move to arrive only makes sense when the pointer goes somewhere:
        # --sync waits for a motion that a move onto the same spot never makes.
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y, repeat=1):
        self.move_pointer(x, y)
        self.xdotool("click", "--repeat", repeat, "--delay", 80, 1)

    def rest_pointer(self):
        self.move_pointer(*POINTER_REST)

    def screen(self):
        raw = self.run("import", "-window", "root", "-depth", "8", "rgb:-").stdout
        return Screen(raw)

    def tile_root(self, bits, foreground, background):
        """Tiles the bare root window with a 2 x 2 bitmap: foreground where a bit is set."""
        bitmap = self.work / "tile.xbm"
        bitmap.write_text("#define tile_width 2\n#define tile_height 2\n"
                          "static unsigned char tile_bits[] = {\n  0x%02x, 0x%02x};\n" % bits)
        self.run("xsetroot", "-bitmap", str(bitmap), "-fg", f"#{foreground}",
                 "-bg", f"#{background}")

    def split_into_two_monitors(self):
        """Makes the left and the right half of the screen two monitors, as Qt sees them."""
        half = SCREEN_WIDTH // 2
        self.run("xrandr", "--setmonitor", "L", f"{half}/135x{SCREEN_HEIGHT}/203+0+0", "screen")
        self.run("xrandr", "--setmonitor", "R", f"{half}/135x{SCREEN_HEIGHT}/203+{half}+0",
                 "none")

    def save_screenshot(self, path):
        self.run("import", "-window", "root", str(path), check=False)

    def selection(self, name):
        """The text of an X selection ("clipboard" or "primary"), or None when nobody offers
        one."""
        result = self.run("xclip", "-o", "-selection", name, check=False)
        return result.stdout.decode() if result.returncode == 0 else None

    def hold_selection(self, name):
        """Puts a placeholder into the X selection, so that what a later check reads there can
        only have come from the program after this: a copy that never happens cannot pass on
        what an earlier one left. The holder, an xclip kept in the foreground, ends by itself
        when the program takes the selection over."""
        holder = subprocess.Popen(["xclip", "-quiet", "-selection", name], env=self.env,
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self._selection_holders.append(holder)
        holder.stdin.write(SELECTION_PLACEHOLDER.encode())
        holder.stdin.close()
        wait_for(f"the {name} selection to hold the placeholder", lambda: self.selection(name),
                 lambda seen: seen == SELECTION_PLACEHOLDER)

    def expect_selection(self, name, text):
        wait_for(f"the {name} selection to hold {text!r}", lambda: self.selection(name),
                 lambda seen: seen == text)

    # Checks.

    def expect_patches(self, checks, radius=2):
        """Waits until the pixels around each point show its colour. checks is a list of
        (what, (x, y), colour); a failure names every point that still differs."""
        def mismatches():
            screen = self.screen()
            return [f"{what} at {x}, {y} shows {sorted(seen)}, not {colour}"
                    for what, (x, y), colour in checks
                    for seen in [screen.patch(x, y, radius)] if seen != {colour}]
        wait_for("the colours on the screen", mismatches, lambda differing: not differing)


class Program:
    """The built program copied into a fresh folder with the files it reads beside itself,
    started with a private home on the desktop, in English unless told another locale."""

    TITLE = "Orvane"
    TOOL_TITLES = re.compile("^(Favorites|Harmonies|History|Web Preview) ")
    CLIENT_WIDTH = 600

    def __init__(self, desktop, built_program, work):
        self.desktop = desktop
        self.folder = Path(work) / "program"
        self.folder.mkdir(parents=True)
        built = Path(built_program)
        shutil.copy2(built, self.folder / "orvane")
        # The tips files and translations of every language, and the help document.
        for beside in [*built.parent.glob("tips*.txt"), *built.parent.glob("orvane_*.qm"),
                       *built.parent.glob("help.chm")]:
            shutil.copy2(beside, self.folder / beside.name)
        self.home = Path(work) / "home"
        self.runtime = Path(work) / "runtime"
        for folder in (self.home, self.runtime):
            folder.mkdir(parents=True, exist_ok=True)
        self.runtime.chmod(0o700)
        self.log_path = Path(work) / "program.log"
        self.process = None
        self.traced = False
        self.main_window = None
        self.starts = 0
        # Device pixels to a logical one, through QT_SCALE_FACTOR.
        self.scale = 1
        # Device pixels to a logical one on each screen, through QT_SCREEN_SCALE_FACTORS.
        self.screen_scales = None
        # Locale variables on top of the C.UTF-8 locale, in which the program speaks English.
        self.locale = {}

    @property
    def settings_file(self):
        return self.folder / "myset.cfg"

    @property
    def user_settings_file(self):
        return self.home / ".config" / "orvane" / "myset.cfg"

    def start(self, *arguments, trace=None):
        """Starts the program; with trace, under strace, which writes the file-system calls of
        each thread to trace.PID, every descriptor shown with the path it stands for."""
        command = [str(self.folder / "orvane"), *arguments]
        if trace is not None:
            command = ["strace", "-ff", "-y", "-qq", "-o", str(trace),
                       "-e", "trace=" + ",".join(TRACED_CALLS), *command]
        env = dict(self.desktop.env)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "HOME": str(self.home),
            "XDG_CONFIG_HOME": str(self.home / ".config"),
            "XDG_RUNTIME_DIR": str(self.runtime),
        })
        for variable in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(variable, None)
        env["LANG"] = "C.UTF-8"
        env.update(self.locale)
        if self.scale != 1:
            env["QT_SCALE_FACTOR"] = str(self.scale)
        if self.screen_scales:
            env["QT_SCREEN_SCALE_FACTORS"] = ";".join(map(str, self.screen_scales))
        if trace is not None:
            # The leak check stops every thread with ptrace, which strace holds already.
            env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
        self.starts += 1
        log = open(self.log_path, "ab")
        log.write(f"--- start {self.starts}: orvane {' '.join(arguments)}\n".encode())
        log.flush()
        self.process = subprocess.Popen(command, env=env, cwd=self.folder.parent, stdout=log,
                                        stderr=subprocess.STDOUT)
        log.close()
        self.traced = trace is not None
        self.main_window = None

    def pid(self):
        """The program's process: strace's only child when it is traced."""
        if not self.traced:
            return self.process.pid
        children = Path(f"/proc/{self.process.pid}/task/{self.process.pid}/children")
        return int(wait_for("the traced program to start", lambda: children.read_text().split(),
                            bool)[0])

    def running(self):
        return self.process is not None and self.process.poll() is None

    def visible_windows(self):
        """The program's visible windows as (id, title)."""
        if not self.running():
            raise Failure(f"the program ended with status {self.process.returncode}; "
                          f"see {self.log_path}")
        found = self.desktop.run("xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.pid()), check=False)
        windows = []
        for window in (int(line) for line in found.stdout.decode().split()):
            # A window may close between the search and this question.
            title = self.desktop.run("xdotool", "getwindowname", str(window), check=False)
            if title.returncode == 0:
                windows.append((window, title.stdout.decode().strip()))
        return windows

    def _is_main(self, window, title):
        # The About splash and the file dialogs carry the program's name as their title too;
        # only the main window stands at the corner with the client area's width.
        geometry = self.desktop.geometry(window)
        return title == self.TITLE and geometry is not None and geometry[:3] == (
            0, 0, self.CLIENT_WIDTH * self.scale)

    def wait_for_main_window(self):
        """The main window, once it is shown and nothing but tool windows stands beside it:
        the About splash has closed."""
        found = wait_for("the main window",
                         lambda: [w for w, title in self.visible_windows()
                                  if self._is_main(w, title)],
                         lambda ids: len(ids) == 1)
        self.main_window = found[0]
        wait_for("the About splash to close",
                 lambda: [(w, title) for w, title in self.visible_windows()
                          if w != self.main_window and not self.TOOL_TITLES.match(title)],
                 lambda others: not others)
        return self.main_window

    def focus_main(self):
        self.desktop.focus(self.main_window)

    def wait_for_file_dialog(self):
        found = wait_for("the file dialog",
                         lambda: [w for w, title in self.visible_windows()
                                  if title == self.TITLE and w != self.main_window],
                         lambda ids: len(ids) == 1)
        return found[0]

    def exit_with_ctrl_q(self):
        self.focus_main()
        self.desktop.key("ctrl+q")
        self.wait_for_exit()

    def wait_for_exit(self):
        try:
            status = self.process.wait(timeout=STEP_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Exit") from None
        if status != 0:
            raise Failure(f"the program ended with status {status}; see {self.log_path}")

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait()

    def log_text(self):
        return self.log_path.read_text(errors="replace") if self.log_path.exists() else ""


class ScreenReader:
    """The program as a screen reader meets it over AT-SPI, read by read_accessible.py under
    Debian's Python, which carries pyatspi."""

    SCRIPT = Path(__file__).with_name("read_accessible.py")
    PYTHON = "/usr/bin/python3"

    def __init__(self, desktop):
        self.desktop = desktop

    def _command(self, *arguments):
        return [self.PYTHON, "-B", str(self.SCRIPT), *arguments]

    def tree(self):
        """Every object of the program: path, role, name, description, states, actions and
        the text of those that have one."""
        result = self.desktop.run(*self._command("tree"))
        return json.loads(result.stdout)

    def act(self, name, action):
        self.desktop.run(*self._command("act", name, action))

    def listen_for_focus(self):
        """Starts listening for the objects that take the focus; returns the listener."""
        return FocusListener(subprocess.Popen(
            self._command("focus"), env=self.desktop.env, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL))


class FocusListener:
    """The objects that took the focus, as a screen reader hears of them."""

    def __init__(self, process):
        self._process = process
        self.heard = []
        self._buffer = b""
        self._next_line(lambda line: line == "listening", "the focus listener to start")

    def _next_line(self, accept, what):
        deadline = time.monotonic() + STEP_TIMEOUT
        while True:
            while b"\n" in self._buffer:
                line, self._buffer = self._buffer.split(b"\n", 1)
                if accept(line.decode()):
                    return
            remaining = deadline - time.monotonic()
            if remaining <= 0 or self._process.poll() is not None:
                raise Failure(f"gave up waiting for {what}; heard {self.heard}")
            ready, _, _ = select.select([self._process.stdout], [], [], remaining)
            if ready:
                self._buffer += os.read(self._process.stdout.fileno(), 4096)

    def expect_focus(self, role, name):
        """Waits until an object of this role and name has taken the focus."""
        def matches(line):
            event = json.loads(line)
            self.heard.append(event["name"])
            return event == {"role": role, "name": name}
        self._next_line(matches, f"{name!r} to take the focus")

    def close(self):
        self._process.terminate()
        self._process.wait()


class MainWindowLayout:
    """Where the main window's parts stand on the screen. The positions inside the client area
    are the window's own layout; the client area's top is the menu bar's height, which depends
    on the font, so it is measured: the web-safe palette's top border is the first row of the
    window whose left part is drawn all in the palette's grid colour."""

    PALETTE_LEFT = 5
    PALETTE_TOP = 237
    GRID_COLOUR = "404040"
    SCHEME_COLUMNS = (86, 158, 230, 302)
    SCHEME_ROWS = (32, 83, 134, 185)
    SCHEME_INDEX = ((0, 1, 2, 3), (11, 12, 13, 4), (10, 15, 14, 5), (9, 8, 7, 6))
    SCHEME_SIZE = (61, 40)
    CURRENT_SWATCH = (8, 97, 53, 53)
    VALUE_COLUMN = (376, 40)
    # The value column's boxes and buttons stand below their 46-pixel labels, one row every 28
    # pixels: the HEX box (64 x 22) on the first, "Set HEX" (104 x 26) on the second.
    HEX_BOX_CENTRE = (46 + 32, 11)
    SET_HEX_BUTTON_CENTRE = (52, 28 + 13)
    # The toolbar's buttons for its 20-pixel icons, after its handle: Forward follows Open, Save,
    # a separator and Back; the Screen Color Picker comes next.
    TOOLBAR_BUTTON_CENTRE_Y = 14
    TOOLBAR_BUTTON_X = {"forward": 111, "screen picker": 140}

    def __init__(self, desktop):
        self.desktop = desktop
        self.top = wait_for("the web-safe palette to be drawn", self._measure_client_top,
                            lambda top: top is not None)

    def _measure_client_top(self):
        screen = self.desktop.screen()
        # Only a narrow strip at the left: a tool window may cover the rest of the palette.
        strip = range(self.PALETTE_LEFT, self.PALETTE_LEFT + 20)
        for y in range(self.PALETTE_TOP, self.PALETTE_TOP + 80):
            if all(screen.pixel(x, y) == self.GRID_COLOUR for x in strip):
                return y - self.PALETTE_TOP
        return None

    def at(self, x, y):
        """A point of the client area on the screen."""
        return x, self.top + y

    def scheme_swatch(self, index):
        """A point inside scheme swatch index, clear of its shaded edge and in its right half,
        which the Favorites window at its default place leaves uncovered."""
        for row, indices in enumerate(self.SCHEME_INDEX):
            if index in indices:
                column = indices.index(index)
                width, height = self.SCHEME_SIZE
                return self.at(self.SCHEME_COLUMNS[column] + width * 3 // 4,
                               self.SCHEME_ROWS[row] + height // 2)
        raise ValueError(index)

    def current_swatch(self):
        """A point inside the current-colour swatch, in its left part, which the Favorites window
        at its default place leaves uncovered."""
        left, top, _, height = self.CURRENT_SWATCH
        return self.at(left + 12, top + height // 2)

    def web_safe_cell(self, cell):
        row, column = divmod(cell, 36)
        return self.at(self.PALETTE_LEFT + 10 * column + 5, self.PALETTE_TOP + 10 * row + 5)

    def _in_value_column(self, offset):
        left, top = self.VALUE_COLUMN
        return self.at(left + offset[0], top + offset[1])

    def hex_box(self):
        return self._in_value_column(self.HEX_BOX_CENTRE)

    def set_hex_button(self):
        return self._in_value_column(self.SET_HEX_BUTTON_CENTRE)

    def toolbar_button(self, name):
        return self.at(self.TOOLBAR_BUTTON_X[name], self.TOOLBAR_BUTTON_CENTRE_Y)

    def expect_colours(self, current, scheme):
        """The current-colour swatch shows current and the sixteen scheme swatches scheme."""
        checks = [("the current-colour swatch", self.current_swatch(), current)]
        checks += [(f"scheme swatch {index}", self.scheme_swatch(index), colour)
                   for index, colour in enumerate(scheme)]
        self.desktop.expect_patches(checks)


# What the program should show, worked out once from its colour rules and pinned here: the
# sixteen colour-wheel swatches (swatch 0 first) of each colour the cases make current, and the
# web-safe cells they click.
SCHEMES = {
    "3323E7": ("3323E7 9523E7 E723D7 E72375 E73323 E79523 D7E723 75E723 "
              "23E733 23E795 23D7E7 2375E7 665AED 9991F3 E1ED5A EBF391").split(),
    "30C060": ("30C060 30C0A8 3090C0 3048C0 6030C0 A830C0 C03090 C03048 "
              "C06030 C0A830 90C030 48C030 58D582 89E1A6 D558AB E189C4").split(),
    "66CCCC": ("66CCCC 6699CC 6666CC 9966CC CC66CC CC6699 CC6666 CC9966 "
              "CCCC66 99CC66 66CC66 66CC99 3DB8B8 2E8A8A B83D3D 8A2E2E").split(),
    "C06030": ("C06030 C0A830 90C030 48C030 30C060 30C0A8 3090C0 3048C0 "
              "6030C0 A830C0 C03090 C03048 D58258 E1A689 58ABD5 89C4E1").split(),
    "CC0099": ("CC0099 CC0033 CC3300 CC9900 99CC00 33CC00 00CC33 00CC99 "
              "0099CC 0033CC 3300CC 9900CC FF0AC2 FF47D1 0AFF47 47FF75").split(),
    "CC66CC": ("CC66CC CC6699 CC6666 CC9966 CCCC66 99CC66 66CC66 66CC99 "
              "66CCCC 6699CC 6666CC 9966CC B83DB8 8A2E8A 3DB83D 2E8A2E").split(),
    "CC9900": ("CC9900 99CC00 33CC00 00CC33 00CC99 0099CC 0033CC 3300CC "
              "9900CC CC0099 CC0033 CC3300 FFC20A FFD147 0A47FF 4775FF").split(),
    "D28C3C": ("D28C3C CDD23C 82D23C 3CD241 3CD28C 3CCDD2 3C82D2 413CD2 "
              "8C3CD2 D23CCD D23C82 D2413C DDA96E E9C79F 6EA2DD 9FC2E9").split(),
}
WEB_SAFE_CELLS = {100: "66CCCC", 147: "CC0099", 160: "CC66CC"}
# The spectrum's top-left pixel: hue 0 at lightness 98.36.
SPECTRUM_FIRST_PIXEL = "FFF7F7"
# The Web Preview's page at its default colours, element by element.
WEB_PAGE_DEFAULTS = (("Page background", "FF8700"), ("Header bar", "4132D1"),
                     ("Side bar", "7DBD21"), ("Body box", "FFFFFF"), ("Page title", "000000"),
                     ("Header text", "FFFFFF"), ("Links", "000000"), ("Body caption", "1A4D80"),
                     ("Body text", "000000"))
# The start colour and its scheme as a deuteranope sees them, by the model of Machado, Oliveira
# and Fernandes (2009) at full severity: the current colour, then the sixteen swatches.
DEUTERANOPIA = {
    "3323E7": ("0044E4", ("0044E4 0066E3 6D8DD3 8D8771 998816 C3AF26 F7DE3A E1CA3E "
                          "D8C349 CFC59A ABBBE8 0070E5 006BEA 6E9AF1 FDE564 FFED96").split()),
}


class Expected:
    """The colours the program should show, from the pinned tables above."""

    def scheme(self, colour):
        if colour not in SCHEMES:
            raise Failure(f"no scheme is pinned for {colour}")
        return SCHEMES[colour]

    def web_safe(self, cell):
        return WEB_SAFE_CELLS[cell]

    def spectrum_first_pixel(self):
        return SPECTRUM_FIRST_PIXEL

    def web_page_defaults(self):
        return WEB_PAGE_DEFAULTS

    def seen_by_deuteranope(self, colour):
        """The current colour and its scheme as a deuteranope sees them."""
        return DEUTERANOPIA[colour]
