#pragma once
// Corners of polygon records: a vertex with its texture coordinates and
// colours, so that pieces of a polygon (ears, fan triangles, split pieces) can
// be gathered before they are stored in a record of at most 11 vertices.

#include "kiln_state.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace meshsmith::kiln {

struct Corner {
    std::int32_t vertex = 0;
    float tx = 0, ty = 0;
    std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
};

using Corners = std::vector<Corner>;
using Triangle = std::array<Corner, 3>;

// The number of corners a record really holds (never more than its arrays).
int cornerCount(const poly& p);

// Corner `pos` of a record.
Corner cornerOf(const poly& p, int pos);

// All corners of a record, in boundary order.
Corners cornersOf(const poly& p);

// A new record over `n` corners (at most kMaxPolyVertices) that takes inPlane,
// stringNum and flav of `source`; colours are kept for flav 1 only.
poly recordFrom(const poly& source, const Corner* corners, int n);

// The fan (0, i, i+1) for i = 1 .. n-2 over the corners; with discard 1 the
// triangles whose three vertices are collinear are left out.
std::vector<Triangle> fanTriangles(const KilnState& k, const Corners& corners, int discard);

} // namespace meshsmith::kiln
