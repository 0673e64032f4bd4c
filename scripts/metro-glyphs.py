#!/usr/bin/env python3
"""Draws the grid's flat check-box and radio glyphs as 24-bit .bmp files in resources/bitmaps:
metrocheckon and metrocheckoff (15 x 15, a 13-pixel box inside a one-pixel margin), metroradioon and
metroradiooff (13 x 13). The margin and the inside are white, so that a glyph drawn transparently
(bottom-left pixel as the transparent colour) shows the cell through them."""

from bmpfile import write_bitmaps

WHITE = (255, 255, 255)
FRAME = (0x6D, 0x6D, 0x6D)
MARK = (0x33, 0x33, 0x33)


def check(on):
    size = 15
    px = [[WHITE] * size for _ in range(size)]
    for i in range(1, size - 1):
        for x, y in ((i, 1), (i, size - 2), (1, i), (size - 2, i)):
            px[y][x] = FRAME
    if on:
        # A tick two pixels thick: down from (4, 7) to (6, 9), then up to (10, 5).
        for x, y in ((4, 7), (5, 8), (6, 9), (7, 8), (8, 7), (9, 6), (10, 5)):
            px[y][x] = MARK
            px[y + 1][x] = MARK
    return px


def radio(on):
    size = 13
    c = (size - 1) / 2
    px = [[WHITE] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            if 4.9 <= d <= 6.1:
                px[y][x] = FRAME
            elif on and d <= 2.6:
                px[y][x] = MARK
    return px


def main():
    write_bitmaps({"metrocheckon": check(True), "metrocheckoff": check(False),
                   "metroradioon": radio(True), "metroradiooff": radio(False)})


if __name__ == "__main__":
    main()
