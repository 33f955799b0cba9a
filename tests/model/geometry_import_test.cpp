// What every geometry exchange shares, for each file format (vertex text,
// 3DOText, DXF, another project): a cancelled offset or an unreadable file
// changes nothing, replace mode leaves no table pointing at the old vertices,
// a foreign file is refused, a damaged one fails naming its line and leaves
// the project exactly as it was, before asking anything; an export needs
// geometry, fails without leaving a file, and reads back what it wrote.

#include "dxf_test_support.hpp"
#include "geometry_text_test_support.hpp"
#include "model/dxf_import.hpp"
#include "model/geometry_text_exchange.hpp"
#include "model/project_file.hpp"
#include "model/text3do_file.hpp"
#include "model/vertex_text_file.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

const std::string kVtxHead =
    crlfLines({"============ Vertex Definition for 3DO ==============",
               "    Following the Keyword \"VertexXYZ\" are blocks",
               "  of Data X,Y,Z, each block preceeded by a blank line",
               "=====================================================", "VertexXYZ"});
const std::string kTxtHead = crlfLines({"# 3DO Export", "3", "p 0 0 0", "p 1 0 0", "p 0 1 0"});

struct Fault {
    std::string text, message;
    std::size_t line;
    std::optional<VertexOffset> offset; // asked of a project with geometry; none: any project
};

using Import = std::function<OperationResult(Project&, const std::string&, ScriptedPrompts&,
                                             RecordingLog&)>;
using Export = OperationResult (*)(const Project&, const std::string&, LogSink&);

struct Format {
    const char* name;
    const char* extension;
    std::string oneVertex; // a file of one vertex (the project format: with one polygon)
    Import import;
    bool replaces;                     // a project without geometry takes the file's instead
    std::vector<std::string> foreign;  // refused as not of the format
    std::string refusal;
    std::vector<Fault> faults;
    Export exporter = nullptr; // the formats this editor writes back, with their
    bool keepsPolygons = false; // polygons' corner lists
};

OperationResult importDxfPoints(Project& p, const std::string& path, ScriptedPrompts& prompts,
                                RecordingLog& log) {
    RandomColours colours(3);
    return importDxf(p, path, DxfKind::Point, prompts, log, colours);
}

OperationResult import3DOTextFile(Project& p, const std::string& path, ScriptedPrompts& prompts,
                                  RecordingLog& log) {
    RandomColours colours(3);
    return import3DOText(p, path, prompts, log, colours);
}

std::string oneVertexProject() {
    Project p;
    p.object.vertices = {{1, 2, 3, 0}};
    return projectFileText(p);
}

const std::vector<Format>& formats() {
    static const std::vector<Format> list{
        {"VertexText", "vtx", kVtxHead + crlfLines({"", "1", "2", "3"}),
         [](Project& p, const std::string& path, ScriptedPrompts& prompts, RecordingLog& log) {
             return importVertexText(p, path, prompts, log);
         },
         true,
         {VertexTextHeader + std::string(" \r\nVertexXYZ\r\n\r\n1\r\n2\r\n3\r\n"), "", "\r\n",
          "# 3DO Export\r\n0\r\n"},
         NotVertexTextMessage,
         {{kVtxHead + crlfLines({"", "1", "2", "3", "", "4", "abc", "6"}),
           "'abc' is not a valid floating point value", 12},
          {kVtxHead + crlfLines({"", "1", "", "3", "7", "8", "9", "10"}),
           "'' is not a valid floating point value", 8},
          {kVtxHead + crlfLines({"", "1,5", "2", "3"}), "'1,5' is not a valid floating point value",
           7},
          {kVtxHead + crlfLines({"", "1e39", "2", "3"}),
           "'1e39' is not a valid floating point value", 7},
          // One empty line too many: the count says two vertices, one block follows.
          {kVtxHead + crlfLines({"", "1", "2", "3", ""}),
           "The file has 2 empty lines, one per vertex, but only 1 whole vertex blocks follow "
           "\"VertexXYZ\"",
           10},
          {kVtxHead + crlfLines({"", "1", "2"}),
           "The file has 1 empty lines, one per vertex, but only 0 whole vertex blocks follow "
           "\"VertexXYZ\"",
           6},
          {crlfLines({VertexTextHeader, "", "1", "2", "3"}), "The file has no \"VertexXYZ\" line",
           0},
          {crlfLines({VertexTextHeader, "VertexXYZ", "", "1", "0", "0", "", "3e38", "0", "0"}),
           "The offset moves vertex 1 of the file out of the range of coordinates; choose a "
           "smaller offset",
           8, VertexOffset{3e38f, 0, 0}}},
         exportVertexText},
        {"Text3DO", "txt", crlfLines({"# 3DO Export", "1", "p 0 0 0", "v -1"}), import3DOTextFile,
         true,
         {"# 3DO Export \r\n0\r\nv -1\r\n", "", "\n", "#3DO Export\r\n0\r\n"},
         Not3DOTextMessage,
         {{crlfLines({"# 3DO Export", "2", "p 0 0 0", "p 1 abc 0"}),
           "'abc' is not a valid floating point value", 4},
          {kTxtHead + crlfLines({"v 3 -80808080 0 x 2 ", "v -1"}),
           "'x' is not a valid integer value", 6},
          {kTxtHead + crlfLines({"v 3 -80808080 0 1 2 ", "v 3 -80808080 0 1 3 ", "v -1"}),
           "Vertex index 3 is out of range: the file has 3 vertices", 7},
          {kTxtHead + crlfLines({"v 1 -80808080 -2", "v -1"}),
           "Vertex index -2 is out of range: the file has 3 vertices", 6},
          {kTxtHead + crlfLines({"v three -80808080 0 1 2", "v -1"}),
           "'three' is not a valid integer value", 6},
          {kTxtHead + crlfLines({"v 0 -80808080", "v -1"}),
           "A polygon needs at least one corner, the line gives 0", 6},
          {kTxtHead + crlfLines({"v 4 -80808080 0 1 2 ", "v -1"}),
           "The polygon line gives 4 corners but holds 3 vertex indices", 6},
          {kTxtHead + crlfLines({"v 2147483647 -80808080 0", "v -1"}),
           "The polygon line gives 2147483647 corners but holds 1 vertex indices", 6},
          {kTxtHead + crlfLines({"v", "v -1"}),
           "The polygon line has no corner count; a polygon line reads \"v N -80808080 i1 ... "
           "iN\"",
           6},
          {kTxtHead + crlfLines({"v3 -80808080 0 1 2", "v -1"}),
           "'v3' starts neither a vertex nor a polygon line; a polygon line reads \"v N "
           "-80808080 i1 ... iN\"",
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
          {crlfLines({"# 3DO Export", "2", "p 1 0 0", "p 3e38 0 0", "v -1"}),
           "The offset moves vertex 1 of the file out of the range of coordinates; choose a "
           "smaller offset",
           4, VertexOffset{3e38f, 0, 0}}},
         export3DOText, true},
        {"Dxf", "dxf", dxfFile({dxfPoint({"1", "2", "3"})}), importDxfPoints, true, {}, "", {}},
        {"Project", "3dp", oneVertexProject(), addFromProject, false, {}, "", {}},
    };
    return list;
}

// Names the format in test listings instead of dumping its bytes.
void PrintTo(const Format& f, std::ostream* out) {
    *out << f.name;
}

class GeometryImport : public testing::TestWithParam<Format> {
  protected:
    // Imports `text` (written to a file) into `start`, the offset question
    // answered with `offset` when given.
    ImportRun run(const std::string& text, const Project& start,
                  std::optional<VertexOffset> offset = VertexOffset{}) {
        writeFile(path(), text);
        ImportRun r;
        r.project = start;
        r.prompts.offsets.push_back(offset);
        r.result = GetParam().import(r.project, path(), r.prompts, r.log);
        return r;
    }
    std::string path() const { return dir_.file(std::string("in.") + GetParam().extension); }

  private:
    TempFolder dir_;
};

} // namespace

TEST_P(GeometryImport, CancelledOffsetChangesNothing) {
    const ImportRun r = run(GetParam().oneVertex, tenVertexProject(), std::nullopt);
    EXPECT_EQ(r.result.outcome, Outcome::Cancelled);
    EXPECT_EQ(r.prompts.offsetQuestions, 1);
    EXPECT_EQ(projectFingerprint(r.project), projectFingerprint(tenVertexProject()));
    EXPECT_TRUE(r.log.lines.empty());
}

TEST_P(GeometryImport, UnreadableFileChangesNothing) {
    ImportRun r;
    r.project = tenVertexProject();
    const std::string missing = path() + ".missing";
    r.result = GetParam().import(r.project, missing, r.prompts, r.log);
    EXPECT_EQ(r.result.outcome, Outcome::Failed);
    EXPECT_NE(messageBoxText(r.result).find(missing), std::string::npos) << r.result.message;
    EXPECT_EQ(projectFingerprint(r.project), projectFingerprint(tenVertexProject()));
}

TEST_P(GeometryImport, ReplaceModeLeavesNoTableNamingTheOldVertices) {
    if (!GetParam().replaces) GTEST_SKIP() << "always appends";
    // A project without geometry holds no lines or polygons; should stale ones
    // be there, they must not be left pointing into the new vertex table.
    Project stale = sampleProject();
    stale.GeometryPresent = false;
    stale.SelectedPolygon = 2;
    const ImportRun r = run(GetParam().oneVertex, stale);
    ASSERT_EQ(r.result.outcome, Outcome::Done) << r.result.message;
    EXPECT_EQ(r.prompts.offsetQuestions, 0) << "replace mode asks for no offset";
    EXPECT_EQ(r.project.object.vertices.size(), 1u);
    EXPECT_TRUE(r.project.object.polygons.empty());
    EXPECT_TRUE(r.project.object.lines.empty());
    EXPECT_TRUE(r.project.object.collision.empty());
    EXPECT_EQ(r.project.SelectedPolygon, NoSelection);
    EXPECT_EQ(r.project.object.textures.size(), 2u) << "textures are not geometry";
}

TEST_P(GeometryImport, ForeignFilesAreRefusedBeforeAnyQuestion) {
    if (GetParam().foreign.empty()) GTEST_SKIP() << "no header to tell";
    for (const std::string& text : GetParam().foreign) {
        const ImportRun r = run(text, tenVertexProject());
        EXPECT_EQ(r.result.outcome, Outcome::Refused);
        EXPECT_EQ(r.result.message, GetParam().refusal);
        EXPECT_EQ(r.prompts.offsetQuestions, 0);
        EXPECT_EQ(projectFingerprint(r.project), projectFingerprint(tenVertexProject()));
    }
}

TEST_P(GeometryImport, DamagedFilesFailNamingTheLineAndChangeNothing) {
    if (GetParam().faults.empty()) GTEST_SKIP() << "its faults are tested with its reader";
    for (const Fault& f : GetParam().faults)
        for (const Project& start : {Project{}, tenVertexProject()}) {
            if (f.offset && !start.GeometryPresent) continue;
            const ImportRun r = run(f.text, start, f.offset.value_or(VertexOffset{1, 1, 1}));
            EXPECT_EQ(r.result.outcome, Outcome::Failed) << f.message;
            EXPECT_EQ(r.result.message, f.message);
            const std::string where = f.line ? ", line " + std::to_string(f.line) : "";
            EXPECT_EQ(r.log.lines, std::vector<std::string>{"Error importing " + path() + where +
                                                            ": " + f.message});
            EXPECT_EQ(projectFingerprint(r.project), projectFingerprint(start)) << f.message;
            EXPECT_EQ(r.prompts.offsetQuestions, f.offset ? 1 : 0) << "a damaged file asks nothing";
        }
}

TEST_P(GeometryImport, ExportNeedsGeometryAndLeavesNoFileWhenItFails) {
    if (!GetParam().exporter) GTEST_SKIP() << "written by other tests";
    RecordingLog log;
    Project p = tenVertexProject();
    p.GeometryPresent = false;
    OperationResult r = GetParam().exporter(p, path(), log);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.message, NothingToSaveMessage);
    p = Project{};
    p.GeometryPresent = true;
    EXPECT_EQ(GetParam().exporter(p, path(), log).outcome, Outcome::Refused);
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_TRUE(log.lines.empty());
    const std::string unwritable = path() + "/missing/out";
    r = GetParam().exporter(tenVertexProject(), unwritable, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_NE(messageBoxText(r).find(unwritable), std::string::npos) << r.message;
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].rfind("Error exporting " + unwritable + ": ", 0), 0u);
}

TEST_P(GeometryImport, ExportedGeneratedProjectsReadBackExactly) {
    if (!GetParam().exporter) GTEST_SKIP() << "written by other tests";
    int tried = 0;
    for (std::uint32_t seed = 1; seed < 60; ++seed) {
        const Project original = randomProject(seed);
        if (original.object.vertices.empty()) continue;
        ++tried;
        RecordingLog log;
        ASSERT_EQ(GetParam().exporter(original, path(), log).outcome, Outcome::Done);
        ImportRun r;
        r.result = GetParam().import(r.project, path(), r.prompts, r.log);
        ASSERT_EQ(r.result.outcome, Outcome::Done) << r.result.message;
        ASSERT_EQ(r.project.object.vertices.size(), original.object.vertices.size());
        for (std::size_t k = 0; k < original.object.vertices.size(); ++k) {
            const Vertex &a = r.project.object.vertices[k], &b = original.object.vertices[k];
            EXPECT_TRUE(a.X == b.X && a.Y == b.Y && a.Z == b.Z) << "seed " << seed << ", " << k;
        }
        if (!GetParam().keepsPolygons) continue;
        ASSERT_EQ(r.project.object.polygons.size(), original.object.polygons.size());
        for (std::size_t k = 0; k < original.object.polygons.size(); ++k)
            EXPECT_EQ(r.project.object.polygons[k].VertexIndices,
                      original.object.polygons[k].VertexIndices)
                << "seed " << seed;
        EXPECT_TRUE(referencesAreSound(r.project));
    }
    EXPECT_GT(tried, 40);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, GeometryImport, testing::ValuesIn(formats()),
                         [](const auto& info) { return std::string(info.param.name); });
