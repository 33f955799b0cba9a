// The 3DO inspector on files composed field by field: a sound file passes and
// each kind of fault is named with its place.

#include "threedo_check.hpp"
#include "threedo_compose.hpp"
#include "threedo_file.hpp"

#include "support/prefix_cuts.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>


namespace meshsmith::test {
namespace {

using namespace meshsmith::inspect3do;

// Where the single-node file keeps its fields (file offsets).
constexpr std::size_t kXyzsLength = 20, kStrnLength = 124, kStrnPadding = 134, kPrimLength = 144,
                      kPrimData = 148;

// One quad in the plane z = 0 under one leaf node:
// data 4 polygon, 68 texture group "wall", 88 node type 6 (the root).
ThreeDoParts singleNodeParts() {
    ThreeDoParts parts;
    parts.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    parts.planes = {{0, 0, 1, 0}};
    parts.strings = {"wall"};
    parts.prim.i32(88).append(polygonRecord({3, 2, 1, 0}));
    parts.prim.ints({5, 4, 5, 0, 3}).ints({6, 0, 68});
    return parts;
}

// The single-node file plus one collision volume of 3 planes from data offset
// 100 and HAND naming "collision".
ThreeDoParts collisionParts() {
    ThreeDoParts parts = singleNodeParts();
    parts.strings.push_back("collision");
    parts.prim.ints({4, 1, 112}).ints({4, 3, 132, 156, 180});
    for (const std::int32_t at : {132, 156, 180})
        parts.prim.ints({6, 0, at + 12, 16, 1, 2});
    parts.hand = {{5, 100}};
    return parts;
}

// A root node (type 9, plane z = 0, its own quad) with one child leaf holding a
// quad in the plane x = 0.5 that runs from z = zLow to z = zHigh. The child is
// the front (left) or back (right) subtree. Child leaf at 88, root at 184.
ThreeDoParts twoNodeParts(float zLow, float zHigh, bool childInFront) {
    ThreeDoParts parts = singleNodeParts();
    parts.vertices.insert(parts.vertices.end(),
                          {{0.5f, 0, zLow}, {0.5f, 1, zLow}, {0.5f, 1, zHigh}, {0.5f, 0, zHigh}});
    parts.planes.push_back({1, 0, 0, -0.5f});
    parts.prim = LeBytes{};
    parts.prim.i32(184).append(polygonRecord({4, 5, 6, 7})).ints({5, 4, 5, 0, 3}).ints({6, 1, 68});
    parts.prim.append(polygonRecord({3, 2, 1, 0})).ints({5, 100, 5, 0, 3});
    parts.prim.ints({9, 0, childInFront ? 88 : -1, 164, childInFront ? -1 : 88});
    return parts;
}

std::vector<std::uint8_t> withInt(std::vector<std::uint8_t> bytes, std::size_t at,
                                  std::int32_t value) {
    patchI32(bytes, at, value);
    return bytes;
}

std::string violationOf(const std::vector<std::uint8_t>& bytes) {
    const CheckResult result = checkThreeDo(bytes);
    return result.violation ? result.violation->text() : "none";
}

TEST(Inspect3doCheck, SoundFilesPassWithTheirSummary) {
    const CheckResult single = checkThreeDo(assemble(singleNodeParts()));
    ASSERT_FALSE(single.violation) << single.violation->text();
    EXPECT_EQ(summaryLine(single.summary),
              "OK: 4 vertices, 1 planes, 1 strings, 3 records (1 nodes, 1 polygons), "
              "0 collision volumes");
    const CheckResult collision = checkThreeDo(assemble(collisionParts()));
    ASSERT_FALSE(collision.violation) << collision.violation->text();
    EXPECT_EQ(collision.summary.volumes, 1u);
    EXPECT_EQ(violationOf(assemble(twoNodeParts(-1, 1, true))), "none");
}

TEST(Inspect3doCheck, LayoutFaultsAreNamedWithTheirFileOffset) {
    const auto good = assemble(singleNodeParts());
    ASSERT_EQ(good.size(), 248u);
    EXPECT_EQ(violationOf(withInt(good, 0, 0x33444F35)),
              "violation: header tag is not '3DO4' at file offset 0");
    EXPECT_EQ(violationOf(withInt(good, 8, 237)),
              "violation: file length field 237 is not the file size 248 - 12 at file offset 8");
    EXPECT_EQ(violationOf(withInt(good, kXyzsLength, 65)),
              "violation: XYZS chunk length is not a multiple of 16 at file offset 20");
    EXPECT_EQ(violationOf(withInt(good, kXyzsLength - 4, 1)),
              "violation: XYZS chunk head field 2 is not 0 at file offset 16");
    EXPECT_EQ(violationOf(withInt(good, kStrnLength, 5)),
              "violation: STRN does not end in 0xFF at file offset 132");
    auto padding = good;
    padding[kStrnPadding + 1] = 0;
    EXPECT_EQ(violationOf(padding),
              "violation: STRN padding byte is not a space at file offset 135");
    EXPECT_EQ(violationOf(withInt(good, kPrimLength, 96)),
              "violation: bytes after the PRIM chunk do not form a chunk at file offset 244");
    EXPECT_EQ(violationOf(withInt(good, kPrimLength, 101)),
              "violation: PRIM chunk length 101 runs past the end of the file at file offset 144");
    EXPECT_EQ(violationOf(withInt(good, kPrimData + 68, 11)),
              "violation: unknown record type 11 at data offset 68");
    EXPECT_EQ(violationOf(withInt(good, kPrimData + 12, 0)),
              "violation: polygon record field 3 is not -1 at data offset 4");
}

TEST(Inspect3doCheck, BadNumbersAndOffsetsAreNamedWithTheirRecord) {
    const auto good = assemble(singleNodeParts());
    const auto at = [](std::size_t dataOffset) { return kPrimData + dataOffset; };
    EXPECT_EQ(violationOf(withInt(good, at(72), 88)),
              "violation: texture group child offset 88 does not point back to an earlier "
              "record at data offset 68");
    EXPECT_EQ(violationOf(withInt(good, at(72), 8)),
              "violation: texture group child offset 8 does not start a record at data offset 68");
    EXPECT_EQ(violationOf(withInt(good, at(52), 4)),
              "violation: vertex number 4 is not below the vertex count 4 at data offset 4");
    EXPECT_EQ(violationOf(withInt(good, at(92), 1)),
              "violation: plane number 1 is not below the plane count 1 at data offset 88");
    EXPECT_EQ(violationOf(withInt(good, at(80), 2)),
              "violation: string offset 2 does not start a string at data offset 68");
    EXPECT_EQ(violationOf(withInt(good, at(0), 68)),
              "violation: root offset 68 does not name a node at data offset 0");
    EXPECT_EQ(violationOf(withInt(good, at(96), 4)),
              "violation: front group is not a texture group or a list of them at data offset 88");

    ThreeDoParts twoCorners = singleNodeParts();
    twoCorners.prim = LeBytes{};
    twoCorners.prim.i32(64).append(polygonRecord({1, 0})).ints({5, 4, 5, 0, 3}).ints({6, 0, 44});
    EXPECT_EQ(violationOf(assemble(twoCorners)),
              "violation: polygon has fewer than 3 vertices at data offset 4");
}

TEST(Inspect3doCheck, RecordsMustFormOneTree) {
    // Both children of the root are the same leaf.
    ThreeDoParts shared = singleNodeParts();
    shared.prim.ints({9, 0, 88, -1, 88});
    patchI32(shared.prim.data, 0, 100);
    EXPECT_EQ(violationOf(assemble(shared)),
              "violation: record is referenced more than once at data offset 88");
    // A polygon that nothing refers to.
    ThreeDoParts stray = singleNodeParts();
    stray.prim.append(polygonRecord({0, 1, 2}));
    EXPECT_EQ(violationOf(assemble(stray)),
              "violation: record is not reachable from the root at data offset 100");
}

TEST(Inspect3doCheck, NodePolygonsMustLieInTheNodePlaneWithinTolerance) {
    for (const float z : {0.0019f, -0.0019f}) {
        ThreeDoParts parts = singleNodeParts();
        parts.vertices[2][2] = z;
        EXPECT_EQ(violationOf(assemble(parts)), "none") << z;
    }
    ThreeDoParts off = singleNodeParts();
    off.vertices[2][2] = 0.0025f;
    EXPECT_EQ(violationOf(assemble(off)), "violation: polygon does not lie in plane 0 of its "
                                          "node at data offset 88 at data offset 4");
}

TEST(Inspect3doCheck, SubtreePolygonsMustNotLieWhollyOnTheWrongSide) {
    EXPECT_EQ(violationOf(assemble(twoNodeParts(-1, -0.0021f, true))),
              "violation: polygon of the front subtree of the node at data offset 184 lies "
              "wholly behind its plane at data offset 4");
    // Touching the plane within the tolerance is not wholly behind it.
    EXPECT_EQ(violationOf(assemble(twoNodeParts(-1, -0.0019f, true))), "none");
    // Crossing the plane is for the converter to split, not a placement fault.
    EXPECT_EQ(violationOf(assemble(twoNodeParts(-1, 1, true))), "none");

    EXPECT_EQ(violationOf(assemble(twoNodeParts(0.0021f, 1, false))),
              "violation: polygon of the back subtree of the node at data offset 184 lies "
              "wholly in front of its plane at data offset 4");
    EXPECT_EQ(violationOf(assemble(twoNodeParts(0.0019f, 1, false))), "none");
    EXPECT_EQ(violationOf(assemble(twoNodeParts(-2, -1, false))), "none");
}

// Three levels: root (plane z = 0) -> front child (x = 0.5, a quad above the
// root's plane) -> front grandchild (y = 0.5, a quad from z = zLow to zHigh).
std::string deepTreeViolation(float zLow, float zHigh) {
    ThreeDoParts parts = twoNodeParts(1, 2, true);
    parts.vertices.insert(parts.vertices.end(),
                          {{0, 0.5f, zLow}, {1, 0.5f, zLow}, {1, 0.5f, zHigh}, {0, 0.5f, zHigh}});
    parts.planes.push_back({0, 1, 0, -0.5f});
    parts.prim = LeBytes{};
    parts.prim.i32(288).append(polygonRecord({8, 9, 10, 11})).ints({5, 4, 5, 0, 3});
    parts.prim.ints({6, 2, 68}).append(polygonRecord({4, 5, 6, 7})).ints({5, 100, 5, 0, 3});
    parts.prim.ints({9, 1, 88, 164, -1}).append(polygonRecord({3, 2, 1, 0}));
    parts.prim.ints({5, 204, 5, 0, 3}).ints({9, 0, 184, 268, -1});
    return violationOf(assemble(parts));
}

TEST(Inspect3doCheck, DeepSubtreePolygonsAreCheckedAgainstEveryAncestor) {
    EXPECT_EQ(deepTreeViolation(1, 2), "none");
    EXPECT_EQ(deepTreeViolation(-2, -1),
              "violation: polygon of the front subtree of the node at data offset 288 lies "
              "wholly behind its plane at data offset 4");
}

TEST(Inspect3doCheck, CollisionDataAndHandAreChecked) {
    const auto good = assemble(collisionParts());
    const std::size_t prim = 156; // "collision" makes STRN 8 bytes longer, without padding
    const std::size_t hand = good.size() - 8;
    EXPECT_EQ(violationOf(withInt(good, prim + 164, 156)),
              "violation: collision plane record field 3 does not point at the field after it at "
              "data offset 156");
    EXPECT_EQ(violationOf(withInt(good, prim + 120, 136)),
              "violation: offset of collision plane 0 does not point at its plane record at data "
              "offset 112");
    EXPECT_EQ(violationOf(withInt(good, prim + 108, 116)),
              "violation: offset of collision volume 0 does not point at its volume record at "
              "data offset 100");
    EXPECT_EQ(violationOf(withInt(good, prim + 160, 1)),
              "violation: collision plane number 1 is not below the plane count 1 at data "
              "offset 156");
    EXPECT_EQ(violationOf(withInt(good, hand, 2)),
              "violation: HAND string offset 2 does not start a string at file offset " +
                  std::to_string(hand));
    EXPECT_EQ(violationOf(withInt(good, hand, 0)),
              "violation: HAND string offset 0 does not name the last string at file offset " +
                  std::to_string(hand));
    EXPECT_EQ(violationOf(withInt(good, hand + 4, 96)),
              "violation: record runs into the collision data at data offset 88");
}

// Any other bytes are the fuzz harness's (replayed by the FuzzReplay tests).
TEST(Inspect3doCheck, EveryCutOffFileIsAViolation) {
    const auto good = assemble(collisionParts());
    const std::string text(good.begin(), good.end());
    for (std::size_t cut : prefixCuts(text))
        EXPECT_TRUE(checkThreeDo(std::vector<std::uint8_t>(good.begin(), good.begin() + cut)).violation)
            << "cut at " << cut;
}

TEST(Inspect3doProgram, ChecksAndListsAFile) {
    TempFolder dir;
    const std::string sound = dir.file("sound.3do"), broken = dir.file("broken.3do");
    const auto bytes = assemble(collisionParts());
    writeFile(sound, std::string(bytes.begin(), bytes.end()));
    const auto bad = withInt(bytes, 156 + 52, 9);
    writeFile(broken, std::string(bad.begin(), bad.end()));

    ProgramRun ok = runProgram("3do-inspect", {"--check", sound});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out.rfind("OK: 4 vertices", 0), 0u) << ok.out;
    ProgramRun fault = runProgram("3do-inspect", {"--check", broken});
    EXPECT_EQ(fault.status, 1);
    EXPECT_EQ(fault.err,
              "violation: vertex number 9 is not below the vertex count 4 at data offset 4\n");

    ProgramRun listing = runProgram("3do-inspect", {"--verbose", sound});
    EXPECT_EQ(listing.status, 0) << listing.err;
    for (const char* line :
         {"  'PRIM' at file offset 144: length 204\n", "  offset 5: \"collision\"\n",
          "  root: node type 6 at 88, plane 0 (0 0 1 0)\n",
          "    front group: texture group at 68, string offset 0 \"wall\", display class 3\n",
          "      child: polygon 0x81F at 4, 4 vertices\n",
          "        vertex 3 (0 1 0), texture 0 1\n", "        vertex 2 (1 1 0), texture 0.25 1\n",
          "    plane record at 180: plane 0 (0 0 1 0), type 2\n",
          "HAND: string offset 5 \"collision\", collision data at data offset 100\n"})
        EXPECT_NE(listing.out.find(line), std::string::npos) << line << listing.out;
    for (const std::string& unusable : {dir.file("missing.3do"), dir.folder()}) {
        const ProgramRun run = runProgram("3do-inspect", {"--check", unusable});
        EXPECT_EQ(run.status, 1) << unusable;
        EXPECT_NE(run.err.find("cannot read " + unusable), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace meshsmith::test
