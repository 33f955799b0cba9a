#pragma once
// The folder each kind of file dialog opens in, so that one kind of dialog
// never moves another: project dialogs open in the open project's folder (or
// the last folder a project was opened from or saved to), texture dialogs in
// the last texture folder (at first the project's), and every other kind in
// the last folder chosen in a dialog of its kind.

#include "editor/core/shell/editor_services.hpp"

#include <functional>
#include <map>
#include <string>

namespace meshsmith {

class DialogFolders {
  public:
    // The folder a dialog of `kind` opens in while the project's file is
    // `projectFile` (NoProjectFile when it has none); empty: no preference.
    std::string folderFor(FileKind kind, const std::string& projectFile) const;
    // Remembers the folder of a file chosen in a dialog of `kind`.
    void remember(FileKind kind, const std::string& chosenPath);

  private:
    std::map<FileKind, std::string> last_;
};

// The file dialogs of `inner`, each opening in the folder DialogFolders gives
// for its kind (unless its proposed path names a folder) and remembering the
// folder of what was chosen.
class FolderKeepingDialogs : public FileDialogs {
  public:
    FolderKeepingDialogs(FileDialogs& inner, std::function<std::string()> projectFile)
        : inner_(inner), projectFile_(std::move(projectFile)) {}

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title) override {
        return inner_.chooseFolder(title);
    }
    std::optional<Colour> chooseColour(Colour start) override { return inner_.chooseColour(start); }

  private:
    FileDialogRequest placed(FileDialogRequest request) const;
    std::optional<std::string> kept(FileKind kind, std::optional<std::string> chosen);

    FileDialogs& inner_;
    std::function<std::string()> projectFile_;
    DialogFolders folders_;
};

} // namespace meshsmith
