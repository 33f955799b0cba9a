// Vertex text files: the exact text written, round trips, the two import modes,
// and damaged files that must leave the project exactly as it was.

#include "geometry_text_test_support.hpp"
#include "model/vertex_text_file.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

const std::string kHead =
    crlfLines({"============ Vertex Definition for 3DO ==============",
               "    Following the Keyword \"VertexXYZ\" are blocks",
               "  of Data X,Y,Z, each block preceeded by a blank line",
               "=====================================================", "VertexXYZ"});

Project threeVertices() {
    Project p;
    p.object.vertices = {
        {0.6f, 2, -1.5f, 1}, {std::ldexp(1.0f, -19), -0.0f, 123456.78f, 0}, {-3, 4.25f, 0, 0}};
    p.GeometryPresent = true;
    return p;
}

std::unique_ptr<ImportRun> importText(TempFolder& dir, const std::string& text,
                                      Project start = Project{}) {
    auto run = std::make_unique<ImportRun>();
    run->project = std::move(start);
    writeFile(dir.file("in.vtx"), text);
    run->result = importVertexText(run->project, dir.file("in.vtx"), run->prompts, run->log);
    return run;
}

} // namespace

TEST(VertexTextExport, WritesTheHeaderAndOneBlockPerVertex) {
    TempFolder dir;
    RecordingLog log;
    const std::string path = dir.file("out.vtx");
    ASSERT_EQ(exportVertexText(threeVertices(), path, log).outcome, Outcome::Done);
    EXPECT_EQ(readFile(path),
              kHead + crlfLines({"", "0.600000023841858", "2", "-1.5", "", "1.9073486328125E-6",
                                 "0", "123456.78125", "", "-3", "4.25", "0"}));
    EXPECT_EQ(log.lines, std::vector<std::string>{"3 Vertices saved to file " + path});
}

TEST(VertexTextImport, ReplaceModeSetsGeometryClearsSelectionAndBounds) {
    TempFolder dir;
    auto run = importText(dir, kHead + crlfLines({"", "1", "2", "3", "", "-4", "0.5", "9"}));
    ASSERT_EQ(run->result.outcome, Outcome::Done);
    const Project& p = run->project;
    ASSERT_EQ(p.object.vertices.size(), 2u);
    EXPECT_EQ(p.object.vertices[1].X, -4.0f);
    EXPECT_EQ(p.object.vertices[0].Selected, 0);
    EXPECT_TRUE(p.GeometryPresent);
    EXPECT_EQ(p.bounds.minX, -4.0f);
    EXPECT_EQ(p.bounds.maxZ, 9.0f);
    EXPECT_EQ(p.bounds.centreY, 1.25f);
}

TEST(VertexTextImport, AppendModeAddsTheOffsetAfterTheExistingVertices) {
    TempFolder dir;
    ImportRun run;
    run.project = tenVertexProject();
    run.prompts.offsets.push_back(VertexOffset{1, -2, 0.5f});
    writeFile(dir.file("in.vtx"), kHead + crlfLines({"", "1", "2", "3", "", "4", "5", "6"}));
    run.result = importVertexText(run.project, dir.file("in.vtx"), run.prompts, run.log);
    ASSERT_EQ(run.result.outcome, Outcome::Done);
    const Project& p = run.project;
    ASSERT_EQ(p.object.vertices.size(), 12u);
    EXPECT_EQ(p.object.vertices[10].X, 2.0f);
    EXPECT_EQ(p.object.vertices[10].Y, 0.0f);
    EXPECT_EQ(p.object.vertices[11].Z, 6.5f);
    EXPECT_EQ(p.object.vertices[11].Selected, 0);
    EXPECT_EQ(p.object.vertices[3].Selected, 1) << "existing vertices are left alone";
    EXPECT_EQ(p.object.polygons.size(), 1u);
    EXPECT_EQ(p.object.lines.size(), 1u);
    EXPECT_EQ(p.bounds.maxX, 9.0f);
    EXPECT_EQ(p.bounds.maxZ, 6.5f);
    EXPECT_EQ(run.log.lines, std::vector<std::string>{"2 additional Vertices added from file " +
                                                      dir.file("in.vtx")});
}

TEST(VertexTextImport, OtherLineEndsAndBlanksAroundNumbersAreRead) {
    TempFolder dir;
    for (const std::string& text :
         {std::string("============ Vertex Definition for 3DO ==============\rVertXYZ\r"
                      "VertexXYZ\r\r 1.5\t\r-2\r3E2\r"),
          std::string("============ Vertex Definition for 3DO ==============\nVertexXYZ\n\n"
                      "1.5\n\t-2 \n300")}) {
        auto run = importText(dir, text);
        ASSERT_EQ(run->result.outcome, Outcome::Done) << run->result.message;
        ASSERT_EQ(run->project.object.vertices.size(), 1u);
        EXPECT_EQ(run->project.object.vertices[0].X, 1.5f);
        EXPECT_EQ(run->project.object.vertices[0].Y, -2.0f);
        EXPECT_EQ(run->project.object.vertices[0].Z, 300.0f);
    }
}

TEST(VertexTextImport, OnlyTheFirstKeywordIsFollowed) {
    // A later "VertexXYZ" line would otherwise fill the same vertices again in
    // replace mode but add them a second time in append mode.
    TempFolder dir;
    const std::string text =
        kHead + crlfLines({"", "1", "2", "3", "VertexXYZ", "second", "4", "5", "6"});
    auto replaced = importText(dir, text);
    ASSERT_EQ(replaced->result.outcome, Outcome::Done);
    ASSERT_EQ(replaced->project.object.vertices.size(), 1u);
    EXPECT_EQ(replaced->project.object.vertices[0].X, 1.0f);

    Project start = tenVertexProject();
    auto appended = std::make_unique<ImportRun>();
    appended->project = start;
    appended->prompts.offsets.push_back(VertexOffset{});
    writeFile(dir.file("in.vtx"), text);
    importVertexText(appended->project, dir.file("in.vtx"), appended->prompts, appended->log);
    EXPECT_EQ(appended->project.object.vertices.size(), 11u);
}

TEST(VertexTextImport, FileWithoutVerticesImportsNothing) {
    TempFolder dir;
    auto run = importText(dir, kHead);
    ASSERT_EQ(run->result.outcome, Outcome::Done);
    EXPECT_TRUE(run->project.object.vertices.empty());
    EXPECT_FALSE(run->project.GeometryPresent) << "no vertices, nothing to export or edit";
    EXPECT_EQ(run->log.lines,
              std::vector<std::string>{"0 Vertices loaded from file " + dir.file("in.vtx")});
}

