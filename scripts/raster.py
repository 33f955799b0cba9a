"""A small rasteriser shared by the scripts that draw the editor's pictures:
filled polygons, each a colour "#rrggbb" and a list of points, drawn in order
(the last on top) into an RGBA PNG with 4 x 4 samples a pixel. Only the
standard library is used, so no graphics program is needed.
"""

import math
import struct
import zlib

# ---------------------------------------------------------------- shapes


def rounded_square(x0, y0, x1, y1, r, steps=8):
    points = []
    for cx, cy, start in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for i in range(steps + 1):
            a = math.radians(start + 90 * i / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def stroke(a, b, width):
    """A line as a thin quad, reaching half its width past both ends so corners close."""
    n = math.hypot(b[0] - a[0], b[1] - a[1])
    dx, dy = (b[0] - a[0]) / n * width / 2, (b[1] - a[1]) / n * width / 2
    a, b = (a[0] - dx, a[1] - dy), (b[0] + dx, b[1] + dy)
    return [(a[0] - dy, a[1] + dx), (b[0] - dy, b[1] + dx), (b[0] + dy, b[1] - dx), (a[0] + dy, a[1] - dx)]


def circle(cx, cy, r, steps=32):
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


def ring(cx, cy, r_out, r_in, steps=32):
    """A circle with a hole: the outer circle, then the inner one backwards. The
    even-odd fill leaves the hole empty, and the seam between them cancels out."""
    outer, inner = circle(cx, cy, r_out, steps), circle(cx, cy, r_in, steps)
    return outer + [outer[0]] + [inner[0]] + inner[::-1]


def edges(points, width):
    """Strokes along every edge of a closed polygon: its outline."""
    return [stroke(a, b, width) for a, b in zip(points, points[1:] + points[:1])]


def scaled(shapes, factor):
    return [(colour, [(x * factor, y * factor) for x, y in points]) for colour, points in shapes]


# ---------------------------------------------------------------- PNG


def inside(points, x, y):
    hit = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def render(shapes, size):
    """RGBA rows of a size x size picture; each pixel the mean of 4 x 4 samples,
    the last shape hit on top, transparent where no shape is."""
    n = 4
    shapes = [(rgb(c), p, min(x for x, _ in p), max(x for x, _ in p), min(y for _, y in p), max(y for _, y in p))
              for c, p in shapes]
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    x, y = px + (sx + 0.5) / n, py + (sy + 0.5) / n
                    for colour, points, x0, x1, y0, y1 in reversed(shapes):
                        if x0 <= x <= x1 and y0 <= y <= y1 and inside(points, x, y):
                            total = [t + c for t, c in zip(total, colour + (255,))]
                            break
            alpha = total[3] / (n * n)
            row += bytes([round(t / (total[3] / 255)) if total[3] else 0 for t in total[:3]] + [round(alpha)])
        rows.append(bytes(row))
    return rows


def write_png(path, rows):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    height, width = len(rows), len(rows[0]) // 4
    raw = b"".join(b"\x00" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))
