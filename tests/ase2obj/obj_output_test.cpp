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
    p.object.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0},
                         {0, 1, 0}, {2, 0, 0}, {1.00001f, 1, 0}};
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

// Each ASE text converted: the status, what was printed, the OBJ and the MTL
// file (the golden file).
TEST(ObjOutput, EditorFilesGiveTheirExactObjAndMtl) {
    Project lines; // vertices and lines only: the writer writes no material block
    lines.object.vertices = {{0, 0, 0}, {1, 2, 3}};
    lines.object.lines = {makeLine(0, 1)};
    const std::pair<const char*, std::string> cases[] = {
        // Shared corners share "v" and "vt" lines, the corner beside one gets its
        // own, the quad comes out 3, 2, 1, 0, and the run of roof polygons has one usemtl.
        {"two textures", aseText(twoTextureProject())},
        {"no bitmap lines: no mtllib and no MTL file", aseText(lines)},
        {"objects of fewer than three corners make no face",
         aseWith({"*BITMAP \"a\"", "*GEOMOBJECT", "*MESH_VERTEX 0 0 0 0", "*MESH_VERTEX 1 1 0 0",
                  "*MATERIAL_REF 0", "*GEOMOBJECT", "*MESH_VERTEX 0 5 5 5", "*MESH_TVERT 0 0 0"})},
        {"negative zero is the same position as zero and keeps its first form",
         aseWith({"*BITMAP \"a\"", "*GEOMOBJECT", "*MESH_VERTEX 0 -0.0 0 0", "*MESH_VERTEX 1 1 0 0",
                  "*MESH_VERTEX 2 1 1 -0", "*MESH_TVERT 0 0 -0", "*MESH_TVERT 1 0 0",
                  "*MESH_TVERT 2 -0.0 0", "*MATERIAL_REF 0"})},
    };
    std::string seen;
    for (const auto& [name, ase] : cases) {
        TempFolder dir;
        const Conversion c = convertAse(dir, ase);
        seen += "== " + std::string(name) + "\nstatus " + std::to_string(c.run.status) + "\n" +
                c.run.output + "-- OBJ\n" + c.obj.value_or("none\n") + "-- MTL\n" +
                c.mtl.value_or("none\n");
    }
    expectGolden(seen, "ase2obj/obj_outputs.txt");
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
