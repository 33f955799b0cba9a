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

TEST(VertexTextExport, NeedsGeometryAndReportsWriteFailures) {
    TempFolder dir;
    RecordingLog log;
    Project p = threeVertices();
    p.GeometryPresent = false;
    OperationResult r = exportVertexText(p, dir.file("a.vtx"), log);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.message, "      No Vertices defined      \r\r      Nothing to save !");
    Project noVertices;
    noVertices.GeometryPresent = true;
    EXPECT_EQ(exportVertexText(noVertices, dir.file("a.vtx"), log).outcome, Outcome::Refused);
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.vtx")));
    EXPECT_TRUE(log.lines.empty());

    const std::string unwritable = dir.file("missing/a.vtx");
    r = exportVertexText(threeVertices(), unwritable, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_NE(r.message.find(unwritable), std::string::npos) << r.message;
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].rfind("Error exporting " + unwritable + ": ", 0), 0u);
}

TEST(VertexTextRoundTrip, ReplaceModeGivesBackTheVertices) {
    TempFolder dir;
    for (std::uint32_t seed = 1; seed < 40; ++seed) {
        Project original = randomProject(seed);
        if (original.object.vertices.empty()) continue;
        RecordingLog log;
        ASSERT_EQ(exportVertexText(original, dir.file("rt.vtx"), log).outcome, Outcome::Done);
        ImportRun run;
        run.result = importVertexText(run.project, dir.file("rt.vtx"), run.prompts, run.log);
        ASSERT_EQ(run.result.outcome, Outcome::Done) << run.result.message;
        ASSERT_EQ(run.project.object.vertices.size(), original.object.vertices.size());
        for (std::size_t k = 0; k < original.object.vertices.size(); ++k) {
            EXPECT_EQ(run.project.object.vertices[k].X, original.object.vertices[k].X);
            EXPECT_EQ(run.project.object.vertices[k].Y, original.object.vertices[k].Y);
            EXPECT_EQ(run.project.object.vertices[k].Z, original.object.vertices[k].Z);
        }
        EXPECT_EQ(run.log.lines,
                  std::vector<std::string>{std::to_string(original.object.vertices.size()) +
                                           " Vertices loaded from file " + dir.file("rt.vtx")});
        EXPECT_EQ(run.prompts.offsetQuestions, 0);
    }
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

TEST(VertexTextImport, ReplaceModeEmptiesTablesThatReferToTheOldVertices) {
    // A project without geometry holds no lines or polygons; should stale ones
    // be there, they must not be left pointing into the new vertex table.
    TempFolder dir;
    Project stale = sampleProject();
    stale.GeometryPresent = false;
    stale.SelectedPolygon = 2;
    auto run = importText(dir, kHead + crlfLines({"", "1", "2", "3"}), stale);
    ASSERT_EQ(run->result.outcome, Outcome::Done);
    EXPECT_EQ(run->project.object.vertices.size(), 1u);
    EXPECT_TRUE(run->project.object.polygons.empty());
    EXPECT_TRUE(run->project.object.lines.empty());
    EXPECT_TRUE(run->project.object.collision.empty());
    EXPECT_EQ(run->project.SelectedPolygon, NoSelection);
    EXPECT_EQ(run->project.object.textures.size(), 2u) << "textures are not geometry";
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

TEST(VertexTextImport, CancelledOffsetChangesNothing) {
    TempFolder dir;
    const Project before = tenVertexProject();
    auto run = importText(dir, kHead + crlfLines({"", "1", "2", "3"}), before);
    EXPECT_EQ(run->result.outcome, Outcome::Cancelled);
    EXPECT_EQ(run->prompts.offsetQuestions, 1);
    EXPECT_EQ(projectFingerprint(run->project), projectFingerprint(before));
    EXPECT_TRUE(run->log.lines.empty());
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

TEST(VertexTextImport, WrongHeaderIsRefused) {
    TempFolder dir;
    const std::string header = "============ Vertex Definition for 3DO ==============";
    for (const std::string& text : {header + " \r\nVertexXYZ\r\n\r\n1\r\n2\r\n3\r\n", std::string(),
                                    std::string("\r\n"), std::string("# 3DO Export\r\n0\r\n")}) {
        auto run = importText(dir, text, tenVertexProject());
        EXPECT_EQ(run->result.outcome, Outcome::Refused);
        EXPECT_EQ(run->result.message, "Not a valid Vertex Text file !");
        EXPECT_EQ(run->prompts.offsetQuestions, 0);
        EXPECT_EQ(projectFingerprint(run->project), projectFingerprint(tenVertexProject()));
    }
}

TEST(VertexTextFaults, StopsWithTheLineAndLeavesTheProjectAsItWas) {
    TempFolder dir;
    struct Case {
        std::string text, message;
        std::size_t line;
    } cases[] = {
        {kHead + crlfLines({"", "1", "2", "3", "", "4", "abc", "6"}),
         "'abc' is not a valid floating point value", 12},
        {kHead + crlfLines({"", "1", "", "3", "7", "8", "9", "10"}),
         "'' is not a valid floating point value", 8},
        {kHead + crlfLines({"", "1,5", "2", "3"}), "'1,5' is not a valid floating point value", 7},
        {kHead + crlfLines({"", "1e39", "2", "3"}), "'1e39' is not a valid floating point value",
         7},
        // One empty line too many: the count says two vertices, one block follows.
        {kHead + crlfLines({"", "1", "2", "3", ""}),
         "The file has 2 empty lines, one per vertex, but only 1 whole vertex blocks follow "
         "\"VertexXYZ\"",
         10},
        {kHead + crlfLines({"", "1", "2"}),
         "The file has 1 empty lines, one per vertex, but only 0 whole vertex blocks follow "
         "\"VertexXYZ\"",
         6},
        {crlfLines({"============ Vertex Definition for 3DO ==============", "", "1", "2", "3"}),
         "The file has no \"VertexXYZ\" line", 0},
    };
    for (const auto& c : cases)
        for (Project start : {Project{}, tenVertexProject()}) {
            const std::string before = projectFingerprint(start);
            auto run = std::make_unique<ImportRun>();
            run->project = std::move(start);
            run->prompts.offsets.push_back(VertexOffset{1, 1, 1});
            writeFile(dir.file("bad.vtx"), c.text);
            run->result =
                importVertexText(run->project, dir.file("bad.vtx"), run->prompts, run->log);
            EXPECT_EQ(run->result.outcome, Outcome::Failed) << c.message;
            EXPECT_EQ(run->result.message, c.message);
            const std::string where = c.line ? ", line " + std::to_string(c.line) : "";
            EXPECT_EQ(run->log.lines,
                      std::vector<std::string>{"Error importing " + dir.file("bad.vtx") + where +
                                               ": " + c.message});
            EXPECT_EQ(projectFingerprint(run->project), before) << c.message;
            EXPECT_EQ(run->prompts.offsetQuestions, 0) << "a damaged file asks nothing";
        }
}

TEST(VertexTextFaults, UnreadableFileIsReported) {
    TempFolder dir;
    ImportRun run;
    run.project = tenVertexProject();
    const std::string path = dir.file("missing.vtx");
    run.result = importVertexText(run.project, path, run.prompts, run.log);
    EXPECT_EQ(run.result.outcome, Outcome::Failed);
    EXPECT_NE(run.result.message.find(path), std::string::npos);
    EXPECT_EQ(projectFingerprint(run.project), projectFingerprint(tenVertexProject()));
}
