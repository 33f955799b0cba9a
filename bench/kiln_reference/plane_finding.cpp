// The planes of the polygons.

#include "bsp_builder.hpp"
#include "plane_tests.hpp"
#include "polygon_corners.hpp"
#include "polygon_preparation.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace meshsmith::kiln {

namespace {

struct Plane {
    float a, b, c, d;
};

// The unit plane of the first non-collinear vertex triple through the first
// vertex; false when every triple is collinear (a degenerate polygon).
bool planeOf(const KilnState& k, const poly& p, Plane& out) {
    const int n = cornerCount(p);
    std::array<float, 3> nv{0, 0, 0};
    for (int start = 0; start < n - 2; ++start) {
        const auto u = static_cast<std::size_t>(start);
        nv = normalOf(k, p.vertexList[u], p.vertexList[u + 1], p.vertexList[u + 2]);
        if (nv[0] != 0 || nv[1] != 0 || nv[2] != 0) break;
    }
    if (nv[0] == 0 && nv[1] == 0 && nv[2] == 0) return false;
    const float length = std::sqrt(nv[0] * nv[0] + nv[1] * nv[1] + nv[2] * nv[2]);
    if (!(length > 0) || !std::isfinite(length)) return false;
    out.a = nv[0] / length;
    out.b = nv[1] / length;
    out.c = nv[2] / length;
    const auto v0 = static_cast<std::size_t>(p.vertexList[0]);
    out.d = -(out.a * k.x[v0] + out.b * k.y[v0] + out.c * k.z[v0]);
    if (std::fabs(out.d) < 1e-6) out.d = 0;
    return true;
}

int firstPlaneHolding(const KilnState& k, int p, int from, int to) {
    for (int q = from; q < to; ++q)
        if (PolyPlaneREL(k, p, q) == 0) return q;
    return -1;
}

} // namespace

void FindPlanes(KilnState& k, int firstPoly, int lastPoly, int firstPlane) {
    if (firstPlane < 0 || firstPlane > kMaxPlanes)
        throw std::out_of_range("FindPlanes: first plane");
    firstPoly = std::max(firstPoly, 0);
    lastPoly = std::min(lastPoly, kMaxPolygons);
    k.planeCount = firstPlane;
    // The lowest plane each polygon lies in is known from its own step: any
    // plane before its slot was searched then, and only later planes remain.
    std::vector<int> holding, searchFrom;
    for (int p = firstPoly; p < lastPoly; ++p) {
        Plane pl{};
        const auto u = static_cast<std::size_t>(p);
        if (!planeOf(k, k.polygon[u], pl)) {
            k.e[u] = -1;
            holding.push_back(-1);
            searchFrom.push_back(0);
            continue;
        }
        k.e[u] = 0;
        const int found = firstPlaneHolding(k, p, 0, k.planeCount);
        if (found >= 0) {
            holding.push_back(found);
            searchFrom.push_back(-1);
            continue;
        }
        const int own = appendPlane(k, pl.a, pl.b, pl.c, pl.d);
        holding.push_back(-1);
        searchFrom.push_back(own);
    }
    for (int p = firstPoly; p < lastPoly; ++p) {
        const auto i = static_cast<std::size_t>(p - firstPoly);
        int plane = holding[i];
        if (plane < 0 && searchFrom[i] >= 0)
            plane = firstPlaneHolding(k, p, searchFrom[i], k.planeCount);
        k.polygon[static_cast<std::size_t>(p)].inPlane = plane;
    }
}

} // namespace meshsmith::kiln
