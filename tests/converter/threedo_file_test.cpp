// The 3DO file as a whole: the chunks, their lengths, the strings, the
// collision data and writing the file to disk.

#include "converter/threedo_writer.hpp"
#include "support/temp_folder.hpp"
#include "threedo_bytes.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {
// One forward quad "wall" in plane 0 (z = 0), alone in one node.
node* singleQuadObject(KilnState& k) {
    std::int32_t p = addQuad(k, 0, true, "wall");
    node* root = makeNode(k, 0, {p});
    linkTree(k, root);
    return root;
}

std::string stringChunkText(const ThreeDO& f) {
    const ThreeDO::Chunk* s = f.chunk("NRTS");
    return {f.bytes.begin() + static_cast<long>(s->data),
            f.bytes.begin() + static_cast<long>(s->data) + s->length};
}
} // namespace

TEST(ThreeDOFile, SingleQuadObjectByteForByte) {
    KilnState k;
    node* root = singleQuadObject(k);
    std::vector<std::uint8_t> bytes = build3DO(k, root);

    Bytes e;
    e.tag("4OD3").i(1).i(236);
    e.tag("SZYX").i(0).i(64);
    e.f(0).f(0).f(0).f(0).f(0).f(0).f(1).f(0).f(0).f(1).f(1).f(0).f(0).f(1).f(0).f(0);
    e.tag("NALP").i(0).i(16).f(0).f(0).f(1).f(0);
    e.tag("NRTS").i(0).i(6).text("wall").b(0).b(0xFF).b(' ').b(' ');
    e.tag("MIRP").i(0).i(100);
    e.i(88);                                   // data offset 0: the root node
    e.i(0x81F).i(0).i(-1).i(4);                // 4: the quad, last vertex first
    e.f(1).f(0).f(1).f(1).f(0).f(1).f(0).f(0); //    texture coordinates
    e.i(3).i(2).i(1).i(0);                     //    vertex numbers
    e.i(5).i(4).i(5).i(0).i(3);                // 68: texture group "wall", class 3
    e.i(6).i(0).i(68);                         // 88: leaf node on plane 0
    EXPECT_EQ(bytes, e.v);
    EXPECT_EQ(root->nodeOffset, 88);
    EXPECT_EQ(k.PRIMdataStart, 148);
}

TEST(ThreeDOFile, StringsSkipTheClipperAndArePadded) {
    KilnState k;
    std::int32_t wall = addQuad(k, 0, true, "wall", 0);
    std::int32_t clip = addQuad(k, 0, true, "clipper", 10);
    std::int32_t roof = addQuad(k, 0, true, "roof", 20);
    k.clipperStringNum = 1;
    k.stringNotWritten[1] = true;
    node* root = makeNode(k, 0, {clip, roof, wall});
    linkTree(k, root);
    ThreeDO f(build3DO(k, root));
    ASSERT_TRUE(f.walkedToEnd);

    EXPECT_EQ(stringChunkText(f), std::string("wall\0roof\0\xFF", 11));
    EXPECT_EQ(f.bytes[f.chunk("NRTS")->data + 11], ' ');
    EXPECT_EQ(stringOffset(k, 0), 0);
    EXPECT_EQ(stringOffset(k, 2), 5);

    // Two polygon records, two groups, their list and the node: nothing for the clipper.
    EXPECT_EQ(f.chunk("MIRP")->length, 4 + 2 * 64 + 2 * 20 + 16 + 16);
    std::int32_t front = f.prim(f.root(), 2);
    auto drawn = f.polygonsOf(front);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].stringOffset, 0);
    EXPECT_EQ(drawn[1].stringOffset, 5);
    // The records' first texture x (of the last corner) tells wall (1) and roof (21) apart.
    EXPECT_EQ(std::bit_cast<float>(f.prim(drawn[0].record, 4)), 1.0f);
    EXPECT_EQ(std::bit_cast<float>(f.prim(drawn[1].record, 4)), 21.0f);

    // A node holding only the clipper writes no polygon at all.
    node* lone = makeNode(k, 0, {clip});
    linkTree(k, lone);
    ThreeDO g(build3DO(k, lone));
    EXPECT_EQ(g.primFields(g.root(), 3), (std::vector<std::int32_t>{6, 0, -1}));
    EXPECT_EQ(g.root(), 4);
}

TEST(ThreeDOFile, NoCollisionVolumesNoHandChunk) {
    KilnState k;
    ThreeDO f(build3DO(k, singleQuadObject(k)));
    ASSERT_TRUE(f.walkedToEnd);
    EXPECT_EQ(f.chunks.size(), 4u);
    EXPECT_EQ(f.chunk("DNAH"), nullptr);
    EXPECT_EQ(stringChunkText(f).find("collision"), std::string::npos);
    const ThreeDO::Chunk* prim = f.chunk("MIRP");
    EXPECT_EQ(prim->data + static_cast<std::size_t>(prim->length), f.bytes.size());
}

TEST(ThreeDOFile, CollisionVolumesAndTheirLengths) {
    KilnState k;
    node* root = singleQuadObject(k);
    appendString(k, "collision"); // as the driver appends it
    for (int p = 1; p <= 4; ++p)
        appendPlane(k, 1, 0, 0, static_cast<float>(-p));
    appendCollisionVolume(k);
    appendCollisionPlane(k, 0, 7, 1);
    appendCollisionPlane(k, 0, 8, 2);
    appendCollisionPlane(k, 0, 9, 3);
    appendCollisionVolume(k);
    appendCollisionPlane(k, 1, 2, 4);
    ThreeDO f(build3DO(k, root));
    ASSERT_TRUE(f.walkedToEnd);

    EXPECT_EQ(f.intAt(8), static_cast<std::int32_t>(f.bytes.size()) - 12);
    EXPECT_EQ(f.chunk("SZYX")->length, 4 * 16);
    EXPECT_EQ(f.chunk("NALP")->length, 5 * 16);
    const ThreeDO::Chunk* hand = f.chunk("DNAH");
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(&f.chunks.back(), hand);
    EXPECT_EQ(hand->length, 8);
    EXPECT_EQ(f.intAt(hand->data), 5); // "collision" follows "wall\0"
    const ThreeDO::Chunk* prim = f.chunk("MIRP");
    EXPECT_EQ(prim->data + static_cast<std::size_t>(prim->length), hand->data - 12);

    std::int32_t c = f.intAt(hand->data + 4);
    EXPECT_EQ(c, 100); // right after the tree's records
    EXPECT_EQ(f.primFields(c, 4), (std::vector<std::int32_t>{4, 2, c + 16, c + 16 + 92}));
    std::int32_t v = c + 16;
    std::int32_t p0 = v + 20;
    EXPECT_EQ(f.primFields(v, 5), (std::vector<std::int32_t>{4, 3, p0, p0 + 24, p0 + 48}));
    std::int32_t types[] = {7, 8, 9};
    for (int j = 0; j < 3; ++j) {
        std::int32_t r = p0 + 24 * j;
        EXPECT_EQ(f.primFields(r, 6),
                  (std::vector<std::int32_t>{6, 1 + j, r + 12, 16, 1, types[j]}));
    }
    std::int32_t v2 = c + 16 + 92;
    EXPECT_EQ(f.primFields(v2, 9),
              (std::vector<std::int32_t>{4, 1, v2 + 12, 6, 4, v2 + 24, 16, 1, 2}));
    EXPECT_EQ(v2 + 12 + 24, prim->length);
}

TEST(ThreeDOFile, WritesWholeOrNothing) {
    meshsmith::test::TempFolder t;
    std::vector<std::uint8_t> bytes{'4', 'O', 'D', '3', 1, 0, 0, 0};
    std::string error;

    std::string good = t.file("object.3do");
    meshsmith::test::writeFile(good, "old contents");
    ASSERT_TRUE(write3DOFile(good, bytes, error)) << error;
    EXPECT_EQ(meshsmith::test::readFile(good), std::string(bytes.begin(), bytes.end()));

    std::string missing = t.file("no-such-folder/object.3do");
    EXPECT_FALSE(write3DOFile(missing, bytes, error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing));

    // A folder in the way: the temporary is written, the rename fails and is cleaned up.
    std::filesystem::create_directory(t.file("taken.3do"));
    error.clear();
    EXPECT_FALSE(write3DOFile(t.file("taken.3do"), bytes, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(t.file("taken.3do")));
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(t.path()))
        ++entries;
    EXPECT_EQ(entries, 2); // object.3do and the folder, no temporary left behind
}
