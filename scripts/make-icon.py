#!/usr/bin/env python3
"""Draws the editor's icon, packaging/meshsmith.svg and packaging/meshsmith.png
(256 x 256), from one list of shapes: a cube of glowing metal, its faces cut
into triangles like a mesh, on a dark tile, with sparks flying off it.

Run it from anywhere; it rewrites both files in place. The PNG is drawn by
raster.py beside this script, so no graphics program is needed.
"""

import os

from raster import render, rounded_square, stroke, write_png

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "packaging")
SIZE = 256

# ---------------------------------------------------------------- shapes


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


if __name__ == "__main__":
    write_svg(os.path.join(OUT, "meshsmith.svg"))
    write_png(os.path.join(OUT, "meshsmith.png"), render(SHAPES, SIZE))
