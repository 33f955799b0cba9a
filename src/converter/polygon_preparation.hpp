#pragma once
// Polygon preparation: cutting ears off concave or too-large polygons, fan
// triangulation, the facing of a polygon against its plane, and merging pairs
// of triangles back into quads (3ds Max input). New polygons are appended at
// polyCount; a polygon that is replaced is overwritten in place.

#include "kiln_state.hpp"

#include <array>

namespace meshsmith::kiln {

// Working lists of a polygon being read (vertex numbers and texture
// coordinates, position by position); its colours are in tRed .. tAlpha.
using ReadVertexList = std::array<std::int32_t, kMaxReadVertices>;
using ReadCoordList = std::array<float, kMaxReadVertices>;

// The normal (P2 - P0) x (P1 - P0) of three vertices, components whose
// magnitude is below 1e-6 set to 0.
std::array<float, 3> normalOf(const KilnState& k, std::int32_t v0, std::int32_t v1,
                              std::int32_t v2);

// Cuts ears off polygon `polyNum` (its slot holds polyVertexCount, stringNum
// and flav; its corners are in the lists) until it has at most 10 vertices and
// no reflex corner (one turning against the polygon's area normal, see
// geometry/polygon_ears.hpp), so that every ear lies inside the polygon and
// faces as it does. Each ear is appended as a triangle (inPlane, stringNum and
// flav of the polygon, its corners' texture coordinates and, for flav 1,
// colours from tRed .. tAlpha). When no ear exists (a polygon that crosses
// itself) the cutting stops, but a rest of more than 10 vertices first loses
// triangles at its first convex corner until 10 remain, so nothing is lost
// and the rest fits its record. Returns 1 when it cut at least one ear, else
// 0; on return the lists hold the remaining polygon and polyVertexCount its
// size. Throws CapacityError for more than 100 vertices or a full table.
int ConcaveProcess(KilnState& k, int polyNum, ReadVertexList& vertlist, ReadCoordList& tvertxlist,
                   ReadCoordList& tvertylist);

// 1 when the triangle `triVert` holds none of the reflex vertices listed in
// `ReflexIndex` (MAX entries, -1 = not reflex), else 0. A reflex vertex inside
// the triangle or on one of its edges (not at a corner) is held; a degenerate
// triangle holds none.
int EarTest(const KilnState& k, const std::array<std::int32_t, 3>& triVert,
            const std::int32_t* ReflexIndex, int MAX);

// Fan-triangulates polygon `polyNum` into (0, i, i+1), i = 1 .. n-2; with
// discard 1 triangles over collinear vertices are left out. The last triangle
// takes the polygon's slot (which keeps its e), the others are appended live
// in fan order; without any triangle the polygon stays as it was. Returns the
// number of polygons by which polyCount grew. Throws CapacityError, before
// any change, when the table has no room for them.
int Triangulate(KilnState& k, int polyNum, int discard);

// 1 when the three vertices are collinear, else 0.
int checkCollinear(const KilnState& k, std::int32_t vert1, std::int32_t vert2, std::int32_t vert3);

// 1 when the polygon faces the same way as its plane inPlane, -1 otherwise:
// judged on the largest component of the first non-zero triple normal. A
// polygon without a normal or without a plane gives -1.
int Orientation(const KilnState& k, int polyNum);

// 1 when the polygon faces along the normal of plane `planeNum` (the plane of
// the node it is filed in), -1 when against: the sign of its area normal
// (double precision, nothing dropped) against the plane's normal. A polygon
// lying within the tolerance of a node's plane may face against it even where
// its own plane faces along. Orientation's answer for a polygon without area
// or a plane outside the table.
int FacingInNode(const KilnState& k, int polyNum, int planeNum);

// Tries to merge triangle `polyNum` with one later triangle (same plane,
// texture, facing and size, the shared edge the longest of both, texture
// coordinates and colours agreeing) into a flat quad, which replaces
// polyNum; the last polygon then moves into the partner's slot. Only
// triangles with a plane are merged. Returns 0.
int FindAdj2(KilnState& k, int polyNum);
// FindAdj2's merge, saying which triangle was merged into polyNum (the slot
// the last polygon then moved into), or -1 when none was.
int mergeWithLaterTriangle(KilnState& k, int polyNum);

// 1 when vertex position pos1 of poly1 and pos2 of poly2 have equal red, blue,
// green and alpha.
int ColorMatch(const KilnState& k, int poly1, int pos1, int poly2, int pos2);

} // namespace meshsmith::kiln
