#include "polygon_balls.hpp"

#include <algorithm>

namespace meshsmith::kiln {

PolygonBall ballOf(const KilnState& k, int polyNum) {
    const poly& p = k.polygon[static_cast<std::size_t>(polyNum)];
    PolygonBall ball;
    const int n = std::min<int>(p.polyVertexCount, kMaxPolyVertices);
    if (n <= 0) return ball;
    double sx = 0, sy = 0, sz = 0;
    for (int i = 0; i < n; ++i) {
        const auto v = static_cast<std::size_t>(p.vertexList[static_cast<std::size_t>(i)]);
        sx += k.x[v];
        sy += k.y[v];
        sz += k.z[v];
    }
    ball.x = sx / n;
    ball.y = sy / n;
    ball.z = sz / n;
    double r2 = 0;
    for (int i = 0; i < n; ++i) {
        const auto v = static_cast<std::size_t>(p.vertexList[static_cast<std::size_t>(i)]);
        const double dx = k.x[v] - ball.x, dy = k.y[v] - ball.y, dz = k.z[v] - ball.z;
        r2 = std::max(r2, dx * dx + dy * dy + dz * dz);
    }
    const double reach = std::sqrt(r2) * (1 + kRelativeRoom);
    if (!std::isfinite(reach) || !std::isfinite(ball.x + ball.y + ball.z)) return ball;
    ball.reach = reach;
    ball.extent = std::max({std::fabs(ball.x), std::fabs(ball.y), std::fabs(ball.z)}) + reach;
    return ball;
}

PlaneBound planeBound(const KilnState& k, int planeNum) {
    const auto i = static_cast<std::size_t>(planeNum);
    PlaneBound b;
    b.a = k.a[i];
    b.b = k.b[i];
    b.c = k.c[i];
    b.d = k.d[i];
    // sqrt(x) <= (x + 1) / 2: no square root, and tight for the unit normals
    // of the planes found from polygons.
    b.norm = (b.a * b.a + b.b * b.b + b.c * b.c + 1) / 2 * (1 + kRelativeRoom);
    b.absSum = std::fabs(b.a) + std::fabs(b.b) + std::fabs(b.c);
    b.absD = std::fabs(b.d);
    if (!std::isfinite(b.norm) || !std::isfinite(b.d))
        b.norm = std::numeric_limits<double>::infinity();
    return b;
}

} // namespace meshsmith::kiln
