#include "converter/plane_tests.hpp"
#include "kiln_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

TEST(PlaneTests, SignumToleranceIsExclusive) {
    EXPECT_EQ(signum(0.0001f), 0);
    EXPECT_EQ(signum(0.00011f), 1);
    EXPECT_EQ(signum(-0.00011f), -1);
    EXPECT_EQ(signum_coll(0.0009f), 0);
    EXPECT_EQ(signum_coll(-0.0011f), -1);
    // 0.001f lies just above 0.001: the float is compared in double precision.
    EXPECT_EQ(signum_coll(0.001f), 1);
}

namespace {
// A triangle at the given heights above the plane z = 0 (a = b = 0, c = 1, d = 0).
int relationAtHeights(float h0, float h1, float h2) {
    KilnState k;
    appendPlane(k, 0, 0, 1, 0);
    int p = addPolygon(k, {{0, 0, h0}, {10, 0, h1}, {0, 10, h2}});
    return PolyPlaneREL(k, p, 0);
}
} // namespace

TEST(PlaneTests, PolygonRelationsWithinAndBeyondTheTolerance) {
    EXPECT_EQ(relationAtHeights(0.0005f, -0.0008f, 0), 0);
    EXPECT_EQ(relationAtHeights(0.002f, -0.002f, 0), kStraddles);
    EXPECT_EQ(relationAtHeights(1, 2, -0.0009f), 1);
    EXPECT_EQ(relationAtHeights(-1, -2, 0.0009f), -1);
    EXPECT_EQ(relationAtHeights(0, 0, 0), 0);
}

TEST(PlaneTests, DistanceThatIsNotANumberIsUnhandled) {
    KilnState k;
    appendPlane(k, std::nanf(""), 0, 1, 0);
    int p = addPolygon(k, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    testing::internal::CaptureStdout();
    EXPECT_EQ(PolyPlaneREL(k, p, 0), kUnhandledRelation);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nUnhandled exception in PolyPlaneREL\n");
}

TEST(KilnTables, AppendsStopAtTheirCapacities) {
    KilnState k;
    for (int i = 0; i < kMaxVertices; ++i)
        appendVertex(k, 0, 0, 0);
    EXPECT_THROW(appendVertex(k, 0, 0, 0), CapacityError);
    EXPECT_EQ(k.vertCount, kMaxVertices);
    k.polyCount = kMaxPolygons;
    EXPECT_THROW(appendPolygon(k, poly{}), CapacityError);
    EXPECT_THROW(polygonSlot(k, kMaxPolygons), CapacityError);
    k.planeCount = kMaxPlanes;
    EXPECT_THROW(stagePlane(k, 0, 0, 1, 0), CapacityError);
    k.stringCount = kMaxStrings;
    EXPECT_THROW(appendString(k, "x"), CapacityError);
    for (int v = 0; v < kMaxCollisionVolumes; ++v)
        appendCollisionVolume(k);
    EXPECT_THROW(appendCollisionVolume(k), CapacityError);
    for (int j = 0; j < kMaxCollisionPlanes; ++j)
        appendCollisionPlane(k, 0, 1, 0);
    try {
        appendCollisionPlane(k, 0, 1, 0);
        FAIL();
    } catch (const CapacityError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Capacity exceeded: the collision plane table holds at most 30 entries");
    }
}
