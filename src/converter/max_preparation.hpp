#pragma once
// The polygons the converter makes of a 3ds Max mesh before it builds its
// tree: faces on collinear corners left out, pairs of triangles in one plane
// that share an edge and their texture coordinates merged into quads.

#include "kiln_state.hpp"
#include "readers/plain_mesh.hpp"

#include <cstdint>
#include <vector>

namespace meshsmith::kiln {

// The converter's polygons of `mesh` (as readMaxAseFile gives it): positions
// merged as the converter merges them (within 0.001), faces in the order and
// with the corners the converter's tables hold them, texture coordinates as
// the file gives them (v not turned over), materials as in `mesh`. Faces are
// triangles. Those without a material merge only with each other, and not at
// all without texture coordinates (the editor's untextured faces). Throws
// CapacityError when the converter's tables could not hold the mesh.
readers::PlainMesh prepareMaxPolygons(const readers::PlainMesh& mesh);

// The triangle of face `f` (flav 0, no plane yet): its corners through
// `tableVertex` (position -> table vertex), its texture coordinates (0 when
// it has none) and texture `stringNum`.
poly maxTriangle(const readers::MeshFace& f, const std::vector<std::int32_t>& tableVertex,
                 std::int32_t stringNum);

// One object's triangles into the tables: those over collinear corners left
// out (the last taking the freed place), the others appended, their planes
// found (appended after the planes there are), then each but the last tried
// for a merge into a quad with a later one (FindAdj2). `tags` holds a value
// per triangle; `slotTags`, one per polygon slot on entry, gets the tags of
// the appended polygons and keeps them with their polygons as merges move them.
void appendMaxObject(KilnState& k, std::vector<poly> triangles, std::vector<std::int32_t> tags,
                     std::vector<std::int32_t>& slotTags);

} // namespace meshsmith::kiln
