#include "project_commands.hpp"

#include "bitmap_lookup.hpp"
#include "paths.hpp"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace meshsmith {
namespace {

// Writes the project to `path`; on failure ProjectFile and ProjectName return
// to what they were and the error is shown.
bool saveTo(ProjectSession& s, const std::string& path, const std::string& name) {
    Project& p = s.project;
    const std::string oldFile = p.ProjectFile, oldName = p.ProjectName;
    const std::string oldFolder = projectFolderOf(p);
    std::vector<TextureData> oldTextures = p.object.textures;
    anchorRelativeBitmaps(p, oldFolder, folderOf(path));
    p.ProjectFile = path;
    p.ProjectName = name;
    if (auto err = saveProject(p, s.saveOptions, s.log)) {
        p.ProjectFile = oldFile;
        p.ProjectName = oldName;
        p.object.textures = std::move(oldTextures);
        s.log.addLine(*err);
        s.prompts.showMessage(*err);
        return false;
    }
    return true;
}

std::optional<std::string> askValidProjectName(UserPrompts& prompts) {
    for (;;) {
        auto name = prompts.askProjectName();
        if (!name) return std::nullopt;
        auto refusal = projectNameRefusal(*name);
        if (!refusal) return name;
        prompts.showMessage(*refusal);
    }
}

FileCommandResult saveAsInOwnFolder(ProjectSession& s) {
    auto name = askValidProjectName(s.prompts);
    if (!name) return {Outcome::Cancelled, "", ""};
    std::string folder = s.saveOptions.AppFolder + *name;
    std::error_code ec;
    if (!std::filesystem::create_directory(nativePath(folder), ec)) {
        s.prompts.showMessage("Unable to create Directory OR Directory already exists !");
        return {Outcome::Refused, "", ""};
    }
    std::string path = withTrailingSeparator(folder) + *name + ".3dp";
    if (!saveTo(s, path, *name)) return {Outcome::Failed, "", ""};
    return {Outcome::Done, *name, path};
}

} // namespace

std::optional<std::string> projectNameRefusal(const std::string& name) {
    if (name.empty() || name.size() > 8) return "Up to 8 Characters allowed !";
    const bool badChar = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 ||
               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    });
    if (badChar || name == "." || name == "..") return kBadProjectNameMessage;
    return std::nullopt;
}

FileCommandResult saveProjectAs(ProjectSession& s) {
    if (!s.project.GeometryPresent) {
        s.prompts.showMessage(kNoProjectDataMessage);
        return {Outcome::Refused, "", ""};
    }
    if (s.saveOptions.MakeSubDir) return saveAsInOwnFolder(s);
    auto path = s.prompts.chooseProjectSavePath();
    if (!path) return {Outcome::Cancelled, "", ""};
    std::string file = fileNameOf(*path);
    if (!saveTo(s, *path, withoutLast4(file))) return {Outcome::Failed, "", ""};
    return {Outcome::Done, file, *path};
}

FileCommandResult saveProjectCommand(ProjectSession& s) {
    Project& p = s.project;
    if (p.ProjectFile == NoProjectFile) return saveProjectAs(s);
    if (auto err = saveProject(p, s.saveOptions, s.log)) {
        s.log.addLine(*err);
        s.prompts.showMessage(*err);
        return {Outcome::Failed, "", ""};
    }
    s.log.addLine("Project Saved !");
    return {Outcome::Done, "", ""};
}

Outcome closeProject(ProjectSession& s) {
    if (s.project.object.vertices.empty()) return Outcome::Done;
    Answer a = s.prompts.askYesNoCancel("Closing Project...", "Save project data ?");
    if (a == Answer::Cancel) return Outcome::Cancelled;
    if (a == Answer::Yes && saveProjectCommand(s).outcome != Outcome::Done)
        return Outcome::Cancelled;
    resetProject(s.project);
    s.log.addLine("Project Closed !");
    return Outcome::Done;
}

void clearAll(ProjectSession& s) {
    resetProject(s.project);
    s.log.addLine("All Data Cleared !");
}

FileCommandResult openProject(ProjectSession& s, const std::string& path) {
    LoadResult r = loadProject(s.project, path, s.prompts, s.log);
    if (r.status != LoadStatus::Loaded) return {Outcome::Failed, "", ""};
    Project& p = s.project;
    if (p.object.vertices.empty()) return {Outcome::Done, "", ""};
    p.viewCaption = fileNameOf(path);
    p.ViewReady = true;
    applyViewColourTexts(p);
    s.log.addLine("");
    s.log.addLine("Project Description:");
    s.log.addLine(p.object.ProjectDescription);
    return {Outcome::Done, p.viewCaption, path};
}

Outcome addFromProjectCommand(ProjectSession& s, const std::string& path) {
    Answer a = s.prompts.askYesNo("Add Data", "Project Description:\r" +
                                                  s.project.object.ProjectDescription + "\r\r" +
                                                  "OK to add Data from this project ?");
    if (a != Answer::Yes) return Outcome::Cancelled;
    AddResult r = addFromProject(s.project, path, s.prompts, s.log);
    switch (r.status) {
    case AddStatus::Added:
        return Outcome::Done;
    case AddStatus::Cancelled:
        return Outcome::Cancelled;
    case AddStatus::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace meshsmith
