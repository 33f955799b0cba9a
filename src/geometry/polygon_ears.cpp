#include "polygon_ears.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace meshsmith::geometry {

namespace {

// The converter's three-way sign: values within 0.0001 of zero count as zero.
int sideOf(float v) {
    const double dv = v;
    if (dv > 0.0001) return 1;
    if (dv < -0.0001) return -1;
    return 0;
}

Point3f minus(const Point3f& p, const Point3f& q) {
    return {p[0] - q[0], p[1] - q[1], p[2] - q[2]};
}

// e1 x e2, written out as the converter has always computed it.
Point3f cross(const Point3f& e1, const Point3f& e2) {
    return {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
            e1[0] * e2[1] - e1[1] * e2[0]};
}

float dot(const Point3f& p, const Point3f& q) {
    return p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
}

double length(const Point3f& p) {
    return std::sqrt(double{p[0]} * p[0] + double{p[1]} * p[1] + double{p[2]} * p[2]);
}

std::size_t wrap(int i, std::size_t n) {
    const auto m = static_cast<int>(n);
    return static_cast<std::size_t>(((i % m) + m) % m);
}

// A turn smaller than this (the sine of the angle between the corner's edges)
// is a straight edge, not a reflex corner: far above float rounding, far
// below any corner a modeller draws.
constexpr double kStraight = 1e-5;

} // namespace

Vector3d areaNormal(std::span<const Point3f> outline) {
    Vector3d n{0, 0, 0};
    const std::size_t count = outline.size();
    if (count < 3) return n;
    for (std::size_t i = 0; i < count; ++i) {
        const Point3f& a = outline[i];
        const Point3f& b = outline[(i + 1) % count];
        n[0] += (double{a[1]} - b[1]) * (double{a[2]} + b[2]);
        n[1] += (double{a[2]} - b[2]) * (double{a[0]} + b[0]);
        n[2] += (double{a[0]} - b[0]) * (double{a[1]} + b[1]);
    }
    return n;
}

Point3f cornerVector(const Point3f& prev, const Point3f& here, const Point3f& next) {
    return cross(minus(next, here), minus(prev, next));
}

std::vector<bool> reflexCorners(std::span<const Point3f> outline) {
    const std::size_t n = outline.size();
    std::vector<Point3f> corner(n);
    Point3f total{0, 0, 0};
    for (std::size_t i = 0; i < n; ++i) {
        corner[i] = cornerVector(outline[wrap(static_cast<int>(i) - 1, n)], outline[i],
                                 outline[wrap(static_cast<int>(i) + 1, n)]);
        total = {total[0] + corner[i][0], total[1] + corner[i][1], total[2] + corner[i][2]};
    }
    const Vector3d normal = areaNormal(outline);
    const double normalLength =
        std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
    const double agreement = normal[0] * total[0] + normal[1] * total[1] + normal[2] * total[2];
    std::vector<bool> reflex(n);
    // The sum of the corner vectors measures the corners as it always did
    // while it points the outline's way (and when there is no area to go by).
    if (agreement > 0 || !(normalLength > 0)) {
        for (std::size_t i = 0; i < n; ++i)
            reflex[i] = sideOf(dot(total, corner[i])) == -1;
        return reflex;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Point3f& here = outline[i];
        const Point3f& prev = outline[wrap(static_cast<int>(i) - 1, n)];
        const Point3f& next = outline[wrap(static_cast<int>(i) + 1, n)];
        const double along = (normal[0] * corner[i][0] + normal[1] * corner[i][1] +
                              normal[2] * corner[i][2]) /
                             normalLength;
        reflex[i] = along < -kStraight * length(minus(next, here)) * length(minus(prev, next));
    }
    return reflex;
}

bool triangleHoldsAny(const std::array<Point3f, 3>& triangle, std::span<const Point3f> points) {
    for (const Point3f& r : points) {
        std::array<Point3f, 3> edge{};
        Point3f sum{0, 0, 0};
        for (std::size_t j = 0; j < 3; ++j) {
            edge[j] = cross(minus(triangle[j], r), minus(r, triangle[(j + 1) % 3]));
            sum = {sum[0] + edge[j][0], sum[1] + edge[j][1], sum[2] + edge[j][2]};
        }
        // Inside: on the inner side of all three edges. A point on an edge
        // (inner side of the other two) is held as well: that edge would run
        // along the outline, and the rest would touch itself there, so later
        // ears could reach outside it.
        int innerSides = 0;
        bool outside = false;
        for (std::size_t j = 0; j < 3; ++j) {
            const int side = sideOf(dot(sum, edge[j]));
            innerSides += side == 1 ? 1 : 0;
            outside = outside || side == -1;
        }
        if (!outside && innerSides >= 2) return true;
    }
    return false;
}

namespace {

// The first non-reflex position whose triangle holds no reflex corner, or -1.
int findEar(const std::vector<Point3f>& outline, const std::vector<bool>& reflex) {
    std::vector<Point3f> reflexPoints;
    for (std::size_t i = 0; i < outline.size(); ++i)
        if (reflex[i]) reflexPoints.push_back(outline[i]);
    const std::size_t n = outline.size();
    for (std::size_t pos = 0; pos < n; ++pos) {
        if (reflex[pos]) continue;
        const std::array<Point3f, 3> ear{outline[(pos + n - 1) % n], outline[pos],
                                         outline[(pos + 1) % n]};
        if (!triangleHoldsAny(ear, reflexPoints)) return static_cast<int>(pos);
    }
    return -1;
}

// Where to cut when no ear exists: the first convex position, else position 0.
int forcedEar(const std::vector<bool>& reflex) {
    for (std::size_t pos = 0; pos < reflex.size(); ++pos)
        if (!reflex[pos]) return static_cast<int>(pos);
    return 0;
}

} // namespace

std::vector<int> earCuts(std::span<const Point3f> outline, int maxKept) {
    std::vector<Point3f> rest(outline.begin(), outline.end());
    std::vector<int> cuts;
    while (rest.size() > 3) {
        const std::vector<bool> reflex = reflexCorners(rest);
        const bool anyReflex = std::find(reflex.begin(), reflex.end(), true) != reflex.end();
        const bool fits = static_cast<int>(rest.size()) <= maxKept;
        if (!anyReflex && fits) break;
        int pos = findEar(rest, reflex);
        if (pos < 0) {
            if (fits) break;
            pos = forcedEar(reflex);
        }
        cuts.push_back(pos);
        rest.erase(rest.begin() + pos);
    }
    return cuts;
}

std::vector<std::array<int, 3>> fillTriangles(std::span<const Point3f> outline) {
    constexpr int kKeptByTheConverter = 10;
    std::vector<int> left(outline.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = static_cast<int>(i);
    std::vector<std::array<int, 3>> out;
    if (left.size() < 3) return out;
    for (const int pos : earCuts(outline, kKeptByTheConverter)) {
        const std::size_t n = left.size();
        const auto p = static_cast<std::size_t>(pos);
        out.push_back({left[(p + n - 1) % n], left[p], left[(p + 1) % n]});
        left.erase(left.begin() + pos);
    }
    for (std::size_t i = 1; i + 1 < left.size(); ++i)
        out.push_back({left[0], left[i], left[i + 1]});
    return out;
}

} // namespace meshsmith::geometry
