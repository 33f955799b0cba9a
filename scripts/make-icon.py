#!/usr/bin/env python3
"""Draws the editor's icon, packaging/meshsmith.svg and packaging/meshsmith.png
(256 x 256), from one list of shapes: a cube of glowing metal, its faces cut
into triangles like a mesh, on a dark tile, with sparks flying off it.

Run it from anywhere; it rewrites both files in place. The PNG is drawn here
(4 x 4 samples a pixel), so no graphics program is needed.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "packaging")
SIZE = 256

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


def spark(cx, cy, r):
    return [(cx, cy - r), (cx + r / 3, cy), (cx, cy + r), (cx - r / 3, cy)]


# The cube in isometric view: centre top corner T, and the corners around it.
C, S = (116, 146), 84
top = (C[0], C[1] - S)
left_up, right_up = (C[0] - S * 0.866, C[1] - S / 2), (C[0] + S * 0.866, C[1] - S / 2)
left_down, right_down, bottom = (C[0] - S * 0.866, C[1] + S / 2), (C[0] + S * 0.866, C[1] + S / 2), (C[0], C[1] + S)
EDGE, LINE = "#fff1cc", 6

SHAPES = [
    ("#263248", rounded_square(8, 8, 248, 248, 40)),
    ("#f4b942", [top, right_up, C, left_up]),  # top face
    ("#dd7f2a", [left_up, C, bottom, left_down]),  # left face
    ("#a9521c", [C, right_up, right_down, bottom]),  # right face
]
for a, b in ((top, right_up), (right_up, C), (C, left_up), (left_up, top), (C, bottom), (left_up, left_down),
             (left_down, bottom), (bottom, right_down), (right_down, right_up),
             (top, C), (left_up, bottom), (C, right_down)):  # the last three cut the faces into triangles
    SHAPES.append((EDGE, stroke(a, b, LINE)))
for cx, cy, r, colour in ((198, 52, 20, "#ffd36b"), (226, 92, 13, "#ffb347"), (172, 28, 10, "#ffe9a8")):
    SHAPES.append((colour, spark(cx, cy, r)))

# ---------------------------------------------------------------- SVG


def write_svg(path):
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">']
    for colour, points in SHAPES:
        text = " ".join(f"{x:.2f},{y:.2f}" for x, y in points)
        lines.append(f'  <polygon fill="{colour}" points="{text}"/>')
    lines.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------- PNG


def inside(points, x, y):
    hit = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def render():
    """RGBA rows; each pixel the mean of 4 x 4 samples, the last shape hit on top."""
    n = 4
    shapes = [(rgb(c), p, min(x for x, _ in p), max(x for x, _ in p), min(y for _, y in p), max(y for _, y in p))
              for c, p in SHAPES]
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
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

    raw = b"".join(b"\x00" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    write_svg(os.path.join(OUT, "meshsmith.svg"))
    write_png(os.path.join(OUT, "meshsmith.png"), render())
