#!/usr/bin/env python3
"""Draws the grid's selection cursors as 32 x 32 monochrome .cur files in resources/cursors:
8010 row selection (arrow pointing right), 8011 column selection (arrow pointing down),
8012 whole-grid selection and selection resizing (arrow pointing down and right), 8014 cell
selector (white cross). Each shape is black with a white outline; the hot spot is the arrow's tip
or the cross's middle."""
import math
import os
import struct
import sys

SIZE = 32


def inside(poly, x, y):
    hit = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def arrow(angle, tip):
    """The pixels of an arrow pointing along angle (degrees, 0 = right, 90 = down) whose tip pixel is tip."""
    shape = [(0, 0), (-6, -6), (-6, -2), (-13, -2), (-13, 2), (-6, 2), (-6, 6)]
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    # The tip lies half a pixel beyond the middle of the tip pixel, so that pixel is drawn.
    ox, oy = tip[0] + 0.5 + 0.6 * c, tip[1] + 0.5 + 0.6 * s
    poly = [(ox + x * c - y * s, oy + x * s + y * c) for x, y in shape]
    return {(x, y) for y in range(SIZE) for x in range(SIZE) if inside(poly, x + 0.5, y + 0.5)}


def ring(pixels):
    return {(x + dx, y + dy) for x, y in pixels for dx in (-1, 0, 1) for dy in (-1, 0, 1)} - pixels


def cursor_file(black, white, hot):
    # Rows bottom up; colour bit 1 = white (palette index 1), mask bit 1 = transparent.
    xor_rows, and_rows = b"", b""
    for y in reversed(range(SIZE)):
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (31 - x)
            if (x, y) in white:
                xor_bits |= bit
            elif (x, y) not in black:
                and_bits |= bit
        xor_rows += struct.pack(">I", xor_bits)
        and_rows += struct.pack(">I", and_bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(xor_rows) + len(and_rows), 0, 0, 2, 0)
    image = header + b"\0\0\0\0\xff\xff\xff\0" + xor_rows + and_rows
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot[0], hot[1], len(image), 22) + image


def main(folder):
    shapes = {
        "8010": (arrow(0, (20, 15)), (20, 15)),
        "8011": (arrow(90, (15, 20)), (15, 20)),
        "8012": (arrow(45, (20, 20)), (20, 20)),
    }
    for name, (black, hot) in shapes.items():
        with open(os.path.join(folder, name + ".cur"), "wb") as out:
            out.write(cursor_file(black, ring(black), hot))
    cross = {(x, y) for x in range(SIZE) for y in range(SIZE)
             if (abs(x - 15) <= 2 and abs(y - 15) <= 8) or (abs(y - 15) <= 2 and abs(x - 15) <= 8)}
    with open(os.path.join(folder, "8014.cur"), "wb") as out:
        out.write(cursor_file(ring(cross), cross, (15, 15)))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "cursors"))
