// The project commands run in a temporary folder, recorded in
// tests/data/sessions/runs.txt from the runs of runs.steps: each command's
// outcome and the project it leaves, then what was told, asked and logged,
// the textures' files and every file in the folder.

#include "model/project_commands.hpp"
#include "model/text_file.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/step_runs.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;
namespace fs = std::filesystem;

namespace {

struct Run {
    TempFolder dir;
    Project p = sampleProject();
    SaveOptions options;
    ScriptedPrompts prompts;
    RecordingLog log;
    ProjectSession session{p, options, prompts, log};
    std::string out;
    std::map<std::string, std::string> written; // the files the run set up

    void write(const std::string& path, const std::string& text) {
        writeFile(path, text);
        written[fs::path(path).lexically_normal().string()] = text;
    }

    // A word of runs.steps: "<dir>" starts a path in the folder, '' is the empty text.
    std::string path(const std::string& word) const {
        if (word == "''") return "";
        return word.rfind("<dir>", 0) == 0 ? dir.file(word.substr(5)) : word;
    }
    void step(const OperationResult& r) {
        const std::string box = messageBoxText(r); // naming the file and line, if any
        out += "  " + outcomeName(r.outcome) + ": " + (box.empty() ? r.message : box) + "\n";
        const Rgb back = viewColoursOf(p.options).background;
        out += "  project " + p.ProjectFile + ", caption " + p.viewCaption + ", " +
               std::to_string(p.object.vertices.size()) + " vertices, geometry " +
               std::to_string(p.GeometryPresent) +
               ", background " + std::to_string(back.r) + " " + std::to_string(back.b) + "\n";
    }
};

using R = Run&;
using W = const std::vector<std::string>&;

void queue(std::deque<std::optional<std::string>>& answers, R r, W w) {
    for (const std::string& word : w)
        answers.push_back(word == "-" ? std::nullopt : std::optional(r.path(word)));
}

// What each word of runs.steps does.
const std::map<std::string, std::function<void(R, W)>> kOperations = {
    // The folder, the project and the answers
    {"folder", [](R r, W w) { fs::create_directories(r.path(w.at(0))); }},
    {"file", [](R r, W w) { r.write(r.path(w.at(0)), w.size() > 1 ? w[1] : ""); }},
    {"copy",
     [](R r, W w) { r.write(r.path(w.at(1)), readFile(sourcePath("tests/data/" + w[0]))); }},
    {"save", [](R r, W w) { r.write(r.path(w.at(0)), projectFileText(r.p)); }},
    {"lines",
     [](R r, W w) {
         std::string text;
         for (std::size_t k = 1; k < w.size(); ++k)
             text += r.path(w[k]) + "\r\n";
         r.write(r.path(w.at(0)), text);
     }},
    {"new", [](R r, W) { r.p = Project{}; }},
    {"sample", [](R r, W) { r.p = sampleProject(); }},
    {"noGeometry", [](R r, W) { r.p.GeometryPresent = false; }},
    {"projectFile", [](R r, W w) { r.p.ProjectFile = r.path(w.at(0)); }},
    {"longProjectFile", // so long a name that no temporary file can be made beside it
     [](R r, W) {
         r.write(r.p.ProjectFile = r.dir.file(std::string(248, 'k') + ".3dp"), "old contents");
     }},
    {"background", [](R r, W w) { r.p.options.BackgroundColor = w.at(0); }},
    {"textures",
     [](R r, W w) {
         r.p.object.textures.clear();
         for (const std::string& word : w)
             r.p.object.textures.push_back({r.path(word), 0, "", 0, DefaultBackColor});
     }},
    {"polygons", [](R r, W w) { r.p.object.polygons.resize(std::stoul(w.at(0))); }},
    {"triangle",
     [](R r, W) {
         r.p.object.polygons[0] = makePolygon({0, 1, 2});
     }},
    {"noCollision", [](R r, W) { r.p.object.collision.clear(); }},
    {"options",
     [](R r, W w) {
         const auto has = [&](const char* o) { return std::ranges::find(w, o) != w.end(); };
         r.options = {r.path(w.at(0)), has("folder"), has("copy"), has("mip")};
     }},
    {"answers",
     [](R r, W w) {
         for (const std::string& word : w)
             r.prompts.answers.push_back(word == "Yes" ? Answer::Yes : Answer::No);
     }},
    {"names", [](R r, W w) { queue(r.prompts.names, r, w); }},
    {"savePaths", [](R r, W w) { queue(r.prompts.savePaths, r, w); }},
    {"bitmaps", [](R r, W w) { queue(r.prompts.bitmaps, r, w); }},
    {"offset", [](R r, W) { r.prompts.offsets.push_back(VertexOffset{}); }},
    // The commands
    {"saveProjectAs", [](R r, W) { r.step(saveProjectAs(r.session)); }},
    {"saveProjectCommand", [](R r, W) { r.step(saveProjectCommand(r.session)); }},
    {"closeProject", [](R r, W) { r.step(closeProject(r.session)); }},
    {"openProject", [](R r, W w) { r.step(openProject(r.session, r.path(w.at(0)))); }},
    {"loadProject", [](R r, W w) { r.step(loadProject(r.p, r.path(w.at(0)), r.prompts, r.log)); }},
    {"addFromProject",
     [](R r, W w) { r.step(addFromProject(r.p, r.path(w.at(0)), r.prompts, r.log)); }},
    {"addFromProjectCommand",
     [](R r, W w) { r.step(addFromProjectCommand(r.session, r.path(w.at(0)))); }},
};

// The files in the folder, each with its text, or the project's when it is
// that, or "as set up" when the run wrote it and it stayed so.
std::string listing(const Run& r) {
    std::vector<std::string> lines;
    for (const auto& entry : fs::recursive_directory_iterator(r.dir.path())) {
        std::string line = "  file " + fs::relative(entry.path(), r.dir.path()).generic_string();
        const std::string text = entry.is_directory() ? "" : readFile(entry.path().string());
        const auto setUp = r.written.find(entry.path().lexically_normal().string());
        if (entry.is_directory())
            line += "/";
        else if (setUp != r.written.end() && setUp->second == text)
            line += ": as set up";
        else if (text == projectFileText(r.p))
            line += ": the project's text";
        else
            line += ": " + (text.size() > 400
                                ? std::to_string(std::ranges::count(text, '\n')) + " lines"
                                : text);
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const std::string& line : lines)
        out += line + "\n";
    return out;
}

std::string runOf(const StepRun& run) {
    Run r;
    r.out = run.name + "\n";
    for (const std::string& line : run.lines) {
        const std::vector<std::string> w = wordsOf(line);
        const auto found = kOperations.find(w.at(0));
        if (found == kOperations.end())
            ADD_FAILURE() << "no operation " << w[0];
        else
            found->second(r, {w.begin() + 1, w.end()});
    }
    for (const auto& m : r.prompts.messages)
        r.out += "  told: " + m + "\n";
    for (const auto& q : r.prompts.questions)
        r.out += "  asked: " + q + "\n";
    for (const auto& b : r.prompts.reselected)
        r.out += "  reselect: " + b + "\n";
    for (const auto& l : r.log.lines)
        r.out += "  log: " + l + "\n";
    for (const auto& t : r.p.object.textures)
        r.out += "  texture " + t.Filename + " mask " + t.MaskFilename + "\n";
    std::string out = placeholder(r.out + listing(r), r.dir.folder());
    std::replace(out.begin(), out.end(), '\\', '/');
    for (std::size_t at; (at = out.find('\r')) != std::string::npos;)
        out.replace(at, 1, "<CR>");
    // Not the system's words for a failed write, nor all of a name too long for any file system.
    out = std::regex_replace(out, std::regex("(Cannot (create|open) file \"[^\"]*\")\\. [^<\\n]*"),
                             "$1. <the system's reason>");
    return std::regex_replace(out, std::regex("k{248}"), "<248 k>");
}

} // namespace

TEST(ProjectSessions, EveryRunGivesItsRecordedTranscript) {
    expectRecordedRuns("sessions/runs.steps", "sessions/runs.txt", runOf);
}
