// What every geometry exchange shares, for each file format (vertex text,
// 3DOText, DXF, another project): a cancelled offset or an unreadable file
// changes nothing, replace mode leaves no table pointing at the old vertices;
// an export needs geometry, fails without leaving a file, and reads back what
// it wrote. Foreign and damaged files are the recorded imports' (ImportGolden).

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

using Import =
    std::function<OperationResult(Project&, const std::string&, ScriptedPrompts&, RecordingLog&)>;
using Export = OperationResult (*)(const Project&, const std::string&, LogSink&);

struct Format {
    const char* name;
    const char* extension;
    std::string oneVertex; // a file of one vertex (the project format: with one polygon)
    Import import;
    bool replaces;              // a project without geometry takes the file's instead
    Export exporter = nullptr;  // the formats this editor writes back, with their
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
        {"VertexText", "vtx", crlfLines({VertexTextHeader, VertexTextKeyword, "", "1", "2", "3"}),
         [](Project& p, const std::string& path, ScriptedPrompts& prompts, RecordingLog& log) {
             return importVertexText(p, path, prompts, log);
         },
         true, exportVertexText},
        {"Text3DO", "txt", crlfLines({"# 3DO Export", "1", "p 0 0 0", "v -1"}), import3DOTextFile,
         true, export3DOText, true},
        {"Dxf", "dxf", dxfFile({dxfPoint({"1", "2", "3"})}), importDxfPoints, true},
        {"Project", "3dp", oneVertexProject(), addFromProject, false},
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
