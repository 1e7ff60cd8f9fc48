#!/usr/bin/env python3
"""Converts one of the program's XPM pictures into the Windows resource file that windres embeds:
a 16-colour icon (.ico, with the XPM's "None" as the transparent mask) or a 16-colour bitmap
(.bmp). The XPMs stay the one home of each picture; the build runs this for the Windows program.

    xpm2res.py INPUT.xpm OUTPUT.ico|OUTPUT.bmp

Every colour must be one of the sixteen of the standard palette, which both files carry."""

import re
import struct
import sys

# The standard 16-colour palette in its usual order (black, maroon, ..., white).
PALETTE = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', open(path, encoding="ascii").read())
    width, height, ncolors, cpp = (int(v) for v in strings[0].split()[:4])
    colors = {}
    for line in strings[1:1 + ncolors]:
        key, params = line[:cpp], line[cpp:].split()
        value = params[params.index("c") + 1]
        if value.lower() == "none":
            colors[key] = None
        elif value.startswith("#") and len(value) == 7:
            rgb = int(value[1:], 16)
            if rgb not in PALETTE:
                sys.exit(f"{path}: {value} is not one of the sixteen colours")
            colors[key] = PALETTE.index(rgb)
        else:
            sys.exit(f"{path}: colour {value!r} is not #RRGGBB or None")
    rows = strings[1 + ncolors:1 + ncolors + height]
    if len(rows) != height or any(len(r) != width * cpp for r in rows):
        sys.exit(f"{path}: the pixel rows do not match {width} by {height}")
    return width, height, [[colors[r[x * cpp:(x + 1) * cpp]] for x in range(width)] for r in rows]


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def nibbles(pixels):
    """One bottom-up 4-bit row: two pixels a byte, the first in the high half."""
    values = [0 if p is None else p for p in pixels] + [0]
    return padded(bytes((values[i] << 4) | values[i + 1] for i in range(0, len(pixels), 2)))


def mask_row(pixels):
    bits = bytearray((len(pixels) + 7) // 8)
    for x, p in enumerate(pixels):
        if p is None:
            bits[x // 8] |= 0x80 >> (x % 8)
    return padded(bytes(bits))


def palette_bytes():
    return b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in PALETTE)


def dib(width, height, pixels, with_mask):
    rows = b"".join(nibbles(r) for r in reversed(pixels))
    mask = b"".join(mask_row(r) for r in reversed(pixels)) if with_mask else b""
    # An icon's header counts the colour rows and the mask together: twice the height.
    header = struct.pack("<IiiHHIIiiII", 40, width, height * (2 if with_mask else 1), 1, 4, 0,
                         len(rows) + len(mask), 0, 0, 16, 0)
    return header + palette_bytes() + rows + mask


def main():
    source, target = sys.argv[1], sys.argv[2]
    width, height, pixels = read_xpm(source)
    if target.lower().endswith(".ico"):
        if width > 255 or height > 255:
            sys.exit(f"{source}: too large for an icon")
        image = dib(width, height, pixels, True)
        data = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), 22)
        data += image
    elif target.lower().endswith(".bmp"):
        if any(p is None for r in pixels for p in r):
            sys.exit(f"{source}: a bitmap has no transparent colour")
        image = dib(width, height, pixels, False)
        data = struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, 14 + 40 + 64) + image
    else:
        sys.exit(f"{target}: give a .ico or a .bmp")
    open(target, "wb").write(data)


if __name__ == "__main__":
    main()
