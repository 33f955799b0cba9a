// Input that cannot be converted soundly, full tables and outputs that cannot
// be written: a message, a failure status and no output file, never a wrong one.

#include "conversion_harness.hpp"
#include "support/golden.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace meshsmith::test {
namespace {

std::string triangle(const std::string& vertex2, const std::string& ref) {
    return crlfLines(
               {"*BITMAP \"a\"", "*GEOMOBJECT", "*MESH_VERTEX 0 0 0 0", "*MESH_VERTEX 1 1 0 0"}) +
           vertex2 + "\r\n" +
           crlfLines({"*MESH_TVERT 0 0 0 0", "*MESH_TVERT 1 0 0 0", "*MESH_TVERT 2 0 0 0"}) + ref +
           "\r\n";
}

// Every fault fails with its message (the golden file) and leaves no output.
TEST(ConversionFaults, EachFaultIsNamedWithItsLineAndLeavesNoOutput) {
    const std::string header = crlfLines({kAseMarker, kAseCaution}), v2 = "*MESH_VERTEX 2 1 1 0";
    // Lines: 1-2 header, 3 *BITMAP, 4 *GEOMOBJECT, 5-7 vertices, 8-10 texture vertices, 11 ref.
    const std::string cases[] = {
        "",
        "\r\n/only a comment\r\n",
        "*3DSMAX_ASCIIEXPORT 200\r\n",
        std::string(255, '*') + "\n",
        header + triangle("*MESH_VERTEX 100 1 1 0", "*MATERIAL_REF 0"),
        header + triangle("*MESH_VERTEX -1 1 1 0", "*MATERIAL_REF 0"),
        header + triangle("*MESH_VERTEX 99999999999 1 1 0", "*MATERIAL_REF 0"),
        header + triangle("*MESH_VERTEX 2 1 1", "*MATERIAL_REF 0"),
        header + triangle("*MESH_VERTEX 2 1 nan 0", "*MATERIAL_REF 0"),
        header + triangle("*MESH_VERTEX 2 1 1e39 0", "*MATERIAL_REF 0"),
        header + triangle(v2, "*MATERIAL_REF 1"),
        header + triangle(v2, "*MATERIAL_REF"),
        header + triangle("*MESH_VERTEX 3 1 1 0", "*MATERIAL_REF 0"),
        header + triangle(v2, "*MATERIAL_REF 0") +
            crlfLines({"*GEOMOBJECT", "*MESH_VERTEX 0 0 0 0", "*MESH_VERTEX 1 1 0 0",
                       "*MESH_VERTEX 2 1 1 0", "*MESH_TVERT 0 0 0", "*MESH_TVERT 2 0 0",
                       "*MATERIAL_REF 0"}),
        header + triangle(v2, "*MESH_TVERT 100 0 0"),
        header + triangle(v2, ""),
        header + triangle(v2, "*LINEOBJECT"),
        header + crlfLines({"*BITMAP \"a\"", "*MATERIAL_REF 0"}),
        header + triangle(v2, "*MATERIAL_REF 0") + crlfLines({"*MATERIAL_REF 0"}),
        header + crlfLines({"*BITMAP \"\""}),
        header + crlfLines({"*BITMAP \"a\""}) + "*MESH_VERTEX 0 " + std::string(250, '1') + "\r\n",
    };
    TempFolder dir;
    std::string seen = ase2obj::runAse2obj({dir.file("absent.ase")}).output;
    EXPECT_EQ(ase2obj::runAse2obj({dir.folder()}).status, 1);
    for (const std::string& text : cases) {
        Conversion c = convertAse(dir, text);
        EXPECT_EQ(c.run.status, 1) << c.run.output;
        EXPECT_FALSE(c.obj || c.mtl) << c.run.output;
        seen += c.run.output;
    }
    expectGolden(seen, "ase2obj/faults.txt");
}

// `objects` triangles, each with its own three vertices and texture vertices
// numbered from `first` (so that every position is new), on material 0.
std::string manyTriangles(int objects, int first, bool newVertices, bool newTextureVertices) {
    std::string text = aseWith({"*BITMAP \"a\""});
    for (int o = 0; o < objects; ++o) {
        text += "*GEOMOBJECT\r\n";
        for (int k = 0; k < 3; ++k) {
            int n = first + 3 * o + k;
            std::string p = std::to_string(newVertices ? n : k);
            std::string q = std::to_string(newTextureVertices ? n : k);
            text += "*MESH_VERTEX " + std::to_string(k) + " " + p + " 0 0\r\n";
            text += "*MESH_TVERT " + std::to_string(k) + " " + q + " 1 0\r\n";
        }
        text += "*MATERIAL_REF 0\r\n";
    }
    return text;
}

// Each table holds its capacity and stops one beyond; an output that cannot be
// written fails and leaves no file (an OBJ naming a missing MTL is removed).
// The golden file holds the status, output and files left of each.
TEST(ConversionFaults, FullTablesAndUnwritableOutputsFailAndLeaveNoFiles) {
    std::string bitmaps = aseWith({});
    for (int i = 0; i < 100; ++i)
        bitmaps += "*BITMAP \"t" + std::to_string(i) + "\"\r\n";
    // 10000 triangles give 30000 positions; one more object passes the limit.
    const std::pair<std::string, std::string> cases[] = {
        {bitmaps, ""},
        {bitmaps + "*BITMAP \"x\"\r\n", ""},
        {manyTriangles(10000, 0, true, true), ""},
        {manyTriangles(10001, 0, false, false), ""},
        {manyTriangles(10000, 0, true, false), ""},
        {manyTriangles(10001, 0, true, false), ""},
        {manyTriangles(10000, 0, false, true), ""},
        {manyTriangles(10001, 0, false, true), ""},
        {manyTriangles(1, 0, true, true), "object.obj"},
        {manyTriangles(1, 0, true, true), "object.mtl"},
    };
    std::string seen;
    for (const auto& [ase, folderInTheWay] : cases) {
        TempFolder dir;
        if (!folderInTheWay.empty()) std::filesystem::create_directory(dir.file(folderInTheWay));
        const Conversion c = convertAse(dir, ase);
        std::set<std::string> left;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            left.insert(e.path().filename().string());
        seen += "status " + std::to_string(c.run.status) + "\n" + c.run.output + "left:";
        for (const std::string& name : left)
            seen += " " + name;
        seen += "\n";
    }
    expectGolden(seen, "ase2obj/full_and_unwritable.txt");
}

} // namespace
} // namespace meshsmith::test
