// The text of the editor-dialect ASE file, checked line by line. That every
// line of generated projects has one of the dialect's forms, and each object
// its polygon's corners, is the property test's.

#include "export/ase_writer.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Two textures, a triangle on the second, a line (and a visualization line,
// never written); display class -4.
Project smallProject() {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}, {2.5f, -1, 3, 0}};
    TextureData wall, roof;
    wall.Filename = "C:\\GPL\\objects\\wall01.bmp";
    roof.Filename = "/home/me/gpl/roof.BMP";
    p.object.textures = {wall, roof};
    p.object.polygons.push_back(makeTexturedPolygon({0, 1, 2}, 1, {{0, 0}, {1, 0}, {0.25f, 1}}));
    ObjectData line = makeLine(0, 3);
    line.Red = 1;
    line.Green = 0.5f;
    line.Blue = 0.25f;
    p.object.lines = {line};
    p.object.visLines = {makeLine(3, 0)};
    p.object.DisplayClass = -4;
    return p;
}

std::vector<std::string> linesStartingWith(const Project& p, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& l : aseLines(p))
        if (l.rfind(prefix, 0) == 0) found.push_back(l);
    return found;
}

} // namespace

TEST(AseText, TheExampleGivesItsGoldenFile) {
    // Materials in blue, green, red order with the bitmaps' names, faces fanned
    // round the first corner in reverse, line objects, the collision block.
    EXPECT_EQ(aseText(exampleProject()), readFile(sourcePath("tests/data/editor/stand.ase")));
    // Without polygons, no material block; without textures, the block still closes.
    Project lines = smallProject();
    lines.object.polygons.clear();
    EXPECT_TRUE(linesStartingWith(lines, "*MATERIAL").empty());
    Project untextured = smallProject();
    untextured.object.textures.clear();
    EXPECT_EQ(aseLines(untextured)[4], "*GEOMOBJECT");
    // The display class is written as it is, and a visualization line never.
    EXPECT_EQ(linesStartingWith(smallProject(), "*DISPLAY_CLASS"),
              std::vector<std::string>{"*DISPLAY_CLASS -4"});
    EXPECT_EQ(linesStartingWith(smallProject(), "*LINEOBJECT").size(), 1u);
}

TEST(AseText, WriteAseReplacesTheFileWholeAndLogsIt) {
    TempFolder dir;
    const std::string path = dir.file("stand.ase");
    writeFile(path, std::string(5000, 'x'));
    RecordingLog log;
    EXPECT_EQ(writeAse(smallProject(), path, log).outcome, Outcome::Done);
    EXPECT_EQ(readFile(path), aseText(smallProject()));
    EXPECT_EQ(log.lines, std::vector<std::string>{"ASE-file " + path + " saved !"});
}

TEST(AseText, DiffuseIsTheResolvedSystemBackColour) {
    const std::pair<Colour, std::string> cases[] = {
        {0x8000000F, "0.94118 0.94118 0.94118"}, // clBtnFace: 240 240 240
        {0x8000000D, "0.84314 0.47059 0.00000"}, // clHighlight: red 0, green 120, blue 215
    };
    for (const auto& [back, diffuse] : cases) {
        Project p = smallProject();
        p.object.textures.resize(1);
        p.object.textures[0].BackColor = back;
        EXPECT_EQ(linesStartingWith(p, "*MATERIAL_DIFFUSE"),
                  std::vector<std::string>{"*MATERIAL_DIFFUSE " + diffuse});
    }
}

TEST(AseText, TextureCoordinatesOnePairPerCornerMissingOnesZero) {
    Project p = smallProject();
    // As read from a project file: one more pair for the closing index, never written.
    p.object.polygons[0].TexCoords = {{0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f}, {0.7f, 0.8f}};
    EXPECT_EQ(linesStartingWith(p, "*MESH_TVERT"),
              (std::vector<std::string>{"*MESH_TVERT 0 0.10000 0.20000 0.0000",
                                        "*MESH_TVERT 1 0.30000 0.40000 0.0000",
                                        "*MESH_TVERT 2 0.50000 0.60000 0.0000"}));
    p.object.polygons[0].TexCoords = {{0.5f, 0.25f}};
    EXPECT_EQ(linesStartingWith(p, "*MESH_TVERT"),
              (std::vector<std::string>{"*MESH_TVERT 0 0.50000 0.25000 0.0000",
                                        "*MESH_TVERT 1 0.00000 0.00000 0.0000",
                                        "*MESH_TVERT 2 0.00000 0.00000 0.0000"}));
}

TEST(AseText, PolygonsWithFewerThanThreeCornersGetNoFacesAndBrokenCountsReadNothingMore) {
    Project p = smallProject();
    p.object.polygons[0] = makeTexturedPolygon({0, 1}, 0, {{0, 0}, {1, 0}});
    EXPECT_EQ(linesStartingWith(p, "*MESH_TVERT").size(), 2u);
    EXPECT_TRUE(linesStartingWith(p, "*MESH_FACE").empty());
    EXPECT_TRUE(linesStartingWith(p, "*MESH_TFACE").empty());
    p.object.lines.clear();
    p.object.polygons[0].VertexIndices = {2};
    p.object.polygons[0].VertexCount = 40;
    EXPECT_EQ(linesStartingWith(p, "*MESH_VERTEX"),
              std::vector<std::string>{"*MESH_VERTEX 0 1.00000 1.00000 0.00000"});
}
