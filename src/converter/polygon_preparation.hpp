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
// no reflex corner. Returns 1 when it cut at least one ear, else 0; on return
// the lists hold the remaining polygon and polyVertexCount its size.
int ConcaveProcess(KilnState& k, int polyNum, ReadVertexList& vertlist, ReadCoordList& tvertxlist,
                   ReadCoordList& tvertylist);

// 1 when the triangle `triVert` contains none of the reflex vertices listed in
// `ReflexIndex` (MAX entries, -1 = not reflex), else 0.
int EarTest(const KilnState& k, const std::array<std::int32_t, 3>& triVert,
            const std::int32_t* ReflexIndex, int MAX);

// Fan-triangulates polygon `polyNum`; with discard 1 triangles over collinear
// vertices are left out. Returns the number of polygons by which polyCount grew.
int Triangulate(KilnState& k, int polyNum, int discard);

// 1 when the three vertices are collinear, else 0.
int checkCollinear(const KilnState& k, std::int32_t vert1, std::int32_t vert2, std::int32_t vert3);

// 1 when the polygon faces the same way as its plane inPlane, -1 otherwise.
int Orientation(const KilnState& k, int polyNum);

// Tries to merge triangle `polyNum` with one later triangle into a quad; returns 0.
int FindAdj2(KilnState& k, int polyNum);

// Builds the quad of two triangles sharing two vertices in the slot polyCount,
// without counting it.
void MergeTriangles(KilnState& k, int tri1, int tri2, std::int32_t sharedVertex1,
                    std::int32_t sharedVertex2);

// 1 when vertex position pos1 of poly1 and pos2 of poly2 have equal red, blue,
// green and alpha.
int ColorMatch(const KilnState& k, int poly1, int pos1, int poly2, int pos2);

} // namespace meshsmith::kiln
