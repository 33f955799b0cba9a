// Input that cannot be converted soundly, full tables and outputs that cannot
// be written: a message, a failure status and no output file, never a wrong one.

#include "conversion_harness.hpp"
#include "support/golden.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace meshsmith::test {
namespace {

// Every file under tests/data/ase2obj/faults fails with its message (the
// golden file) and leaves no output; so does a missing file or a folder.
TEST(ConversionFaults, EachFaultIsNamedWithItsLineAndLeavesNoOutput) {
    TempFolder dir;
    std::string seen = ase2obj::runAse2obj({dir.file("absent.ase")}).output;
    EXPECT_EQ(ase2obj::runAse2obj({dir.folder()}).status, 1);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(sourcePath("tests/data/ase2obj/faults")))
        if (entry.path().extension() == ".ase") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        Conversion c = convertAse(dir, readFile(file.string()));
        EXPECT_EQ(c.run.status, 1) << c.run.output;
        EXPECT_FALSE(c.obj || c.mtl) << c.run.output;
        seen += "== " + file.filename().string() + "\n" + c.run.output;
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
