// The 3DO inspector on files composed field by field: a sound file passes and
// each kind of fault is named with its place.

#include "threedo_check.hpp"
#include "threedo_file.hpp"
#include "threedo_fixtures.hpp"

#include "support/golden.hpp"
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

std::vector<std::uint8_t> withInt(std::vector<std::uint8_t> bytes, std::size_t at,
                                  std::int32_t value) {
    patchI32(bytes, at, value);
    return bytes;
}

std::string violationOf(const std::vector<std::uint8_t>& bytes) {
    const CheckResult result = checkThreeDo(bytes);
    return result.violation ? result.violation->text() : "none";
}

// Three levels: root (plane z = 0) -> front child (x = 0.5, a quad above the
// root's plane) -> front grandchild (y = 0.5, a quad from z = zLow to zHigh).
std::vector<std::uint8_t> deepTree(float zLow, float zHigh) {
    ThreeDoParts parts = twoNodeParts(1, 2, true);
    parts.vertices.insert(parts.vertices.end(),
                          {{0, 0.5f, zLow}, {1, 0.5f, zLow}, {1, 0.5f, zHigh}, {0, 0.5f, zHigh}});
    parts.planes.push_back({0, 1, 0, -0.5f});
    parts.prim = LeBytes{};
    parts.prim.i32(288).append(polygonRecord({11, 10, 9, 8})).ints({5, 4, 5, 0, 3});
    parts.prim.ints({6, 2, 68}).append(polygonRecord({4, 5, 6, 7})).ints({5, 100, 5, 0, 3});
    parts.prim.ints({9, 1, 88, 164, -1}).append(polygonRecord({0, 1, 2, 3}));
    parts.prim.ints({5, 204, 5, 0, 3}).ints({9, 0, 184, 268, -1});
    return assemble(parts);
}

ThreeDoParts singleNodeWith(void (*change)(ThreeDoParts&)) {
    ThreeDoParts parts = singleNodeParts();
    change(parts);
    return parts;
}

// Sound files and one change per fault; the golden file lists each with the
// inspector's verdict.
TEST(Inspect3doCheck, EachFaultIsNamedWithItsPlace) {
    const auto good = assemble(singleNodeParts()), coll = assemble(collisionParts());
    const auto data = [](std::size_t dataOffset) { return kPrimData + dataOffset; };
    const std::size_t collPrim = 156, hand = coll.size() - 8; // STRN 8 bytes longer, unpadded
    auto padding = good;
    padding[kStrnPadding + 1] = 0;
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"single node", good},
        {"collision", coll},
        {"two nodes", assemble(twoNodeParts(-1, 1, true))},
        {"header tag", withInt(good, 0, 0x33444F35)},
        {"file length", withInt(good, 8, 237)},
        {"XYZS length", withInt(good, kXyzsLength, 65)},
        {"XYZS head", withInt(good, kXyzsLength - 4, 1)},
        {"STRN end", withInt(good, kStrnLength, 5)},
        {"STRN padding", padding},
        {"PRIM short", withInt(good, kPrimLength, 96)},
        {"PRIM long", withInt(good, kPrimLength, 101)},
        {"record type", withInt(good, data(68), 11)},
        {"polygon field 3", withInt(good, data(12), 0)},
        {"group child forward", withInt(good, data(72), 88)},
        {"group child inside", withInt(good, data(72), 8)},
        {"vertex number", withInt(good, data(52), 4)},
        {"plane number", withInt(good, data(92), 1)},
        {"string offset", withInt(good, data(80), 2)},
        {"root offset", withInt(good, data(0), 68)},
        {"front group", withInt(good, data(96), 4)},
        {"two corners", assemble(singleNodeWith([](ThreeDoParts& p) {
             p.prim = LeBytes{};
             p.prim.i32(64).append(polygonRecord({1, 0})).ints({5, 4, 5, 0, 3}).ints({6, 0, 44});
         }))},
        {"shared child", assemble(singleNodeWith([](ThreeDoParts& p) {
             p.prim.ints({9, 0, 88, -1, 88});
             patchI32(p.prim.data, 0, 100);
         }))},
        {"stray polygon", assemble(singleNodeWith([](ThreeDoParts& p) {
             p.prim.append(polygonRecord({0, 1, 2}));
         }))},
        {"corner 0.0019 above",
         assemble(singleNodeWith([](ThreeDoParts& p) { p.vertices[2][2] = 0.0019f; }))},
        {"corner 0.0019 below",
         assemble(singleNodeWith([](ThreeDoParts& p) { p.vertices[2][2] = -0.0019f; }))},
        {"corner 0.0025 above",
         assemble(singleNodeWith([](ThreeDoParts& p) { p.vertices[2][2] = 0.0025f; }))},
        {"front child behind", assemble(twoNodeParts(-1, -0.0021f, true))},
        {"front child touching", assemble(twoNodeParts(-1, -0.0019f, true))},
        {"back child in front", assemble(twoNodeParts(0.0021f, 1, false))},
        {"back child touching", assemble(twoNodeParts(0.0019f, 1, false))},
        {"back child behind", assemble(twoNodeParts(-2, -1, false))},
        {"grandchild in front", deepTree(1, 2)},
        {"grandchild behind the root", deepTree(-2, -1)},
        {"front group facing down", singleNodeFacing({3, 2, 1, 0}, false)},
        {"back group facing up", singleNodeFacing({0, 1, 2, 3}, true)},
        {"back group facing down", singleNodeFacing({3, 2, 1, 0}, true)},
        {"front group: a sliver facing down", singleNodeFacing({4, 1, 0}, false)},
        {"collision plane field 3", withInt(coll, collPrim + 164, 156)},
        {"collision plane offset", withInt(coll, collPrim + 120, 136)},
        {"collision volume offset", withInt(coll, collPrim + 108, 116)},
        {"collision plane number", withInt(coll, collPrim + 160, 1)},
        {"HAND inside a string", withInt(coll, hand, 2)},
        {"HAND not the last string", withInt(coll, hand, 0)},
        {"HAND data offset", withInt(coll, hand + 4, 96)},
    };
    std::string seen;
    for (const auto& [what, bytes] : cases)
        seen += std::string(what) + ": " + violationOf(bytes) + "\n";
    expectGolden(seen, "tools/inspect3do_verdicts.txt");
    EXPECT_EQ(checkThreeDo(singleNodeFacing({4, 1, 0}, false)).summary.thinPolygons, 1u)
        << "a sliver's facing is not judged but counted";
}

// Any other bytes are the fuzz harness's (replayed by the FuzzReplay tests).
TEST(Inspect3doCheck, EveryCutOffFileIsAViolation) {
    const auto good = assemble(collisionParts());
    const std::string text(good.begin(), good.end());
    for (std::size_t cut : prefixCuts(text))
        EXPECT_TRUE(
            checkThreeDo(std::vector<std::uint8_t>(good.begin(), good.begin() + cut)).violation)
            << "cut at " << cut;
}

// What the program prints for a sound file, a broken one, one with a polygon
// facing away from the side its group is drawn for, and an unreadable one.
TEST(Inspect3doProgram, ChecksAndListsAFile) {
    TempFolder dir;
    const auto bytes = assemble(collisionParts()), bad = withInt(bytes, 156 + 52, 9);
    writeFile(dir.file("sound.3do"), std::string(bytes.begin(), bytes.end()));
    writeFile(dir.file("broken.3do"), std::string(bad.begin(), bad.end()));
    const auto turned = singleNodeFacing({3, 2, 1, 0}, false);
    writeFile(dir.file("turned.3do"), std::string(turned.begin(), turned.end()));
    std::string seen;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--check", "sound.3do"},
                                                 {"--check", "broken.3do"},
                                                 {"--check", "turned.3do"},
                                                 {"--check", "missing.3do"},
                                                 {"--check", "."},
                                                 {"--verbose", "sound.3do"}}) {
        const ProgramRun run = runProgram("3do-inspect", args, dir.folder());
        seen += "$ " + args[0] + " " + args[1] + "\nstatus " + std::to_string(run.status) + "\n" +
                run.out + run.err;
    }
    expectGolden(seen, "tools/inspect3do_program.txt");
}

} // namespace
} // namespace meshsmith::test
