#include "converter/bsp_builder.hpp"
#include "converter/plane_tests.hpp"
#include "converter/polygon_preparation.hpp"
#include "geometry/polygon_ears.hpp"
#include "generated_objects.hpp"
#include "kiln_builders.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

// Sum of the vector areas of polygons first .. polyCount-1 along z.
double totalAreaZ(const KilnState& k, int first) {
    double sum = 0;
    for (int p = first; p < k.polyCount; ++p)
        sum += vectorArea(k, p)[2];
    return sum;
}

// Whether polygon p has a reflex corner in its own plane (z = 0, counter-clockwise).
bool hasReflexCorner(const KilnState& k, int p) {
    const poly& q = k.polygon[static_cast<std::size_t>(p)];
    const int n = q.polyVertexCount;
    for (int i = 0; i < n; ++i) {
        const auto at = [&](int j) {
            return static_cast<std::size_t>(q.vertexList[static_cast<std::size_t>((j + n) % n)]);
        };
        const double cross = double(k.x[at(i)] - k.x[at(i - 1)]) * (k.y[at(i + 1)] - k.y[at(i)]) -
                             double(k.y[at(i)] - k.y[at(i - 1)]) * (k.x[at(i + 1)] - k.x[at(i)]);
        if (cross < -1e-9) return true;
    }
    return false;
}

} // namespace

TEST(EarCutting, ConcaveOutlinesAreCutUntilNoReflexCornerRemains) {
    // An L, and a stair whose inner corners lie on the line from its first to
    // its last corner (the first candidate ear's long edge runs through them).
    const std::vector<std::vector<Point>> outlines = {
        {{0, 0, 0}, {6, 0, 0}, {6, 2, 0}, {2, 2, 0}, {2, 6, 0}, {0, 6, 0}},
        {{6, 0, 0}, {6, 3, 0}, {4, 3, 0}, {4, 2, 0}, {2, 2, 0}, {2, 1, 0}, {0, 1, 0}, {0, 0, 0}}};
    const double doubleAreas[] = {40, 24};
    for (std::size_t o = 0; o < outlines.size(); ++o) {
        SCOPED_TRACE(o);
        KilnState k;
        std::vector<UV> uv;
        for (const Point& p : outlines[o])
            uv.push_back({p[0] / 10, p[1] / 10});
        readPolygon(k, outlines[o], "wall", uv);
        EXPECT_GT(k.polyCount, 1);
        for (int p = 0; p < k.polyCount; ++p) {
            EXPECT_FALSE(hasReflexCorner(k, p)) << "piece " << p;
            EXPECT_GT(vectorArea(k, p)[2], 0) << "every piece keeps the outline's facing";
            // Texture coordinates travel with their vertices.
            const poly& q = k.polygon[static_cast<std::size_t>(p)];
            for (int i = 0; i < q.polyVertexCount; ++i)
                EXPECT_FLOAT_EQ(
                    q.tvertx[static_cast<std::size_t>(i)],
                    k.x[static_cast<std::size_t>(q.vertexList[static_cast<std::size_t>(i)])] / 10);
        }
        EXPECT_NEAR(totalAreaZ(k, 0), doubleAreas[o], 1e-4);
    }
}

namespace {

// A star of `corners` corners about (1, 2, 3): tips at radius `tip`, inner
// corners at radius `inner`, in the plane spanned by (0.6, 0, 0.8) and
// (0, 1, 0); `lift` moves corner 3 off that plane.
std::vector<Point> star(int corners, bool clockwise, float lift, double tip = 6,
                        double inner = 2) {
    std::vector<Point> out;
    for (int i = 0; i < corners; ++i) {
        const double angle = (clockwise ? -1 : 1) * 2 * 3.14159265358979 * i / corners;
        const double r = i % 2 == 0 ? tip : inner, a = r * std::cos(angle), b = r * std::sin(angle);
        const double off = i == 3 ? lift : 0;
        out.push_back({static_cast<float>(1 + 0.6 * a - 0.8 * off), static_cast<float>(2 + b),
                       static_cast<float>(3 + 0.8 * a + 0.6 * off)});
    }
    return out;
}

double dot(const std::array<double, 3>& p, const std::array<double, 3>& q) {
    return p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
}

} // namespace

TEST(EarCutting, SpikyStarsAreCutIntoPiecesInsideThemFacingTheirWay) {
    // The pieces of a polygon cover exactly its area only when every one lies
    // inside it and faces its way (a notch between two tips would add area).
    for (const int corners : {6, 8, 12, 16, 40})
        for (const bool clockwise : {false, true})
            for (const float lift : {0.0f, 0.0014f}) {
                SCOPED_TRACE(std::to_string(corners) + (clockwise ? " clockwise" : "") +
                             " lifted " + std::to_string(lift));
                KilnState k;
                readPolygon(k, star(corners, clockwise, lift), "wall");
                std::array<double, 3> whole{0, 0, 0};
                double pieces = 0;
                for (int p = 0; p < k.polyCount; ++p) {
                    const auto piece = vectorArea(k, p);
                    for (std::size_t c = 0; c < 3; ++c)
                        whole[c] += piece[c];
                    pieces += polygonArea(k, p);
                }
                const double area = std::sqrt(dot(whole, whole));
                EXPECT_NEAR(area / 2, corners * 6.0 * std::sin(3.14159265358979 / (corners / 2)),
                            1e-3);
                EXPECT_NEAR(pieces, area, 1e-5 * area) << "a piece outside or turned over";
                for (int p = 0; p < k.polyCount; ++p)
                    EXPECT_GT(dot(vectorArea(k, p), whole), 0) << "piece " << p;
            }
}

TEST(EarCutting, PolygonWithoutAnEarStillFitsItsRecord) {
    // A self-crossing 12-gon in which every convex corner's triangle holds a
    // reflex vertex: no ear exists, yet the record holds at most 11 vertices.
    const std::vector<Point> tangle = {{5, -6, 0}, {-7, 1, 0},  {2, 9, 0},   {-8, 3, 0},
                                       {-8, 2, 0}, {3, -2, 0},  {-2, -2, 0}, {6, 7, 0},
                                       {-1, 5, 0}, {-1, -1, 0}, {2, 2, 0},   {-1, 0, 0}};
    KilnState k;
    ReadVertexList v{};
    ReadCoordList tx{}, ty{};
    for (std::size_t i = 0; i < tangle.size(); ++i)
        v[i] = mergeVertex(k, tangle[i]);
    poly start;
    start.polyVertexCount = 12;
    appendPolygon(k, start);
    EXPECT_EQ(ConcaveProcess(k, 0, v, tx, ty), 1);
    EXPECT_LE(k.polygon[0].polyVertexCount, 10);
    for (std::size_t i = 0; i < k.polygon[0].polyVertexCount; ++i)
        k.polygon[0].vertexList[i] = v[i];
    std::set<int> seen;
    for (int p = 0; p < k.polyCount; ++p)
        for (int i = 0; i < k.polygon[static_cast<std::size_t>(p)].polyVertexCount; ++i)
            seen.insert(
                k.polygon[static_cast<std::size_t>(p)].vertexList[static_cast<std::size_t>(i)]);
    EXPECT_EQ(seen.size(), 12u) << "no corner is lost";
    double original = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        const Point &a = tangle[i], &b = tangle[(i + 1) % 12];
        original += double(a[0]) * b[1] - double(a[1]) * b[0];
    }
    EXPECT_NEAR(totalAreaZ(k, 0), original, 1e-6) << "the pieces add up to the outline";

    k.polygon[0].polyVertexCount = kMaxReadVertices + 1;
    EXPECT_THROW(ConcaveProcess(k, 0, v, tx, ty), CapacityError);
}

TEST(PolygonPreparation, FullTablesStopBeforeAnyChange) {
    KilnState k;
    addPolygon(k, {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}});
    k.polyCount = kMaxPolygons;
    EXPECT_THROW(Triangulate(k, 0, 0), CapacityError);
    k.polyCount = 1;
    const int plane = appendPlane(k, 1, 0, 0, -1); // x = 1 cuts it
    k.vertCount = kMaxVertices;
    EXPECT_THROW(PolySplit(k, 0, plane), CapacityError);
    EXPECT_EQ(k.polyCount, 1);
    EXPECT_EQ(k.polygon[0].polyVertexCount, 4);
}

namespace {
// Two triangles over the square (0,0)-(2,2) split along its diagonal, mapped
// onto the unit texture square, with their plane found.
KilnState squareHalves() {
    KilnState k;
    addPolygon(k, {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}}, "wall", {{0, 0}, {1, 0}, {1, 1}});
    addPolygon(k, {{0, 0, 0}, {2, 2, 0}, {0, 2, 0}}, "wall", {{0, 0}, {1, 1}, {0, 1}});
    FindPlanes(k, 0, 2, 0);
    return k;
}

// Two mirror-image triangles over the edge (0,0)-(2,0), apexes at height -h
// and h, texture coordinates a quarter of the positions.
KilnState kite(float h) {
    KilnState k;
    addPolygon(k, {{0, 0, 0}, {1, -h, 0}, {2, 0, 0}}, "wall", {{0, 0}, {0.25f, -h / 4}, {0.5f, 0}});
    addPolygon(k, {{0, 0, 0}, {2, 0, 0}, {1, h, 0}}, "wall", {{0, 0}, {0.5f, 0}, {0.25f, h / 4}});
    FindPlanes(k, 0, 2, 0);
    return k;
}
} // namespace

// The corners of every polygon, polygons separated by "|".
std::string outlines(const KilnState& k) {
    std::string out;
    for (int p = 0; p < k.polyCount; ++p) {
        const poly& q = k.polygon[static_cast<std::size_t>(p)];
        out += p > 0 ? " |" : "";
        for (std::size_t i = 0; i < q.polyVertexCount; ++i)
            out += " " + std::to_string(q.vertexList[i]);
    }
    return out;
}

TEST(TriangleMerging, PairsBecomeAQuadUnlessShapeTextureOrColourDiffers) {
    KilnState square = squareHalves(), seam = squareHalves(), coloured = squareHalves();
    seam.polygon[1].tvertx[0] = 0.01f; // the shared corner's texture differs
    coloured.polygon[0].flav = coloured.polygon[1].flav = 1;
    coloured.polygon[1].red[1] = 9; // the shared corner (2, 2)'s colour
    // A flat rhombus merges; a kite whose shared edge is shorter than the others does not.
    KilnState rhombus = kite(0.5f), tall = kite(3);
    const std::pair<KilnState*, std::string> cases[] = {{&square, " 0 1 2 3"},
                                                        {&seam, " 0 1 2 | 0 2 3"},
                                                        {&coloured, " 0 1 2 | 0 2 3"},
                                                        {&rhombus, " 0 1 2 3"},
                                                        {&tall, " 0 1 2 | 0 2 3"}};
    for (const auto& [k, want] : cases) {
        FindAdj2(*k, 0);
        EXPECT_EQ(outlines(*k), want);
    }
    EXPECT_FLOAT_EQ(square.polygon[0].tvertx[3], 0);
    EXPECT_FLOAT_EQ(square.polygon[0].tverty[3], 1);
    EXPECT_EQ(PolyPlaneREL(square, 0, square.polygon[0].inPlane), 0);
}

namespace {

double length(const std::array<double, 3>& v) {
    return std::sqrt(dot(v, v));
}

// Twice the vector area of the triangle (a, b, c) of the outline.
std::array<double, 3> triangleArea(const std::vector<Point>& o, const std::array<int, 3>& t) {
    std::array<double, 3> u{}, v{};
    for (std::size_t c = 0; c < 3; ++c) {
        u[c] = double{o[t[1]][c]} - o[t[0]][c];
        v[c] = double{o[t[2]][c]} - o[t[0]][c];
    }
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

// A comb of `teeth` teeth of width 1 and height 5 on a bar of height 1.
std::vector<Point> comb(int teeth) {
    std::vector<Point> out{{0, 0, 0}, {2.0f * teeth - 1, 0, 0}};
    for (int t = teeth - 1; t >= 0; --t) {
        out.insert(out.end(), {{2.0f * t + 1, 6, 0}, {2.0f * t, 6, 0}});
        if (t > 0) out.insert(out.end(), {{2.0f * t, 1, 0}, {2.0f * t - 1, 1, 0}});
    }
    return out;
}

} // namespace

// The view fills polygons with the converter's pieces and a fan over the rest.
TEST(PolygonFill, OutlinesAreCoveredExactlyByTrianglesFacingTheirWay) {
    const std::pair<std::string, std::vector<Point>> cases[] = {
        {"star of 20 tips", star(40, false, 0)},
        {"thin star of 8 tips", star(16, false, 0, 100, 0.5)},
        {"comb of 12 teeth", comb(12)},
        {"corners along an edge", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 3, 0}, {0, 3, 0}}},
    };
    for (const auto& [name, outline] : cases)
        for (const bool reversed : {false, true}) {
            SCOPED_TRACE(name + (reversed ? ", reversed" : ""));
            const std::vector<Point> o =
                reversed ? std::vector<Point>(outline.rbegin(), outline.rend()) : outline;
            const auto whole = meshsmith::geometry::areaNormal(o);
            const auto triangles = meshsmith::geometry::fillTriangles(o);
            EXPECT_EQ(triangles.size(), o.size() - 2);
            double covered = 0;
            for (const auto& t : triangles) {
                covered += length(triangleArea(o, t));
                EXPECT_GE(dot(triangleArea(o, t), whole), 0);
            }
            EXPECT_NEAR(covered, length(whole), 1e-5 * length(whole)) << "a triangle outside";
        }
}

TEST(PolygonFill, BrokenOutlinesStillGiveTriangles) {
    std::vector<Point> knot;
    for (int i = 0; i < 30; ++i)
        knot.push_back({static_cast<float>((i * 7) % 11), static_cast<float>((i * 5) % 13), 0});
    const std::pair<std::string, std::vector<Point>> cases[] = {
        {"no corner", {}},
        {"two corners", {{0, 0, 0}, {1, 0, 0}}},
        {"all on a line", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}},
        {"one point repeated", std::vector<Point>(14, Point{1, 1, 1})},
        {"a bow tie", {{0, 0, 0}, {2, 2, 0}, {2, 0, 0}, {0, 2, 0}}},
        {"a knot of 30", knot},
    };
    for (const auto& [name, o] : cases) {
        SCOPED_TRACE(name);
        const auto triangles = meshsmith::geometry::fillTriangles(o);
        EXPECT_EQ(triangles.size(), o.size() < 3 ? 0 : o.size() - 2);
        for (const auto& t : triangles)
            for (const int corner : t)
                EXPECT_TRUE(corner >= 0 && corner < static_cast<int>(o.size()));
        EXPECT_LE(o.size() - meshsmith::geometry::earCuts(o, 10).size(), 10u);
    }
}
