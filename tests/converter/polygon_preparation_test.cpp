#include "converter/bsp_builder.hpp"
#include "converter/plane_tests.hpp"
#include "converter/polygon_preparation.hpp"
#include "generated_objects.hpp"
#include "kiln_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

// Twice the vector area of polygon p (its corners in boundary order).
std::array<double, 3> vectorArea(const KilnState& k, int p) {
    const poly& q = k.polygon[static_cast<std::size_t>(p)];
    std::array<double, 3> s{0, 0, 0};
    for (int i = 0; i < q.polyVertexCount; ++i) {
        const auto a = static_cast<std::size_t>(q.vertexList[static_cast<std::size_t>(i)]);
        const auto b = static_cast<std::size_t>(
            q.vertexList[static_cast<std::size_t>((i + 1) % q.polyVertexCount)]);
        s[0] += double(k.y[a]) * k.z[b] - double(k.z[a]) * k.y[b];
        s[1] += double(k.z[a]) * k.x[b] - double(k.x[a]) * k.z[b];
        s[2] += double(k.x[a]) * k.y[b] - double(k.y[a]) * k.x[b];
    }
    return s;
}

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
    const ReadVertexList before = v;
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
        const auto a = static_cast<std::size_t>(before[i]),
                   b = static_cast<std::size_t>(before[(i + 1) % 12]);
        original += double(k.x[a]) * k.y[b] - double(k.y[a]) * k.x[b];
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

TEST(TriangleMerging, SquareHalvesBecomeOneQuadAndAKiteStays) {
    KilnState k = squareHalves();
    EXPECT_EQ(FindAdj2(k, 0), 0);
    ASSERT_EQ(k.polyCount, 1);
    const poly& q = k.polygon[0];
    ASSERT_EQ(q.polyVertexCount, 4);
    EXPECT_EQ(std::vector<int>(q.vertexList.begin(), q.vertexList.begin() + 4),
              (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FLOAT_EQ(q.tvertx[3], 0);
    EXPECT_FLOAT_EQ(q.tverty[3], 1);
    EXPECT_EQ(PolyPlaneREL(k, 0, q.inPlane), 0);

    // A flat rhombus merges; a kite whose shared edge is shorter than the others does not.
    KilnState rhombus = kite(0.5f);
    FindAdj2(rhombus, 0);
    EXPECT_EQ(rhombus.polyCount, 1);
    EXPECT_EQ(std::vector<int>(rhombus.polygon[0].vertexList.begin(),
                               rhombus.polygon[0].vertexList.begin() + 4),
              (std::vector<int>{0, 1, 2, 3}));
    KilnState tall = kite(3);
    FindAdj2(tall, 0);
    EXPECT_EQ(tall.polyCount, 2);
    EXPECT_EQ(tall.polygon[0].polyVertexCount, 3);
}

TEST(TriangleMerging, TextureSeamsAndColoursKeepTrianglesApart) {
    KilnState k = squareHalves();
    k.polygon[1].tvertx[0] = 0.01f; // the shared corner's texture differs
    FindAdj2(k, 0);
    EXPECT_EQ(k.polyCount, 2);
    KilnState c = squareHalves();
    c.polygon[0].flav = c.polygon[1].flav = 1;
    c.polygon[1].red[1] = 9; // the shared corner (2, 2)'s colour
    EXPECT_EQ(ColorMatch(c, 0, 2, 1, 1), 0);
    FindAdj2(c, 0);
    EXPECT_EQ(c.polyCount, 2);
}
