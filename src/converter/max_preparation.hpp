#pragma once
// The polygons the converter makes of a 3ds Max mesh before it builds its
// tree: faces on collinear corners left out, pairs of triangles in one plane
// that share an edge and their texture coordinates merged into quads.

#include "readers/plain_mesh.hpp"

namespace meshsmith::kiln {

// The converter's polygons of `mesh` (as readMaxAseFile gives it): positions
// merged as the converter merges them (within 0.001), faces in the order and
// with the corners the converter's tables hold them, texture coordinates as
// the file gives them (v not turned over), materials as in `mesh`.
readers::PlainMesh prepareMaxPolygons(const readers::PlainMesh& mesh);

} // namespace meshsmith::kiln
