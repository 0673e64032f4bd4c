"""24-bit .bmp files for the drawing scripts of resources/bitmaps."""
import os
import struct
import sys


def bmp(pixels):
    """A bottom-up 24-bit bitmap of a list of rows, top down, of (r, g, b)."""
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    body = b""
    for row in reversed(pixels):
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        body += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return struct.pack("<HIHHI", 0x4D42, 14 + len(info) + len(body), 0, 0, 14 + len(info)) + info + body


def write_bitmaps(images):
    """Writes each name -> pixels as name.bmp into the folder given on the command line, else
    into resources/bitmaps."""
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "bitmaps")
    for name, pixels in images.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(bmp(pixels))
