// The 3DO writer on trees built by hand, read back by the independent
// inspector: what the golden files of the pipeline test cannot show (the
// clipper, trees the writer must not trust, very deep trees, writing to disk).
// The bytes of every record kind are pinned by those golden files.

#include "converter/threedo_writer.hpp"
#include "kiln_builders.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"
#include "threedo_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
namespace inspect = meshsmith::inspect3do;

namespace {

// A quad in the plane z = 0 facing +z, its texture coordinates from u0.
std::int32_t addQuad(KilnState& k, const std::string& texture, float u0 = 0) {
    if (k.planeCount == 0) appendPlane(k, 0, 0, 1, 0);
    const std::int32_t p = addPolygon(k, {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, texture,
                                      {{u0, 0}, {u0, 1}, {u0 + 1, 1}, {u0 + 1, 0}});
    k.polygon[static_cast<std::size_t>(p)].inPlane = 0;
    return p;
}

// A node on plane 0 listing `polys`, its parent links set as the builders set them.
node* makeNode(KilnState& k, std::initializer_list<std::int32_t> polys, node* left = nullptr) {
    node* n = newNode(k);
    n->nodeValue = 0;
    n->left = left;
    list* tail = n->centre = createList(k, -1);
    for (std::int32_t p : polys)
        tail = tail->next = createList(k, p);
    tail->next = createList(k, -1);
    n->parent = &k.rootParent;
    n->parentValue = kRootParentValue;
    if (left) {
        left->parent = n;
        left->parentValue = 0;
        left->isLeftNode = 1;
    }
    return n;
}

inspect::ThreeDoFile parsed(const std::vector<std::uint8_t>& bytes) {
    inspect::ParsedFile f = inspect::parseThreeDo(bytes);
    EXPECT_FALSE(f.violation) << f.violation->text();
    return f.file;
}

std::size_t polygonRecords(const inspect::ThreeDoFile& f) {
    return static_cast<std::size_t>(
        std::count_if(f.records.begin(), f.records.end(),
                      [](const auto& r) { return inspect::isPolygonType(r.type); }));
}

} // namespace

TEST(ThreeDOFile, PolygonsAreGroupedByTextureAndTheClipperIsLeftOut) {
    KilnState k;
    const std::int32_t wall = addQuad(k, "wall", 0), clip = addQuad(k, "clipper", 10),
                       roof = addQuad(k, "roof", 20), roof2 = addQuad(k, "roof", 30);
    k.clipperStringNum = 1;
    k.stringNotWritten[1] = true;
    const inspect::ThreeDoFile f = parsed(build3DO(k, makeNode(k, {roof, clip, wall, roof2})));
    ASSERT_EQ(f.strings.size(), 2u);
    EXPECT_EQ(f.strings[1].text, "roof");
    EXPECT_EQ(f.strings[1].offset, stringOffset(k, 2));
    EXPECT_EQ(polygonRecords(f), 3u);
    EXPECT_EQ(std::count_if(f.records.begin(), f.records.end(),
                            [](const auto& r) { return r.type == inspect::kTextureGroupRecord; }),
              2)
        << "one group per texture, whatever the list order";
    // A node holding only the clipper draws nothing.
    const inspect::ThreeDoFile lone = parsed(build3DO(k, makeNode(k, {clip})));
    EXPECT_EQ(polygonRecords(lone), 0u);
    EXPECT_EQ(lone.recordAt(lone.rootOffset)->frontGroup, -1);
}

TEST(ThreeDOFile, PolygonsAreGroupedByHowTheyFaceTheirNodesPlane) {
    // The game picks a group by the eye's side of the node's plane. A quad
    // filed into a node whose plane lies 0.0005 from its own but faces the
    // other way (an anti-parallel coplanar neighbour's) is drawn from behind
    // that plane: its back group.
    KilnState k;
    const std::int32_t quad = addQuad(k, "wall");
    node* n = makeNode(k, {quad});
    n->nodeValue = appendPlane(k, 0, 0, -1, 0.0005f);
    const std::vector<std::uint8_t> bytes = build3DO(k, n);
    const inspect::ThreeDoFile f = parsed(bytes);
    EXPECT_EQ(f.recordAt(f.rootOffset)->frontGroup, -1);
    EXPECT_NE(f.recordAt(f.rootOffset)->backGroup, -1);
    const auto check = inspect::checkThreeDo(bytes);
    EXPECT_FALSE(check.violation) << check.violation->text();

    // A sliver of area 1e-7 (its triple normal drops below the 1e-6 cut)
    // facing along its plane is drawn from in front.
    KilnState s;
    appendPlane(s, 0, 0, 1, 0);
    const std::int32_t sliver = addPolygon(s, {{5, 0, 0}, {5.5f, 2e-7f, 0}, {6, 0, 0}});
    s.polygon[static_cast<std::size_t>(sliver)].inPlane = 0;
    const inspect::ThreeDoFile g = parsed(build3DO(s, makeNode(s, {sliver})));
    EXPECT_NE(g.recordAt(g.rootOffset)->frontGroup, -1);
    EXPECT_EQ(g.recordAt(g.rootOffset)->backGroup, -1);
}

TEST(ThreeDOFile, DeepTreeIsWrittenWithoutRecursion) {
    KilnState k;
    node* root = nullptr;
    for (int depth = 0; depth < 100000; ++depth)
        root = makeNode(k, {}, root);
    const inspect::ThreeDoFile f = parsed(build3DO(k, root));
    EXPECT_EQ(f.records.size(), 100000u);
    EXPECT_EQ(f.recordAt(f.rootOffset)->left, f.rootOffset - 20);
}

TEST(ThreeDOFile, TreesReachingPastTheTablesAreNotTrusted) {
    KilnState k;
    const std::int32_t good = addQuad(k, "wall"), tooMany = addQuad(k, "wall"),
                       noTexture = addQuad(k, "wall");
    k.polygon[static_cast<std::size_t>(tooMany)].polyVertexCount = 12;
    k.polygon[static_cast<std::size_t>(noTexture)].stringNum = 7;
    node* leaf = makeNode(k, {9999, good, -5, tooMany, noTexture});
    node* root = makeNode(k, {}, leaf);
    leaf->right = root; // a loop back up the tree
#ifdef NDEBUG
    testing::internal::CaptureStderr();
    const inspect::ThreeDoFile f = parsed(build3DO(k, root));
    const std::string said = testing::internal::GetCapturedStderr();
    for (const char* why :
         {"3DO writer: polygon 9999 is not in the polygon table", "polygon 1 has 12 vertices",
          "polygon 2 has a texture outside the string table", "reached twice"})
        EXPECT_NE(said.find(why), std::string::npos) << why << "\n" << said;
    // Only the good polygon is written; the loop is cut at the link back up.
    EXPECT_EQ(polygonRecords(f), 1u);
    EXPECT_EQ(f.recordAt(leaf->nodeOffset)->right, -1);
    EXPECT_EQ(f.rootOffset, root->nodeOffset);
#else
    EXPECT_DEATH(build3DO(k, root), "");
#endif
}

TEST(ThreeDOFile, WritesWholeOrNothing) {
    meshsmith::test::TempFolder t;
    const std::vector<std::uint8_t> bytes{'4', 'O', 'D', '3', 1, 0, 0, 0};
    std::string error;
    const std::string good = t.file("object.3do");
    meshsmith::test::writeFile(good, "old contents");
    ASSERT_TRUE(write3DOFile(good, bytes, error)) << error;
    EXPECT_EQ(meshsmith::test::readFile(good), std::string(bytes.begin(), bytes.end()));

    const std::string missing = t.file("no-such-folder/object.3do");
    EXPECT_FALSE(write3DOFile(missing, bytes, error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    // A folder in the way: the temporary is written, the rename fails and is cleaned up.
    std::filesystem::create_directory(t.file("taken.3do"));
    EXPECT_FALSE(write3DOFile(t.file("taken.3do"), bytes, error));
    EXPECT_TRUE(std::filesystem::is_directory(t.file("taken.3do")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.path()), {}), 2)
        << "object.3do and the folder, no temporary left behind";
}
