// The 3ds Max reader: materials and sub-materials, the first texture channel
// only, a texture for every polygon, numbers that stay in their lists, and
// the triangles of a mesh merged back into quads. The square of the fuzz
// seeds (two triangles, material "Wall" with wall.bmp) is the base object.

#include "case_table.hpp"
#include "converter/line_reader.hpp"
#include "converter/max_materials.hpp"
#include "reader_runs.hpp"
#include "support/golden.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::TempFolder;
using meshsmith::test::writeFile;

namespace {

const std::string kSquare =
    meshsmith::test::readFile(meshsmith::test::sourcePath("fuzz/seeds/kiln_3dsmax/square.ase"));

// The square with the first occurrence of each `from` replaced by its `to`.
std::string square(const std::vector<std::pair<std::string, std::string>>& edits) {
    std::string text = kSquare;
    for (const auto& [from, to] : edits) {
        const std::size_t at = text.find(from);
        if (at == std::string::npos) ADD_FAILURE() << "no " << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return text;
}

const std::string kFace1 = "*MESH_FACE    1:    A:    0 B:    2 C:    3";

} // namespace

TEST(Read3dsMax, SubMaterialsTakeTheBitmapPositionsBeforeTheNextMaterial) {
    const std::string text =
        "*MATERIAL_LIST {\n*MATERIAL_COUNT 3\n*MATERIAL 0 {\n*NUMSUBMTLS 2\n"
        "*SUBMATERIAL 0 {\n*BITMAP \"grass.tga\"\n*BITMAP \"bump.tga\"\n}\n"
        "*SUBMATERIAL 1 {\n*BITMAP \"sand.tga\"\n}\n}\n*MATERIAL 1 {\n*BITMAP \"x\\brick.bmp\"\n}\n"
        "*MATERIAL 2 {\n*SUBMATERIAL 0 {\n*BITMAP \"grass.tga\"\n}\n*SUBMATERIAL 1 {\n}\n}\n}\n";
    KilnState k;
    TextSource source(text);
    MaxMaterials list;
    std::string line;
    readMaterialList(k, source, line, list);
    EXPECT_EQ(getString(list, 0, 0), 0);
    EXPECT_EQ(getString(list, 0, 1), 1);
    EXPECT_EQ(getString(list, 1, 0), 2);
    EXPECT_EQ(getString(list, 1, 7), 2) << "a plain material ignores the face's id";
    EXPECT_EQ(getString(list, 0, 3), 1) << "ids beyond the sub-materials wrap as in 3ds Max";
    EXPECT_EQ(getString(list, 2, 0), 0) << "an equal name shares its entry";
    EXPECT_EQ(getString(list, 2, 1), -1) << "a sub-material without a bitmap";
    EXPECT_EQ(getString(list, 3, 0), -1);
    EXPECT_EQ(k.stringCount, 3) << "only the first bitmap (the diffuse map) of each counts";
}

TEST(Read3dsMax, FacesWithoutABitmapAndNumbersOutsideTheTablesAreRefused) {
    expectCaseTable("converter/3dsmax_refusals.txt", 2, [](auto f) {
        std::vector<std::pair<std::string, std::string>> edits;
        for (std::size_t i = 0; i + 1 < f.size(); i += 2)
            edits.emplace_back(f[i], f[i + 1]);
        return read3dsMaxText(square(edits)).error;
    });
    const std::string noRef = square({{"*MATERIAL_REF 0", ""}});
    EXPECT_EQ(read3dsMaxText(noRef + kSquare.substr(kSquare.find("*GEOMOBJECT"))).error,
              "Mesh \"Plane01\" (line 12) has faces but no *MATERIAL_REF: give it a material "
              "with a bitmap")
        << "a second mesh after one without a material";
}

// Each edit of the square (with a vertex-colour file beside it when given)
// and what the reader left in the tables, then whether its 3DO is sound; the
// golden file says why each is so.
TEST(Read3dsMax, TablesOfGoodFilesMatchTheirGoldenDump) {
    const struct {
        std::string name;
        std::vector<std::pair<std::string, std::string>> edits;
        std::string lux = "";
    } cases[] = {
        {"the square: one quad, texture x from x, y flipped", {}},
        {"a second texture channel does not overwrite the first",
         {{"\t}\n\t*MATERIAL_REF",
           "\t\t*MESH_MAPPINGCHANNEL 3 {\n\t\t\t*MESH_NUMTVERTEX 4\n\t\t\t*MESH_TVERTLIST {\n"
           "\t\t\t\t*MESH_TVERT 0\t-1.#IND\t-1.#IND\t-1.#IND\n"
           "\t\t\t\t*MESH_TVERT 1\t0.5000\t0.5000\t0.0000\n\t\t\t}\n\t\t\t*MESH_TFACELIST {\n"
           "\t\t\t\t*MESH_TFACE 0\t1\t1\t1\n\t\t\t}\n\t\t}\n\t}\n\t*MATERIAL_REF"}}},
        {"a collinear face dropped, the unused clipper not written",
         {{"*MATERIAL_COUNT 1", "*MATERIAL_COUNT 2\n*MATERIAL 1 {\n*BITMAP \"clipper.bmp\"\n}"},
          {kFace1, "*MESH_FACE    1:    A:    0 B:    0 C:    3"}}},
        // Faces are coloured in the order of the file: Other's face 0 comes
        // first and never does, so Plane01's face 1 stays plain.
        {"colours named out of order",
         {},
         "MESH \"Other\"\nFACE 0 820\nVERTEX 0 1 1 1 1\n"
         "MESH \"Plane01\"\nFACE 1 820\nVERTEX 1 10 20 30 40\n"},
        {"coloured and plain faces are not merged",
         {},
         "MESH \"Plane01\"\nFACE 0 5\nFACE 1 820\nVERTEX 1 10 20 30 40\n"},
    };
    std::string seen;
    for (const auto& c : cases) {
        TempFolder dir;
        writeFile(dir.file("in.ase"), square(c.edits));
        if (!c.lux.empty()) writeFile(dir.file("in.lux"), c.lux);
        ReaderRun r = read3dsMaxFile(dir.file("in.ase"));
        seen += "== " + c.name + "\n" + r.error + dumpState(*r.k);
        const std::string verdict = r.read ? threeDoVerdict(*r.k) : "not read";
        seen += "3DO: " + (verdict.empty() ? "sound" : verdict) + "\n";
    }
    meshsmith::test::expectGolden(seen, "converter/3dsmax_states.txt");
}
