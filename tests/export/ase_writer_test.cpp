// The text of the editor-dialect ASE file, checked line by line.

#include "export/ase_writer.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// One texture (back colour $00DDDDDD, wall01.bmp) and one textured triangle
// over (0,0,0), (1,0,0), (1,1,0); display class 3; no lines, no collision.
Project exampleTriangle() {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}};
    TextureData wall;
    wall.Filename = "C:\\GPL\\objects\\wall01.bmp";
    p.object.textures = {wall};
    p.object.polygons.push_back(makeTexturedPolygon({0, 1, 2}, 0, {{0, 0}, {1, 0}, {1, 1}}));
    return p;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& l : lines)
        if (l.rfind(prefix, 0) == 0) found.push_back(l);
    return found;
}

std::vector<std::string> materialDiffuseOf(Colour back) {
    Project p = exampleTriangle();
    p.object.textures[0].BackColor = back;
    return linesStartingWith(aseLines(p), "*MATERIAL_DIFFUSE");
}

} // namespace

TEST(AseText, ExampleTriangleComesOutLineForLine) {
    std::string expected = crlfLines({
        "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"",
        "*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"",
        " ",
        "*MATERIAL 0",
        "*MATERIAL_DIFFUSE 0.86667 0.86667 0.86667",
        "*BITMAP \"wall01\"",
        " ",
        "*GEOMOBJECT",
        "*MESH_VERTEX 0 0.00000 0.00000 0.00000",
        "*MESH_VERTEX 1 1.00000 0.00000 0.00000",
        "*MESH_VERTEX 2 1.00000 1.00000 0.00000",
        " ",
        "*DISPLAY_CLASS 3",
        " ",
        "*MESH_FACE 0 A: 2 B: 1 C: 0 AB: 1 BC: 1 CA: 1 *MESH_SMOOTHING 2 *MESH_MTLID 1",
        " ",
        "*MESH_TVERT 0 0.00000 0.00000 0.0000",
        "*MESH_TVERT 1 1.00000 0.00000 0.0000",
        "*MESH_TVERT 2 1.00000 1.00000 0.0000",
        " ",
        "*MESH_TFACE 0 2 1 0",
        " ",
        "*MATERIAL_REF 0",
        " ",
        " ",
    });
    EXPECT_EQ(aseText(exampleTriangle()), expected);
}

TEST(AseText, WriteAseSavesTheTextAndLogsIt) {
    TempFolder dir;
    std::string path = dir.file("stand.ase");
    RecordingLog log;
    OperationResult r = writeAse(exampleTriangle(), path, log);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(readFile(path), aseText(exampleTriangle()));
    EXPECT_EQ(log.lines, std::vector<std::string>{"ASE-file " + path + " saved !"});

    // An existing file is replaced whole.
    writeFile(path, std::string(5000, 'x'));
    EXPECT_EQ(writeAse(exampleTriangle(), path, log).outcome, Outcome::Done);
    EXPECT_EQ(readFile(path), aseText(exampleTriangle()));
}

TEST(AseText, QuadIsAFanOfTwoFacesWithReversedWinding) {
    Project p = exampleTriangle();
    p.object.vertices.push_back({0, 1, 0, 0});
    p.object.polygons[0] = makeTexturedPolygon({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    auto lines = aseLines(p);
    EXPECT_EQ(linesStartingWith(lines, "*MESH_VERTEX").size(), 4u);
    EXPECT_EQ(
        linesStartingWith(lines, "*MESH_FACE"),
        (std::vector<std::string>{
            "*MESH_FACE 0 A: 2 B: 1 C: 0 AB: 1 BC: 1 CA: 1 *MESH_SMOOTHING 2 *MESH_MTLID 1",
            "*MESH_FACE 1 A: 3 B: 2 C: 0 AB: 1 BC: 1 CA: 1 *MESH_SMOOTHING 2 *MESH_MTLID 1"}));
    EXPECT_EQ(linesStartingWith(lines, "*MESH_TFACE"),
              (std::vector<std::string>{"*MESH_TFACE 0 2 1 0", "*MESH_TFACE 1 3 2 0"}));
    EXPECT_EQ(linesStartingWith(lines, "*MESH_TVERT").back(),
              "*MESH_TVERT 3 0.00000 1.00000 0.0000");
}

TEST(AseText, PentagonFanCoversEveryCornerOnce) {
    Project p = exampleTriangle();
    p.object.vertices.push_back({0.5f, 2, 0, 0});
    p.object.vertices.push_back({0, 1, 0, 0});
    p.object.polygons[0] =
        makeTexturedPolygon({0, 1, 2, 3, 4}, 0, {{0, 0}, {1, 0}, {1, 1}, {1, 2}, {0, 1}});
    auto faces = linesStartingWith(aseLines(p), "*MESH_TFACE");
    EXPECT_EQ(faces, (std::vector<std::string>{"*MESH_TFACE 0 2 1 0", "*MESH_TFACE 1 3 2 0",
                                               "*MESH_TFACE 2 4 3 0"}));
}

TEST(AseText, LinesWithoutPolygonsHaveNoMaterialBlock) {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {2.5f, -1, 3, 0}};
    TextureData unused;
    unused.Filename = "unused.bmp";
    p.object.textures = {unused};
    ObjectData line = makeLine(0, 1);
    line.Red = 1;
    line.Green = 0.5f;
    line.Blue = 0.25f;
    p.object.lines = {line};
    p.object.visLines = {makeLine(1, 0)}; // visualization lines are never written
    std::string expected = crlfLines({
        "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"",
        "*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"",
        " ",
        "*LINEOBJECT",
        "*MESH_VERTEX 0 0.00000 0.00000 0.00000",
        "*MESH_VERTEX 1 2.50000 -1.00000 3.00000",
        "*LINECOLOR 1.00000 0.50000 0.25000",
        " ",
        " ",
    });
    EXPECT_EQ(aseText(p), expected);
}

TEST(AseText, PolygonsWithoutTexturesStillCloseTheMaterialBlock) {
    Project p = exampleTriangle();
    p.object.textures.clear();
    auto lines = aseLines(p);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "*GEOMOBJECT");
}

TEST(AseText, DiffuseIsBlueGreenRedOfTheResolvedBackColour) {
    EXPECT_EQ(materialDiffuseOf(0x000000FF),
              std::vector<std::string>{"*MATERIAL_DIFFUSE 0.00000 0.00000 1.00000"});
    EXPECT_EQ(materialDiffuseOf(0x00FF8000),
              std::vector<std::string>{"*MATERIAL_DIFFUSE 1.00000 0.50196 0.00000"});
    // clBtnFace: the button face of the default scheme, 240 240 240.
    EXPECT_EQ(materialDiffuseOf(0x8000000F),
              std::vector<std::string>{"*MATERIAL_DIFFUSE 0.94118 0.94118 0.94118"});
    // clHighlight: red 0, green 120, blue 215.
    EXPECT_EQ(materialDiffuseOf(0x8000000D),
              std::vector<std::string>{"*MATERIAL_DIFFUSE 0.84314 0.47059 0.00000"});
}

TEST(AseText, BitmapNameLosesFolderAndExtension) {
    Project p = exampleTriangle();
    TextureData roof;
    roof.Filename = "/home/me/gpl/roof.bmp";
    TextureData bare;
    bare.Filename = "tree.BMP";
    p.object.textures = {p.object.textures[0], roof, bare};
    EXPECT_EQ(
        linesStartingWith(aseLines(p), "*BITMAP"),
        (std::vector<std::string>{"*BITMAP \"wall01\"", "*BITMAP \"roof\"", "*BITMAP \"tree\""}));
    EXPECT_EQ(linesStartingWith(aseLines(p), "*MATERIAL "),
              (std::vector<std::string>{"*MATERIAL 0", "*MATERIAL 1", "*MATERIAL 2"}));
}

TEST(AseText, ClosingTextureCoordinateIsNeverWritten) {
    Project p = exampleTriangle();
    // As read from a project file: one more pair for the closing index.
    p.object.polygons[0].TexCoords = {{0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f}, {0.7f, 0.8f}};
    auto tverts = linesStartingWith(aseLines(p), "*MESH_TVERT");
    EXPECT_EQ(tverts, (std::vector<std::string>{"*MESH_TVERT 0 0.10000 0.20000 0.0000",
                                                "*MESH_TVERT 1 0.30000 0.40000 0.0000",
                                                "*MESH_TVERT 2 0.50000 0.60000 0.0000"}));
}

TEST(AseText, MissingTextureCoordinatesAreWrittenAsZero) {
    Project p = exampleTriangle();
    p.object.polygons[0].TexCoords = {{0.5f, 0.25f}};
    EXPECT_EQ(linesStartingWith(aseLines(p), "*MESH_TVERT"),
              (std::vector<std::string>{"*MESH_TVERT 0 0.50000 0.25000 0.0000",
                                        "*MESH_TVERT 1 0.00000 0.00000 0.0000",
                                        "*MESH_TVERT 2 0.00000 0.00000 0.0000"}));
}

TEST(AseText, PolygonsWithFewerThanThreeCornersGetNoFaces) {
    Project p = exampleTriangle();
    p.object.polygons[0] = makeTexturedPolygon({0, 1}, 0, {{0, 0}, {1, 0}});
    auto lines = aseLines(p);
    EXPECT_EQ(linesStartingWith(lines, "*MESH_VERTEX").size(), 2u);
    EXPECT_EQ(linesStartingWith(lines, "*MESH_TVERT").size(), 2u);
    EXPECT_TRUE(linesStartingWith(lines, "*MESH_FACE").empty());
    EXPECT_TRUE(linesStartingWith(lines, "*MESH_TFACE").empty());

    // Broken counts: nothing is read beyond VertexIndices.
    p.object.polygons[0].VertexIndices = {2};
    p.object.polygons[0].VertexCount = 40;
    EXPECT_EQ(linesStartingWith(aseLines(p), "*MESH_VERTEX"),
              std::vector<std::string>{"*MESH_VERTEX 0 1.00000 1.00000 0.00000"});
    p.object.polygons[0].VertexIndices.clear();
    p.object.polygons[0].VertexCount = 0;
    EXPECT_TRUE(linesStartingWith(aseLines(p), "*MESH_VERTEX").empty());
}

TEST(AseText, NumbersRoundToSevenDigitsAndNeverUseAnExponent) {
    Project p = exampleTriangle();
    p.object.vertices = {{12.3456789f, 1234.56789f, 0.5f, 0},
                         {12345678.0f, -30000000.0f, 10000000.0f, 0},
                         {-0.000001f, 3.0e9f, -9999999.0f, 0}};
    auto vertices = linesStartingWith(aseLines(p), "*MESH_VERTEX");
    EXPECT_EQ(vertices, (std::vector<std::string>{
                            "*MESH_VERTEX 0 12.34568 1234.56800 0.50000",
                            "*MESH_VERTEX 1 12345680.00000 -30000000.00000 10000000.00000",
                            "*MESH_VERTEX 2 0.00000 3000000000.00000 -9999999.00000"}));
}

TEST(AseText, DisplayClassAndMaterialRefFollowTheProject) {
    Project p = exampleTriangle();
    p.object.textures.push_back(p.object.textures[0]);
    p.object.polygons[0].TextureIndex = 1;
    p.object.DisplayClass = -4;
    auto lines = aseLines(p);
    EXPECT_EQ(linesStartingWith(lines, "*DISPLAY_CLASS"),
              std::vector<std::string>{"*DISPLAY_CLASS -4"});
    EXPECT_EQ(linesStartingWith(lines, "*MATERIAL_REF"),
              std::vector<std::string>{"*MATERIAL_REF 1"});
}
