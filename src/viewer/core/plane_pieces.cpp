#include "plane_pieces.hpp"

#include <algorithm>
#include <cmath>

namespace meshsmith::viewer {
namespace {

double distance(const inspect3do::Plane& p, const Point& x) {
    return p.a * x[0] + p.b * x[1] + p.c * x[2] + p.d;
}

Point mix(const Point& a, const Point& b, double t) {
    return {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2])};
}

Point cross(const Point& a, const Point& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Point scaled(const Point& a, double s) {
    return {a[0] * s, a[1] * s, a[2] * s};
}

Point unit(const Point& a) {
    const double n = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    return scaled(a, 1 / n);
}

} // namespace

Box viewBox(const inspect3do::ThreeDoFile& f) {
    Box box;
    bool first = true;
    for (const inspect3do::Vertex& v : f.vertices) {
        const Point p{v.x, v.y, v.z};
        for (int k = 0; k < 3; ++k) {
            box.low[k] = first ? p[k] : std::min(box.low[k], p[k]);
            box.high[k] = first ? p[k] : std::max(box.high[k], p[k]);
        }
        first = false;
    }
    double extent = 0;
    for (int k = 0; k < 3; ++k)
        extent = std::max(extent, box.high[k] - box.low[k]);
    const double margin = std::max(1.0, extent / 10);
    for (int k = 0; k < 3; ++k) {
        box.low[k] -= margin;
        box.high[k] += margin;
    }
    return box;
}

std::vector<Point> clipToSide(const std::vector<Point>& polygon, const inspect3do::Plane& plane,
                              bool keepFront) {
    std::vector<Point> kept;
    const double sign = keepFront ? 1 : -1;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        const double da = sign * distance(plane, a), db = sign * distance(plane, b);
        if (da >= 0) kept.push_back(a);
        if ((da >= 0) != (db >= 0)) kept.push_back(mix(a, b, da / (da - db)));
    }
    return kept.size() >= 3 ? kept : std::vector<Point>{};
}

std::vector<Point> planeInBox(const inspect3do::Plane& plane, const Box& box) {
    const Point normal{plane.a, plane.b, plane.c};
    const double length2 = normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2];
    if (!(length2 > 0) || !std::isfinite(length2)) return {};
    // A square on the plane around the box centre's foot, larger than the box.
    const Point centre = mix(box.low, box.high, 0.5);
    const double t = distance(plane, centre) / length2;
    const Point foot =
        mix(centre, {centre[0] - normal[0], centre[1] - normal[1], centre[2] - normal[2]}, t);
    const Point helper = std::abs(normal[0]) < 0.6 ? Point{1, 0, 0} : Point{0, 1, 0};
    const Point u = unit(cross(normal, helper)), v = unit(cross(normal, u));
    double size = 0;
    for (int k = 0; k < 3; ++k)
        size += box.high[k] - box.low[k];
    std::vector<Point> piece;
    for (const auto& [su, sv] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
        const Point a = scaled(u, su * size), b = scaled(v, sv * size);
        piece.push_back({foot[0] + a[0] + b[0], foot[1] + a[1] + b[1], foot[2] + a[2] + b[2]});
    }
    for (int k = 0; k < 3 && !piece.empty(); ++k) {
        inspect3do::Plane low{0, 0, 0, static_cast<float>(-box.low[k])};
        inspect3do::Plane high{0, 0, 0, static_cast<float>(box.high[k])};
        (k == 0 ? low.a : k == 1 ? low.b : low.c) = 1;
        (k == 0 ? high.a : k == 1 ? high.b : high.c) = -1;
        piece = clipToSide(clipToSide(piece, low, true), high, true);
    }
    return piece;
}

} // namespace meshsmith::viewer
