#!/usr/bin/env python3
"""Draws the program's icon, a disc, as a 16-colour .ico at 16 x 16 and 32 x 32 pixels.

Run it again after changing the drawing; the .ico it writes is checked in beside the resources.
"""
import math
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0) quads.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREY, LIGHT_GREY, WHITE, CYAN, DARK_BLUE, BLUE = 0, 8, 7, 15, 14, 4, 12


def pixel(size, x, y):
    """Palette index of a pixel, or None where the icon is transparent."""
    centre = (size - 1) / 2
    dx, dy = x - centre, y - centre
    r = math.hypot(dx, dy) / (size / 2)
    if r > 0.98:
        return None
    if r > 0.86:
        return DARK_GREY
    if r < 0.14:
        return None
    if r < 0.24:
        return DARK_GREY
    if r < 0.32:
        return LIGHT_GREY
    angle = math.degrees(math.atan2(-dy, dx)) % 360
    if 20 <= angle < 70:
        return WHITE
    if 200 <= angle < 250:
        return CYAN
    return BLUE if r > 0.6 else LIGHT_GREY


def image(size):
    rows = []
    mask_rows = []
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        colours = [pixel(size, x, y) for x in range(size)]
        nibbles = [c if c is not None else 0 for c in colours]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        rows.append(row + b"\0" * (-len(row) % 4))
        bits = 0
        mask = bytearray()
        for x, colour in enumerate(colours):
            bits = (bits << 1) | (1 if colour is None else 0)
            if x % 8 == 7:
                mask.append(bits)
                bits = 0
        mask_rows.append(bytes(mask) + b"\0" * (-len(mask) % 4))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + b"".join(rows) + b"".join(mask_rows)


def main(path):
    sizes = [16, 32]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "app/discgate.ico")
