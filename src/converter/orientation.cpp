// The facing of a polygon against its own plane, and against the plane of the
// node it is filed in.

#include "geometry/polygon_ears.hpp"
#include "plane_tests.hpp"
#include "polygon_corners.hpp"
#include "polygon_preparation.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace meshsmith::kiln {

namespace {
// The first non-zero normal of the triples (i, i+1, i+2); zero when every triple is collinear.
std::array<float, 3> firstNormal(const KilnState& k, const poly& p) {
    const int n = cornerCount(p);
    for (int i = 0; i + 2 < n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const auto nv = normalOf(k, p.vertexList[u], p.vertexList[u + 1], p.vertexList[u + 2]);
        if (nv[0] != 0 || nv[1] != 0 || nv[2] != 0) return nv;
    }
    return {0, 0, 0};
}
} // namespace

int Orientation(const KilnState& k, int polyNum) {
    const poly& p = k.polygon.at(static_cast<std::size_t>(polyNum));
    if (p.inPlane < 0 || p.inPlane >= kMaxPlanes) return -1;
    auto nv = firstNormal(k, p);
    const float length = std::sqrt(nv[0] * nv[0] + nv[1] * nv[1] + nv[2] * nv[2]);
    // A polygon without a normal faces no way; dividing would give NaN.
    if (!(length > 0)) return -1;
    for (float& c : nv)
        c /= length;
    int axis = 0;
    if (std::fabs(nv[1]) > std::fabs(nv[axis])) axis = 1;
    if (std::fabs(nv[2]) > std::fabs(nv[axis])) axis = 2;
    const auto pl = static_cast<std::size_t>(p.inPlane);
    const float planeComponent = axis == 0 ? k.a[pl] : axis == 1 ? k.b[pl] : k.c[pl];
    return signum(nv[static_cast<std::size_t>(axis)]) == signum(planeComponent) ? 1 : -1;
}

int FacingInNode(const KilnState& k, int polyNum, int planeNum) {
    const poly& p = k.polygon.at(static_cast<std::size_t>(polyNum));
    if (planeNum < 0 || planeNum >= std::min(k.planeCount, kMaxPlanes)) return Orientation(k, polyNum);
    std::vector<geometry::Point3f> corners;
    for (int i = 0; i < cornerCount(p); ++i) {
        const auto v = static_cast<std::size_t>(p.vertexList[static_cast<std::size_t>(i)]);
        corners.push_back({k.x[v], k.y[v], k.z[v]});
    }
    // The converter's normals are (P2 - P0) x (P1 - P0): against the area normal.
    const geometry::Vector3d area = geometry::areaNormal(corners);
    const auto pl = static_cast<std::size_t>(planeNum);
    const double along = -(area[0] * k.a[pl] + area[1] * k.b[pl] + area[2] * k.c[pl]);
    if (along > 0) return 1;
    if (along < 0) return -1;
    return Orientation(k, polyNum);
}

} // namespace meshsmith::kiln
