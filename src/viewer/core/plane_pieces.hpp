#pragma once
// Planes made visible: the piece of a plane inside a box, cut further by other
// planes. The viewer draws collision planes and node planes this way.

#include "threedo_file.hpp"

#include <array>
#include <optional>
#include <vector>

namespace meshsmith::viewer {

using Point = std::array<double, 3>;

struct Box {
    Point low{0, 0, 0}, high{0, 0, 0};
};

// The vertices' box, grown on every side by a tenth of its largest extent
// (at least 1), so planes through the object show beyond it.
Box viewBox(const inspect3do::ThreeDoFile& file);

// The part of `polygon` (convex, corners in order) on the side of `plane`
// that `keepFront` names (a*x + b*y + c*z + d >= 0 for the front); the corners
// keep their order. Empty when nothing is left.
std::vector<Point> clipToSide(const std::vector<Point>& polygon, const inspect3do::Plane& plane,
                              bool keepFront);

// The plane's piece inside the box: a convex polygon of 3 to 6 corners, or
// empty when the plane misses the box or has no normal.
std::vector<Point> planeInBox(const inspect3do::Plane& plane, const Box& box);

} // namespace meshsmith::viewer
