// Normals of vertex triples, the collinearity test and fan triangulation.

#include "polygon_corners.hpp"
#include "polygon_preparation.hpp"

#include <cmath>

namespace meshsmith::kiln {

namespace {
// Rounding noise of a cross product of nearly parallel edges counts as nothing.
float dropTiny(float v) {
    return std::fabs(v) < 1e-6 ? 0.0f : v;
}
} // namespace

std::array<float, 3> normalOf(const KilnState& k, std::int32_t v0, std::int32_t v1,
                              std::int32_t v2) {
    const auto i0 = static_cast<std::size_t>(v0), i1 = static_cast<std::size_t>(v1),
               i2 = static_cast<std::size_t>(v2);
    const float x0 = k.x[i0], y0 = k.y[i0], z0 = k.z[i0];
    const float x1 = k.x[i1], y1 = k.y[i1], z1 = k.z[i1];
    const float x2 = k.x[i2], y2 = k.y[i2], z2 = k.z[i2];
    const float nx = (z1 - z0) * (y2 - y0) - (y1 - y0) * (z2 - z0);
    const float ny = (z2 - z0) * (x1 - x0) - (x2 - x0) * (z1 - z0);
    const float nz = (y1 - y0) * (x2 - x0) - (x1 - x0) * (y2 - y0);
    return {dropTiny(nx), dropTiny(ny), dropTiny(nz)};
}

int checkCollinear(const KilnState& k, std::int32_t vert1, std::int32_t vert2, std::int32_t vert3) {
    // (V3 - V1) x (V2 - V1) is the normal of the triple (V1, V2, V3).
    const auto n = normalOf(k, vert1, vert2, vert3);
    return n[0] == 0 && n[1] == 0 && n[2] == 0 ? 1 : 0;
}

int Triangulate(KilnState& k, int polyNum, int discard) {
    const poly source = k.polygon.at(static_cast<std::size_t>(polyNum));
    const std::vector<Triangle> fan = fanTriangles(k, cornersOf(source), discard);
    if (fan.empty()) return 0;
    const auto growth = static_cast<std::int32_t>(fan.size()) - 1;
    // Check the room first so that a full table stops the run before any change.
    if (k.polyCount + growth > kMaxPolygons) throw CapacityError("polygon", kMaxPolygons);
    // The last triangle takes the polygon's own slot (the polygon keeps its e);
    // the others follow in the table in fan order.
    for (std::size_t t = 0; t + 1 < fan.size(); ++t)
        appendPolygon(k, recordFrom(source, fan[t].data(), 3));
    k.polygon[static_cast<std::size_t>(polyNum)] = recordFrom(source, fan.back().data(), 3);
    return growth;
}

} // namespace meshsmith::kiln
