#!/usr/bin/python3
"""Draw Pipwell's button pictures, window icon and desktop icons.

    make_pictures.py           write assets/pictures/*.png and assets/icons/hicolor/...
    make_pictures.py --check   draw in memory and compare with the files in the tree

The 32 x 32 pictures are 4-bit palette PNGs in classic 16-colour Windows colours.
The desktop icons are RGBA PNGs plus one SVG, all showing the same two dice.
Only the standard library is used, and the output is the same bytes on every run.
"""

import math
import pathlib
import struct
import sys

from generated import write_or_check
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
APP_ID = "org.example.Pipwell"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

SIZE = 32

# The 16-colour Windows palette, in its usual order; palettes list colours in this
# order so that a picture's palette does not depend on the order it was drawn in.
BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
FUCHSIA = (255, 0, 255)
CYAN = (0, 255, 255)
WHITE = (255, 255, 255)
WINDOWS_COLOURS = (BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, GREY,
                   SILVER, RED, LIME, YELLOW, BLUE, FUCHSIA, CYAN, WHITE)

CLEAR = None  # a transparent pixel


# ---------------------------------------------------------------------------
# Canvas

def inside_polygon(px, py, points):
    """Even-odd rule: count the edges crossed going right from the point."""
    inside = False
    for i, (ax, ay) in enumerate(points):
        bx, by = points[i - 1]
        if (ay > py) != (by > py):
            if px < ax + (py - ay) * (bx - ax) / (by - ay):
                inside = not inside
    return inside


class Canvas:
    """A grid of colours, (r, g, b) or CLEAR, indexed [y][x] with y downward."""

    def __init__(self, width, height, fill=CLEAR):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        # Clipping here lets shapes run off the edge without care at each call.
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fill the inclusive rectangle x0..x1, y0..y1."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.rect(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.rect(x, y0, x, y1, colour)

    def polygon(self, points, colour):
        """Fill the pixels whose centres lie inside the polygon (even-odd rule)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside_polygon(x + 0.5, y + 0.5, points):
                    self.put(x, y, colour)

    def stamp(self, x0, y0, art, legend):
        """Paint character art (a list of strings) with its top left at (x0, y0).

        Characters missing from the legend leave the canvas as it is."""
        for dy, row in enumerate(art):
            for dx, ch in enumerate(row):
                if ch in legend:
                    self.put(x0 + dx, y0 + dy, legend[ch])

    def scaled(self, factor):
        """Nearest-neighbour enlargement, for the bigger desktop icons."""
        big = Canvas(self.width * factor, self.height * factor)
        for y in range(big.height):
            src = self.rows[y // factor]
            big.rows[y] = [src[x // factor] for x in range(big.width)]
        return big


# ---------------------------------------------------------------------------
# PNG encoding

def png_chunk(tag, data):
    return (struct.pack(">I", len(data)) + tag + data
            + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))


def png_file(width, height, bit_depth, colour_type, extra_chunks, raw_rows):
    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    # Filter type 0 on every row: the pictures are small and the bytes stay predictable.
    raw = b"".join(b"\x00" + row for row in raw_rows)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", header)
            + b"".join(extra_chunks)
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def palette_of(canvas):
    """The colours of a canvas in a fixed order: CLEAR first (so tRNS needs one
    byte), then the Windows colours, then any others sorted."""
    used = {c for row in canvas.rows for c in row}
    colours = [CLEAR] if CLEAR in used else []
    colours += [c for c in WINDOWS_COLOURS if c in used]
    colours += sorted(c for c in used if c is not CLEAR and c not in WINDOWS_COLOURS)
    return colours


def encode_palette_png(canvas):
    """A 4-bit palette PNG with at most 16 colours; CLEAR becomes index 0 in tRNS."""
    colours = palette_of(canvas)
    if len(colours) > 16:
        raise ValueError(f"{len(colours)} colours do not fit a 4-bit palette")
    index = {c: i for i, c in enumerate(colours)}
    plte = b"".join(bytes(c if c is not CLEAR else (0, 0, 0)) for c in colours)
    chunks = [png_chunk(b"PLTE", plte)]
    if colours[0] is CLEAR:
        chunks.append(png_chunk(b"tRNS", b"\x00"))
    rows = []
    for row in canvas.rows:
        nibbles = [index[c] for c in row] + [0] * (canvas.width % 2)
        rows.append(bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, len(nibbles), 2)))
    return png_file(canvas.width, canvas.height, 4, 3, chunks, rows)


def encode_rgba_png(width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    rows = [b"".join(bytes(p) for p in row) for row in pixels]
    return png_file(width, height, 8, 6, [], rows)


def canvas_rgba(canvas):
    return [[(0, 0, 0, 0) if c is CLEAR else c + (255,) for c in row] for row in canvas.rows]


# ---------------------------------------------------------------------------
# Tiles

# Digits 15 x 25: strokes 4 pixels thick, bowls and bars of one height, so that
# 3, 5, 6, 8 and 9 share their curves; 9 is 6 turned over.
DIGIT_WIDTH = 15
DIGIT_HEIGHT = 25
DIGITS = {
    1: [
        "......####.....",
        ".....#####.....",
        "...#######.....",
        ".#########.....",
        ".####.####.....",
        ".##...####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "......####.....",
        "..###########..",
        "..###########..",
        "..###########..",
        "..###########..",
    ],
    2: [
        ".....#####.....",
        "..###########..",
        ".#############.",
        "###############",
        "#####.....#####",
        "####.......####",
        "####.......####",
        "...........####",
        "..........#####",
        ".........######",
        ".......#######.",
        "......#######..",
        ".....######....",
        "....######.....",
        "...######......",
        "..######.......",
        ".######........",
        "######.........",
        "#####..........",
        "####...........",
        "####...........",
        "###############",
        "###############",
        "###############",
        "###############",
    ],
    3: [
        ".....#####.....",
        "..###########..",
        ".#############.",
        "###############",
        "#####.....#####",
        "####.......####",
        "####.......####",
        "...........####",
        "...........####",
        "..........#####",
        ".....#########.",
        ".....########..",
        ".....########..",
        ".....#########.",
        "..........#####",
        "...........####",
        "...........####",
        "...........####",
        "####.......####",
        "####.......####",
        "#####.....#####",
        "###############",
        ".#############.",
        "..###########..",
        ".....#####.....",
    ],
    4: [
        "..........####.",
        ".........#####.",
        ".........#####.",
        "........######.",
        ".......#######.",
        ".......#######.",
        "......########.",
        ".....####.####.",
        ".....####.####.",
        "....####..####.",
        "...####...####.",
        "...####...####.",
        "..####....####.",
        ".####.....####.",
        ".####.....####.",
        "####......####.",
        "###############",
        "###############",
        "###############",
        "###############",
        "..........####.",
        "..........####.",
        "..........####.",
        "..........####.",
        "..........####.",
    ],
    5: [
        "##############.",
        "##############.",
        "##############.",
        "##############.",
        "####...........",
        "####...........",
        "####...........",
        "####...........",
        "####...........",
        "####...........",
        "############...",
        "#############..",
        "##############.",
        "###############",
        "..........#####",
        "...........####",
        "...........####",
        "...........####",
        "####.......####",
        "####.......####",
        "#####.....#####",
        "###############",
        ".#############.",
        "..###########..",
        ".....#####.....",
    ],
    6: [
        ".....#####.....",
        "..###########..",
        ".#############.",
        "###############",
        "#####.....#####",
        "####.......####",
        "####...........",
        "####...........",
        "####...........",
        "####...........",
        "####..#####....",
        "####.########..",
        "##############.",
        "###############",
        "#####.....#####",
        "####.......####",
        "####.......####",
        "####.......####",
        "####.......####",
        "####.......####",
        "#####.....#####",
        "###############",
        ".#############.",
        "..###########..",
        ".....#####.....",
    ],
    7: [
        "###############",
        "###############",
        "###############",
        "###############",
        "..........#####",
        "..........#####",
        ".........#####.",
        ".........#####.",
        ".........#####.",
        "........#####..",
        "........#####..",
        "........#####..",
        ".......#####...",
        ".......#####...",
        "......#####....",
        "......#####....",
        "......#####....",
        ".....#####.....",
        ".....#####.....",
        ".....#####.....",
        "....#####......",
        "....#####......",
        "....#####......",
        "...#####.......",
        "...#####.......",
    ],
    8: [
        "....#######....",
        "..###########..",
        ".#############.",
        ".#############.",
        ".#####...#####.",
        ".####.....####.",
        ".####.....####.",
        ".####.....####.",
        ".#####...#####.",
        "..###########..",
        "...#########...",
        "..###########..",
        ".#############.",
        "#####.....#####",
        "####.......####",
        "####.......####",
        "####.......####",
        "####.......####",
        "####.......####",
        "####.......####",
        "#####.....#####",
        "###############",
        ".#############.",
        "..###########..",
        ".....#####.....",
    ],
}
DIGITS[9] = [row[::-1] for row in reversed(DIGITS[6])]


def draw_tile(digit):
    c = Canvas(SIZE, SIZE)
    last = SIZE - 1
    for y in range(SIZE):
        for x in range(SIZE):
            c.put(x, y, CYAN if (x + y) % 2 == 0 else SILVER)
    # Bevel: the lit edges stop one short so the shaded edges own both far corners.
    c.hline(1, last - 2, 1, WHITE)
    c.vline(1, 1, last - 2, WHITE)
    c.hline(1, last - 1, last - 1, TEAL)
    c.vline(last - 1, 1, last - 1, TEAL)
    c.hline(0, last, 0, BLACK)
    c.hline(0, last, last, BLACK)
    c.vline(0, 0, last, BLACK)
    c.vline(last, 0, last, BLACK)
    # The field is 28 wide from x = 2; digit plus its one-pixel edge is 16 wide.
    art = DIGITS[digit]
    left = 2 + (SIZE - 4 - (DIGIT_WIDTH + 1)) // 2
    top = 2 + (SIZE - 4 - (DIGIT_HEIGHT + 1)) // 2
    for dx, dy in ((1, 0), (0, 1), (1, 1)):
        c.stamp(left + dx, top + dy, art, {"#": WHITE})
    c.stamp(left, top, art, {"#": NAVY})
    return c


# ---------------------------------------------------------------------------
# Dice: one model for the window icon, the desktop icons and the SVG

EDGE, FRONT, TOP, SIDE, PIP, PIP_RIM = "edge", "front", "top", "side", "pip", "pip rim"

THREE = ((0.25, 0.25), (0.5, 0.5), (0.75, 0.75))
FOUR = ((0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75))


def segment_distance(px, py, ax, ay, bx, by):
    dx = bx - ax
    dy = by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    ex = ax + t * dx - px
    ey = ay + t * dy - py
    return math.sqrt(ex * ex + ey * ey)


class Die:
    """A die seen from the front and slightly above and to the right.

    (x, y) is the top left corner of the front face and side its width, measured
    along the middle of the outline; the top and right faces slant back at 45
    degrees, depth units right and up. pips are places on the front face as
    fractions of its width."""

    def __init__(self, x, y, side, depth, pips):
        self.x = x
        self.y = y
        self.side = side
        self.depth = depth
        self.pips = pips

    def corners(self):
        """Front corners (top left, top right, bottom right, bottom left) and the
        three back corners that show (top left, top right, bottom right)."""
        x, y, s, d = self.x, self.y, self.side, self.depth
        return ((x, y), (x + s, y), (x + s, y + s), (x, y + s),
                (x + d, y - d), (x + s + d, y - d), (x + s + d, y + s - d))

    def edges(self):
        f0, f1, f2, f3, b0, b1, b2 = self.corners()
        return ((f0, f1), (f1, f2), (f2, f3), (f3, f0),
                (f0, b0), (b0, b1), (f1, b1), (b1, b2), (f2, b2))

    def top_pip(self):
        """Centre of the top face's pip."""
        return (self.x + (self.side + self.depth) / 2, self.y - self.depth / 2)

    def part_at(self, px, py, stroke, pip_radius, pip_rim, top_pip_radii):
        """Which part of the die covers the point, or None. pip_rim is the width
        of a ring around each front pip reported as PIP_RIM."""
        for (ax, ay), (bx, by) in self.edges():
            if segment_distance(px, py, ax, ay, bx, by) <= stroke / 2:
                return EDGE
        s, d = self.side, self.depth
        u = (px - self.x) / s
        v = (py - self.y) / s
        if 0 <= u <= 1 and 0 <= v <= 1:
            for pu, pv in self.pips:
                distance = math.hypot((u - pu) * s, (v - pv) * s)
                if distance <= pip_radius:
                    return PIP
                if distance <= pip_radius + pip_rim:
                    return PIP_RIM
            return FRONT
        # On the top face, go back by b (0..1 of the depth) and across by a.
        b = (self.y - py) / d
        a = (px - self.x - b * d) / s
        if 0 <= a <= 1 and 0 <= b <= 1:
            # Seen so obliquely the round pip is a flat ellipse.
            rx, ry = top_pip_radii
            across = (a - 0.5) * s
            back = (b - 0.5) * d
            if (across / rx) ** 2 + (back / ry) ** 2 <= 1:
                return PIP
            if (across / (rx + pip_rim)) ** 2 + (back / (ry + pip_rim)) ** 2 <= 1:
                return PIP_RIM
            return TOP
        b = (px - self.x - s) / d
        a = (py - self.y + b * d) / s
        if 0 <= a <= 1 and 0 <= b <= 1:
            return SIDE
        return None


class DicePair:
    """The two dice of the icon: the left one with three pips, the right one with
    four, standing a little lower and in front of it.

    left and right are (x, y) of each front face's top left corner; side, depth,
    stroke and the pip radii are in the same units."""

    def __init__(self, left, right, side, depth, stroke, pip_radius, top_pip_radii,
                 pip_rim=0.0, three=THREE, four=FOUR):
        self.dice = (Die(left[0], left[1], side, depth, three),
                     Die(right[0], right[1], side, depth, four))
        self.stroke = stroke
        self.pip_radius = pip_radius
        self.pip_rim = pip_rim
        self.top_pip_radii = top_pip_radii

    def part_at(self, px, py):
        # The right die is nearer the viewer, so it is asked first.
        for die in reversed(self.dice):
            part = die.part_at(px, py, self.stroke, self.pip_radius, self.pip_rim,
                               self.top_pip_radii)
            if part is not None:
                return part
        return None


# The 32 x 32 pixel art: outlines run through pixel centres, so with a stroke of one
# pixel every edge is one pixel wide, and the 45-degree edges are clean diagonals.
ICON_DICE = DicePair(left=(0.5, 8.5), right=(15.5, 14.5), side=12, depth=4,
                     stroke=1, pip_radius=1.2, top_pip_radii=(1.5, 0.5), pip_rim=0.3)


def draw_dice(model=ICON_DICE, size=SIZE):
    """The model sampled once at each pixel centre: pixel art without blur."""
    c = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            part = model.part_at(x + 0.5, y + 0.5)
            even = (x + y) % 2 == 0
            if part in (EDGE, PIP):
                c.put(x, y, BLACK)
            elif part == PIP_RIM:
                # Grey corners round the pips off.
                c.put(x, y, GREY)
            elif part == FRONT:
                c.put(x, y, WHITE)
            elif part == TOP:
                # Dithered: the light falls from above, so tops are lighter than sides.
                c.put(x, y, WHITE if even else SILVER)
            elif part == SIDE:
                c.put(x, y, SILVER if even else GREY)
    return c


# ---------------------------------------------------------------------------
# New Game: a written sheet with a pencil across its upper right corner

def draw_pencil(c, axis, point, end):
    """A pencil lying at 45 degrees, point down to the left.

    Pixels on the pencil's axis satisfy x + y = axis; m = x - y runs along it,
    from the tip at m = point to the end of the eraser at m = end. Across the
    pencil n = x + y - axis runs from -3 to 3; the light falls from the upper
    left, so n > 0 is the shaded side."""

    def inside(x, y):
        n = x + y - axis
        m = x - y
        if m < point or m > end or abs(n) > 3:
            return False
        # The sharpened end narrows to the tip; the eraser end is rounded.
        return 3 * abs(n) <= m - point + 1 and not (m == end and abs(n) == 3)

    for y in range(SIZE):
        for x in range(SIZE):
            if not inside(x, y):
                continue
            n = x + y - axis
            m = x - y
            shaded = n > 0
            edge = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if edge or m - point <= 3:
                colour = BLACK  # outline and graphite
            elif m - point <= 9:
                colour = SILVER if shaded else WHITE  # bare wood
            elif m >= end - 4:
                colour = MAROON if shaded else RED
            elif m >= end - 7:
                colour = GREY if shaded else SILVER
            else:
                colour = OLIVE if n > 1 else YELLOW
            c.put(x, y, colour)


def draw_reset():
    c = Canvas(SIZE, SIZE)
    left, top, right, bottom = 3, 8, 21, 30
    c.rect(left + 1, top + 1, right + 1, bottom + 1, GREY)  # drop shadow
    c.rect(left, top, right, bottom, BLACK)
    c.rect(left + 1, top + 1, right - 1, bottom - 1, WHITE)
    # Lines of writing: words of a few pixels with one-pixel gaps between them.
    writing = (
        (10, ((6, 9), (11, 15))),
        (13, ((6, 11), (13, 16), (18, 20))),
        (16, ((6, 8), (10, 14), (16, 20))),
        (19, ((6, 12), (14, 17))),
        (22, ((6, 10), (12, 14), (16, 20))),
        (25, ((6, 13),)),
    )
    for y, words in writing:
        for x0, x1 in words:
            c.hline(x0, x1, y, NAVY)
    draw_pencil(c, axis=top + right, point=-5, end=25)
    return c


# ---------------------------------------------------------------------------
# Exit: an open door in a wall, an arrow going in

def draw_quit():
    c = Canvas(SIZE, SIZE)
    # The floor in front of the wall, widening towards the viewer; its squares
    # are counted in floor coordinates so that they follow the perspective.
    floor_top, floor_bottom = 23, 31
    wall_left, wall_right = 8, 30
    for y in range(floor_top, floor_bottom + 1):
        t = (y - floor_top) / (floor_bottom - floor_top)
        x0 = round(wall_left - 6 * t)
        x1 = wall_right + round(t)
        for x in range(x0, x1 + 1):
            u = (x - x0) / (x1 - x0 + 1)
            row = int((y - floor_top + 0.5) * 4 / (floor_bottom - floor_top + 1))
            col = int(u * 8)
            c.put(x, y, BLUE if (row + col) % 2 == 0 else NAVY)
    # The wall: grey bricks.
    c.rect(wall_left, 1, wall_right, floor_top - 1, SILVER)
    for y in range(1, floor_top):
        if (y - 1) % 3 == 2:
            c.hline(wall_left, wall_right, y, GREY)
        else:
            offset = 0 if ((y - 1) // 3) % 2 == 0 else 3
            for x in range(wall_left + offset, wall_right + 1, 6):
                c.put(x, y, GREY)
    c.hline(wall_left, wall_right, 0, BLACK)
    c.vline(wall_left - 1, 0, floor_top - 1, BLACK)
    c.vline(wall_right + 1, 0, floor_top - 1, BLACK)
    # The doorway, dark inside, with a black frame.
    door_left, door_right, door_top = 15, 23, 5
    c.rect(door_left - 1, door_top - 1, door_right + 1, floor_top - 1, BLACK)
    c.rect(door_left, door_top, door_right, floor_top - 1, NAVY)
    # The door has swung out towards the viewer on hinges at the right jamb, so
    # its free edge is nearer and looks taller.
    hinge = door_right + 1
    leaf = [(hinge, door_top - 1), (hinge + 6, door_top - 4),
            (hinge + 6, floor_top + 3), (hinge, floor_top)]
    c.polygon(leaf, BLACK)
    inner = [(hinge + 1, door_top), (hinge + 5, door_top - 2),
             (hinge + 5, floor_top + 1), (hinge + 1, floor_top - 1)]
    c.polygon(inner, CYAN)
    # Dark cyan along the hinge side gives the leaf its turn away from the light.
    c.vline(hinge + 1, door_top, floor_top - 1, TEAL)
    c.vline(hinge + 3, door_top + 8, door_top + 9, BLACK)  # the handle
    # The arrow, pointing from the left into the doorway.
    arrow = [(1, 12), (13, 12), (13, 8), (20, 14.5), (13, 21), (13, 17), (1, 17)]
    c.polygon(arrow, BLACK)
    inner = [(2, 13), (14, 13), (14, 10.5), (18.5, 14.5), (14, 18.5), (14, 16), (2, 16)]
    c.polygon(inner, CYAN)
    return c


# ---------------------------------------------------------------------------
# Desktop icons

# Flat colours standing for the dithered greys of the pixel art, for the SVG.
FLAT = {TOP: (224, 224, 224), SIDE: (160, 160, 160)}

# Sizes that are not multiples of 32 get the model laid out afresh, so that
# outlines and pips still fall on the pixel grid: with an odd stroke the
# outlines run through pixel centres, and a side of 4k puts the pips there too.
# At 16 pixels a face has no room for pips at the quarters; they move inwards.
SMALL_ICON_DICE = {
    16: DicePair(left=(0.5, 5.5), right=(7.5, 8.5), side=6, depth=2, stroke=1,
                 pip_radius=0.5, top_pip_radii=(0.6, 0.4),
                 three=((1 / 3, 1 / 3), (0.5, 0.5), (2 / 3, 2 / 3)),
                 four=((1 / 3, 1 / 3), (2 / 3, 1 / 3), (1 / 3, 2 / 3), (2 / 3, 2 / 3))),
    22: DicePair(left=(0.5, 6.5), right=(9.5, 10.5), side=8, depth=4, stroke=1,
                 pip_radius=0.5, top_pip_radii=(1.2, 0.5)),
    24: DicePair(left=(0.5, 6.5), right=(11.5, 10.5), side=8, depth=4, stroke=1,
                 pip_radius=0.5, top_pip_radii=(1.2, 0.5)),
    48: DicePair(left=(2.5, 14.5), right=(23.5, 22.5), side=16, depth=6, stroke=1,
                 pip_radius=2.05, top_pip_radii=(2.2, 0.8), pip_rim=0.3),
}


def number(value):
    return f"{value:.4f}".rstrip("0").rstrip(".")


def points(corners):
    return " ".join(f"{number(x)},{number(y)}" for x, y in corners)


def dice_svg(model=ICON_DICE):
    """The pixel-art model as an SVG on a 32 x 32 canvas, with flat greys
    where the pixel art dithers."""
    grey = {part: "#%02x%02x%02x" % colour for part, colour in FLAT.items()}
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        "  <title>Pipwell</title>",
        f'  <g stroke="#000000" stroke-width="{number(model.stroke)}" stroke-linejoin="round">',
    ]
    # The pixel art's grey rim is half ink, so half of it belongs to the pip.
    pip = number(model.pip_radius + model.pip_rim / 2)
    rx, ry = (number(r + model.pip_rim / 2) for r in model.top_pip_radii)
    for die in model.dice:
        f0, f1, f2, f3, b0, b1, b2 = die.corners()
        lines += [
            f'    <polygon fill="{grey[TOP]}" points="{points((f0, b0, b1, f1))}"/>',
            f'    <polygon fill="{grey[SIDE]}" points="{points((f1, b1, b2, f2))}"/>',
            f'    <rect fill="#ffffff" x="{number(die.x)}" y="{number(die.y)}"'
            f' width="{number(die.side)}" height="{number(die.side)}"/>',
        ]
        tx, ty = die.top_pip()
        # The top pip is a circle squashed and slanted into the top face.
        lines.append(f'    <ellipse fill="#000000" stroke="none" rx="{rx}" ry="{ry}"'
                     f' transform="translate({number(tx)} {number(ty)}) skewX(-45)"/>')
        for u, v in die.pips:
            lines.append(f'    <circle fill="#000000" stroke="none"'
                         f' cx="{number(die.x + u * die.side)}" cy="{number(die.y + v * die.side)}"'
                         f' r="{pip}"/>')
    lines += ["  </g>", "</svg>", ""]
    return "\n".join(lines).encode("ascii")


# ---------------------------------------------------------------------------
# Output

def outputs():
    """Every file this script writes, as {path relative to ROOT: bytes}."""
    files = {}
    for digit in range(1, 10):
        files[f"assets/pictures/tile{digit}.png"] = encode_palette_png(draw_tile(digit))
    dice = draw_dice()
    files["assets/pictures/icon.png"] = encode_palette_png(dice)
    files["assets/pictures/roll.png"] = encode_palette_png(dice)
    files["assets/pictures/reset.png"] = encode_palette_png(draw_reset())
    files["assets/pictures/quit.png"] = encode_palette_png(draw_quit())
    for size in ICON_SIZES:
        if size in SMALL_ICON_DICE:
            canvas = draw_dice(SMALL_ICON_DICE[size], size)
        else:
            canvas = dice.scaled(size // SIZE)
        path = f"assets/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"
        files[path] = encode_rgba_png(size, size, canvas_rgba(canvas))
    files[f"assets/icons/hicolor/scalable/apps/{APP_ID}.svg"] = dice_svg()
    return files


def main(argv):
    return write_or_check(argv, {ROOT / name: data for name, data in outputs().items()})


if __name__ == "__main__":
    sys.exit(main(sys.argv))
