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

TEST(Text3DOExport, NeedsGeometryAndLeavesOutPolygonsWithoutCorners) {
    TempFolder dir;
    RecordingLog log;
    Project p;
    p.object.vertices = {{0, 0, 0, 0}};
    OperationResult r = export3DOText(p, dir.file("a.txt"), log);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.message, "      No Vertices defined      \r\r      Nothing to save !");
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.txt")));

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

TEST(Text3DORoundTrip, GeneratedProjectsKeepGeometryAndCornerLists) {
    TempFolder dir;
    int tried = 0;
    for (std::uint32_t seed = 1; seed < 60; ++seed) {
        Project original = randomProject(seed);
        if (original.object.vertices.empty()) continue;
        ++tried;
        RecordingLog log;
        ASSERT_EQ(export3DOText(original, dir.file("rt.txt"), log).outcome, Outcome::Done);
        auto run = importText(dir, readFile(dir.file("rt.txt")));
        ASSERT_EQ(run->result.outcome, Outcome::Done) << run->result.message;
        ASSERT_EQ(run->project.object.vertices.size(), original.object.vertices.size());
        for (std::size_t k = 0; k < original.object.vertices.size(); ++k) {
            EXPECT_EQ(run->project.object.vertices[k].X, original.object.vertices[k].X);
            EXPECT_EQ(run->project.object.vertices[k].Y, original.object.vertices[k].Y);
            EXPECT_EQ(run->project.object.vertices[k].Z, original.object.vertices[k].Z);
        }
        EXPECT_EQ(cornerLists(run->project), cornerLists(original)) << "seed " << seed;
        EXPECT_TRUE(referencesAreSound(run->project));
    }
    EXPECT_GT(tried, 40);
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

TEST(Text3DOImport, CancelledOffsetChangesNothing) {
    TempFolder dir;
    ImportRun run;
    run.project = tenVertexProject();
    writeFile(dir.file("in.txt"), crlfLines({"# 3DO Export", "1", "p 0 0 0", "v -1"}));
    RandomColours colours(1);
    run.result = import3DOText(run.project, dir.file("in.txt"), run.prompts, run.log, colours);
    EXPECT_EQ(run.result.outcome, Outcome::Cancelled);
    EXPECT_EQ(run.prompts.offsetQuestions, 1);
    EXPECT_EQ(projectFingerprint(run.project), projectFingerprint(tenVertexProject()));
    EXPECT_TRUE(run.log.lines.empty());
}

TEST(Text3DOImport, ReplaceModeEmptiesTablesThatReferToTheOldGeometry) {
    TempFolder dir;
    Project stale = sampleProject();
    stale.GeometryPresent = false;
    auto run = importText(dir, crlfLines({"# 3DO Export", "1", "p 0 0 0", "v -1"}), stale);
    ASSERT_EQ(run->result.outcome, Outcome::Done);
    EXPECT_TRUE(run->project.object.polygons.empty());
    EXPECT_TRUE(run->project.object.lines.empty());
    EXPECT_TRUE(run->project.object.collision.empty()) << "collision planes named the old polygons";
    EXPECT_TRUE(referencesAreSound(run->project));
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

TEST(Text3DOImport, WrongHeaderIsRefused) {
    TempFolder dir;
    for (const std::string& text : {std::string("# 3DO Export \r\n0\r\nv -1\r\n"), std::string(),
                                    std::string("\n"), std::string("#3DO Export\r\n0\r\n")}) {
        auto run = importText(dir, text, tenVertexProject());
        EXPECT_EQ(run->result.outcome, Outcome::Refused);
        EXPECT_EQ(run->result.message, "Not a valid 3DOText file !");
        EXPECT_EQ(projectFingerprint(run->project), projectFingerprint(tenVertexProject()));
    }
}

TEST(Text3DOFaults, StopsWithTheLineAndLeavesTheProjectAsItWas) {
    TempFolder dir;
    const std::string head = crlfLines({"# 3DO Export", "3", "p 0 0 0", "p 1 0 0", "p 0 1 0"});
    struct Case {
        std::string text, message;
        std::size_t line;
    } cases[] = {
        {crlfLines({"# 3DO Export", "2", "p 0 0 0", "p 1 abc 0"}),
         "'abc' is not a valid floating point value", 4},
        {head + crlfLines({"v 3 -80808080 0 x 2 ", "v -1"}), "'x' is not a valid integer value", 6},
        {head + crlfLines({"v 3 -80808080 0 1 2 ", "v 3 -80808080 0 1 3 ", "v -1"}),
         "Vertex index 3 is out of range: the file has 3 vertices", 7},
        {head + crlfLines({"v 1 -80808080 -2", "v -1"}),
         "Vertex index -2 is out of range: the file has 3 vertices", 6},
        {head + crlfLines({"v three -80808080 0 1 2", "v -1"}),
         "'three' is not a valid integer value", 6},
        {head + crlfLines({"v 0 -80808080", "v -1"}),
         "A polygon needs at least one corner, the line gives 0", 6},
        {head + crlfLines({"v 4 -80808080 0 1 2 ", "v -1"}),
         "The polygon line gives 4 corners but holds 3 vertex indices", 6},
        {head + crlfLines({"v 2147483647 -80808080 0", "v -1"}),
         "The polygon line gives 2147483647 corners but holds 1 vertex indices", 6},
        {head + crlfLines({"v", "v -1"}),
         "The polygon line has no corner count; a polygon line reads \"v N -80808080 i1 ... iN\"",
         6},
        {head + crlfLines({"v3 -80808080 0 1 2", "v -1"}),
         "'v3' starts neither a vertex nor a polygon line; a polygon line reads \"v N -80808080 "
         "i1 ... iN\"",
         6},
        {crlfLines({"# 3DO Export", "2000000000", "p 0 0 0", "v -1"}),
         "The vertex count 2000000000 is larger than the 2 lines that follow it", 2},
        {crlfLines({"# 3DO Export", "-1", "v -1"}), "The vertex count -1 is negative", 2},
        {crlfLines({"# 3DO Export"}), "The vertex count is missing after \"# 3DO Export\"", 2},
        {crlfLines({"# 3DO Export", "2.5"}), "'2.5' is not a valid integer value", 2},
        // A count larger than the vertex lines would read a polygon line as a vertex.
        {crlfLines({"# 3DO Export", "3", "p 0 0 0", "p 1 0 0", "v 2 -80808080 0 1", "v -1"}),
         "Vertex line 3 of 3 is missing: a vertex line reads \"p X Y Z\"", 5},
        {crlfLines({"# 3DO Export", "1", "p 0 0 0", "p 1 0 0", "v -1"}),
         "A vertex line beyond the 1 vertices that line 2 announces", 4},
        {crlfLines({"# 3DO Export", "1", "p 0 0"}),
         "A vertex needs three coordinates: a vertex line reads \"p X Y Z\"", 3},
        {crlfLines(
             {"# 3DO Export", "1", "p 0 0 0", "v -1", "# 3DO Export", "1", "p 5 5 5", "v -1"}),
         "A second \"# 3DO Export\" header: the file holds more than one export", 5},
        {crlfLines({"# 3DO Export", "1", "p 0 0 0", "# 3DO Export", "v -1"}),
         "A second \"# 3DO Export\" header: the file holds more than one export", 4},
    };
    for (const auto& c : cases)
        for (Project start : {Project{}, tenVertexProject()}) {
            const std::string before = projectFingerprint(start);
            auto run = importText(dir, c.text, std::move(start));
            EXPECT_EQ(run->result.outcome, Outcome::Failed) << c.message;
            EXPECT_EQ(run->result.message, c.message);
            EXPECT_EQ(run->log.lines,
                      std::vector<std::string>{"Error importing " + dir.file("in.txt") + ", line " +
                                               std::to_string(c.line) + ": " + c.message});
            EXPECT_EQ(projectFingerprint(run->project), before) << c.message;
            EXPECT_EQ(run->prompts.offsetQuestions, 0) << "a damaged file asks nothing";
        }
}
