#!/usr/bin/env python3
"""Draws the editor's tool-bar icons into src/editor/qt/shell/icons/: NAME.png
(24 x 24) and NAME@2x.png (48 x 48, for high-DPI screens) from the same shapes,
drawn on a 24-unit grid. Each icon is a few filled shapes with dark outlines,
so it keeps its silhouette when the tool bar greys it out.

Run it from anywhere; it rewrites the pictures in place and tool_bar.qrc, the
Qt resource list that builds them into the editor (as :/tools/NAME.png). The
PNGs are drawn by raster.py beside this script.
"""

import math
import os

from raster import circle, edges, render, ring, scaled, stroke, write_png

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "src", "editor", "qt", "shell", "icons")

INK = "#26303c"  # outlines and lines
PAPER, FOLD = "#ffffff", "#c9d1db"
BLUE, PALE_BLUE = "#2f78d0", "#9cc8f2"
RED, GREEN, ORANGE = "#d63a36", "#2e9a47", "#ee8a1e"
GOLD, DARK_GOLD = "#f6c24c", "#d9962b"
WHITE = "#ffffff"

# ---------------------------------------------------------------- pieces


def outlined(points, fill, width=1.0, line=INK):
    return [(fill, points)] + [(line, s) for s in edges(points, width)]


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def line(a, b, width=1.0, colour=INK):
    return [(colour, stroke(a, b, width))]


def dot(x, y, r=2.4, fill=BLUE):
    return [(INK, circle(x, y, r)), (fill, circle(x, y, r - 0.9))]


def arrow(tail, tip, colour, width=2.4, head=4.0):
    """A shaft from tail to tip with a triangular head, outlined thinly."""
    ux, uy = tip[0] - tail[0], tip[1] - tail[1]
    n = math.hypot(ux, uy)
    ux, uy = ux / n, uy / n
    base = (tip[0] - ux * head * 1.2, tip[1] - uy * head * 1.2)
    tri = [tip, (base[0] - uy * head, base[1] + ux * head), (base[0] + uy * head, base[1] - ux * head)]
    shaft = stroke(tail, base, width)
    return [(INK, stroke(tail, base, width + 1.4))] + outlined(tri, colour, 0.8) + [(colour, shaft)]


def page(x0, y0, x1, y1, fold=5):
    body = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    return outlined(body, PAPER) + outlined([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], FOLD)


def quad_cells(corners, rows, cols):
    """The cells of a quad cut into rows x cols, each a quad of its own, with
    (row, col); the corners go top-left, top-right, bottom-right, bottom-left."""
    (ax, ay), (bx, by), (cx, cy), (dx, dy) = corners

    def at(u, v):
        top = (ax + (bx - ax) * u, ay + (by - ay) * u)
        bottom = (dx + (cx - dx) * u, dy + (cy - dy) * u)
        return (top[0] + (bottom[0] - top[0]) * v, top[1] + (bottom[1] - top[1]) * v)

    for r in range(rows):
        for c in range(cols):
            u0, u1, v0, v1 = c / cols, (c + 1) / cols, r / rows, (r + 1) / rows
            yield r, c, [at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)]


def checker(corners, n=4, dark=ORANGE, light="#fbe7c6"):
    cells = [(dark if (r + c) % 2 else light, cell) for r, c, cell in quad_cells(corners, n, n)]
    return cells + [(INK, s) for s in edges(corners, 1.0)]


def disk(x0, y0, x1, y1):
    w = x1 - x0
    body = [(x0, y0), (x1 - 3, y0), (x1, y0 + 3), (x1, y1), (x0, y1)]
    shutter = rect(x0 + w * 0.25, y0, x1 - w * 0.2, y0 + (y1 - y0) * 0.36)
    slot = rect(x1 - w * 0.38, y0 + 1.5, x1 - w * 0.27, y0 + (y1 - y0) * 0.36 - 1.5)
    label = rect(x0 + 2.5, y0 + (y1 - y0) * 0.55, x1 - 2.5, y1)
    return outlined(body, BLUE) + outlined(shutter, "#dfe5ec") + [(INK, slot)] + outlined(label, PAPER)


def plus(x, y, r, colour=GREEN):
    return (line((x - r, y), (x + r, y), 5.0, WHITE) + line((x, y - r), (x, y + r), 5.0, WHITE)
            + line((x - r, y), (x + r, y), 2.6, colour) + line((x, y - r), (x, y + r), 2.6, colour))


def polygon_with_dots(corners, fill=PALE_BLUE):
    return outlined(corners, fill, 1.2) + [s for x, y in corners for s in dot(x, y, 2.3)]


# ---------------------------------------------------------------- icons


def open_icon():
    back = [(2, 4.5), (9, 4.5), (11, 6.5), (20.5, 6.5), (20.5, 19.5), (2, 19.5)]
    front = [(5.5, 10), (23, 10), (19.5, 19.5), (2, 19.5)]
    return outlined(back, DARK_GOLD) + outlined(front, GOLD)


def save_icon():
    return disk(3, 3, 21, 21)


def close_icon():
    x = [((11, 11), (21, 21)), ((21, 11), (11, 21))]
    return (page(3.5, 1.5, 17.5, 22.5) + [s for a, b in x for s in line(a, b, 5.2, WHITE)]
            + [s for a, b in x for s in line(a, b, 3.0, RED)])


def pencil(tip, tail, width=4.2):
    ux, uy = tail[0] - tip[0], tail[1] - tip[1]
    n = math.hypot(ux, uy)
    ux, uy = ux / n, uy / n
    px, py = -uy * width / 2, ux * width / 2
    cone = (tip[0] + ux * 4, tip[1] + uy * 4)
    cap = (tail[0] - ux * 2.5, tail[1] - uy * 2.5)
    body = [(cone[0] + px, cone[1] + py), (cap[0] + px, cap[1] + py), (cap[0] - px, cap[1] - py),
            (cone[0] - px, cone[1] - py)]
    end = [(cap[0] + px, cap[1] + py), (tail[0] + px, tail[1] + py), (tail[0] - px, tail[1] - py),
           (cap[0] - px, cap[1] - py)]
    wood = [tip, (cone[0] + px, cone[1] + py), (cone[0] - px, cone[1] - py)]
    return outlined(body, ORANGE, 0.9) + outlined(end, "#f08fb0", 0.9) + outlined(wood, "#f3d3a0", 0.9)


def save_as_icon():
    return disk(1.5, 1.5, 17.5, 17.5) + pencil((11, 22.5), (22.5, 11))


def ase_icon():
    letter = line((5.5, 12), (9, 3.5), 1.8) + line((9, 3.5), (12.5, 12), 1.8) + line((7, 9), (11, 9), 1.6)
    text = [s for y in (15, 18, 21) for s in line((5.5, y), (13, y), 1.2, "#7b8796")]
    return page(2.5, 1, 16.5, 23.5) + letter + text + arrow((19.5, 6), (19.5, 22), GREEN, 2.6, 3.6)


def cube_icon():
    c, s = (12, 13), 10
    top, bottom = (c[0], c[1] - s), (c[0], c[1] + s)
    lu, ru = (c[0] - s * 0.866, c[1] - s / 2), (c[0] + s * 0.866, c[1] - s / 2)
    ld, rd = (c[0] - s * 0.866, c[1] + s / 2), (c[0] + s * 0.866, c[1] + s / 2)
    return (outlined([top, ru, c, lu], "#f4b942") + outlined([lu, c, bottom, ld], "#dd7f2a")
            + outlined([c, ru, rd, bottom], "#a9521c"))


def vertices_icon():
    return [s for x, y in ((5, 6), (18, 4.5), (12, 12), (19.5, 18.5), (5.5, 19)) for s in dot(x, y, 3.0)]


def lines_icon():
    a, b = (5, 19), (19, 5)
    return line(a, b, 2.0) + dot(*a, 3.2) + dot(*b, 3.2)


def polygons_icon():
    return polygon_with_dots([(5, 5.5), (19, 3.5), (20.5, 18.5), (3.5, 20)])


def assign_textures_icon():
    return checker([(4, 6), (19, 3), (21, 18), (3, 21)])


def load_textures_icon():
    return checker([(2, 2), (17, 2), (17, 17), (2, 17)]) + plus(18, 18, 4.5)


def move_icon():
    c = (12, 12)
    return [s for tip in ((12, 1), (23, 12), (12, 23), (1, 12)) for s in arrow(c, tip, BLUE, 2.2, 3.4)]


def mirror_icon():
    dashes = [s for y in range(1, 23, 4) for s in line((12, y + 0.5), (12, y + 2), 1.4)]
    return outlined([(10, 4), (10, 20), (1.5, 20)], BLUE) + outlined([(14, 4), (14, 20), (22.5, 20)], PALE_BLUE) + dashes


def scale_icon():
    big = [(INK, s) for s in edges(rect(2.5, 2.5, 21.5, 21.5), 1.0)]
    return big + outlined(rect(2.5, 14, 10, 21.5), BLUE) + arrow((10, 14), (20, 4), ORANGE, 2.2, 3.4)


def center_icon():
    cross = [((12, 1), (12, 8)), ((12, 16), (12, 23)), ((1, 12), (8, 12)), ((16, 12), (23, 12))]
    return ([(INK, ring(12, 12, 8.2, 6.2))] + [s for a, b in cross for s in line(a, b, 1.6)]
            + [(RED, circle(12, 12, 2.2))])


def copy_polygon_icon():
    back = [(2, 3.5), (13, 2), (14, 13), (2.5, 14)]
    front = [(x + 7.5, y + 8) for x, y in back]
    return outlined(back, WHITE, 1.2) + outlined(front, PALE_BLUE, 1.2)


def move_polygon_icon():
    return outlined([(2, 9), (12, 7.5), (13, 19), (2.5, 20)], PALE_BLUE, 1.2) + arrow((8, 13.5), (23, 6), ORANGE, 2.4,
                                                                                      3.6)


def gpl_icon():
    def at(u, v):  # the waving cloth: u along, v down
        return (5.5 + 16 * u, 3 + 10 * v + 1.8 * math.sin(u * 2 * math.pi))

    cells = []
    rows, cols = 3, 4
    for r in range(rows):
        for c in range(cols):
            u0, u1, v0, v1 = c / cols, (c + 1) / cols, r / rows, (r + 1) / rows
            cell = [at(u0, v0), at(u0 + (u1 - u0) / 2, v0), at(u1, v0), at(u1, v1), at(u0 + (u1 - u0) / 2, v1),
                    at(u0, v1)]
            cells.append((INK if (r + c) % 2 else WHITE, cell))
    rim = [at(u / 8, 0) for u in range(9)] + [at(1 - u / 8, 1) for u in range(9)]
    return line((4.5, 2), (4.5, 23), 2.2) + cells + [(INK, s) for s in edges(rim, 0.9)]


def viewer_icon():
    upper = [(12 - 11 * math.cos(t), 12 - 7.5 * math.sin(t)) for t in (i * math.pi / 16 for i in range(17))]
    lower = [(12 + 11 * math.cos(t), 12 + 7.5 * math.sin(t)) for t in (i * math.pi / 16 for i in range(1, 16))]
    almond = upper + lower
    return (outlined(almond, PAPER, 1.3) + [(INK, circle(12, 12, 5.2)), (BLUE, circle(12, 12, 4.3)),
                                            (INK, circle(12, 12, 2.0)), (WHITE, circle(13.4, 10.6, 0.9))])


def user_icon():
    teeth, points = 8, []
    for i in range(teeth * 4):
        a = 2 * math.pi * (i - 0.5) / (teeth * 4)
        r = 10.5 if i % 4 in (0, 1) else 7.6
        points.append((12 + r * math.cos(a), 12 + r * math.sin(a)))
    return outlined(points, "#8a96a6", 1.0) + [(INK, circle(12, 12, 3.9)), (WHITE, circle(12, 12, 3.0))]


ICONS = {
    "open": open_icon,
    "save": save_icon,
    "close": close_icon,
    "save_as": save_as_icon,
    "write_ase": ase_icon,
    "write_3do": cube_icon,
    "vertices": vertices_icon,
    "lines": lines_icon,
    "polygons": polygons_icon,
    "assign_textures": assign_textures_icon,
    "load_textures": load_textures_icon,
    "move": move_icon,
    "mirror": mirror_icon,
    "scale": scale_icon,
    "center": center_icon,
    "copy_polygon": copy_polygon_icon,
    "move_polygon": move_polygon_icon,
    "gpl": gpl_icon,
    "viewer": viewer_icon,
    "user": user_icon,
}



def write_qrc(path, names):
    files = [f"    <file>{n}{suffix}.png</file>" for n in names for suffix in ("", "@2x")]
    text = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/tools">'] + files + ['</qresource>', '</RCC>']
    with open(path, "w") as f:
        f.write("\n".join(text) + "\n")


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, draw in ICONS.items():
        shapes = draw()
        write_png(os.path.join(OUT, name + ".png"), render(shapes, 24))
        write_png(os.path.join(OUT, name + "@2x.png"), render(scaled(shapes, 2), 48))
    write_qrc(os.path.join(OUT, "tool_bar.qrc"), ICONS)
