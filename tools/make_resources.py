#!/usr/bin/env python3
"""Generate the bitmap and icon resources of Kombinátor.

Run from the repository root:

    python3 tools/make_resources.py

Only the Python standard library is used: BMP, ICO and PNG bytes are
written by hand with struct and zlib.  The output is deterministic, so
running the script again reproduces the files byte for byte.

Files written into resources/:

    xxk.bmp            16x16  win marker (green tick)
    xx.bmp             16x16  draw marker (amber "=")
    Xxx.bmp            16x16  win-or-draw marker (blue tick and "=")
    xxz.bmp            16x16  result marker (red dot: tip marked as won)
    xxt.bmp            16x16  cancelled marker (grey struck-through ring:
                              event cancelled, settled at odds 1.00)
    xxf.bmp            16x16  half won marker (raspberry ring, left half filled)
    xxv.bmp            16x16  half lost marker (violet ring, right half filled)
    xxh.bmp            16x16  dead heat marker (two teal dots side by side)
    xxp.bmp            16x16  placed marker (red ring: in the places, not won)
    picture2.bmp       18x18  legend for "Nyer"
    picture1.bmp       18x18  legend for "Döntetlen"
    picture3.bmp       36x18  legend for "Nyer vagy döntetlen"
    hand.ico, hand.png 32x32  pointing-hand cursor image
    kombinator.png     32x32  window icon
    kombinator-64.png  64x64  window icon
    kombinator-256.png 256x256 window icon

and into packaging/icons/, for the desktop's icon theme beside the three above:

    kombinator-16.png, -24, -48, -128   the window icon at those sizes
    kombinator.svg                       the same drawing, scalable

The user guide (resources/kezikonyv.html) is a hand-written text file and
is not produced by this script.

With --preview DIR every image is also written to DIR as an enlarged PNG,
which is handy for checking the pixels by eye.
"""

import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources")
ICONS = os.path.join(ROOT, "packaging", "icons")

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def rgb(hex_colour):
    """'#RRGGBB' -> (r, g, b)"""
    h = hex_colour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


# ---------------------------------------------------------------------------
# A tiny raster canvas with anti-aliased shape painting
# ---------------------------------------------------------------------------

class Image:
    """RGBA image, pixels stored as floats 0..255 (colour) and 0..1 (alpha)."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        if background is None:
            fill = (0.0, 0.0, 0.0, 0.0)
        else:
            fill = (float(background[0]), float(background[1]),
                    float(background[2]), 1.0)
        self.px = [list(fill) for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        """Paint colour with the given coverage over pixel (x, y)."""
        if alpha <= 0.0:
            return
        p = self.px[y * self.width + x]
        out_a = alpha + p[3] * (1.0 - alpha)
        for i in range(3):
            p[i] = (colour[i] * alpha + p[i] * p[3] * (1.0 - alpha)) / out_a
        p[3] = out_a

    def set(self, x, y, colour, alpha=1.0):
        self.px[y * self.width + x] = [float(colour[0]), float(colour[1]),
                                       float(colour[2]), alpha]

    def rgba8(self, x, y):
        p = self.px[y * self.width + x]
        a = int(round(p[3] * 255))
        if a == 0:
            return (0, 0, 0, 0)
        return (int(round(p[0])), int(round(p[1])), int(round(p[2])), a)


class Shape:
    """A region of the plane: a point test plus a bounding box."""

    def __init__(self, inside, box):
        self.inside = inside
        self.box = box          # (x0, y0, x1, y1)

    def __or__(self, other):
        a, b = self, other
        box = (min(a.box[0], b.box[0]), min(a.box[1], b.box[1]),
               max(a.box[2], b.box[2]), max(a.box[3], b.box[3]))
        return Shape(lambda x, y: a.inside(x, y) or b.inside(x, y), box)

    def __and__(self, other):
        a, b = self, other
        box = (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]),
               min(a.box[2], b.box[2]), min(a.box[3], b.box[3]))
        return Shape(lambda x, y: a.inside(x, y) and b.inside(x, y), box)

    def scaled(self, s, dx=0.0, dy=0.0):
        """The shape mapped by (x, y) -> (x * s + dx, y * s + dy)."""
        inner = self.inside
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: inner((x - dx) / s, (y - dy) / s),
                     (x0 * s + dx, y0 * s + dy, x1 * s + dx, y1 * s + dy))


def capsule(ax, ay, bx, by, r):
    """A thick line from (ax, ay) to (bx, by) with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-12
    r2 = r * r

    def inside(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / length2
        t = max(0.0, min(1.0, t))
        ex, ey = x - (ax + t * dx), y - (ay + t * dy)
        return ex * ex + ey * ey <= r2

    return Shape(inside, (min(ax, bx) - r, min(ay, by) - r,
                          max(ax, bx) + r, max(ay, by) + r))


def polyline(points, r):
    shape = None
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        seg = capsule(ax, ay, bx, by, r)
        shape = seg if shape is None else shape | seg
    return shape


def disc(cx, cy, r):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                 (cx - r, cy - r, cx + r, cy + r))


def strip(x0, x1, y0=0.0, y1=16.0):
    """The upright band x0 <= x <= x1, cut to y0..y1 to keep it finite."""
    return Shape(lambda x, y: x0 <= x <= x1, (x0, y0, x1, y1))


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return Shape(inside, (x0, y0, x1, y1))


def paint(img, shape, colour, opacity=1.0, samples=4):
    """Fill shape with colour, anti-aliased by samples x samples per pixel."""
    x0, y0, x1, y1 = shape.box
    xs = range(max(0, int(x0) - 1), min(img.width, int(x1) + 2))
    ys = range(max(0, int(y0) - 1), min(img.height, int(y1) + 2))
    offsets = [(i + 0.5) / samples for i in range(samples)]
    total = samples * samples
    for y in ys:
        for x in xs:
            hits = 0
            for oy in offsets:
                for ox in offsets:
                    if shape.inside(x + ox, y + oy):
                        hits += 1
            if hits:
                img.blend(x, y, colour, opacity * hits / total)


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def bmp_bytes(img):
    """24-bit uncompressed Windows BMP, bottom-up, rows padded to 4 bytes."""
    row_size = (img.width * 3 + 3) & ~3
    data = bytearray()
    for y in range(img.height - 1, -1, -1):
        row = bytearray()
        for x in range(img.width):
            r, g, b, a = img.rgba8(x, y)
            # Composite over white for any (partly) transparent pixel.
            r = (r * a + 255 * (255 - a)) // 255
            g = (g * a + 255 * (255 - a)) // 255
            b = (b * a + 255 * (255 - a)) // 255
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data),
                              0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, img.width, img.height,
                              1, 24, 0, len(data), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(data)


def png_bytes(img):
    """8-bit RGBA PNG, no filtering."""
    raw = bytearray()
    for y in range(img.height):
        raw.append(0)
        for x in range(img.width):
            raw += bytes(img.rgba8(x, y))

    def chunk(kind, payload):
        body = kind + payload
        return (struct.pack(">I", len(payload)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", img.width, img.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def ico_bytes(img):
    """Windows .ico with one 32-bit BGRA DIB image plus its AND mask."""
    w, h = img.width, img.height
    xor = bytearray()
    mask_row = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(w):
            r, g, b, a = img.rgba8(x, y)
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The DIB header states twice the height: colour image + mask.
    dib = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                      len(xor) + len(mask), 0, 0, 0, 0) + xor + mask
    icon_dir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                        len(dib), 6 + 16)
    return icon_dir + entry + dib


def write(name, data, folder=None):
    path = os.path.join(folder or OUT, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, ROOT), "(%d bytes)" % len(data))


# ---------------------------------------------------------------------------
# Marker designs, in a 16 x 16 design space
# ---------------------------------------------------------------------------

GREEN = rgb("#22A33A")
GREEN_DARK = rgb("#125C1F")
AMBER = rgb("#FFB000")
AMBER_DARK = rgb("#6E4400")
BLUE = rgb("#2A6FDB")
BLUE_DARK = rgb("#0E2F6B")
RED = rgb("#E0221B")
RED_DARK = rgb("#7E0C08")
RED_LIGHT = rgb("#FF9A90")
GREY = rgb("#5F6773")
RASPBERRY = rgb("#E8437F")
RASPBERRY_DARK = rgb("#640A2B")
VIOLET = rgb("#9866EA")
VIOLET_DARK = rgb("#351070")
TEAL = rgb("#109488")
TEAL_DARK = rgb("#07514B")


def outlined(img, shape_of, colour, outline, width, s=1.0, dx=0.0, dy=0.0):
    """shape_of(grow) gives the shape enlarged by grow; paint rim then body."""
    paint(img, shape_of(width).scaled(s, dx, dy), outline)
    paint(img, shape_of(0.0).scaled(s, dx, dy), colour)


def draw_tick(img, colour, outline, s=1.0, dx=0.0, dy=0.0):
    points = [(2.9, 8.4), (6.3, 11.8), (13.1, 4.0)]
    outlined(img, lambda g: polyline(points, 1.45 + g),
             colour, outline, 0.75, s, dx, dy)


def draw_equals(img, colour, outline, s=1.0, dx=0.0, dy=0.0):
    # Edges sit on whole pixels so the bars stay crisp at 16 x 16.
    def bars(g):
        return (rounded_rect(3 - g, 3 - g, 13 + g, 6 + g, 0.5 + g)
                | rounded_rect(3 - g, 10 - g, 13 + g, 13 + g, 0.5 + g))
    outlined(img, bars, colour, outline, 1.0, s, dx, dy)


def draw_tick_equals(img, colour, outline, s=1.0, dx=0.0, dy=0.0):
    """A small tick on the left and a small "=" on the right."""
    points = [(1.5, 8.8), (3.5, 10.8), (6.7, 5.4)]
    outlined(img, lambda g: polyline(points, 1.0 + g),
             colour, outline, 0.6, s, dx, dy)

    def bars(g):
        return (rounded_rect(10 - g, 5 - g, 15 + g, 7 + g, 0.4 + g)
                | rounded_rect(10 - g, 11 - g, 15 + g, 13 + g, 0.4 + g))
    outlined(img, bars, colour, outline, 1.0, s, dx, dy)


def draw_dot(img, s=1.0, dx=0.0, dy=0.0):
    paint(img, disc(8.0, 8.0, 6.1).scaled(s, dx, dy), RED_DARK)
    paint(img, disc(8.0, 8.0, 5.3).scaled(s, dx, dy), RED)
    paint(img, disc(6.3, 6.3, 1.6).scaled(s, dx, dy), RED_LIGHT, 0.85)


def ring(cx, cy, r_in, r_out):
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        return r_in * r_in <= d2 <= r_out * r_out

    return Shape(inside, (cx - r_out, cy - r_out, cx + r_out, cy + r_out))


def draw_void(img, s=1.0, dx=0.0, dy=0.0):
    # The sign of "does not count": a ring struck through, in grey so
    # that it never passes for the red dot of a won tip.
    shape = ring(8.0, 8.0, 4.4, 6.4) | capsule(4.1, 11.9, 11.9, 4.1, 1.05)
    paint(img, shape.scaled(s, dx, dy), GREY)


def draw_half_dot(img, colour, outline, filled_left, s=1.0, dx=0.0, dy=0.0):
    """A ring with one half filled: the stake was split, one half settled
    at the odds and the other half handed back."""
    # The dividing rim fills one whole pixel column, so the empty half
    # starts on a crisp edge instead of a pale half-covered column.
    def shape_of(g):
        half = strip(-1.0, 7.0 + g) if filled_left else strip(9.0 - g, 17.0)
        return ring(8.0, 8.0, 5.0, 6.0 + g) | (disc(8.0, 8.0, 6.0 + g) & half)
    outlined(img, shape_of, colour, outline, 1.0, s, dx, dy)


def draw_half_won(img, s=1.0, dx=0.0, dy=0.0):
    # The left half filled, like the left half of the won dot; raspberry
    # rather than the won red, so it is never taken for a fully won tip.
    draw_half_dot(img, RASPBERRY, RASPBERRY_DARK, True, s, dx, dy)


def draw_half_lost(img, s=1.0, dx=0.0, dy=0.0):
    # Mirrored from half won and in violet: the filled half is the part of
    # the stake that came back, the empty half the part that was lost.
    draw_half_dot(img, VIOLET, VIOLET_DARK, False, s, dx, dy)


def draw_dead_heat(img, s=1.0, dx=0.0, dy=0.0):
    # Two equal dots side by side for the runners tied for the place; the
    # right one overlaps the left so its rim keeps the two apart.
    for cx in (4.8, 11.2):
        outlined(img, lambda g, cx=cx: disc(cx, 8.0, 3.5 + g),
                 TEAL, TEAL_DARK, 0.8, s, dx, dy)


def draw_placed(img, s=1.0, dx=0.0, dy=0.0):
    # The won dot's red as an empty ring: the runner paid a place, not the win.
    outlined(img, lambda g: ring(8.0, 8.0, 3.6 - g, 5.6 + g), RED, RED_DARK, 0.7, s, dx, dy)


def marker(draw, size=(16, 16)):
    img = Image(size[0], size[1], WHITE)
    draw(img)
    return img


# ---------------------------------------------------------------------------
# Pointing hand, drawn pixel by pixel: '#' is the black outline, the inside
# of the outline is filled white and everything outside stays transparent.
# ---------------------------------------------------------------------------

HAND = """
................................
................................
..........####..................
.........#....#.................
.........#....#.................
.........#....#.................
.........#....#.................
.........#....#.................
.........#....#.................
.........#....#####.............
.........#....#....#............
.........#....#....#####........
.........#....#....#....#.......
.........#....#....#....####....
...###...#....#....#....#...#...
..#...#..#....#....#....#...#...
..#....#.#..................#...
...#....##..................#...
...#.....#..................#...
....#.......................#...
....#.......................#...
.....#......................#...
.....#.....................#....
......#....................#....
.......#..................#.....
........#.................#.....
.........#...............#......
.........#...............#......
.........#...............#......
.........#################......
................................
................................
"""


def hand_image():
    rows = [line for line in HAND.split() if line]
    h, w = len(rows), len(rows[0])
    assert all(len(r) == w for r in rows)
    # Flood fill from the border: whatever is reached is outside the hand.
    outside = set()
    stack = [(x, y) for x in range(w) for y in (0, h - 1)]
    stack += [(x, y) for y in range(h) for x in (0, w - 1)]
    while stack:
        x, y = stack.pop()
        if not (0 <= x < w and 0 <= y < h) or (x, y) in outside:
            continue
        if rows[y][x] == "#":
            continue
        outside.add((x, y))
        stack += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    img = Image(w, h)
    for y in range(h):
        for x in range(w):
            if rows[y][x] == "#":
                img.set(x, y, BLACK)
            elif (x, y) not in outside:
                img.set(x, y, WHITE)
    return img


# ---------------------------------------------------------------------------
# Window icon: a green betting slip with three ticked lines.
# Designed in a 0..1 unit square and rendered at any size.
# ---------------------------------------------------------------------------

SLIP = rgb("#2E9A52")
SLIP_DARK = rgb("#17552C")
SLIP_BAND = rgb("#237A40")
PAPER = rgb("#FFFFFF")
GOLD = rgb("#FFC21A")
GOLD_DARK = rgb("#7A5200")


def window_icon_parts():
    """The icon as (kind, geometry, colour, opacity) in the unit square.

    kind "rect": (x0, y0, x1, y1, corner radius); "line": (points, half width).
    The same list paints the bitmaps and writes the scalable SVG.
    """
    parts = [
        # the slip: dark rim, green body, darker header band
        ("rect", (0.12, 0.03, 0.88, 0.97, 0.11), SLIP_DARK, 1.0),
        ("rect", (0.155, 0.065, 0.845, 0.935, 0.08), SLIP, 1.0),
        ("rect", (0.155, 0.065, 0.845, 0.20, 0.06), SLIP_BAND, 1.0),
        ("line", ([(0.30, 0.135), (0.70, 0.135)], 0.028), PAPER, 0.85),
    ]
    # three rows: a white tick and a white line each
    for y in (0.36, 0.57, 0.78):
        parts.append(("line", ([(0.245, y), (0.31, y + 0.06), (0.43, y - 0.07)],
                               0.042), PAPER, 1.0))
        parts.append(("line", ([(0.52, y), (0.75, y)], 0.035), PAPER, 0.9))
    return parts


def window_icon(size):
    img = Image(size, size)
    s = float(size)
    samples = 4 if size >= 64 else 6
    for kind, geometry, colour, opacity in window_icon_parts():
        if kind == "rect":
            shape = rounded_rect(*geometry)
        else:
            points, r = geometry
            shape = (capsule(*points[0], *points[1], r) if len(points) == 2
                     else polyline(points, r))
        paint(img, shape.scaled(s), colour, opacity, samples)
    return img


def window_icon_svg(size=256):
    def n(v):
        return ("%.2f" % (v * size)).rstrip("0").rstrip(".")

    def hex_colour(c):
        return "#%02X%02X%02X" % c

    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
           'viewBox="0 0 %d %d">' % (size, size, size, size)]
    for kind, geometry, colour, opacity in window_icon_parts():
        extra = '' if opacity == 1.0 else ' opacity="%g"' % opacity
        if kind == "rect":
            x0, y0, x1, y1, r = geometry
            out.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" '
                       'fill="%s" stroke="none"%s/>' % (n(x0), n(y0), n(x1 - x0), n(y1 - y0),
                                          n(r), hex_colour(colour), extra))
        else:
            points, r = geometry
            out.append('  <polyline points="%s" fill="none" stroke="%s" '
                       'stroke-width="%s" stroke-linecap="round" '
                       'stroke-linejoin="round"%s/>'
                       % (" ".join("%s,%s" % (n(x), n(y)) for x, y in points),
                          hex_colour(colour), n(2 * r), extra))
    out.append('</svg>')
    return ("\n".join(out) + "\n").encode("utf-8")


# ---------------------------------------------------------------------------

def enlarge(img, factor):
    big = Image(img.width * factor, img.height * factor)
    for y in range(big.height):
        for x in range(big.width):
            big.px[y * big.width + x] = list(
                img.px[(y // factor) * img.width + x // factor])
    return big


def main(argv):
    preview_dir = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview_dir = argv[2]
        os.makedirs(preview_dir, exist_ok=True)
    os.makedirs(OUT, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)

    # The legend pictures carry the 16 x 16 designs with a one pixel margin.
    bitmaps = {
        "xxk.bmp": marker(lambda im: draw_tick(im, GREEN, GREEN_DARK)),
        "xx.bmp": marker(lambda im: draw_equals(im, AMBER, AMBER_DARK)),
        "Xxx.bmp": marker(lambda im: draw_tick_equals(im, BLUE, BLUE_DARK)),
        "xxz.bmp": marker(draw_dot),
        "xxt.bmp": marker(draw_void),
        "xxf.bmp": marker(draw_half_won),
        "xxv.bmp": marker(draw_half_lost),
        "xxh.bmp": marker(draw_dead_heat),
        "xxp.bmp": marker(draw_placed),
        "picture2.bmp": marker(
            lambda im: draw_tick(im, GREEN, GREEN_DARK, 1, 1, 1), (18, 18)),
        "picture1.bmp": marker(
            lambda im: draw_equals(im, AMBER, AMBER_DARK, 1, 1, 1), (18, 18)),
        "picture3.bmp": marker(
            lambda im: (draw_tick(im, BLUE, BLUE_DARK, 1, 1, 1),
                        draw_equals(im, BLUE, BLUE_DARK, 1, 19, 1)),
            (36, 18)),
    }
    for name, img in sorted(bitmaps.items()):
        write(name, bmp_bytes(img))

    hand = hand_image()
    write("hand.ico", ico_bytes(hand))
    write("hand.png", png_bytes(hand))

    icons = {"kombinator.png": window_icon(32),
             "kombinator-64.png": window_icon(64),
             "kombinator-256.png": window_icon(256)}
    for name, img in sorted(icons.items()):
        write(name, png_bytes(img))

    # The desktop's icon theme takes the other sizes and the scalable drawing.
    theme = {"kombinator-%d.png" % size: window_icon(size)
             for size in (16, 24, 48, 128)}
    for name, img in sorted(theme.items()):
        write(name, png_bytes(img), ICONS)
    write("kombinator.svg", window_icon_svg(), ICONS)

    if preview_dir:
        everything = dict(bitmaps)
        everything["hand.ico"] = hand
        everything.update(icons)
        for name, img in everything.items():
            factor = max(1, 256 // max(img.width, img.height))
            path = os.path.join(preview_dir,
                                os.path.splitext(name)[0] + ".preview.png")
            with open(path, "wb") as f:
                f.write(png_bytes(enlarge(img, factor)))


if __name__ == "__main__":
    main(sys.argv)
