// The 3ds Max reader: materials and sub-materials, a texture for every
// polygon and numbers that stay in their lists, on edits of the square of the
// fuzz seeds (two triangles, material "Wall" with wall.bmp). The good files it
// reads are under tests/data/converter/readers/3dsmax.

#include "case_table.hpp"
#include "converter/text_input.hpp"
#include "reader_runs.hpp"
#include "readers/max_materials.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
namespace readers = meshsmith::readers;

TEST(Read3dsMax, SubMaterialsTakeTheBitmapsBeforeTheNextMaterial) {
    const std::string text =
        "*MATERIAL_LIST {\n*MATERIAL_COUNT 3\n*MATERIAL 0 {\n*NUMSUBMTLS 2\n"
        "*SUBMATERIAL 0 {\n*BITMAP \"grass.tga\"\n*BITMAP \"bump.tga\"\n}\n"
        "*SUBMATERIAL 1 {\n*BITMAP \"sand.tga\"\n}\n}\n*MATERIAL 1 {\n*BITMAP \"x\\brick.bmp\"\n}\n"
        "*MATERIAL 2 {\n*SUBMATERIAL 0 {\n*BITMAP \"grass.tga\"\n}\n*SUBMATERIAL 1 {\n}\n}\n}\n";
    TextSource source(text);
    readers::MaxMaterialList list;
    std::string line;
    readers::readMaxMaterialList(source, line, list, nullptr);
    const auto bitmap = [&](int material, int id) {
        const readers::MaxBitmap* b = readers::bitmapOf(list, material, id);
        return b ? b->path : std::string("none");
    };
    EXPECT_EQ(bitmap(0, 0), "grass.tga")
        << "only the first bitmap (the diffuse map) of each counts";
    EXPECT_EQ(bitmap(0, 1), "sand.tga");
    EXPECT_EQ(bitmap(1, 0), "x\\brick.bmp");
    EXPECT_EQ(bitmap(1, 7), "x\\brick.bmp") << "a plain material ignores the face's id";
    EXPECT_EQ(bitmap(0, 3), "sand.tga") << "ids beyond the sub-materials wrap as in 3ds Max";
    EXPECT_EQ(bitmap(2, 1), "none") << "a sub-material without a bitmap";
    EXPECT_EQ(bitmap(3, 0), "none");
}

TEST(Read3dsMax, FacesWithoutABitmapAndNumbersOutsideTheTablesAreRefused) {
    expectCaseTable("converter/3dsmax_refusals.txt", 2, [](auto f) {
        std::vector<std::pair<std::string, std::string>> edits;
        for (std::size_t i = 0; i + 1 < f.size(); i += 2)
            edits.emplace_back(f[i], f[i + 1]);
        return read3dsMaxText(maxSquare(edits)).error;
    });
    const std::string noRef = maxSquare({{"*MATERIAL_REF 0", ""}});
    EXPECT_EQ(read3dsMaxText(noRef + maxSquareObject()).error,
              "Mesh \"Plane01\" (line 12) has faces but no *MATERIAL_REF: give it a material "
              "with a bitmap")
        << "a second mesh after one without a material";
}
