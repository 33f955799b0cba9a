"""Reads a DXF file with ezdxf, audits it and prints what the model space holds.

Usage: check_export.py FILE
Exit status: 0 when the file loads and the audit finds no errors and fixes
nothing, 1 otherwise, 77 when ezdxf is not installed. Output, one item a line:
  count <TYPE> <n>          for POINT, LINE, POLYLINE, VERTEX, 3DFACE
  mode <polyline mode>      for every POLYLINE
  point <x> <y> <z>         for every POINT
  line <x1> <y1> <z1> <x2> <y2> <z2>
  vertex <x> <y> <z>        for every vertex of every POLYLINE
  handseed <hex>            the header's next free handle
  maxhandle <hex>           the largest handle of the model-space entities
"""
import sys

try:
    import ezdxf
except ImportError:
    sys.exit(77)


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for problem in auditor.errors + auditor.fixes:
        print("audit", problem.code, problem.message)
    msp = doc.modelspace()
    for kind in ("POINT", "LINE", "POLYLINE", "3DFACE"):
        print("count", kind, len(msp.query(kind)))
    vertices = 0
    handles = [0]
    for e in msp:
        handles.append(int(e.dxf.handle, 16))
        kind = e.dxftype()
        if kind == "POINT":
            print("point", *map(repr, e.dxf.location))
        elif kind == "LINE":
            print("line", *map(repr, e.dxf.start), *map(repr, e.dxf.end))
        elif kind == "POLYLINE":
            print("mode", e.get_mode())
            handles.append(int(e.seqend.dxf.handle, 16))
            for v in e.vertices:
                vertices += 1
                handles.append(int(v.dxf.handle, 16))
                print("vertex", *map(repr, v.dxf.location))
    print("count VERTEX", vertices)
    print("handseed", doc.header["$HANDSEED"])
    print("maxhandle", "%X" % max(handles))
    return 1 if auditor.has_errors or auditor.has_fixes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
