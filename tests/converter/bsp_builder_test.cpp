// The tree builder where the golden files and the tree properties cannot
// look: pieces of a split too large for a record, polygons that still straddle,
// twins, the clipper's root and a plane without polygons.
#include "converter/bsp_builder.hpp"
#include "converter/plane_tests.hpp"
#include "converter/polygon_preparation.hpp"
#include "converter/tree_choice.hpp"
#include "generated_objects.hpp"
#include "kiln_builders.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

const std::vector<UV> kUnitSquare = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

std::vector<int> verticesOf(const KilnState& k, int p) {
    const poly& q = k.polygon[static_cast<std::size_t>(p)];
    return {q.vertexList.begin(), q.vertexList.begin() + q.polyVertexCount};
}

} // namespace

TEST(PolySplit, ConvexElevenGonLosingOneCornerIsStoredAsTriangles) {
    // Cutting off one corner leaves a piece of 12 vertices: more than a record holds.
    KilnState k;
    std::vector<Point> corners;
    for (int i = 0; i < 11; ++i) {
        const double t = 2 * 3.14159265358979 * i / 11;
        corners.push_back(
            {static_cast<float>(10 * std::cos(t)), static_cast<float>(10 * std::sin(t)), 0});
    }
    addPolygon(k, corners);
    const double before = polygonArea(k, 0);
    const int plane = appendPlane(k, 1, 0, 0, -9.5f); // x = 9.5 cuts off corner 0
    PolySplit(k, 0, plane);
    double after = 0;
    for (int p = 0; p < k.polyCount; ++p) {
        EXPECT_LE(k.polygon[static_cast<std::size_t>(p)].polyVertexCount, 10);
        EXPECT_NE(PolyPlaneREL(k, p, plane), kStraddles);
        EXPECT_EQ(k.e[static_cast<std::size_t>(p)], 0);
        after += polygonArea(k, p);
    }
    EXPECT_EQ(k.polygon[0].polyVertexCount, 3) << "the corner piece B";
    EXPECT_EQ(k.polyCount, 11) << "B and the ten triangles of A";
    EXPECT_NEAR(after, before, 1e-3);
}

TEST(PolySplit, ConcavePolygonWithMoreCrossingsDropsWhatStillStraddles) {
    // A comb crossed by y = 1 on four edges: the first two cut points are used.
    KilnState k;
    addPolygon(k, {{0, 0, 0},
                   {10, 0, 0},
                   {10, 3, 0},
                   {6, 3, 0},
                   {6, 0.5f, 0},
                   {4, 0.5f, 0},
                   {4, 3, 0},
                   {0, 3, 0}});
    const int plane = appendPlane(k, 0, 1, 0, -1);
    testing::internal::CaptureStdout();
    PolySplit(k, 0, plane);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERROR! poly 1 still straddles plane 0 after split. removing...\n");
    EXPECT_EQ(k.vertCount, 10) << "only the two kept cut points are new";
    EXPECT_EQ(k.e[1], -1);
    EXPECT_EQ(k.e[0], 0);
    EXPECT_EQ(verticesOf(k, 0), (std::vector<int>{2, 3, 9, 8}));
}

TEST(Twins, ReversedPolygonIsATwinAndANodeOfTwinsIsFlagged) {
    KilnState k;
    const std::vector<Point> quad = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}};
    addPolygon(k, quad, "sign", kUnitSquare);
    addPolygon(k, {quad[2], quad[1], quad[0], quad[3]}, "sign",
               {kUnitSquare[2], kUnitSquare[1], kUnitSquare[0], kUnitSquare[3]});
    addPolygon(k, {quad[0], quad[3], quad[2], quad[1]}, "sign",
               {{0, 0}, {0, 1}, {1, 1}, {1, 0.5f}});
    EXPECT_EQ(find_0xa(k, 0, 1), 1);
    EXPECT_EQ(find_0xa(k, 1, 0), 1);
    EXPECT_EQ(find_0xa(k, 0, 2), 0) << "one texture coordinate differs";
    k.polygon[2].tverty[3] = 0;
    EXPECT_EQ(find_0xa(k, 0, 2), 1);
    k.clipperStringNum = k.polygon[0].stringNum;
    EXPECT_EQ(find_0xa(k, 0, 1), 0) << "clipper polygons have no twins";
    k.clipperStringNum = -1;

    k.e[2] = -1; // leave the pair alone in the node
    FindPlanes(k, 0, 2, 0);
    k.nodeCount = 0;
    const node* root = createLR(k, 0, kRootParentValue, &k.rootParent);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->centre->polyIndex, 1);
    EXPECT_EQ(listedPolygons(root).size(), 4u) << "two quads, each followed by its second triangle";

    KilnState single;
    addPolygon(single, quad, "sign", kUnitSquare);
    FindPlanes(single, 0, 1, 0);
    EXPECT_EQ(createLR(single, 0, kRootParentValue, &single.rootParent)->centre->polyIndex, -1);
}

TEST(RootChoice, ClipperPlaneIsTheRootOfEveryTree) {
    for (const TreeBuilder& b : kTreeBuilders) {
        KilnState k;
        recordedObject(k, "stand8");
        // A small clipper below the stand in the plane x = 10, which cuts every
        // step: only the first riser's plane cuts the clipper itself.
        readPolygon(k, {{10, -1, -1}, {10, 1, -1}, {10, 1, -0.5f}, {10, -1, -0.5f}}, "clipper");
        k.clipperStringNum = textureNamed(k, "clipper");
        FindPlanes(k, 0, k.polyCount, 0);
        const int clipperPlane = k.polygon[static_cast<std::size_t>(k.polyCount - 1)].inPlane;
        SortPlanes(k);
        int unbiased = 0;
        for (int p = 0; p < k.planeCount; ++p)
            if (PlaneQuality(k, p) > PlaneQuality(k, unbiased)) unbiased = p;
        EXPECT_NE(unbiased, clipperPlane);
        EXPECT_EQ(k.f[static_cast<std::size_t>(clipperPlane)], 1);
        const RootPlanes roots = chooseRootPlanes(k);
        const int root = b.secondRoot ? roots.bestRoot2 : roots.bestRoot;
        EXPECT_EQ(root, clipperPlane);
        EXPECT_EQ(numCutPolys(k, 0, clipperPlane, &k.rootParent), -1);
        k.nodeCount = 0;
        const node* tree = b.build(k, root, kRootParentValue, &k.rootParent);
        EXPECT_EQ(tree->nodeValue, clipperPlane);
        EXPECT_TRUE(treeFaults(k, tree).empty());
    }
}

TEST(Nodes, PlaneOfNoPolygonGivesAnEmptyList) {
    KilnState k;
    randomBoxes(k, 4, 3);
    const int collisionPlane = appendPlane(k, 0.6f, 0.8f, 0, 100); // far from every polygon
    k.nodeCount = 0;
    const node* root = createLR(k, collisionPlane, kRootParentValue, &k.rootParent);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(listedPolygons(root).empty());
    EXPECT_EQ(root->centre->polyIndex, 1) << "an empty list counts as all twins";
    ASSERT_NE(root->centre->next, nullptr);
    EXPECT_EQ(root->centre->next->polyIndex, -1);
    EXPECT_EQ(root->centre->next->next, nullptr);
    EXPECT_EQ(root->right, nullptr) << "every polygon lies in front of it";
    EXPECT_NE(root->left, nullptr);
    EXPECT_TRUE(treeFaults(k, root).empty());
    k.nodeCount = 0;
    EXPECT_EQ(createRL(k, -1, kRootParentValue, &k.rootParent), nullptr);
    EXPECT_EQ(k.nodeCount, 1) << "a call for no plane counts as well";
}
