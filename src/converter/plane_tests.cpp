#include "plane_tests.hpp"

#include <cstdio>

namespace meshsmith::kiln {

int signum(float v) {
    double dv = v;
    if (dv > 0.0001) return 1;
    if (dv < -0.0001) return -1;
    return 0;
}

int signum_coll(float v) {
    double dv = v;
    if (dv > 0.001) return 1;
    if (dv < -0.001) return -1;
    return 0;
}

int PolyPlaneREL(const KilnState& k, int polyNum, int planeNum) {
    const poly& p = k.polygon[static_cast<std::size_t>(polyNum)];
    const auto pl = static_cast<std::size_t>(planeNum);
    const double a = k.a[pl], b = k.b[pl], c = k.c[pl], d = k.d[pl];
    float most = 0, least = 0;
    for (int i = 0; i < p.polyVertexCount; ++i) {
        const auto v = static_cast<std::size_t>(p.vertexList[static_cast<std::size_t>(i)]);
        const auto dist = static_cast<float>(a * k.x[v] + b * k.y[v] + c * k.z[v] + d);
        // Comparisons with NaN are false, so a NaN distance never moves the extremes.
        if (dist > most) most = dist;
        if (dist < least) least = dist;
        if (dist != dist) {
            std::printf("\nUnhandled exception in PolyPlaneREL\n");
            return kUnhandledRelation;
        }
    }
    const float tol = 0.001f;
    const bool front = most > tol, back = -least > tol;
    if (front && !back) return 1;
    if (!front && back) return -1;
    if (!front && !back) return 0;
    return kStraddles;
}

} // namespace meshsmith::kiln
