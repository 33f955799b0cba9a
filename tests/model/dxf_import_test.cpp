// DXF import of one kind of entity: what becomes of points, lines and faces,
// replace and append mode, and the many ways R12 writers lay out their text.

#include "dxf_test_support.hpp"
#include "model/dxf_import.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

struct Import {
    TempFolder dir;
    std::string path = dir.file("drawing.dxf");
    Project project;
    ScriptedPrompts prompts;
    RecordingLog log;
    RandomColours colours{7};

    OperationResult run(const std::string& text, DxfKind kind) {
        writeFile(path, text);
        return importDxf(project, path, kind, prompts, log, colours);
    }
};

std::vector<std::int32_t> indices(std::initializer_list<std::int32_t> l) {
    return l;
}

void expectVertex(const Vertex& v, float x, float y, float z) {
    EXPECT_EQ(v.X, x);
    EXPECT_EQ(v.Y, y);
    EXPECT_EQ(v.Z, z);
}

} // namespace

TEST(DxfImport, PointsAtOnePositionBecomeOneVertex) {
    Import im;
    auto r = im.run(dxfFile({dxfPoint({"1", "2", "3"}), dxfPoint({"4", "5", "6"}),
                             dxfPoint({"1.0", "2.0", "3.0"})}),
                    DxfKind::Point);
    EXPECT_EQ(r.outcome, Outcome::Done);
    ASSERT_EQ(im.project.object.vertices.size(), 2u);
    expectVertex(im.project.object.vertices[1], 4, 5, 6);
    EXPECT_EQ(im.log.lines,
              std::vector<std::string>{"2 valid Vertices loaded from file " + im.path});
    EXPECT_TRUE(im.project.GeometryPresent);
    EXPECT_EQ(im.project.bounds.maxZ, 6);
    EXPECT_EQ(im.prompts.offsetQuestions, 0) << "replace mode asks for no offset";
}

TEST(DxfImport, LinesOverTheSamePointsInEitherDirectionGiveOneLine) {
    Import im;
    im.run(dxfFile({dxfLine({"0", "0", "0"}, {"5", "0", "1"}),
                    dxfLine({"5", "0", "1"}, {"0", "0", "0"})}),
           DxfKind::Line);
    ASSERT_EQ(im.project.object.lines.size(), 1u);
    EXPECT_EQ(im.project.object.vertices.size(), 2u);
    const ObjectData& l = im.project.object.lines[0];
    EXPECT_EQ(l.VertexIndices, indices({0, 1}));
    EXPECT_EQ(l.VertexCount, 2);
    EXPECT_EQ(l.Red, 0.5f);
    EXPECT_EQ(l.Green, 0.5f);
    EXPECT_EQ(l.Blue, 0.5f);
    EXPECT_EQ(im.log.lines, std::vector<std::string>{"1 valid Lines loaded from file " + im.path});
}

TEST(DxfImport, FacesBecomeQuadsAndTriangles) {
    Import im;
    im.run(dxfFile({
               dxfFace({"0", "0", "0"}, {"1", "0", "0"}, {"1", "1", "0"}, {"0", "1", "0"}),
               // the fourth corner repeats the third, which is a vertex already
               dxfFace({"0", "0", "0"}, {"1", "1", "0"}, {"0", "1", "0"}, {"0", "1", "0"}),
               // the same with a new position
               dxfFace({"0", "0", "0"}, {"1", "0", "0"}, {"0", "0", "9"}, {"0", "0", "9"}),
           }),
           DxfKind::Face);
    const auto& polys = im.project.object.polygons;
    ASSERT_EQ(polys.size(), 3u);
    EXPECT_EQ(polys[0].VertexIndices, indices({0, 1, 2, 3, 0}));
    EXPECT_EQ(polys[0].VertexCount, 5);
    EXPECT_EQ(polys[1].VertexIndices, indices({0, 2, 3, 0}));
    EXPECT_EQ(polys[1].VertexCount, 4);
    EXPECT_EQ(polys[2].VertexIndices, indices({0, 1, 4, 0}));
    EXPECT_EQ(im.project.object.vertices.size(), 5u) << "a repeated new corner is added once";
    RandomColours expected{7};
    for (const ObjectData& p : polys) {
        EXPECT_EQ(p.Red, expected.next());
        EXPECT_EQ(p.Green, expected.next());
        EXPECT_EQ(p.Blue, expected.next());
        EXPECT_EQ(p.TextureIndex, NoTexture);
        EXPECT_TRUE(p.TexCoords.empty());
    }
    EXPECT_EQ(im.log.lines,
              std::vector<std::string>{"3 valid Polygons loaded from file " + im.path});
}

TEST(DxfImport, ATriangleRepeatingAnotherPairOfCornersKeepsItsTurn) {
    // Some writers put the corners in reverse order, so the repeated corner
    // comes first; the triangle keeps the order of the other three.
    Import im;
    im.run(dxfFile({dxfFace({"5", "0", "0"}, {"5", "0", "0"}, {"0", "5", "0"}, {"0", "0", "0"}),
                    dxfFace({"0", "0", "0"}, {"5", "0", "0"}, {"0", "5", "0"}, {"0", "0", "0"})}),
           DxfKind::Face);
    ASSERT_EQ(im.project.object.polygons.size(), 2u);
    EXPECT_EQ(im.project.object.polygons[0].VertexIndices, indices({0, 1, 2, 0}));
    EXPECT_EQ(im.project.object.polygons[1].VertexIndices, indices({2, 0, 1, 2}));
}

TEST(DxfImport, AppendModeAddsTheOffsetAndKeepsWhatWasThere) {
    Import im;
    im.project = sampleProject();
    const std::size_t before = im.project.object.vertices.size();
    im.prompts.offsets.push_back(VertexOffset{10, 0, 0});
    auto r =
        im.run(dxfFile({dxfPoint({"1", "2", "3"}), dxfPoint({"-10", "0", "0"})}), DxfKind::Point);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(im.prompts.offsetQuestions, 1);
    ASSERT_EQ(im.project.object.vertices.size(), before + 1) << "(0, 0, 0) is vertex 0 already";
    expectVertex(im.project.object.vertices.back(), 11, 2, 3);
    EXPECT_EQ(im.project.object.polygons.size(), 3u);
    EXPECT_EQ(im.project.object.textures.size(), 2u);
    EXPECT_EQ(im.log.lines,
              std::vector<std::string>{"1 additional valid Vertices added from file " + im.path});
}

TEST(DxfImport, AppendedLinesAndFacesReuseVerticesAndLines) {
    Import im;
    im.project = sampleProject(); // lines 0-4 and 5-1
    im.prompts.offsets = {VertexOffset{}, VertexOffset{}};
    im.run(dxfFile({dxfLine({"5", "4", "2.5"}, {"0", "0", "0"}),
                    dxfLine({"0", "0", "0"}, {"0", "0", "5"})}),
           DxfKind::Line);
    ASSERT_EQ(im.project.object.lines.size(), 3u) << "the line 4-0 is there already";
    EXPECT_EQ(im.project.object.lines[2].VertexIndices, indices({0, 3}));
    EXPECT_EQ(im.log.lines.back(), "1 additional Lines added from file " + im.path);
    im.run(dxfFile({dxfFace({"0", "0", "0"}, {"10", "0", "0"}, {"7", "7", "7"}, {"7", "7", "7"})}),
           DxfKind::Face);
    EXPECT_EQ(im.project.object.polygons.back().VertexIndices, indices({0, 1, 6, 0}));
    EXPECT_EQ(im.log.lines.back(), "1 additional Polygons added from file " + im.path);
}

TEST(DxfImport, KindThatIsNotInTheFileIsRefused) {
    Import im;
    auto r = im.run(dxfFile({dxfPoint({"1", "2", "3"})}), DxfKind::Line);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.message, "Sorry, no 'LINE' objects in DXF file...");
    EXPECT_TRUE(im.project.object.vertices.empty());
    EXPECT_FALSE(im.project.GeometryPresent);
}

TEST(DxfImport, GroupCodesMayBePaddedAndLinesEndAnyWay) {
    const std::string body =
        "  0|POINT|  8|0| 10|1.5 |  20|-2|30  |3|\t0|POINT|10|7|20|8|30|9|  0|EOF|";
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text = body;
        for (std::size_t at; (at = text.find('|')) != std::string::npos;)
            text.replace(at, 1, end);
        Import im;
        auto r = im.run(text, DxfKind::Point);
        ASSERT_EQ(r.outcome, Outcome::Done) << r.message;
        ASSERT_EQ(im.project.object.vertices.size(), 2u);
        expectVertex(im.project.object.vertices[0], 1.5f, -2, 3);
        expectVertex(im.project.object.vertices[1], 7, 8, 9);
    }
}

TEST(DxfImport, CornersAreFoundByTheirCodesInAnyOrder) {
    // Corners written last to first, and values that look like group codes.
    Import im;
    im.run(crlfLines({"0",  "3DFACE", "8",  "0",  "70", "0",  "13", "10", "23", "11", "33",
                      "12", "12",     "0",  "22", "0",  "32", "0",  "11", "1",  "21", "0",
                      "31", "0",      "10", "11", "20", "10", "30", "0",  "0",  "EOF"}),
           DxfKind::Face);
    const auto& v = im.project.object.vertices;
    ASSERT_EQ(v.size(), 4u);
    expectVertex(v[0], 11, 10, 0);
    expectVertex(v[1], 1, 0, 0);
    expectVertex(v[2], 0, 0, 0);
    expectVertex(v[3], 10, 11, 12);
}

TEST(DxfImport, FlatEntitiesAndThreeCornerFaces) {
    // Z defaults to 0 when an entity has no 30-code; a face without its fourth
    // corner is a triangle.
    Import im;
    im.run(crlfLines({"0", "3DFACE", "10", "0", "20", "0", "11", "4", "21", "0", "12", "0", "22",
                      "4", "0", "EOF"}),
           DxfKind::Face);
    ASSERT_EQ(im.project.object.vertices.size(), 3u);
    expectVertex(im.project.object.vertices[1], 4, 0, 0);
    EXPECT_EQ(im.project.object.polygons.at(0).VertexIndices, indices({0, 1, 2, 0}));
}

TEST(DxfImport, OnlyEntityNamesAfterGroupCodeZeroCount) {
    // A text value or a comment that reads "LINE" is not a LINE entity.
    Import im;
    auto r = im.run(crlfLines({"999", "LINE", "0",    "TEXT", "1",  "LINE", "10", "1",  "20",
                               "1",   "0",    "LINE", "10",   "0",  "20",   "0",  "30", "0",
                               "11",  "1",    "21",   "1",    "31", "1",    "0",  "EOF"}),
                    DxfKind::Line);
    EXPECT_EQ(r.outcome, Outcome::Done) << r.message;
    EXPECT_EQ(im.project.object.lines.size(), 1u);
}
