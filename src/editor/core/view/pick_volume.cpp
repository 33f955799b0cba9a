#include "editor/core/view/pick_volume.hpp"

#include <cmath>

namespace meshsmith {

namespace {

constexpr int kPlaneCount = 6;
// A triangle clipped by six planes keeps at most 3 + 6 corners.
constexpr int kMaxClippedCorners = 9;

// Signed distance-like value of a clip-space point to plane `plane`; inside
// when >= 0. The x and y planes are moved out by `widen`.
double planeValue(const Vec4& p, int plane, double widen) {
    switch (plane) {
    case 0:
        return widen * p.w + p.x;
    case 1:
        return widen * p.w - p.x;
    case 2:
        return widen * p.w + p.y;
    case 3:
        return widen * p.w - p.y;
    case 4:
        return p.w + p.z;
    default:
        return p.w - p.z;
    }
}

Vec4 between(const Vec4& a, const Vec4& b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z),
            a.w + t * (b.w - a.w)};
}

bool finite(const Vec4& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::isfinite(p.w);
}

struct Corners {
    std::array<Vec4, kMaxClippedCorners + 1> at;
    int count = 0;
};

// One Sutherland-Hodgman step: the part of the polygon inside one plane.
Corners clipAgainst(const Corners& in, int plane) {
    Corners out;
    for (int i = 0; i < in.count; ++i) {
        const Vec4& a = in.at[i];
        const Vec4& b = in.at[(i + 1) % in.count];
        const double fa = planeValue(a, plane, 1.0), fb = planeValue(b, plane, 1.0);
        if (fa >= 0 && out.count <= kMaxClippedCorners) out.at[out.count++] = a;
        if ((fa >= 0) != (fb >= 0) && out.count <= kMaxClippedCorners)
            out.at[out.count++] = between(a, b, fa / (fa - fb));
    }
    return out;
}

} // namespace

PickVolume::PickVolume(const Matrix4& combined, const Viewport& viewport, double windowX,
                       double windowY)
    : matrix_(pickMatrix(windowX, windowY, 1.0, 1.0, viewport) * combined) {
    auto row = [&](int r) {
        return Vec4{matrix_.at(r, 0), matrix_.at(r, 1), matrix_.at(r, 2), matrix_.at(r, 3)};
    };
    const Vec4 x = row(0), y = row(1), z = row(2), w = row(3);
    auto add = [](const Vec4& a, const Vec4& b, double s) {
        return Vec4{a.x + s * b.x, a.y + s * b.y, a.z + s * b.z, a.w + s * b.w};
    };
    planes_ = {add(w, x, 1),  add(w, x, -1), add(w, y, 1),
               add(w, y, -1), add(w, z, 1),  add(w, z, -1)};
}

bool PickVolume::cubeMayHit(const Vec3& centre, double halfExtent) const {
    for (const Vec4& p : planes_) {
        const double atCentre = p.x * centre.x + p.y * centre.y + p.z * centre.z + p.w;
        const double reach = halfExtent * (std::fabs(p.x) + std::fabs(p.y) + std::fabs(p.z));
        if (atCentre + reach < 0) return false;
    }
    return true;
}

bool pointHits(const Vec4& p, double widen) {
    if (!finite(p)) return false;
    for (int plane = 0; plane < kPlaneCount; ++plane)
        if (!(planeValue(p, plane, widen) >= 0)) return false;
    return true;
}

unsigned outsideBits(const Vec4& p) {
    unsigned bits = 0;
    for (int plane = 0; plane < kPlaneCount; ++plane)
        if (!(planeValue(p, plane, 1.0) >= 0)) bits |= 1u << plane;
    return bits;
}

bool segmentHits(const Vec4& a, const Vec4& b, double widen) {
    // Liang-Barsky in homogeneous coordinates: shrink [t0, t1] plane by plane.
    if (!finite(a) || !finite(b)) return false;
    double t0 = 0, t1 = 1;
    for (int plane = 0; plane < kPlaneCount; ++plane) {
        const double fa = planeValue(a, plane, widen), fb = planeValue(b, plane, widen);
        if (!(fa >= 0) && !(fb >= 0)) return false;
        if (fa < 0)
            t0 = std::fmax(t0, fa / (fa - fb));
        else if (fb < 0)
            t1 = std::fmin(t1, fa / (fa - fb));
        if (t0 > t1) return false;
    }
    return true;
}

bool triangleHits(const Vec4& a, const Vec4& b, const Vec4& c) {
    if (!finite(a) || !finite(b) || !finite(c)) return false;
    // All corners beyond one plane: nothing of the triangle can be inside.
    for (int plane = 0; plane < kPlaneCount; ++plane)
        if (!(planeValue(a, plane, 1.0) >= 0) && !(planeValue(b, plane, 1.0) >= 0) &&
            !(planeValue(c, plane, 1.0) >= 0))
            return false;
    if (pointHits(a, 1.0) || pointHits(b, 1.0) || pointHits(c, 1.0)) return true;
    Corners polygon;
    polygon.at[0] = a;
    polygon.at[1] = b;
    polygon.at[2] = c;
    polygon.count = 3;
    for (int plane = 0; plane < kPlaneCount && polygon.count > 0; ++plane)
        polygon = clipAgainst(polygon, plane);
    return polygon.count > 0;
}

double screenWinding(const Vec4& a, const Vec4& b, const Vec4& c) {
    // The determinant of the (x, y, w) rows keeps its sign under clipping and
    // equals the projected area times the (positive) w of the visible corners.
    return a.x * (b.y * c.w - c.y * b.w) - a.y * (b.x * c.w - c.x * b.w) +
           a.w * (b.x * c.y - c.x * b.y);
}

} // namespace meshsmith
