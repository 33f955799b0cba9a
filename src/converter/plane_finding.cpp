// The planes of the polygons.

#include "ball_tree.hpp"
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

} // namespace

void FindPlanesInTurn(KilnState& k, const std::vector<std::pair<int, int>>& ranges,
                      int firstPlane) {
    if (firstPlane < 0 || firstPlane > kMaxPlanes)
        throw std::out_of_range("FindPlanes: first plane");
    k.planeCount = firstPlane;
    // Each plane, as it comes, is offered to the polygons that may lie in
    // it, of the ranges that have not ended; planes come in increasing
    // number, so the first one found for a polygon is the lowest. When a
    // polygon's turn comes, every plane before its own has been offered to it.
    std::vector<int> slots, turns;
    for (std::size_t turn = 0; turn < ranges.size(); ++turn)
        for (int p = std::max(ranges[turn].first, 0);
             p < std::min(ranges[turn].second, kMaxPolygons); ++p) {
            slots.push_back(p);
            turns.push_back(static_cast<int>(turn));
        }
    if (slots.empty()) return;
    // Per slot from the lowest one on: its turn and the lowest plane found for it.
    const int base = *std::min_element(slots.begin(), slots.end());
    const auto at = [base](int p) { return static_cast<std::size_t>(p - base); };
    const int span = *std::max_element(slots.begin(), slots.end()) - base + 1;
    std::vector<int> turnOf(static_cast<std::size_t>(span), -1), lowest(turnOf.size(), -1);
    for (std::size_t i = 0; i < slots.size(); ++i)
        turnOf[at(slots[i])] = turns[i];
    const BallTree tree(k, slots);
    const auto offer = [&](int plane, int fromTurn) {
        tree.near(planeBound(k, plane), [&](int q) {
            int& found = lowest[at(q)];
            if (found < 0 && turnOf[at(q)] >= fromTurn && PolyPlaneREL(k, q, plane) == 0)
                found = plane;
        });
    };
    for (int plane = 0; plane < firstPlane; ++plane)
        offer(plane, 0);
    for (int p : slots) {
        Plane pl{};
        const auto u = static_cast<std::size_t>(p);
        if (!planeOf(k, k.polygon[u], pl)) {
            k.e[u] = -1;
            continue;
        }
        k.e[u] = 0;
        if (lowest[at(p)] < 0) offer(appendPlane(k, pl.a, pl.b, pl.c, pl.d), turnOf[at(p)]);
    }
    for (int p : slots)
        k.polygon[static_cast<std::size_t>(p)].inPlane = lowest[at(p)];
}

void FindPlanes(KilnState& k, int firstPoly, int lastPoly, int firstPlane) {
    FindPlanesInTurn(k, {{firstPoly, lastPoly}}, firstPlane);
}

} // namespace meshsmith::kiln
