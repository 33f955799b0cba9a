// The PRIM records of BSP trees built by hand: texture groups, the node types
// and their links, coloured polygons, and trees the writer must not trust.

#include "converter/threedo_writer.hpp"
#include "threedo_bytes.hpp"

#include <gtest/gtest.h>

#include <bit>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {
using Ints = std::vector<std::int32_t>;

ThreeDO written(KilnState& k, node* root) {
    linkTree(k, root);
    ThreeDO f(build3DO(k, root));
    EXPECT_TRUE(f.walkedToEnd);
    return f;
}

// The vertex numbers a polygon record lists (last corner first).
Ints recordVertices(const ThreeDO& f, std::int32_t record) {
    int n = f.prim(record, 3);
    return f.primFields(record + 16 + 8 * n, n);
}
} // namespace

TEST(PrimRecords, PolygonsAreGroupedByTextureInListOrder) {
    KilnState k;
    std::int32_t a1 = addQuad(k, 0, true, "a", 0);
    std::int32_t b1 = addQuad(k, 0, true, "b", 1);
    std::int32_t b2 = addQuad(k, 0, true, "b", 2);
    std::int32_t a2 = addQuad(k, 0, true, "a", 3);

    // One texture, two polygons: one group over a list of two records.
    ThreeDO same = written(k, makeNode(k, 0, {a1, a2}));
    std::int32_t group = same.prim(same.root(), 2);
    EXPECT_EQ(same.prim(group, 0), 5);
    std::int32_t listed = same.prim(group, 1);
    EXPECT_EQ(same.primFields(listed, 2), (Ints{4, 2}));
    EXPECT_EQ(same.prim(same.prim(listed, 2), 0), 0x81F);
    EXPECT_EQ(same.prim(same.prim(listed, 3), 0), 0x81F);

    // Sorted by texture, equal textures keeping their list order: b1 before b2.
    ThreeDO mixed = written(k, makeNode(k, 0, {b1, a1, b2}));
    std::int32_t groups = mixed.prim(mixed.root(), 2);
    EXPECT_EQ(mixed.primFields(groups, 2), (Ints{4, 2}));
    EXPECT_EQ(mixed.prim(mixed.prim(groups, 2), 3), 0); // "a"
    EXPECT_EQ(mixed.prim(mixed.prim(groups, 3), 3), 2); // "b"
    auto drawn = mixed.polygonsOf(groups);
    ASSERT_EQ(drawn.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        float firstU = std::bit_cast<float>(mixed.prim(drawn[i].record, 4));
        EXPECT_EQ(firstU, (std::array<float, 3>{1, 2, 3}[i])) << i; // a1, b1, b2
    }
}

TEST(PrimRecords, LeafWithBothFacingsIsType7) {
    KilnState k;
    std::int32_t fwd = addQuad(k, 0, true, "wall", 0);
    std::int32_t back = addQuad(k, 0, false, "wall", 5);
    ThreeDO f = written(k, makeNode(k, 0, {back, fwd}));
    Ints rec = f.primFields(f.root(), 4);
    EXPECT_EQ(rec[0], 7);
    EXPECT_EQ(rec[1], 0);
    auto front = f.polygonsOf(rec[2]);
    auto behind = f.polygonsOf(rec[3]);
    ASSERT_EQ(front.size(), 1u);
    ASSERT_EQ(behind.size(), 1u);
    const poly& b = k.polygon[static_cast<std::size_t>(back)];
    EXPECT_EQ(recordVertices(f, behind[0].record),
              (Ints{b.vertexList[3], b.vertexList[2], b.vertexList[1], b.vertexList[0]}));
}

TEST(PrimRecords, InnerNodesLinkTheirChildrenWrittenFirst) {
    KilnState k;
    std::int32_t fwd = addQuad(k, 1, true, "wall", 0);
    std::int32_t back = addQuad(k, 1, false, "wall", 5);
    node* front = makeNode(k, 2, {addQuad(k, 2, true)});
    node* behind = makeNode(k, 0, {addQuad(k, 0, false)});
    node* root = makeNode(k, 1, {fwd, back}, -1, front, behind);
    ThreeDO f = written(k, root);

    EXPECT_EQ(f.root(), root->nodeOffset);
    Ints rec = f.primFields(root->nodeOffset, 6);
    EXPECT_EQ(rec[0], 8);
    EXPECT_EQ(rec[1], 1);
    EXPECT_EQ(rec[2], front->nodeOffset);
    EXPECT_EQ(rec[5], behind->nodeOffset);
    EXPECT_EQ(f.polygonsOf(rec[3]).size(), 1u);
    EXPECT_EQ(f.polygonsOf(rec[4]).size(), 1u);
    EXPECT_LT(front->nodeOffset, behind->nodeOffset);
    // The backward-only leaf has no front group and writes its polygon as the back group.
    EXPECT_EQ(f.primFields(behind->nodeOffset, 4), (Ints{7, 0, -1, f.prim(behind->nodeOffset, 3)}));
    EXPECT_EQ(f.primFields(front->nodeOffset, 2), (Ints{6, 2}));
}

TEST(PrimRecords, ForwardOnlyAndEmptyInnerNodesAreType9) {
    KilnState k;
    node* leaf = makeNode(k, 2, {addQuad(k, 2, true)});
    node* inner = makeNode(k, 1, {addQuad(k, 1, true)}, -1, nullptr, leaf);
    // The builder gives an empty list the head flag 1; with nothing written it stays type 9.
    node* root = makeNode(k, 0, {}, 1, inner, nullptr);
    ThreeDO f = written(k, root);
    Ints innerRec = f.primFields(inner->nodeOffset, 5);
    EXPECT_EQ(innerRec[0], 9);
    EXPECT_EQ(innerRec[2], -1);
    EXPECT_EQ(f.polygonsOf(innerRec[3]).size(), 1u);
    EXPECT_EQ(innerRec[4], leaf->nodeOffset);
    EXPECT_EQ(f.primFields(root->nodeOffset, 5), (Ints{9, 0, inner->nodeOffset, -1, -1}));
}

TEST(PrimRecords, TwinPairsWriteOnlyTheForwardPolygonsInType10) {
    KilnState k;
    // The same quad wound both ways with the same texture coordinates: twins.
    std::int32_t fwd = addQuad(k, 1, true, "wall", 0);
    std::int32_t back = addQuad(k, 1, false, "wall", 0);
    node* leaf = makeNode(k, 0, {addQuad(k, 0, true)});
    node* root = makeNode(k, 1, {back, fwd}, 1, leaf, nullptr);
    ThreeDO f = written(k, root);
    Ints rec = f.primFields(root->nodeOffset, 5);
    EXPECT_EQ(rec[0], 10);
    EXPECT_EQ(rec[1], 1);
    EXPECT_EQ(rec[2], leaf->nodeOffset);
    EXPECT_EQ(rec[4], -1);
    auto drawn = f.polygonsOf(rec[3]);
    ASSERT_EQ(drawn.size(), 1u);
    const poly& p = k.polygon[static_cast<std::size_t>(fwd)];
    EXPECT_EQ(recordVertices(f, drawn[0].record),
              (Ints{p.vertexList[3], p.vertexList[2], p.vertexList[1], p.vertexList[0]}));
    // Leaf (64 + 20 + 12), twin node (64 + 20 + 20): the backward twin is not written.
    EXPECT_EQ(f.chunk("MIRP")->length, 4 + 96 + 104);
}

TEST(PrimRecords, ColouredPolygonsWriteColoursLastVertexFirst) {
    KilnState k;
    std::int32_t p = addQuad(k, 0, true, "wall");
    poly& q = k.polygon[static_cast<std::size_t>(p)];
    q.flav = 1;
    for (std::size_t i = 0; i < 4; ++i) {
        q.red[i] = static_cast<std::uint8_t>(10 + i);
        q.green[i] = static_cast<std::uint8_t>(20 + i);
        q.blue[i] = static_cast<std::uint8_t>(30 + i);
        q.alpha[i] = static_cast<std::uint8_t>(40 + i);
    }
    ThreeDO f = written(k, makeNode(k, 0, {p}));

    Bytes e;
    e.i(0x820).i(0).i(-1).i(4);
    e.f(1).f(0).f(1).f(1).f(0).f(1).f(0).f(0);
    e.i(3).i(2).i(1).i(0);
    e.b(33).b(23).b(13).b(43).b(32).b(22).b(12).b(42);
    e.b(31).b(21).b(11).b(41).b(30).b(20).b(10).b(40);
    auto at = f.bytes.begin() + static_cast<long>(f.chunk("MIRP")->data) + 4;
    EXPECT_EQ(std::vector<std::uint8_t>(at, at + static_cast<long>(e.v.size())), e.v);
    EXPECT_EQ(f.prim(f.root(), 0), 6);
    EXPECT_EQ(f.prim(f.prim(f.root(), 2), 1), 4); // the group points at the 80-byte record
    EXPECT_EQ(f.prim(f.root(), 2), 84);
}

TEST(PrimRecords, DeepTreeIsWrittenWithoutRecursion) {
    KilnState k;
    node* root = nullptr;
    for (int depth = 0; depth < 100000; ++depth) {
        node* n = makeNode(k, 0, {});
        n->left = root;
        root = n;
    }
    ThreeDO f(build3DO(k, root));
    EXPECT_TRUE(f.walkedToEnd);
    EXPECT_EQ(f.primFields(f.root(), 3), (Ints{9, 0, f.root() - 20}));
}

TEST(PrimRecords, TreesReachingPastTheTablesAreNotTrusted) {
    KilnState k;
    std::int32_t good = addQuad(k, 0, true);
    std::int32_t tooMany = addQuad(k, 0, true);
    k.polygon[static_cast<std::size_t>(tooMany)].polyVertexCount = 12;
    std::int32_t noTexture = addQuad(k, 0, true);
    k.polygon[static_cast<std::size_t>(noTexture)].stringNum = 7;
    node* leaf = makeNode(k, 0, {9999, good, -5, tooMany, noTexture});
    node* root = makeNode(k, 0, {}, -1, leaf, nullptr);
    linkTree(k, root);
    leaf->right = root; // a loop back up the tree
#ifdef NDEBUG
    testing::internal::CaptureStderr();
    ThreeDO f(build3DO(k, root));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("3DO writer: polygon 9999 is not in the polygon table"), std::string::npos)
        << said;
    EXPECT_NE(said.find("polygon 1 has 12 vertices"), std::string::npos) << said;
    EXPECT_NE(said.find("polygon 2 has a texture outside the string table"), std::string::npos);
    EXPECT_NE(said.find("reached twice"), std::string::npos);
    // Only the good polygon is written; the loop is cut at the link back up.
    Ints rec = f.primFields(leaf->nodeOffset, 5);
    EXPECT_EQ(rec[0], 9);
    EXPECT_EQ(f.polygonsOf(rec[3]).size(), 1u);
    EXPECT_EQ(rec[4], -1);
    EXPECT_EQ(f.root(), root->nodeOffset);
#else
    EXPECT_DEATH(build3DO(k, root), "");
#endif
}
