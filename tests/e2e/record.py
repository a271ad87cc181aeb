# SPDX-License-Identifier: MIT
"""The 86-byte record that myset.cfg and every scheme file hold, so the tests can prepare one and
read back what the program wrote."""

import struct
from dataclasses import dataclass, field

# Little-endian: nine web preview colours and five favourites (32-bit), the positions of the
# Web Preview, Harmonies, Favorites and History windows in twips (16-bit pairs), which of
# Favorites, Harmonies, History and Web Preview are open (16-bit flags), the first scheme
# colour (32-bit) and whether Quick Tips show at start-up (16-bit flag).
_LAYOUT = struct.Struct("<9i5i8h4hih")
SIZE = _LAYOUT.size

TWIPS_PER_PIXEL = 15
NO_COLOUR = -1
TRUE = -1
FALSE = 0

# The record a first run writes when it is left at once: the default colours and places, the
# Favorites window open, the start colour 51, 35, 231 and Quick Tips on.
FIRST_RUN = bytes([
    0x41, 0x32, 0xD1, 0x00, 0x7D, 0xBD, 0x21, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x87, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1A, 0x4D,
    0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0x64, 0x00,
    0x64, 0x00, 0x64, 0x00, 0xF4, 0x01, 0xF4, 0x01, 0x64, 0x00, 0x64, 0x00, 0xFF, 0xFF, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x33, 0x23, 0xE7, 0x00, 0xFF, 0xFF,
])

FAVORITES, HARMONIES, HISTORY, WEB_PREVIEW = range(4)


def colour_value(hex_colour):
    """A colour as the record stores it (red in the low byte) from RRGGBB."""
    red, green, blue = (int(hex_colour[i : i + 2], 16) for i in (0, 2, 4))
    return red | green << 8 | blue << 16


def hex_colour(value):
    return "%02X%02X%02X" % (value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF)


def twips(pixels):
    return pixels * TWIPS_PER_PIXEL


@dataclass
class Record:
    web_colours: list
    favourites: list
    # (left, top) in twips, by window
    web_preview_at: tuple
    harmonies_at: tuple
    favorites_at: tuple
    history_at: tuple
    tools_open: list = field(default_factory=lambda: [FALSE] * 4)
    scheme_colour: int = 0
    tips_at_start: int = TRUE

    @classmethod
    def decode(cls, data):
        if len(data) != SIZE:
            raise ValueError(f"a record has {SIZE} bytes, not {len(data)}")
        v = _LAYOUT.unpack(data)
        return cls(list(v[0:9]), list(v[9:14]), v[14:16], v[16:18], v[18:20], v[20:22],
                   list(v[22:26]), v[26], v[27])

    def encode(self):
        return _LAYOUT.pack(*self.web_colours, *self.favourites, *self.web_preview_at,
                            *self.harmonies_at, *self.favorites_at, *self.history_at,
                            *self.tools_open, self.scheme_colour, self.tips_at_start)


def quiet_start():
    """The first-run record with Quick Tips off and every tool window closed: a start that
    shows only the main window."""
    record = Record.decode(FIRST_RUN)
    record.tools_open = [FALSE] * 4
    record.tips_at_start = FALSE
    return record
