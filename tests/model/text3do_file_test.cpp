// 3DOText files: the exact text written, round trips of vertices and corner
// lists, the two import modes, tokens by position, and damaged files that must
// leave the project exactly as it was.

#include "geometry_text_test_support.hpp"
#include "model/text3do_file.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::unique_ptr<ImportRun> importText(TempFolder& dir, const std::string& text,
                                      Project start = Project{}, std::uint32_t seed = 5) {
    auto run = std::make_unique<ImportRun>();
    run->project = std::move(start);
    if (run->project.GeometryPresent) run->prompts.offsets.push_back(VertexOffset{});
    writeFile(dir.file("in.txt"), text);
    RandomColours colours(seed);
    run->result = import3DOText(run->project, dir.file("in.txt"), run->prompts, run->log, colours);
    return run;
}

std::vector<std::vector<std::int32_t>> cornerLists(const Project& p) {
    std::vector<std::vector<std::int32_t>> out;
    for (const auto& poly : p.object.polygons)
        out.push_back(poly.VertexIndices);
    return out;
}

} // namespace

TEST(Text3DOExport, WritesVerticesPolygonLinesAndTheEndMark) {
    TempFolder dir;
    Project p;
    p.object.vertices = {{0.6f, 2, -1.5f, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}, {0, 1, 0, 0},
                         {0, 0, 3, 0},        {1, 0, 3, 0}, {1, 1, 3, 0}};
    p.object.polygons = {makePolygon({0, 1, 2, 3}), makeTexturedPolygon({4, 5, 6}, 0, {})};
    p.GeometryPresent = true;
    RecordingLog log;
    const std::string path = dir.file("out.txt");
    ASSERT_EQ(export3DOText(p, path, log).outcome, Outcome::Done);
    EXPECT_EQ(readFile(path),
              crlfLines({"# 3DO Export", "7", "p 0.600000023841858 2 -1.5", "p 1 0 0", "p 1 1 0",
                         "p 0 1 0", "p 0 0 3", "p 1 0 3", "p 1 1 3", "v 4 -80808080 0 1 2 3 ",
                         "v 3 -80808080 4 5 6 ", "v -1"}));
    EXPECT_EQ(log.lines, std::vector<std::string>{"Data saved to 3DO Text file " + path});
}

TEST(Text3DOExport, PolygonsWithoutCornersAreLeftOut) {
    TempFolder dir;
    RecordingLog log;
    Project p;
    p.object.vertices = {{0, 0, 0, 0}};
    // "v 0 ..." would not read back as a polygon, and such a record has no shape.
    p.GeometryPresent = true;
    ObjectData empty;
    empty.VertexCount = 1;
    empty.VertexIndices = {0};
    p.object.polygons = {empty, makePolygon({0})};
    ASSERT_EQ(export3DOText(p, dir.file("a.txt"), log).outcome, Outcome::Done);
    EXPECT_EQ(readFile(dir.file("a.txt")),
              crlfLines({"# 3DO Export", "1", "p 0 0 0", "v 1 -80808080 0 ", "v -1"}));
    EXPECT_EQ(log.lines.at(0),
              "Warning: 1 polygon(s) without corners were not written to " + dir.file("a.txt"));
}

TEST(Text3DORoundTrip, QuadComesBackClosedUntexturedWithARandomColour) {
    TempFolder dir;
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}, {0, 1, 0, 0}};
    p.object.polygons = {makeTexturedPolygon({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}})};
    p.GeometryPresent = true;
    RecordingLog log;
    ASSERT_EQ(export3DOText(p, dir.file("quad.txt"), log).outcome, Outcome::Done);

    auto run = importText(dir, readFile(dir.file("quad.txt")), Project{}, 77);
    ASSERT_EQ(run->result.outcome, Outcome::Done) << run->result.message;
    ASSERT_EQ(run->project.object.polygons.size(), 1u);
    const ObjectData& quad = run->project.object.polygons[0];
    EXPECT_EQ(quad.VertexCount, 5);
    EXPECT_EQ(quad.VertexIndices, (std::vector<std::int32_t>{0, 1, 2, 3, 0}));
    EXPECT_EQ(quad.TextureIndex, NoTexture);
    EXPECT_TRUE(quad.TexCoords.empty());
    EXPECT_EQ(quad.Selected, 0);
    RandomColours expected(77);
    EXPECT_EQ(quad.Red, expected.next());
    EXPECT_EQ(quad.Green, expected.next());
    EXPECT_EQ(quad.Blue, expected.next());
    EXPECT_TRUE(run->project.GeometryPresent);
    EXPECT_TRUE(run->project.ViewReady);
    EXPECT_EQ(run->project.bounds.maxY, 1.0f);
    EXPECT_EQ(run->log.lines,
              (std::vector<std::string>{"4 Vertices loaded from file " + dir.file("in.txt"),
                                        "1 Polygons loaded from file " + dir.file("in.txt")}));
}

TEST(Text3DOImport, AppendedPolygonsReferToTheAppendedVertices) {
    TempFolder dir;
    ImportRun run;
    run.project = tenVertexProject();
    run.prompts.offsets.push_back(VertexOffset{100, 0, -1});
    writeFile(dir.file("in.txt"), crlfLines({"# 3DO Export", "3", "p 0 0 0", "p 1 0 0", "p 0 1 0",
                                             "v 3 -80808080 0 1 2 ", "v -1"}));
    RandomColours colours(1);
    run.result = import3DOText(run.project, dir.file("in.txt"), run.prompts, run.log, colours);
    ASSERT_EQ(run.result.outcome, Outcome::Done) << run.result.message;
    const Project& p = run.project;
    ASSERT_EQ(p.object.vertices.size(), 13u);
    EXPECT_EQ(p.object.vertices[11].X, 101.0f);
    EXPECT_EQ(p.object.vertices[12].Z, -1.0f);
    ASSERT_EQ(p.object.polygons.size(), 2u);
    EXPECT_EQ(p.object.polygons[0].VertexIndices, (std::vector<std::int32_t>{0, 1, 2, 0}));
    EXPECT_EQ(p.object.polygons[1].VertexIndices, (std::vector<std::int32_t>{10, 11, 12, 10}));
    EXPECT_EQ(p.object.lines.size(), 1u);
    EXPECT_EQ(p.bounds.maxX, 101.0f);
    EXPECT_EQ(run.log.lines, (std::vector<std::string>{
                                 "3 additional Vertices added from file " + dir.file("in.txt"),
                                 "1 new Polygons added from file " + dir.file("in.txt")}));
}

TEST(Text3DOImport, TokensAreTakenByPositionWhateverTheirWidth) {
    // Runs of blanks and tabs separate tokens too; a 12-corner line is read
    // like a 3-corner one, by the position of its tokens.
    TempFolder dir;
    std::string text = "# 3DO Export\r\n 12\t \r\n";
    for (int i = 0; i < 12; ++i)
        text += "p\t" + std::to_string(i) + "  0\t\t-1 \r\n";
    text += "v 12 -80808080";
    for (int i = 11; i >= 0; --i)
        text += " " + std::to_string(i);
    text += " \r\n  v  3 \t-80808080 0   1\t2\r\nv\t-1\r\n";
    auto run = importText(dir, text);
    ASSERT_EQ(run->result.outcome, Outcome::Done) << run->result.message;
    const Project& p = run->project;
    ASSERT_EQ(p.object.vertices.size(), 12u);
    EXPECT_EQ(p.object.vertices[7].X, 7.0f);
    EXPECT_EQ(p.object.vertices[7].Z, -1.0f);
    ASSERT_EQ(p.object.polygons.size(), 2u);
    EXPECT_EQ(p.object.polygons[0].VertexCount, 13);
    EXPECT_EQ(p.object.polygons[0].VertexIndices,
              (std::vector<std::int32_t>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 11}));
    EXPECT_EQ(p.object.polygons[1].VertexIndices, (std::vector<std::int32_t>{0, 1, 2, 0}));
}

TEST(Text3DOImport, LinesOfOtherKindsAndExtraTokensAreSkipped) {
    TempFolder dir;
    auto run = importText(dir, "# 3DO Export\r3\rp 0 0 0 1.0\rp 1 0 0\rp 0 1 0\r\r; a note\r"
                               "v 2 -80808080 0 1 2 \rv -1\rv 3 -80808080 0 1 99\rgarbage\r");
    ASSERT_EQ(run->result.outcome, Outcome::Done) << run->result.message;
    ASSERT_EQ(run->project.object.polygons.size(), 1u);
    EXPECT_EQ(run->project.object.polygons[0].VertexIndices, (std::vector<std::int32_t>{0, 1, 0}));
}

