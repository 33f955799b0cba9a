#pragma once
// The geometric part of checkThreeDo: where the polygons of the drawing tree
// lie relative to the planes of their node and of the node's ancestors.

#include "threedo_file.hpp"

#include <cstddef>
#include <optional>

namespace meshsmith::inspect3do {

struct GeometryFindings {
    std::optional<Violation> violation; // the first fault, at the polygon's data offset
    std::size_t thinPolygons = 0;       // polygons whose facing was not judged
};

// Takes a file whose records passed the reference checks: every offset names
// an earlier record of the right kind, no record is named twice, every vertex
// and plane number is in range and every vertex and plane is finite. Visits the
// nodes in file order (children before parents); for each, in this order: each
// of its polygons must lie in its plane; each polygon of its front group must
// face along the plane's normal, each of its back group against it
// (facingAgainst; thin pieces are counted instead); no polygon of its front
// (left) subtree may lie wholly behind the plane, none of its back (right)
// subtree wholly in front (sideOfPlane). Stops at the first fault.
// A subtree whose bounding box keeps clear of the wrong side is passed over
// whole, so the usual tree costs far less than polygons x depth.
GeometryFindings checkTreeGeometry(const ThreeDoFile& file);

} // namespace meshsmith::inspect3do
