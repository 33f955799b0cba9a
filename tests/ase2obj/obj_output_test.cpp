// The OBJ and MTL texts ase2obj writes for ASE files of the editor's writer.

#include "conversion_harness.hpp"
#include "obj_writing.hpp"
#include "support/golden.hpp"

#include "export/ase_writer.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace meshsmith::test {
namespace {

// Two textures; a quad on wall01, then two triangles on roof: the first shares
// two corners with the quad, the second has a corner 0.00001 beside one of them.
Project twoTextureProject() {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0},
                         {0, 1, 0, 0}, {2, 0, 0, 0}, {1.00001f, 1, 0, 0}};
    TextureData wall, roof;
    wall.Filename = "C:\\GPL\\wall01.bmp";
    roof.Filename = "/home/me/roof.bmp";
    p.object.textures = {wall, roof};
    p.object.polygons = {
        makeTexturedPolygon({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}),
        makeTexturedPolygon({1, 4, 2}, 1, {{0, 0}, {1, 0}, {1, 1}}),
        makeTexturedPolygon({1, 4, 5}, 1, {{0, 0}, {1, 0}, {0.5f, 1}}),
    };
    return p;
}

TEST(ObjOutput, TwoTextureProjectGivesExactObjAndMtl) {
    TempFolder dir;
    Conversion c = convertAse(dir, aseText(twoTextureProject()));
    EXPECT_EQ(c.run.status, 0);
    EXPECT_EQ(c.run.output, "ASE format: Meshsmith\n\n");
    // Shared corners share "v" and "vt" lines, the corner beside one gets its
    // own, the quad comes out 3, 2, 1, 0, and the run of roof polygons has one usemtl.
    expectGolden(c.obj.value_or("none"), "ase2obj/two_textures.obj");
    expectGolden(c.mtl.value_or("none"), "ase2obj/two_textures.mtl");
}

TEST(ObjOutput, FileWithoutBitmapLinesGivesNoMtllibAndNoMtlFile) {
    Project p; // vertices and lines only: the writer writes no material block
    p.object.vertices = {{0, 0, 0, 0}, {1, 2, 3, 0}};
    p.object.lines = {makeLine(0, 1)};
    TempFolder dir;
    Conversion c = convertAse(dir, aseText(p));
    EXPECT_EQ(c.run.status, 0);
    ASSERT_TRUE(c.obj);
    EXPECT_EQ(*c.obj, "# OBJ file: converted from Grand Prix Legends Meshsmith-format ASE\n\n"
                      "# 0 vertices\n\n# 0 texture vertices\n\n# 0 polygons\n");
    EXPECT_FALSE(c.mtl);
}

TEST(ObjOutput, ObjectsOfFewerThanThreeCornersMakeNoFace) {
    TempFolder dir;
    Conversion c =
        convertAse(dir, aseWith({"*BITMAP \"a\"", "*GEOMOBJECT", "*MESH_VERTEX 0 0 0 0",
                                 "*MESH_VERTEX 1 1 0 0", "*MATERIAL_REF 0", "*GEOMOBJECT",
                                 "*MESH_VERTEX 0 5 5 5", "*MESH_TVERT 0 0 0"}));
    EXPECT_EQ(c.run.status, 0);
    ASSERT_TRUE(c.obj);
    EXPECT_NE(c.obj->find("# 3 vertices\n"), std::string::npos);
    EXPECT_NE(c.obj->find("\n# 0 polygons\n"), std::string::npos);
}

TEST(ObjOutput, NegativeZeroIsTheSamePositionAsZeroAndKeepsItsFirstForm) {
    TempFolder dir;
    Conversion c = convertAse(
        dir, aseWith({"*BITMAP \"a\"", "*GEOMOBJECT", "*MESH_VERTEX 0 -0.0 0 0",
                      "*MESH_VERTEX 1 1 0 0", "*MESH_VERTEX 2 1 1 -0", "*MESH_TVERT 0 0 -0",
                      "*MESH_TVERT 1 0 0", "*MESH_TVERT 2 -0.0 0", "*MATERIAL_REF 0"}));
    ASSERT_TRUE(c.obj);
    EXPECT_NE(c.obj->find("# 3 vertices\nv -0.000000 0.000000 0.000000\n"), std::string::npos);
    EXPECT_NE(c.obj->find("v 1.000000 1.000000 -0.000000\n"), std::string::npos);
    EXPECT_NE(c.obj->find("# 1 texture vertices\nvt 0.000000 -0.000000\n"), std::string::npos);
    EXPECT_NE(c.obj->find("\nf 3/1 2/1 1/1\n"), std::string::npos);
}

// Ties at the sixth digit (0.0078125), negative zero, tiny negatives, the
// largest float, then random bit patterns.
TEST(ObjOutput, NumbersAreWhatPrintfGivesForTheWidenedFloat) {
    std::vector<float> values = {0.0f,        -0.0f,  0.0078125f,
                                 -0.0000005f, -1e-9f, 0.1f,
                                 1e-7f,       1e30f,  std::numeric_limits<float>::max()};
    std::mt19937 rng(7);
    while (values.size() < 20000) {
        float v = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        if (std::isfinite(v)) values.push_back(v);
    }
    for (float v : values) {
        char expected[80];
        std::snprintf(expected, sizeof expected, "%f", static_cast<double>(v));
        ASSERT_EQ(ase2obj::fixed6(v), expected) << v;
    }
}

} // namespace
} // namespace meshsmith::test
