// The fill of a polygon by its ears: simple outlines of every kind are covered
// exactly by n - 2 triangles that all face their way; broken outlines give
// triangles without a hang or a crash.

#include "geometry/polygon_ears.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace meshsmith::geometry;

namespace {

using Outline = std::vector<Point3f>;

// Corners at alternating radii `outer` and `inner` round the z axis.
Outline star(int corners, double outer, double inner) {
    Outline out;
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * 3.14159265358979 * i / corners, r = i % 2 ? inner : outer;
        out.push_back({static_cast<float>(r * std::cos(angle)), static_cast<float>(r * std::sin(angle)),
                       0});
    }
    return out;
}

// A comb of `teeth` teeth of width 1 and height 5 on a bar of height 1.
Outline comb(int teeth) {
    Outline out{{0, 0, 0}, {2.0f * teeth - 1, 0, 0}};
    for (int t = teeth - 1; t >= 0; --t) {
        const float right = 2.0f * t + 1, left = 2.0f * t;
        out.insert(out.end(), {{right, 6, 0}, {left, 6, 0}});
        if (t > 0) out.insert(out.end(), {{left, 1, 0}, {left - 1, 1, 0}});
    }
    return out;
}

Vector3d minus(const Point3f& a, const Point3f& b) {
    return {double{a[0]} - b[0], double{a[1]} - b[1], double{a[2]} - b[2]};
}

Vector3d triangleNormal(const Outline& o, const std::array<int, 3>& t) {
    const Vector3d u = minus(o[t[1]], o[t[0]]), v = minus(o[t[2]], o[t[0]]);
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

double length(const Vector3d& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

} // namespace

TEST(PolygonEars, SimpleOutlinesAreCoveredExactlyByTrianglesFacingTheirWay) {
    const std::pair<std::string, Outline> cases[] = {
        {"square", {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}},
        {"convex 12-gon", star(12, 5, 5)},
        {"L", {{0, 0, 0}, {6, 0, 0}, {6, 2, 0}, {2, 2, 0}, {2, 6, 0}, {0, 6, 0}}},
        {"star of 3 tips", star(6, 6, 2)},
        {"star of 4 tips", star(8, 6, 2)},
        {"star of 20 tips", star(40, 6, 2)},
        {"thin star of 8 tips", star(16, 100, 0.5)},
        {"comb of 12 teeth", comb(12)},
        {"corners along an edge", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 3, 0}, {0, 3, 0}}},
    };
    for (const auto& [name, outline] : cases)
        for (const bool reversed : {false, true}) {
            SCOPED_TRACE(name + (reversed ? ", reversed" : ""));
            const Outline o = reversed ? Outline(outline.rbegin(), outline.rend()) : outline;
            const Vector3d whole = areaNormal(o);
            const auto triangles = fillTriangles(o);
            EXPECT_EQ(triangles.size(), o.size() - 2);
            double covered = 0;
            for (const auto& t : triangles) {
                const Vector3d n = triangleNormal(o, t);
                covered += length(n);
                EXPECT_GE(n[0] * whole[0] + n[1] * whole[1] + n[2] * whole[2], 0);
            }
            EXPECT_NEAR(covered, length(whole), 1e-5 * length(whole)) << "a triangle outside";
        }
}

TEST(PolygonEars, BrokenOutlinesStillGiveTriangles) {
    const std::pair<std::string, Outline> cases[] = {
        {"no corner", {}},
        {"two corners", {{0, 0, 0}, {1, 0, 0}}},
        {"all on a line", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}},
        {"one point repeated", Outline(14, Point3f{1, 1, 1})},
        {"a bow tie", {{0, 0, 0}, {2, 2, 0}, {2, 0, 0}, {0, 2, 0}}},
        {"a knot of 30", [] {
             Outline o;
             for (int i = 0; i < 30; ++i)
                 o.push_back({static_cast<float>((i * 7) % 11), static_cast<float>((i * 5) % 13), 0});
             return o;
         }()},
    };
    for (const auto& [name, o] : cases) {
        SCOPED_TRACE(name);
        const auto triangles = fillTriangles(o);
        EXPECT_EQ(triangles.size(), o.size() < 3 ? 0 : o.size() - 2);
        for (const auto& t : triangles)
            for (const int corner : t)
                EXPECT_TRUE(corner >= 0 && corner < static_cast<int>(o.size()));
        EXPECT_LE(o.size() - earCuts(o, 10).size(), 10u) << "at most 10 corners stay";
    }
}
