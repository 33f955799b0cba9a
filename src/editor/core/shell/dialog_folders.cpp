#include "editor/core/shell/dialog_folders.hpp"

#include "model/paths.hpp"
#include "model/project.hpp"

namespace meshsmith {

std::string DialogFolders::folderFor(FileKind kind, const std::string& projectFile) const {
    const std::string projectFolder = projectFile == NoProjectFile ? "" : folderOf(projectFile);
    const auto last = last_.find(kind);
    const std::string remembered = last == last_.end() ? "" : last->second;
    switch (kind) {
    case FileKind::Project:
        return projectFolder.empty() ? remembered : projectFolder;
    case FileKind::Texture:
        return remembered.empty() ? projectFolder : remembered;
    default:
        return remembered;
    }
}

void DialogFolders::remember(FileKind kind, const std::string& chosenPath) {
    const std::string folder = folderOf(chosenPath);
    if (!folder.empty()) last_[kind] = folder;
}

FileDialogRequest FolderKeepingDialogs::placed(FileDialogRequest request) const {
    if (!request.folder.empty()) return request;
    const std::string preset = folderOf(request.presetPath);
    if (!preset.empty() && folderExists(preset)) return request;
    // A proposed file in a folder that is gone (a missing bitmap's) is
    // proposed by its name in the kind's folder.
    request.presetPath = fileNameOf(request.presetPath);
    request.folder = folders_.folderFor(request.kind, projectFile_());
    return request;
}

std::optional<std::string> FolderKeepingDialogs::kept(FileKind kind,
                                                       std::optional<std::string> chosen) {
    if (chosen) folders_.remember(kind, *chosen);
    return chosen;
}

std::optional<std::string> FolderKeepingDialogs::openFile(const FileDialogRequest& request) {
    return kept(request.kind, inner_.openFile(placed(request)));
}

std::optional<std::string> FolderKeepingDialogs::saveFile(const FileDialogRequest& request) {
    return kept(request.kind, inner_.saveFile(placed(request)));
}

} // namespace meshsmith
