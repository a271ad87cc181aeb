#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plugs a virtual pointer and a virtual keyboard into a Wayland compositor and types on the
keyboard as told, until its standard input ends.

A headless compositor has no input devices, so its seat offers clients neither pointer nor
keyboard, and moves, clicks or keys sent meanwhile reach nobody. Devices that stay plugged in
for the whole session give every client both from the start. This client speaks just enough of
the Wayland wire protocol to create them through the wlroots virtual pointer and virtual keyboard
extensions.

Prints "ready" once the compositor has taken both. Then each line "KEY [MODIFIER]" on standard
input, such as "F3" or "c Control_L", presses and releases KEY, with MODIFIER held when given,
and prints "done" once the compositor has handled it.
"""

import os
import socket
import struct
import sys
import time

DISPLAY, REGISTRY, SYNC = 1, 2, 3
POINTER_MANAGER = "zwlr_virtual_pointer_manager_v1"
KEYBOARD_MANAGER = "zwp_virtual_keyboard_manager_v1"
SEAT = "wl_seat"
# The keys the tests press, each on a keycode of its own, and which modifier each holder sets.
KEYS = ("F3", "c", "q", "Escape", "Return", "Control_L")
MODIFIER_MASKS = {"Control_L": 1 << 2}
KEYMAP_FORMAT_XKB_V1 = 1
RELEASED, PRESSED = 0, 1
# Evdev numbers keys from 8 below the keymap's keycodes.
EVDEV_OFFSET = 8


def keymap():
    keycodes = "".join(f"<K{i}> = {i + 9};\n" for i in range(len(KEYS)))
    symbols = "".join(f"key <K{i}> {{ [ {name} ] }};\n" for i, name in enumerate(KEYS))
    control = KEYS.index("Control_L")
    return (f'xkb_keymap {{\nxkb_keycodes "tests" {{\nminimum = 8;\nmaximum = 255;\n{keycodes}}};\n'
            'xkb_types "tests" { include "complete" };\n'
            'xkb_compatibility "tests" { include "complete" };\n'
            f'xkb_symbols "tests" {{\n{symbols}modifier_map Control {{ <K{control}> }};\n}};\n}};\n')


def encode_string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def decode_string(payload, at):
    (length,) = struct.unpack_from("=I", payload, at)
    return payload[at + 4 : at + 4 + length - 1].decode()


class Connection:
    def __init__(self, path):
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.buffer = b""
        self.next_id = SYNC + 1

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, target, opcode, arguments=b"", fds=()):
        message = struct.pack("=II", target, (8 + len(arguments)) << 16 | opcode) + arguments
        if fds:
            socket.send_fds(self.socket, [message], list(fds))
        else:
            self.socket.sendall(message)

    def event(self):
        """The next event as (object, opcode, payload)."""
        while True:
            if len(self.buffer) >= 8:
                target, word = struct.unpack_from("=II", self.buffer)
                size = word >> 16
                if len(self.buffer) >= size:
                    payload = self.buffer[8:size]
                    self.buffer = self.buffer[size:]
                    return target, word & 0xFFFF, payload
            chunk = self.socket.recv(4096)
            if not chunk:
                raise SystemExit("the compositor closed the connection")
            self.buffer += chunk

    def round_trip(self, on_event=lambda *event: None):
        """Hands every event to on_event until the compositor has handled all sent before."""
        self.send(DISPLAY, 0, struct.pack("=I", SYNC))  # sync
        while True:
            target, opcode, payload = self.event()
            if target == DISPLAY and opcode == 0:
                _, code = struct.unpack_from("=II", payload)
                raise SystemExit(f"the compositor reported error {code}: "
                                 f"{decode_string(payload, 8)}")
            if target == SYNC:
                return
            on_event(target, opcode, payload)

    def bind(self, name, interface, version):
        new = self.new_id()
        self.send(REGISTRY, 0, struct.pack("=I", name) + encode_string(interface)
                  + struct.pack("=II", version, new))
        return new


def main():
    runtime = os.environ["XDG_RUNTIME_DIR"]
    connection = Connection(os.path.join(runtime, os.environ["WAYLAND_DISPLAY"]))
    connection.send(DISPLAY, 1, struct.pack("=I", REGISTRY))  # get_registry
    globals_by_interface = {}

    def take_global(target, opcode, payload):
        if target == REGISTRY and opcode == 0:
            (name,) = struct.unpack_from("=I", payload)
            globals_by_interface.setdefault(decode_string(payload, 4), name)

    connection.round_trip(take_global)
    missing = {POINTER_MANAGER, KEYBOARD_MANAGER, SEAT} - globals_by_interface.keys()
    if missing:
        raise SystemExit(f"the compositor offers no {', '.join(sorted(missing))}")
    seat = connection.bind(globals_by_interface[SEAT], SEAT, 1)
    pointers = connection.bind(globals_by_interface[POINTER_MANAGER], POINTER_MANAGER, 1)
    keyboards = connection.bind(globals_by_interface[KEYBOARD_MANAGER], KEYBOARD_MANAGER, 1)
    # create_virtual_pointer(no seat: the default one), create_virtual_keyboard(seat).
    connection.send(pointers, 0, struct.pack("=II", 0, connection.new_id()))
    keyboard = connection.new_id()
    connection.send(keyboards, 0, struct.pack("=II", seat, keyboard))
    text = keymap().encode() + b"\0"
    keymap_file = os.memfd_create("keymap")
    os.write(keymap_file, text)
    connection.send(keyboard, 0, struct.pack("=II", KEYMAP_FORMAT_XKB_V1, len(text)),
                    fds=[keymap_file])
    os.close(keymap_file)
    connection.round_trip()
    print("ready", flush=True)

    def key(name, state):
        milliseconds = int(time.monotonic() * 1000) & 0xFFFFFFFF
        connection.send(keyboard, 1, struct.pack("=III", milliseconds, KEYS.index(name)
                                                 + 9 - EVDEV_OFFSET, state))

    def modifiers(depressed):
        connection.send(keyboard, 2, struct.pack("=IIII", depressed, 0, 0, 0))

    for line in sys.stdin:
        name, *held = line.split()
        for modifier in held:
            key(modifier, PRESSED)
            modifiers(MODIFIER_MASKS[modifier])
        key(name, PRESSED)
        key(name, RELEASED)
        for modifier in held:
            key(modifier, RELEASED)
            modifiers(0)
        connection.round_trip()
        print("done", flush=True)


if __name__ == "__main__":
    sys.exit(main())
