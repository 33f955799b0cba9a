#include "project_commands.hpp"

#include "bitmap_lookup.hpp"
#include "edits/edit.hpp"
#include "paths.hpp"
#include "project_file_reader.hpp"
#include "text_file.hpp"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace meshsmith {
namespace {

// Writes the project to `path`; on failure ProjectFile and ProjectName return
// to what they were.
OperationResult saveTo(ProjectSession& s, const std::string& path, const std::string& name) {
    Project& p = s.project;
    const std::string oldFile = p.ProjectFile, oldName = p.ProjectName;
    const std::string oldFolder = projectFolderOf(p);
    p.ProjectFile = path;
    p.ProjectName = name;
    if (auto err = saveProject(p, s.saveOptions, s.log, oldFolder)) {
        p.ProjectFile = oldFile;
        p.ProjectName = oldName;
        s.log.addLine(*err);
        return OperationResult::failed(*err);
    }
    markSaved(p);
    return {};
}

std::optional<std::string> askValidProjectName(UserPrompts& prompts) {
    for (;;) {
        auto name = prompts.askProjectName();
        if (!name) return std::nullopt;
        const OperationResult check = checkProjectName(*name);
        if (check.done()) return name;
        prompts.showMessage(check.message); // and the dialog asks again
    }
}

OperationResult saveAsInOwnFolder(ProjectSession& s) {
    auto name = askValidProjectName(s.prompts);
    if (!name) return OperationResult::cancelled();
    std::string folder = s.saveOptions.AppFolder + *name;
    std::error_code ec;
    if (!std::filesystem::create_directory(nativePath(folder), ec))
        return OperationResult::refused("Unable to create Directory OR Directory already exists !");
    std::string path = withTrailingSeparator(folder) + *name + ".3dp";
    OperationResult saved = saveTo(s, path, *name);
    if (saved.done()) s.project.viewCaption = *name;
    return saved;
}

} // namespace

OperationResult checkProjectName(const std::string& name) {
    if (name.empty() || name.size() > 8)
        return OperationResult::refused("Up to 8 Characters allowed !");
    const bool badChar = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 ||
               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    });
    if (badChar || name == "." || name == "..")
        return OperationResult::refused(kBadProjectNameMessage);
    return {};
}

OperationResult saveProjectAs(ProjectSession& s) {
    if (!s.project.GeometryPresent) return OperationResult::refused(kNoProjectDataMessage);
    if (s.saveOptions.MakeSubDir) return saveAsInOwnFolder(s);
    auto path = s.prompts.chooseProjectSavePath();
    if (!path) return OperationResult::cancelled();
    std::string file = fileNameOf(*path);
    OperationResult saved = saveTo(s, *path, withoutLast4(file));
    if (saved.done()) s.project.viewCaption = file;
    return saved;
}

OperationResult saveProjectCommand(ProjectSession& s) {
    Project& p = s.project;
    if (p.ProjectFile == NoProjectFile) return saveProjectAs(s);
    if (auto err = saveProject(p, s.saveOptions, s.log)) {
        s.log.addLine(*err);
        return OperationResult::failed(*err);
    }
    markSaved(p);
    s.log.addLine("Project Saved !");
    return {};
}

OperationResult closeProject(ProjectSession& s) {
    if (s.project.object.vertices.empty()) return {};
    Answer a = s.prompts.askYesNoCancel("Closing Project...", "Save project data ?");
    if (a == Answer::Cancel) return OperationResult::cancelled();
    if (a == Answer::Yes) {
        OperationResult saved = saveProjectCommand(s);
        if (!saved.done()) return saved; // the project stays; the save says why
    }
    resetProject(s.project);
    startHistory(s.project);
    s.log.addLine("Project Closed !");
    return {};
}

void clearAll(ProjectSession& s) {
    applyEdit(s.project, "Clear All", [](Project& p) {
        resetProject(p);
        return OperationResult{};
    });
    s.log.addLine("All Data Cleared !");
}

OperationResult openProject(ProjectSession& s, const std::string& path) {
    OperationResult loaded = loadProject(s.project, path, s.prompts, s.log);
    if (!loaded.done()) return loaded;
    Project& p = s.project;
    if (p.object.vertices.empty()) return {};
    p.viewCaption = fileNameOf(path);
    s.log.addLine("");
    s.log.addLine("Project Description:");
    s.log.addLine(p.object.ProjectDescription);
    return {};
}

OperationResult addFromProjectCommand(ProjectSession& s, const std::string& path) {
    const auto add = [&] {
        return applyEdit(s.project, "Add Data From Another Project",
                         [&](Project& p) { return addFromProject(p, path, s.prompts, s.log); });
    };
    // The question shows the description of the project to be added; a file
    // that does not read as a project is refused by the adding, unasked.
    const TextLines file = readTextLines(path);
    ParsedProject parsed;
    FileError error;
    if (!file.ok() || !parseProjectLines(file.lines, SectionChoice::All, parsed, error))
        return add();
    Answer a = s.prompts.askYesNo("Add Data", "Project Description:\r" +
                                                  parsed.data.object.ProjectDescription + "\r\r" +
                                                  "OK to add Data from this project ?");
    if (a != Answer::Yes) return OperationResult::cancelled();
    return add();
}

} // namespace meshsmith
