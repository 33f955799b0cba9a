// The editor-dialect reader: objects and their slots, merging, texture
// coordinates, vertex colours, collision planes, and the faults it refuses.

#include "case_table.hpp"
#include "converter/line_reader.hpp"
#include "kiln_runs.hpp"
#include "reader_runs.hpp"
#include "support/golden.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::expectGolden;
using meshsmith::test::TempFolder;
using meshsmith::test::writeFile;

namespace {

std::vector<AseCorner> triangle(float z, float v0, float v1, float v2) {
    return {{0, 0, z, 0, v0}, {1, 0, z, 1, v1}, {1, 1, z, 1, v2}};
}

// An L of six corners: one reflex corner, so ears are cut off into new slots.
std::vector<AseCorner> ell(float z) {
    return {{0, 0, z, 0, 0},       {2, 0, z, 1, 0},    {2, 1, z, 1, 0.5f},
            {1, 1, z, 0.5f, 0.5f}, {1, 2, z, 0.5f, 1}, {0, 2, z, 0, 1}};
}

std::vector<AseCorner> raised(std::vector<AseCorner> corners, float by) {
    for (AseCorner& c : corners)
        c[2] += by;
    return corners;
}

} // namespace

// Each text (with its vertex-colour file beside it when given) and what the
// reader printed and left in the tables; the golden file says why each is so.
TEST(ReadMeshsmith, TablesOfGoodFilesMatchTheirGoldenDump) {
    const std::string lines = "*LINEOBJECT\r\n*MESH_VERTEX 0 0 0 0\r\n*MESH_VERTEX 1 7 0 0\r\n"
                              "*LINECOLOR 1 1 1\r\n \r\n \r\n";
    const std::string block = "*COLLISION_VOLUMES 1\r\n \r\n*COLLISION_PLANES 1\r\n"
                              "*COLLISION_PLANE 1 1 0 0 -3\r\n \r\n";
    const std::string sq = aseHeader({"a"}) + aseObject(square(0, 0, 0), 0);
    const std::vector<AseCorner> two = {{5, 5, 5, 0, 0}, {6, 5, 5, 0, 0}};
    const struct {
        std::string name, text, lux = "";
    } cases[] = {
        {"two-vertex object then a square",
         aseHeader({"a", "b"}) + aseObject(two, 0) + aseObject(square(0, 0, 0), 1)},
        {"triangle then a square",
         aseHeader({"a"}) + aseObject(triangle(5, 0, 0, 0), 0) + aseObject(square(0, 0, 0), 0)},
        {"squares 0.0009 apart", sq + aseObject(raised(square(1, 0, 0), 0.0009f), 0)},
        {"squares 0.0011 apart", sq + aseObject(raised(square(1, 0, 0), 0.0011f), 0)},
        {"materials by name", aseHeader({"brick", "roof", "brick"}) +
                                  aseObject(square(0, 0, 0), 2) + aseObject(square(0, 0, 1), 1) +
                                  aseObject(triangle(2, 0.2f, 1.7f, 0.7f), 0)},
        {"colours of object 1 only",
         aseHeader({"a"}) + aseObject(ell(0), 0) + aseObject(square(5, 5, 0), 0),
         "POLYGON 0 5\nVERTEX 0 1 2 3 4\n/ comment\nPOLYGON 1 820\nVERTEX 0 10 20 30 40\n"
         "VERTEX 2 50 60 70 80\n"},
        {"collision planes within 0.001 share one",
         sq + "*COLLISION_VOLUMES 2\r\n \r\n*COLLISION_PLANES 2\r\n"
              "*COLLISION_PLANE 1 1.000 0.000 0.000 -5.000\r\n"
              "*COLLISION_PLANE 2 1.0009 0.0009 -0.0009 -5.0009\r\n \r\n"
              "*COLLISION_PLANES 2\r\n*COLLISION_PLANE 0 1.002 0.000 0.000 -5.000\r\n"
              "*COLLISION_PLANE 257 0 0 1 0\r\n \r\n"},
        {"collision after line objects", sq + lines + block},
        {"collision before line objects", sq + block + lines},
    };
    std::string seen;
    for (const auto& c : cases) {
        TempFolder dir;
        if (!c.lux.empty()) writeFile(dir.file("in.lux"), c.lux);
        KilnState k;
        std::string out;
        readMeshsmithText(k, c.text, dir.file("in.ase"), &out);
        seen += "== " + c.name + "\n" + out + dumpState(k);
    }
    expectGolden(seen, "converter/meshsmith_states.txt");
}

// Each edit of a good file is refused naming its line, or converts to a 3DO
// that passes the inspector (the case table). Damaged and cut-off files in
// general are the fuzz harnesses'.
TEST(ReadMeshsmith, EditsAreRefusedNamingTheLineOrConvertSoundly) {
    const std::string good = aseHeader({"a"}) + aseObject(square(0, 0, 0), 0);
    expectCaseTable("converter/meshsmith_edits.txt", 2, [&](auto f) {
        std::string text = good;
        if (f[0].empty())
            text += f[1];
        else
            text.replace(text.find(f[0]), f[0].size(), f[1]);
        return convertVerdict(text);
    });
    EXPECT_EQ(convertVerdict(aseHeader(std::vector<std::string>(kMaxStrings + 1, "t"))),
              "refused: Capacity exceeded: the material table holds at most 2000 entries")
        << "bitmaps beyond the string table's capacity";
}
