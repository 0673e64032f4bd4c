#!/usr/bin/env python3
"""Draws the grid's check-box, radio-button and node glyphs as 24-bit .bmp files in
resources/bitmaps. Every pixel outside a glyph is magenta, the key colour: the grid draws check
boxes and radio buttons transparently by the bottom-left pixel and puts the cell colour where the
node glyphs have the top-left pixel's colour.

ESGCHK01..04 and ESGRAD01..04 are the flat look (checked or on, unchecked or off, each enabled and
disabled, in the order checked, unchecked, checked disabled, unchecked disabled), ESGCHK05..08 and
ESGRAD05..08 the same for the rounded look. Check boxes are 15 x 15 (a 13-pixel box), radio
buttons 13 x 13. ESGLEAFOPEN/ESGLEAFCLOSE are 12 x 12 arrows, XPNODEO/XPNODEC 10 x 10 boxes
with a minus or a plus."""
import math

from bmpfile import write_bitmaps

KEY = (255, 0, 255)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


# Colours of the two looks: border, interior top, interior bottom, mark; enabled and disabled.
LOOKS = {
    "flat": ((64, 96, 160), (255, 255, 255), (255, 255, 255), (32, 48, 112)),
    "flat-disabled": ((176, 176, 176), (240, 240, 240), (240, 240, 240), (160, 160, 160)),
    "rounded": ((28, 81, 128), (220, 220, 215), (255, 255, 255), (33, 161, 33)),
    "rounded-disabled": ((202, 200, 187), (244, 243, 238), (244, 243, 238), (170, 168, 155)),
}

# The tick, 7 x 7: each column three pixels high, starting at these rows.
TICK_TOP = [2, 3, 4, 3, 2, 1, 0]


def check_box(look, checked, rounded):
    border, top, bottom, mark = LOOKS[look]
    size = 15
    img = [[KEY] * size for _ in range(size)]
    for y in range(1, 14):
        for x in range(1, 14):
            edge = x in (1, 13) or y in (1, 13)
            corner = x in (1, 13) and y in (1, 13)
            if edge:
                img[y][x] = KEY if corner and rounded else border
            else:
                img[y][x] = mix(top, bottom, (x + y - 4) / 18)
    if checked:
        for i, t in enumerate(TICK_TOP):
            for d in range(3):
                img[4 + t + d][4 + i] = mark
    return img


def radio(look, on):
    border, top, bottom, mark = LOOKS[look]
    size = 13
    img = [[KEY] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - 6, y - 6)
            if d <= 4.9:
                img[y][x] = mark if on and d <= 2.3 else mix(top, bottom, (x + y) / 24)
            elif d <= 6.4:
                img[y][x] = border
    return img


def leaf(opened):
    size = 12
    img = [[KEY] * size for _ in range(size)]
    ink = (64, 64, 64) if opened else (96, 96, 96)
    for y in range(size):
        for x in range(size):
            if opened:
                # A triangle pointing down and to the right.
                inside = 3 <= y <= 9 and 3 <= x <= 9 and x + y >= 12
            else:
                # A triangle pointing right.
                inside = 4 <= x <= 8 and abs(y - 6) <= 8 - x
            if inside:
                img[y][x] = ink
    return img


def xp_node(contracted):
    size = 10
    img = [[KEY] * size for _ in range(size)]
    border = (122, 152, 175)
    for y in range(1, 10):
        for x in range(1, 10):
            if x in (1, 9) or y in (1, 9):
                img[y][x] = border
            else:
                img[y][x] = mix((255, 255, 255), (198, 190, 173), (y - 2) / 6)
    for x in range(3, 8):
        img[5][x] = (0, 0, 0)
    if contracted:
        for y in range(3, 8):
            img[y][5] = (0, 0, 0)
    return img


def main():
    glyphs = {}
    for base, look, rounded in ((1, "flat", False), (5, "rounded", True)):
        for offset, (checked, disabled) in enumerate(((True, False), (False, False), (True, True), (False, True))):
            name = look + ("-disabled" if disabled else "")
            glyphs["ESGCHK%02d" % (base + offset)] = check_box(name, checked, rounded)
            glyphs["ESGRAD%02d" % (base + offset)] = radio(name, checked)
    glyphs["ESGLEAFOPEN"] = leaf(True)
    glyphs["ESGLEAFCLOSE"] = leaf(False)
    glyphs["XPNODEO"] = xp_node(False)
    glyphs["XPNODEC"] = xp_node(True)
    write_bitmaps(glyphs)


if __name__ == "__main__":
    main()
