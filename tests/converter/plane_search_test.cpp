// What lets the converter skip plane tests: a ball clear of a plane never
// hides a polygon that lies in the plane or crosses it, a tree of balls finds
// every polygon near a plane, FindPlanes gives every polygon the lowest plane
// it lies in (also over ranges in turn), and split points merge with the
// vertex a scan finds.

#include "converter/ball_tree.hpp"
#include "converter/bsp_builder.hpp"
#include "converter/plane_tests.hpp"
#include "converter/polygon_balls.hpp"
#include "converter/vertex_merge.hpp"
#include "generated_objects.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

// A random polygon of 3 to 11 corners whose distances from the random plane
// in slot 0 lie around PolyPlaneREL's tolerance, at coordinates up to `far`.
void randomPolygonAndPlane(KilnState& k, Random& r, double far) {
    k.vertCount = k.polyCount = k.planeCount = 0;
    const double nx = r.uniform(-1, 1), ny = r.uniform(-1, 1), nz = r.uniform(-1, 1);
    const double scale =
        r.below(4) == 0 ? r.uniform(0.1, 20) : 1; // collision planes need not be unit
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    const double n[3] = {nx / length, ny / length, nz / length};
    const double d = r.uniform(-far, far);
    appendPlane(k, static_cast<float>(n[0] * scale), static_cast<float>(n[1] * scale),
                static_cast<float>(n[2] * scale), static_cast<float>(d * scale));
    const double base[3] = {r.uniform(-far, far), r.uniform(-far, far), r.uniform(-far, far)};
    const double baseDistance = n[0] * base[0] + n[1] * base[1] + n[2] * base[2] + d;
    const double offsets[] = {0, 0.0005, 0.00098, 0.001, 0.00105, 0.0011, 0.0012, 0.002, 0.05, 3};
    const double shift = offsets[r.below(10)] * (r.below(2) ? 1 : -1);
    const double sizes[] = {1e-5, 0.01, r.uniform(0.1, 10)};
    const double size = sizes[r.below(3)];
    poly p;
    p.polyVertexCount = static_cast<std::uint8_t>(3 + r.below(9));
    for (int i = 0; i < p.polyVertexCount; ++i) {
        const double lift = shift + (r.below(2) ? 0 : offsets[r.below(10)] * (r.below(2) ? 1 : -1));
        double at[3];
        for (int c = 0; c < 3; ++c)
            at[c] = base[c] + r.uniform(-size, size) + n[c] * (lift - baseDistance);
        p.vertexList[static_cast<std::size_t>(i)] = appendVertex(
            k, static_cast<float>(at[0]), static_cast<float>(at[1]), static_cast<float>(at[2]));
    }
    appendPolygon(k, p);
}

} // namespace

TEST(PolygonBalls, AClearBallNeverHidesAPolygonInOrAcrossThePlane) {
    Random r(11);
    KilnState k;
    for (double far : {10.0, 1e4, 1e6}) {
        int clear = 0, trials = 20000;
        for (int t = 0; t < trials; ++t) {
            randomPolygonAndPlane(k, r, far);
            if (!clearOf(planeBound(k, 0), ballOf(k, 0))) continue;
            ++clear;
            const int relation = PolyPlaneREL(k, 0, 0);
            ASSERT_TRUE(relation == 1 || relation == -1) << "far " << far << ", trial " << t;
        }
        EXPECT_GT(clear, trials / 25) << "the bound should decide some at " << far;
    }
}

TEST(PolygonBalls, TreeFindsEveryPolygonWhoseBallIsNotClear) {
    KilnState k;
    randomBoxes(k, 4, 40);
    recordedObject(k, "outlines7");
    std::vector<int> all;
    for (int p = 0; p < k.polyCount; ++p)
        all.push_back(p);
    const BallTree tree(k, all);
    for (int plane = 0; plane < k.planeCount; ++plane) {
        const PlaneBound bound = planeBound(k, plane);
        std::vector<int> found;
        tree.near(bound, [&](int p) { found.push_back(p); });
        std::sort(found.begin(), found.end());
        std::vector<int> expected;
        for (int p : all)
            if (!clearOf(bound, ballOf(k, p))) expected.push_back(p);
        ASSERT_EQ(found, expected) << "plane " << plane;
    }
}

TEST(FindPlanes, EveryPolygonLiesInTheLowestPlaneThatHoldsItAlsoInTurn) {
    const auto lowestHolding = [](const KilnState& k, int p, int planes) {
        for (int q = 0; q < planes; ++q)
            if (PolyPlaneREL(k, p, q) == 0) return q;
        return -1;
    };
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        KilnState k;
        tangles(k, seed); // flat, nearly flat and bent polygons, triangulated in turn
        randomBoxes(k, seed, 10);
        for (int p = 0; p < k.polyCount; ++p) {
            if (k.e[static_cast<std::size_t>(p)] != 0) continue;
            EXPECT_EQ(k.polygon[static_cast<std::size_t>(p)].inPlane,
                      lowestHolding(k, p, k.planeCount))
                << "seed " << seed << ", polygon " << p;
        }
        // Three ranges in turn, as three calls one after another.
        KilnState inTurn = k, oneByOne = k;
        const std::vector<std::pair<int, int>> ranges = {
            {k.polyCount / 2, k.polyCount}, {0, 5}, {5, k.polyCount / 2}};
        FindPlanesInTurn(inTurn, ranges, 3);
        FindPlanes(oneByOne, ranges[0].first, ranges[0].second, 3);
        for (std::size_t i = 1; i < ranges.size(); ++i)
            FindPlanes(oneByOne, ranges[i].first, ranges[i].second, oneByOne.planeCount);
        ASSERT_EQ(inTurn.planeCount, oneByOne.planeCount);
        for (int p = 0; p < k.polyCount; ++p) {
            const auto u = static_cast<std::size_t>(p);
            EXPECT_EQ(inTurn.polygon[u].inPlane, oneByOne.polygon[u].inPlane) << p;
            EXPECT_EQ(inTurn.e[u], oneByOne.e[u]) << p;
        }
    }
}

TEST(VertexMerge, SplitPointsMergeWithTheFirstVertexWithinAMillionth) {
    Random r(3);
    KilnState k;
    VertexMerger points(k, kSamePoint);
    for (int i = 0; i < 3000; ++i) {
        // Points on a coarse lattice, moved by less or more than the tolerance.
        const auto coordinate = [&] {
            return static_cast<float>(r.below(4) + (r.below(2) ? 0 : 1) * r.uniform(-2e-6, 2e-6));
        };
        const float x = coordinate(), y = coordinate(), z = coordinate();
        std::int32_t expected = -1;
        for (std::int32_t v = 0; v < k.vertCount && expected < 0; ++v) {
            const auto u = static_cast<std::size_t>(v);
            if (std::fabs(k.x[u] - x) <= kSamePoint && std::fabs(k.y[u] - y) <= kSamePoint &&
                std::fabs(k.z[u] - z) <= kSamePoint)
                expected = v;
        }
        const std::int32_t count = k.vertCount;
        const std::int32_t got = points.merge(x, y, z);
        ASSERT_EQ(got, expected < 0 ? count : expected) << i;
    }
}
