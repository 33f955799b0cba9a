// The editor-dialect reader: objects and their slots, merging, texture
// coordinates, vertex colours, collision planes, and the faults it refuses.

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

// Each edit of a good file (the first `from` replaced by `to`, or `to` appended
// when `from` is empty) is refused naming its line, or converts to a 3DO that
// passes the inspector; the golden file lists every edit with its outcome.
// Damaged and cut-off files in general are the fuzz harnesses'.
TEST(ReadMeshsmith, EditsAreRefusedNamingTheLineOrConvertSoundly) {
    const std::string good = aseHeader({"a"}) + aseObject(square(0, 0, 0), 0);
    const std::string ref = "*MATERIAL_REF", vol = "*COLLISION_VOLUMES 1\r\n";
    // The object's lines: 8 *GEOMOBJECT, 9..12 vertices, 16..19 texture vertices, 21
    // material, 23 the last; collision lines follow from 24.
    const std::pair<std::string, std::string> cases[] = {
        {"*MESH_VERTEX 3", "*MESH_VERTEX 100"},
        {"*MESH_VERTEX 0", "*MESH_VERTEX -1"},
        {"*MESH_TVERT 1", "*MESH_TVERT 4000000000"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF 1"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF -3"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF"},
        {"*MATERIAL_REF 0", "*GEOMOBJECT"},
        {"*MESH_VERTEX 1 1.00000 0.00000 0.00000", "*MESH_VERTEX 1 1.00000"},
        {"*MESH_VERTEX 1 1.00000", "*MESH_VERTEX 1 nan"},
        {"*MESH_VERTEX 1 1.00000 0.00000", "*MESH_VERTEX 1 1.00000 1e39"},
        {"*MESH_TVERT 2 1.00000", "*MESH_TVERT 2 -inf"},
        {"*MESH_TVERT 2", "*MESH_TVERT 7"},
        {"*GEOMOBJECT", "*MESH_VERTEX 0 0 0 0\r\n*GEOMOBJECT"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF 0\r\n*MATERIAL_REF 0"},
        {ref, "*MESH_VERTEX 3 1e38 -3e38 3e38\r\n" + ref},
        {ref, "*MESH_VERTEX 3 3.4e38 3.4e38 -3.4e38\r\n" + ref},
        {ref, "*MESH_TVERT 3 3e38 -3e38 0\r\n" + ref},
        {ref, "*MESH_TVERT 3 1e-45 -1e30 0\r\n" + ref},
        {ref, "*DISPLAY_CLASS 99999999999\r\n" + ref},
        {ref, "*MESH_VERTEX 99 0 0 0\r\n" + ref},
        {ref, "*MESH_VERTEX 2147483648 0 0 0\r\n" + ref},
        {ref, "*MESH_VERTEX 0x7fffffffff 0 0 0\r\n" + ref},
        {ref, "*MESH_FACE 0 A: " + std::string(300, '9') + "\r\n" + ref},
        {ref, "/" + std::string(5000, 'x') + "\r\n" + ref},
        {"", "*MATERIAL_REF -2147483649\r\n"},
        {"", "*COLLISION_PLANES 1\r\n"},
        {"", vol + "*COLLISION_PLANE 1 1 0 0 0\r\n"},
        {"", "*COLLISION_VOLUMES 2\r\n*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 1 0 0 0\r\n"},
        {"", vol + "*COLLISION_PLANES 2\r\n*COLLISION_PLANE 1 1 0 0 0\r\n"},
        {"", vol + "*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 1 0 0\r\n"},
        {"", vol + "*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 3e38 -3e38 3e38 -3e38\r\n"},
        {"", vol + "*COLLISION_PLANES 1\r\n*COLLISION_PLANE -1 0 0 0 nan\r\n"},
        {"", vol + vol},
        {"", "*COLLISION_VOLUMES 300\r\n"},
        {"", vol + "*COLLISION_PLANES 31\r\n"},
    };
    std::string seen = "unchanged: " + convertVerdict(good) + "\n";
    for (const auto& [from, to] : cases) {
        std::string text = good;
        if (from.empty())
            text += to;
        else
            text.replace(text.find(from), from.size(), to);
        seen += oneLine(to.substr(0, 80)) + ": " + convertVerdict(text) + "\n";
    }
    // Bitmaps beyond the string table's capacity.
    seen += "too many bitmaps: " +
            convertVerdict(aseHeader(std::vector<std::string>(kMaxStrings + 1, "t"))) + "\n";
    expectGolden(seen, "converter/meshsmith_edits.txt");
}
