#!/usr/bin/python3
"""Draw the six die-face pictures as 49 x 49 24-bit BMP files.

    make_faces.py           write assets/faces/face1.bmp .. face6.bmp
    make_faces.py --check   draw in memory and compare with the files in the tree

Only the standard library is used, and the output is the same bytes on every run.
"""

import math
import pathlib
import struct
import sys

from generated import write_or_check

SIZE = 49
ROOT = pathlib.Path(__file__).resolve().parent.parent
FACES_DIR = ROOT / "assets" / "faces"

# Bevel greys per ring (0 = outermost): left column and bottom row are the shaded
# sides, top row and right column the lit ones; the light comes from the upper right.
SHADED = (64, 111, 159, 207)
LIT = (111, 159, 207, 255)

PIP_CELL = 10  # a pip is a disc 10 pixels across drawn in a 10 x 10 cell
# Rim pixels that the disc covers almost fully or barely touches are snapped to
# black or white, so no rim pixel is all but black or all but white.
RIM_DARKEST = 8
RIM_LIGHTEST = 248

# Cell centres, in pixel coordinates where pixel i is centred on i.
PIPS = {
    1: [(24.5, 23.5)],
    2: [(10.5, 8.5), (38.5, 36.5)],
    3: [(10.5, 8.5), (24.5, 22.5), (37.5, 37.5)],
    4: [(10.5, 8.5), (38.5, 8.5), (10.5, 36.5), (38.5, 36.5)],
    5: [(11.5, 8.5), (37.5, 8.5), (24.5, 22.5), (11.5, 36.5), (37.5, 37.5)],
    6: [(11.5, 8.5), (36.5, 8.5), (11.5, 23.5), (36.5, 23.5), (11.5, 37.5), (36.5, 38.5)],
}


def disc_coverage(x0, x1, y0, y1, radius, samples=1024):
    """Area of the disc of the given radius around (0, 0) inside [x0,x1] x [y0,y1],
    as a fraction of the rectangle's area.

    Each vertical chord is cut exactly; only the sweep across x is sampled, which is
    far finer than the 256 grey levels need.
    """
    width = (x1 - x0) / samples
    area = 0.0
    for i in range(samples):
        x = x0 + (i + 0.5) * width
        if abs(x) >= radius:
            continue
        half = math.sqrt(radius * radius - x * x)
        span = min(y1, half) - max(y0, -half)
        if span > 0:
            area += span * width
    return area / ((x1 - x0) * (y1 - y0))


def pip_cell():
    """Grey levels of one pip cell, indexed [row][column]."""
    radius = PIP_CELL / 2
    cell = []
    for row in range(PIP_CELL):
        line = []
        for col in range(PIP_CELL):
            # Pixel edges relative to the disc centre in the middle of the cell.
            x0 = col - radius
            y0 = row - radius
            cover = disc_coverage(x0, x0 + 1, y0, y0 + 1, radius)
            grey = round(255 * (1 - cover))
            if grey < RIM_DARKEST:
                grey = 0
            elif grey > RIM_LIGHTEST:
                grey = 255
            line.append(grey)
        cell.append(line)
    return cell


def bevel_grey(x, y):
    """Grey of the bevel at (x, y), or None inside the rings."""
    last = SIZE - 1
    k = min(x, y, last - x, last - y)
    if k >= len(SHADED):
        return None
    # The left column takes the top-left corner, the bottom row the bottom-right.
    if x == k or y == last - k:
        return SHADED[k]
    return LIT[k]


def draw_face(face):
    """Grey levels of the whole face, indexed [y][x] with y downward."""
    pixels = [[255] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            grey = bevel_grey(x, y)
            if grey is not None:
                pixels[y][x] = grey
    cell = pip_cell()
    half = PIP_CELL // 2
    for cx, cy in PIPS[face]:
        left = int(cx + 0.5) - half
        top = int(cy + 0.5) - half
        for row in range(PIP_CELL):
            for col in range(PIP_CELL):
                pixels[top + row][left + col] = cell[row][col]
    return pixels


def encode_bmp(pixels):
    row_bytes = SIZE * 3
    stride = (row_bytes + 3) // 4 * 4
    image_size = stride * SIZE
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, image_size, 0, 0, 0, 0)
    body = bytearray()
    for y in reversed(range(SIZE)):
        for grey in pixels[y]:
            body += bytes((grey, grey, grey))
        body += bytes(stride - row_bytes)
    return header + info + bytes(body)


def main(argv):
    return write_or_check(argv, {FACES_DIR / f"face{face}.bmp": encode_bmp(draw_face(face)) for face in sorted(PIPS)})


if __name__ == "__main__":
    sys.exit(main(sys.argv))
