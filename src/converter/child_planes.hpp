#pragma once
// The choice of a child's plane on one side of a node: the live polygon on
// that side of the node's plane, in its region, whose plane cuts the fewest
// polygons (numCutPolys; ties keep the earlier polygon).

#include "tree_build.hpp"

namespace meshsmith::kiln {

struct Pick {
    int poly = -1;
    int plane = -1;
    int cuts = 0;
    explicit operator bool() const { return poly >= 0; }
};

// The pick for side `side` (kFront or kBack) of the node of frame `f`, whose
// parent's frame is `parent` (none for the root). The region of `f` is
// brought up to date, and the straddler lists of the planes asked about are
// kept in `f` for its children.
Pick pickChildPlane(Build& b, Frame& f, const Frame* parent, int side);

} // namespace meshsmith::kiln
