# SPDX-License-Identifier: MIT
"""A headless Wayland desktop for the end-to-end tests: a sway compositor with XWayland, its own
session bus, and the real desktop portal with the wlroots backend behind it, all run as an
ordinary user, since the compositor refuses to run as root.

The session lives in a private folder under the temporary folder, which the session's user owns;
the logs go to the test's work folder. Everything is waited for by polling with a deadline.
"""

import glob
import json
import os
import pwd
import shutil
import struct
import subprocess
import tempfile
import zlib
from pathlib import Path

from desktop import STEP_TIMEOUT, Failure, wait_for

WIDTH = 1024
HEIGHT = 768
# The user the session runs as when the test runs as root.
SESSION_USER = "orvane-session"
HERE = Path(__file__).resolve().parent
PRIVATE_BUS_CONFIG = HERE.parent / "support" / "private-session-bus.conf"
PORTAL = "/usr/libexec/xdg-desktop-portal"
PORTAL_BACKEND = "/usr/libexec/xdg-desktop-portal-wlr"
INSTALLED_BACKEND_FILE = "/usr/share/xdg-desktop-portal/portals/wlr.portal"
# Debian's own Python, which the session's user can run and which finds Debian's python3-gi.
SYSTEM_PYTHON = "/usr/bin/python3"
ACCESS_BUS_NAME = "org.freedesktop.impl.portal.desktop.orvanetests"
CURSOR_THEME = "blank"
# The programs the session needs, by the Debian package that brings them.
NEEDED = {
    "sway": "sway", "swaymsg": "sway", "swaybg": "swaybg", "Xwayland": "xwayland",
    "grim": "grim", "slurp": "slurp", "pipewire": "pipewire", PORTAL: "xdg-desktop-portal", PORTAL_BACKEND: "xdg-desktop-portal-wlr",
    "dbus-daemon": "dbus", "dbus-send": "dbus", "dbus-monitor": "dbus",
}


def missing_packages():
    """The Debian packages whose programs are not at hand, python3-gi when the Access backend
    cannot load, and qt6-wayland when Qt cannot run natively on Wayland."""
    missing = {package for program, package in NEEDED.items() if not shutil.which(program)}
    if subprocess.run([SYSTEM_PYTHON, "-c", "import gi"], stderr=subprocess.DEVNULL).returncode:
        missing.add("python3-gi")
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
        missing.add("qt6-wayland")
    return sorted(missing)


def png(width, height, rgb):
    """A PNG file of 8-bit RGB rows."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    stride = width * 3
    rows = b"".join(b"\0" + rgb[y * stride : (y + 1) * stride] for y in range(height))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 1)) + chunk(b"IEND", b""))


def blank_cursor():
    """An Xcursor file holding one fully transparent pixel."""
    image_type, nominal_size = 0xFFFD0002, 24
    return (b"Xcur" + struct.pack("<III", 16, 0x10000, 1)
            + struct.pack("<III", image_type, nominal_size, 28)
            + struct.pack("<9I", 36, image_type, nominal_size, 1, 1, 1, 0, 0, 0)
            + struct.pack("<I", 0))


class Capture:
    """One picture of the output."""

    def __init__(self, ppm):
        header = ppm.split(b"\n", 3)
        if header[0] != b"P6" or header[1].split() != [str(WIDTH).encode(), str(HEIGHT).encode()]:
            raise Failure(f"the capture is not a {WIDTH} x {HEIGHT} PPM: {ppm[:20]!r}")
        self.rgb = header[3]

    def pixel(self, x, y):
        at = (y * WIDTH + x) * 3
        return "%02X%02X%02X" % tuple(self.rgb[at : at + 3])

    def differing(self, other):
        """The pixels where the two pictures differ, as (x, y)."""
        stride = WIDTH * 3
        found = []
        for y in range(HEIGHT):
            row, other_row = (picture.rgb[y * stride : (y + 1) * stride]
                              for picture in (self, other))
            if row != other_row:
                found += [(x, y) for x in range(WIDTH)
                          if row[x * 3 : x * 3 + 3] != other_row[x * 3 : x * 3 + 3]]
        return found

    def save_png(self, path):
        Path(path).write_bytes(png(WIDTH, HEIGHT, self.rgb))


class SwaySession:
    """sway on a headless output of WIDTH x HEIGHT showing the wallpaper given as RGB bytes, a
    session bus, pipewire, the portal with its wlroots and Access backends, and a virtual
    pointer and keyboard."""

    def __init__(self, work, wallpaper_rgb):
        self.work = Path(work)
        self._processes = []
        self._logs = []
        self._user = self._session_user()
        self.folder = Path(tempfile.mkdtemp(prefix="orvane-sway-"))
        try:
            self._start(wallpaper_rgb)
        except BaseException:
            self.close()
            raise

    # Who runs the session.

    @staticmethod
    def _session_user():
        """(uid, gid) of the ordinary user to run as when the test runs as root; None when the
        test runs as an ordinary user already."""
        if os.geteuid() != 0:
            return None
        try:
            entry = pwd.getpwnam(SESSION_USER)
        except KeyError:
            # Another run may create the user at the same moment; either way it then exists.
            added = subprocess.run(["useradd", "--system", "--user-group", "--no-create-home",
                                    "--home-dir", "/nonexistent", "--shell", "/usr/sbin/nologin",
                                    SESSION_USER], capture_output=True)
            try:
                entry = pwd.getpwnam(SESSION_USER)
            except KeyError:
                raise Failure(f"could not add the user {SESSION_USER}: "
                              f"{added.stderr.decode(errors='replace')}") from None
        return entry.pw_uid, entry.pw_gid

    def _as_user(self, command):
        # The parent death signal ends the session's processes even when the test is killed
        # before it can end them itself.
        user = []
        if self._user is not None:
            uid, gid = self._user
            user = [f"--reuid={uid}", f"--regid={gid}", "--clear-groups"]
        return ["setpriv", *user, "--pdeathsig", "SIGTERM", "--", *command]

    def _own(self, path):
        if self._user is not None:
            os.chown(path, *self._user)
            for root, folders, files in os.walk(path):
                for name in folders + files:
                    os.chown(os.path.join(root, name), *self._user, follow_symlinks=False)

    # Processes.

    def spawn(self, name, command, env, stdout=None, stdin=subprocess.DEVNULL):
        """Starts a process of the session as its user; its output goes to NAME.log in the work
        folder unless stdout says otherwise."""
        log = open(self.work / f"{name}.log", "ab")
        self._logs.append(log)
        process = subprocess.Popen(self._as_user(command), env=env, cwd=self.folder,
                                   stdin=stdin,
                                   stdout=log if stdout is None else stdout,
                                   stderr=log)
        self._processes.append(process)
        return process

    def run(self, *command):
        result = subprocess.run(self._as_user(command), env=self.env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                timeout=STEP_TIMEOUT, cwd=self.folder)
        if result.returncode != 0:
            raise Failure(f"{' '.join(command)} failed: {result.stderr.decode(errors='replace')}")
        return result

    @staticmethod
    def _while_running(process, name, probe):
        """probe, made to fail at once once the process has ended."""
        def checked():
            if process.poll() is not None:
                raise Failure(f"{name} ended with status {process.returncode}; see {name}.log")
            return probe()
        return checked

    def close(self):
        for process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        for log in self._logs:
            log.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    # Start-up.

    def _prepare_folder(self, wallpaper_rgb):
        # The folder of X sockets, which a system prepares at boot for every X server; where it
        # is missing, XWayland must not make it its user's own.
        x11_sockets = Path("/tmp/.X11-unix")
        try:
            x11_sockets.mkdir()
        except FileExistsError:
            pass
        else:
            x11_sockets.chmod(0o1777)
        self.runtime = self.folder / "runtime"
        self.home = self.folder / "home"
        for folder in (self.runtime, self.home / ".config"):
            folder.mkdir(parents=True)
        self.runtime.chmod(0o700)
        cursors = self.folder / "icons" / CURSOR_THEME / "cursors"
        cursors.mkdir(parents=True)
        # What the compositor shows over the bare desktop, and the arrow toolkits ask for.
        for name in ("left_ptr", "default"):
            (cursors / name).write_bytes(blank_cursor())
        wallpaper = self.folder / "wallpaper.png"
        wallpaper.write_bytes(png(WIDTH, HEIGHT, wallpaper_rgb))
        portals = self.folder / "portals"
        portals.mkdir()
        shutil.copy(INSTALLED_BACKEND_FILE, portals)
        (portals / "orvanetests.portal").write_text(
            f"[portal]\nDBusName={ACCESS_BUS_NAME}\n"
            "Interfaces=org.freedesktop.impl.portal.Access;\nUseIn=sway\n")
        for helper in ("portal_access.py", "virtual_input.py"):
            shutil.copy(HERE / helper, self.folder)
        shutil.copy(PRIVATE_BUS_CONFIG, self.folder / "bus.conf")
        config = self.folder / "sway.config"
        config.write_text("\n".join([
            f"output * mode {WIDTH}x{HEIGHT} bg {wallpaper} center #000000",
            "xwayland enable",
            "default_border none",
            "default_floating_border none",
            "focus_follows_mouse no",
            f"seat * xcursor_theme {CURSOR_THEME} 24",
            # Every window floats where it asks to be, or in the middle, at its own size,
            # leaving the wallpaper around it bare.
            'for_window [shell=".*"] floating enable',
            ""]))
        self._own(self.folder)

    def _start(self, wallpaper_rgb):
        self._prepare_folder(wallpaper_rgb)
        self.env = {
            "PATH": "/usr/local/bin:/usr/bin:/bin",
            "LANG": "C.UTF-8",
            "HOME": str(self.home),
            "XDG_CONFIG_HOME": str(self.home / ".config"),
            "XDG_DATA_HOME": str(self.home / ".local" / "share"),
            "XDG_CACHE_HOME": str(self.home / ".cache"),
            "XDG_RUNTIME_DIR": str(self.runtime),
            "XDG_CURRENT_DESKTOP": "sway",
            "XCURSOR_PATH": str(self.folder / "icons"),
            "XCURSOR_THEME": CURSOR_THEME,
            "XCURSOR_SIZE": "24",
        }

        # The session bus: one that starts nothing on demand, so the system's own portal
        # services cannot answer in place of the ones started here.
        bus = self.spawn("dbus", ["dbus-daemon", "--nofork", "--print-address=1",
                                  f"--config-file={self.folder / 'bus.conf'}"],
                         self.env, stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise Failure("the session bus did not start; see dbus.log")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        sway_env = dict(self.env, WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                        WLR_RENDERER="pixman")
        sway = self.spawn("sway", ["sway", "--config", str(self.folder / "sway.config")],
                          sway_env)
        socket = wait_for("the compositor's command socket", self._while_running(
            sway, "sway", lambda: glob.glob(str(self.runtime / "sway-ipc.*.sock"))), bool)
        self.env["SWAYSOCK"] = socket[0]
        # The compositor tells its clients where to find it through the environment it gives
        # the programs it starts.
        exported = self.folder / "session.env"
        self.swaymsg("exec", f"env > {exported}.part && mv {exported}.part {exported}")
        wait_for("the compositor's environment", exported.exists, bool)
        variables = dict(line.split("=", 1) for line in exported.read_text().splitlines()
                         if "=" in line)
        self.env["WAYLAND_DISPLAY"] = variables["WAYLAND_DISPLAY"]
        self.x_display = variables["DISPLAY"]
        self.output = json.loads(self.swaymsg("-t", "get_outputs"))[0]["name"]
        wait_for("the wallpaper", lambda: self.capture().pixel(WIDTH - 1, HEIGHT - 1),
                 lambda seen: seen == "%02X%02X%02X" % tuple(wallpaper_rgb[-3:]))

        pipewire = self.spawn("pipewire", ["pipewire"], self.env)
        wait_for("pipewire's socket", self._while_running(
            pipewire, "pipewire", (self.runtime / "pipewire-0").exists), bool)
        self._start_service("portal-wlr", [PORTAL_BACKEND],
                            "org.freedesktop.impl.portal.desktop.wlr")
        self._start_service("portal-access", [SYSTEM_PYTHON, "-B", "portal_access.py",
                                              ACCESS_BUS_NAME], ACCESS_BUS_NAME)
        # Started after its backends: it reads what they offer when it starts.
        self._start_service("portal", [PORTAL, "--verbose"], "org.freedesktop.portal.Desktop",
                            XDG_DESKTOP_PORTAL_DIR=str(self.folder / "portals"))

        self._input = self.spawn("virtual-input", [SYSTEM_PYTHON, "-B", "virtual_input.py"],
                                 self.env, stdout=subprocess.PIPE, stdin=subprocess.PIPE)
        self._expect_answer("ready")

    def _expect_answer(self, answer):
        # The devices answer at once; a silence means the helper died, which ends the pipe.
        if self._input.stdout.readline().strip() != answer.encode():
            raise Failure("the virtual input devices failed; see virtual-input.log")

    def _start_service(self, name, command, bus_name, **extra_env):
        process = self.spawn(name, command, dict(self.env, **extra_env))
        wait_for(f"{bus_name} on the session bus", self._while_running(
            process, name, lambda: self.has_bus_name(bus_name)), bool)

    def has_bus_name(self, bus_name):
        reply = self.run("dbus-send", "--session", "--print-reply",
                         "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                         "org.freedesktop.DBus.NameHasOwner", f"string:{bus_name}")
        return b"boolean true" in reply.stdout

    # What a user's hands and eyes stand for.

    def swaymsg(self, *arguments):
        return self.run("swaymsg", *arguments).stdout.decode()

    def views(self):
        """Every window on the desktop, as sway describes it (name, pid, shell, rect, ...)."""
        found = []

        def walk(node):
            if "shell" in node:
                found.append(node)
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)
        walk(json.loads(self.swaymsg("-t", "get_tree")))
        return found

    def add_output(self):
        """A second output of the same size to the right of the first."""
        count = len(json.loads(self.swaymsg("-t", "get_outputs")))
        self.swaymsg("create_output")
        wait_for("the new output", lambda: len(json.loads(self.swaymsg("-t", "get_outputs"))),
                 lambda seen: seen == count + 1)

    def capture(self):
        """A picture of the first output."""
        return Capture(self.run("grim", "-o", self.output, "-t", "ppm", "-").stdout)

    def move_pointer(self, x, y):
        # sway leaves a coordinate given as 0 unchanged.
        if x == 0 or y == 0:
            raise ValueError("the pointer cannot be sent to column or row 0")
        self.swaymsg("seat", "-", "cursor", "set", str(x), str(y))

    def click(self):
        self.swaymsg("seat", "-", "cursor", "press", "button1")
        self.swaymsg("seat", "-", "cursor", "release", "button1")

    def key(self, name, modifier=None):
        """Presses and releases a key, with a modifier (Control_L) held when given."""
        self._input.stdin.write(f"{name} {modifier or ''}\n".encode())
        self._input.stdin.flush()
        self._expect_answer("done")

    def own_file(self, path):
        self._own(path)
