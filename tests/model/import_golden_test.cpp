// Every file under tests/data/imports is imported and the run compared with
// the text kept beside it (<file>.out): outcome, message, questions, log and
// the project afterwards ("unchanged" when it is exactly the starting one,
// "empty" when a new project).
// The file name says how: .vtx, .txt, .<kind>.dxf, .add.3dp or .3dp (a load); a name
// starting "append" imports into the sample project with the offset
// (10, -2, 0.5), "far" with (3e38, 0, 0), "cancel" with the offset dialog
// cancelled; "stale" into the sample project without its geometry flag, whose
// tables the import must replace.

#include "geometry_text_test_support.hpp"
#include "model/dxf_import.hpp"
#include "model/project_file.hpp"
#include "model/text3do_file.hpp"
#include "model/vertex_text_file.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/step_runs.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

bool startsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

OperationResult runImport(const std::string& name, const std::string& path, Project& p,
                          ScriptedPrompts& prompts, RecordingLog& log) {
    RandomColours colours(5);
    const std::string ext = std::filesystem::path(name).extension().string();
    if (ext == ".vtx") return importVertexText(p, path, prompts, log);
    if (ext == ".txt") return import3DOText(p, path, prompts, log, colours);
    const std::string kind = std::filesystem::path(name).stem().extension().string();
    if (ext == ".3dp")
        return kind == ".add" ? addFromProject(p, path, prompts, log)
                              : loadProject(p, path, prompts, log);
    const DxfKind k = kind == ".line"       ? DxfKind::Line
                      : kind == ".face"     ? DxfKind::Face
                      : kind == ".polyline" ? DxfKind::Polyline
                      : kind == ".polyface" ? DxfKind::Polyface
                      : kind == ".all"      ? DxfKind::All
                                            : DxfKind::Point;
    return importDxf(p, path, k, prompts, log, colours);
}

// The run as text, the data folder left out of every path.
std::string describe(const std::string& name, const std::string& folder) {
    Project start = startsWith(name, "append") || startsWith(name, "far") ||
                            startsWith(name, "cancel") || startsWith(name, "stale") ||
                            name.ends_with(".3dp")
                        ? sampleProject()
                        : Project{};
    if (startsWith(name, "stale")) start.GeometryPresent = false;
    Project p = start;
    ScriptedPrompts prompts;
    if (!startsWith(name, "cancel"))
        prompts.offsets.push_back(startsWith(name, "far") ? VertexOffset{3e38f, 0, 0}
                                                          : VertexOffset{10, -2, 0.5f});
    RecordingLog log;
    const OperationResult r = runImport(name, folder + name, p, prompts, log);
    std::string out = outcomeName(r.outcome) + " line " + std::to_string(r.line) + ": " +
                      r.message + "\nquestions " + std::to_string(prompts.offsetQuestions) + "\n";
    for (const auto& m : prompts.messages)
        out += "told: " + m + "\n";
    for (const auto& l : log.lines)
        out += "log: " + l + "\n";
    const std::string now = projectFingerprint(p);
    out += now == projectFingerprint(start)       ? "unchanged\n"
           : now == projectFingerprint(Project{}) ? "empty\n"
                                                  : now;
    if (r.done()) {
        EXPECT_TRUE(referencesAreSound(p)) << name;
        if (name.ends_with(".3dp")) out += "name: " + p.ProjectName + "\n"; // from the file's
    }
    return placeholder(out, folder, "");
}

} // namespace

TEST(ImportGolden, EveryFileGivesItsRecordedRun) {
    const std::string folder = sourcePath("tests/data/imports/");
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".out") || name.ends_with(".bmp")) continue;
        ++cases;
        expectGolden(describe(name, folder), "imports/" + name + ".out");
    }
    EXPECT_GT(cases, 40);
}
