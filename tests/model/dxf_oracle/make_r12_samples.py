"""Writes R12 DXF files with ezdxf for the import tests.

Usage: make_r12_samples.py FOLDER
Exit status 77 when ezdxf is not installed. Files (model space only):
  points.dxf    5 POINTs, two of them at one position
  lines.dxf     3 LINEs, the second the first reversed
  faces.dxf     2 quads and 2 triangles (ezdxf repeats the third corner)
  polyline.dxf  one closed 3D POLYLINE of 6 vertices
  polyface.dxf  a polyface mesh: a box of 8 vertices, 5 quads and 2 triangles
  mixed.dxf     all of the above in one drawing
"""
import os
import sys

try:
    import ezdxf
except ImportError:
    sys.exit(77)

POINTS = [(1, 2, 3), (-4.5, 0.25, 0), (1, 2, 3), (1e5, -1e-3, 7), (0, 0, 0)]
LINES = [((0, 0, 0), (10, 0, 5)), ((10, 0, 5), (0, 0, 0)), ((10, 0, 5), (10, 10, 5))]
FACES = [
    [(0, 0, 0), (1, 0, 0), (1, 1, 0), (0, 1, 0)],
    [(1, 0, 0), (2, 0, 0), (2, 1, 0), (1, 1, 0)],
    [(0, 1, 0), (1, 1, 0), (0.5, 2, 0.5)],
    [(1, 1, 0), (2, 1, 0), (0.5, 2, 0.5)],
]
POLYLINE = [(0, 0, 0), (3, 0, 1), (3, 3, 2), (0, 3, 3), (-1, 1.5, 4), (0, 0, 5)]
BOX = [(x, y, z) for z in (20, 21) for y in (20, 22) for x in (20, 23)]
BOX_FACES = [(0, 1, 3, 2), (4, 5, 7, 6), (0, 1, 5, 4), (2, 3, 7, 6), (0, 2, 6, 4), (1, 3, 7), (1, 7, 5)]


def add(msp, what):
    if "points" in what:
        for p in POINTS:
            msp.add_point(p)
    if "lines" in what:
        for a, b in LINES:
            msp.add_line(a, b)
    if "faces" in what:
        for f in FACES:
            msp.add_3dface(f)
    if "polyline" in what:
        msp.add_polyline3d(POLYLINE, close=True)
    if "polyface" in what:
        msp.add_polyface().append_faces([[BOX[k] for k in face] for face in BOX_FACES])


def main(folder):
    parts = ("points", "lines", "faces", "polyline", "polyface")
    for name in parts + ("mixed",):
        doc = ezdxf.new("R12")
        add(doc.modelspace(), parts if name == "mixed" else (name,))
        doc.saveas(os.path.join(folder, name + ".dxf"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
