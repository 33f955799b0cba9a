// What every geometry exchange shares, for each file format (vertex text,
// 3DOText, DXF, another project): an unreadable file changes nothing; an
// export needs geometry, fails without leaving a file, and reads back what it
// wrote. Foreign and damaged files, a cancelled offset and replace mode are
// the recorded imports' (ImportGolden: the cancel.* and stale.* files).

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
    Import import;
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

const std::vector<Format>& formats() {
    static const std::vector<Format> list{
        {"VertexText", "vtx",
         [](Project& p, const std::string& path, ScriptedPrompts& prompts, RecordingLog& log) {
             return importVertexText(p, path, prompts, log);
         },
         exportVertexText},
        {"Text3DO", "txt", import3DOTextFile, export3DOText, true},
        {"Dxf", "dxf", importDxfPoints},
        {"Project", "3dp", addFromProject},
    };
    return list;
}

// Names the format in test listings instead of dumping its bytes.
void PrintTo(const Format& f, std::ostream* out) {
    *out << f.name;
}

class GeometryImport : public testing::TestWithParam<Format> {
  protected:
    std::string path() const { return dir_.file(std::string("in.") + GetParam().extension); }

  private:
    TempFolder dir_;
};

} // namespace

TEST_P(GeometryImport, UnreadableFileChangesNothing) {
    ImportRun r;
    r.project = tenVertexProject();
    const std::string missing = path() + ".missing";
    r.result = GetParam().import(r.project, missing, r.prompts, r.log);
    EXPECT_EQ(r.result.outcome, Outcome::Failed);
    EXPECT_NE(messageBoxText(r.result).find(missing), std::string::npos) << r.result.message;
    EXPECT_EQ(projectFingerprint(r.project), projectFingerprint(tenVertexProject()));
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
