#!/usr/bin/env python3
"""Writes the bundled example object: a grandstand section with four tiers of
seats, side walls, a roof on two posts and a banner, as a Meshsmith project
(examples/stand/stand.3dp) with its three bitmaps, plus the default mask
examples/mask.bmp that ships beside the editor.

Run it from anywhere; it rewrites the files in place. Every number it writes is
an exact binary fraction, so the editor saves the project back byte for byte.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.join(os.path.dirname(HERE), "examples")
STAND = os.path.join(EXAMPLES, "stand")

# ---------------------------------------------------------------- bitmaps


def write_bmp(path, width, height, pixel):
    """24-bit uncompressed bottom-up BMP; pixel(x, y) gives (r, g, b), y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def seats(x, y):
    """Rows of blue seats with red backs on grey concrete, 4 seats per 128 pixels."""
    sx, sy = x % 32, y % 64
    if 4 <= sx < 28 and 8 <= sy < 24:
        return (200, 30, 30)
    if 4 <= sx < 28 and 24 <= sy < 40:
        return (30, 60, 190) if (sx + sy) % 7 else (50, 80, 210)
    return (150 + (x * 7 + y * 3) % 12, 150, 145)


def roof(x, y):
    """Corrugated metal: light and dark stripes."""
    shade = 170 + (40 if x % 8 < 4 else 0) - (y % 16 == 0) * 30
    return (shade, shade, shade + 8)


FONT = {
    "M": ["10001", "11011", "10101", "10001", "10001", "10001", "10001"],
    "E": ["11111", "10000", "11110", "10000", "10000", "10000", "11111"],
    "S": ["01111", "10000", "01110", "00001", "00001", "00001", "11110"],
    "H": ["10001", "10001", "11111", "10001", "10001", "10001", "10001"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
}


def banner(x, y):
    """Yellow letters MESHSMITH on dark green, with a white border."""
    if x < 2 or y < 2 or x >= 254 or y >= 62:
        return (255, 255, 255)
    text = "MESHSMITH"
    scale, left, top = 4, 20, 18
    cx, cy = (x - left) // scale, (y - top) // scale
    letter, col = divmod(cx, 6)
    if 0 <= letter < len(text) and col < 5 and 0 <= cy < 7 and FONT[text[letter]][cy][col] == "1":
        return (255, 210, 0)
    return (0, 90, 40)


# ---------------------------------------------------------------- geometry

vertices = []
vertex_index = {}


def vertex(x, y, z):
    key = (x, y, z)
    if key not in vertex_index:
        vertex_index[key] = len(vertices)
        vertices.append(key)
    return vertex_index[key]


def newell(points):
    nx = ny = nz = 0.0
    for i, (x0, y0, z0) in enumerate(points):
        x1, y1, z1 = points[(i + 1) % len(points)]
        nx += (y0 - y1) * (z0 + z1)
        ny += (z0 - z1) * (x0 + x1)
        nz += (x0 - x1) * (y0 + y1)
    return nx, ny, nz


polygons = []


def face(points, outward, texture, colour, u_axis, v_axis, scale):
    """A polygon seen from the side `outward` points to. Visible faces run
    clockwise on screen, so the corner order is turned until the right-hand
    normal points away from the viewer."""
    n = newell(points)
    if sum(a * b for a, b in zip(n, outward)) > 0:
        points = [points[0]] + points[:0:-1]
    uv = []
    for p in points:
        u = sum(a * b for a, b in zip(p, u_axis)) / scale
        v = sum(a * b for a, b in zip(p, v_axis)) / scale
        uv.append((u, v))
    polygons.append((colour, [vertex(*p) for p in points], texture, uv))


SEATS, ROOF, BANNER = 0, 1, 2
GREY, BLUE, YELLOW, STEEL = (0.5, 0.5, 0.5), (0.25, 0.375, 0.75), (1, 0.75, 0), (0.625, 0.625, 0.6875)
X, Y, Z = (1, 0, 0), (0, 1, 0), (0, 0, 1)
NX, NY = (-1, 0, 0), (0, -1, 0)
WIDTH = 20

# Four tiers: a riser facing the track (-Y) and a tread facing up.
for k in range(4):
    y, z0, z1 = 2 * k, 0.5 * k, 0.5 * (k + 1)
    face([(0, y, z0), (0, y, z1), (WIDTH, y, z1), (WIDTH, y, z0)], NY, SEATS, BLUE, X, Z, 2)
    face([(0, y, z1), (0, y + 2, z1), (WIDTH, y + 2, z1), (WIDTH, y, z1)], Z, SEATS, BLUE, X, Y, 2)

# Back wall: inside above the top tread, outside down to the ground.
face([(0, 8, 2), (0, 8, 6), (WIDTH, 8, 6), (WIDTH, 8, 2)], NY, ROOF, GREY, X, Z, 4)
face([(0, 8, 0), (0, 8, 6), (WIDTH, 8, 6), (WIDTH, 8, 0)], Y, ROOF, GREY, X, Z, 4)

# Side walls: the stepped outline of the tiers (a concave polygon).
profile = [(0, 0), (8, 0), (8, 6), (7, 6), (6, 2), (6, 1.5), (4, 1.5), (4, 1), (2, 1), (2, 0.5), (0, 0.5)]
face([(0, y, z) for y, z in profile], NX, ROOF, GREY, Y, Z, 4)
face([(WIDTH, y, z) for y, z in profile], X, ROOF, GREY, Y, Z, 4)

# Roof from the front posts to past the back wall, top and underside.
roof_corners = [(0, 4, 6.5), (0, 9, 6.5), (WIDTH, 9, 6.5), (WIDTH, 4, 6.5)]
face(roof_corners, Z, ROOF, STEEL, X, Y, 4)
face(roof_corners, (0, 0, -1), ROOF, STEEL, X, Y, 4)

# Two posts carrying the roof's front edge, standing on the third tread.
for px in (1, WIDTH - 1.25):
    x0, x1, y0, y1, z0, z1 = px, px + 0.25, 4, 4.25, 1.5, 6.5
    face([(x0, y0, z0), (x0, y0, z1), (x1, y0, z1), (x1, y0, z0)], NY, ROOF, STEEL, X, Z, 4)
    face([(x0, y1, z0), (x0, y1, z1), (x1, y1, z1), (x1, y1, z0)], Y, ROOF, STEEL, X, Z, 4)
    face([(x0, y0, z0), (x0, y0, z1), (x0, y1, z1), (x0, y1, z0)], NX, ROOF, STEEL, Y, Z, 4)
    face([(x1, y0, z0), (x1, y0, z1), (x1, y1, z1), (x1, y1, z0)], X, ROOF, STEEL, Y, Z, 4)

# The banner along the roof's front edge, both sides; its texture spans it once.
banner_corners = [(6, 4, 6.5), (6, 4, 7.5), (14, 4, 7.5), (14, 4, 6.5)]
for outward in (NY, Y):
    face(banner_corners, outward, BANNER, YELLOW, X, Z, 1)
    colour, idx, tex, uv = polygons[-1]
    polygons[-1] = (colour, idx, tex, [((u - 6) / 8, v - 6.5) for u, v in uv])

# Line objects: a handrail along the front and two flag poles on the roof.
lines = [
    ((1, 1, 1), vertex(0, 0, 1.5), vertex(WIDTH, 0, 1.5)),
    ((1, 0, 0), vertex(1, 9, 6.5), vertex(1, 9, 9)),
    ((1, 0, 0), vertex(WIDTH - 1, 9, 6.5), vertex(WIDTH - 1, 9, 9)),
]

# One collision volume: the two side walls, the back wall and the first riser.
collision = [[(1, 11), (1, 10), (2, 9), (0, 0)]]

# ---------------------------------------------------------------- project file


def real3(v):
    return "%.3f" % v


def general(v):
    """Shortest decimal of an exact binary fraction, as the editor writes it."""
    text = repr(float(v))
    if text.endswith(".0"):
        text = text[:-2]
    return "0" if text == "-0" else text


def project_lines():
    out = ["ProjectDescription", "Grandstand section: four tiers of seats, roof on two posts, banner",
           "Vertices", str(len(vertices))]
    for v in vertices:
        out += [real3(c) for c in v]
    textures = [("seats.bmp", "$00804020"), ("roof.bmp", "clSilver"), ("banner.bmp", "$0000C0FF")]
    out += ["Textures", str(len(textures))]
    for name, _ in textures:
        out += [name, "0", "", "1"]
    out += ["TextureBackColors"] + [colour for _, colour in textures]
    out += ["Lines", str(len(lines))]
    for colour, a, b in lines:
        out += [general(c) for c in colour] + [str(a), str(b)]
    out += ["Polygons", str(len(polygons))]
    for colour, idx, tex, uv in polygons:
        out += [general(c) for c in colour]
        out += [str(len(idx) + 1)] + [str(i) for i in idx + [idx[0]]] + [str(tex)]
        for u, v in uv:
            out += [general(u), general(v)]
    out += ["DisplayClass", "3", "Collision", str(len(collision))]
    for volume in collision:
        out.append(str(len(volume)))
        for rebound, polygon in volume:
            out += [str(rebound), str(polygon)]
    # A camera that shows the whole stand from the front, a little from above,
    # filling the view, with vertices small enough not to hide it.
    out += ["Options", "2", "20", "0", "150", "-20", "2", "0", "1", "1", "1", "1", "1", "1",
            "clwhite", "$00408000", "$004080FF", "0", "0", "", "0", "1", "0", "0", "", "10"]
    return out


def main():
    os.makedirs(STAND, exist_ok=True)
    write_bmp(os.path.join(STAND, "seats.bmp"), 128, 128, seats)
    write_bmp(os.path.join(STAND, "roof.bmp"), 64, 64, roof)
    write_bmp(os.path.join(STAND, "banner.bmp"), 256, 64, banner)
    write_bmp(os.path.join(EXAMPLES, "mask.bmp"), 64, 64, lambda x, y: (255, 255, 255))
    with open(os.path.join(STAND, "stand.3dp"), "wb") as f:
        f.write("".join(line + "\r\n" for line in project_lines()).encode("ascii"))
    print("%d vertices, %d polygons, %d lines" % (len(vertices), len(polygons), len(lines)))


if __name__ == "__main__":
    main()
