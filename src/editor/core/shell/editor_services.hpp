#pragma once
// What the editor's windows need from the outside world, as interfaces: the
// questions and messages (UserPrompts), the file, folder and colour dialogs,
// and starting outside programs. The program implements them with Qt; window
// tests answer them from a script, so no dialog is ever left blocking a test.

#include "export/launch_plans.hpp"
#include "model/colour_text.hpp"
#include "model/user_interaction.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// One file dialog: its title, its filter entries ("Meshsmith Project [*.3dp]|*.3dp"),
// the entry selected at first (1-based), the default extension of a save
// dialog, and the path it starts at.
// What a file dialog is for: each kind opens in a folder of its own
// (dialog_folders.hpp).
enum class FileKind { Other, Project, Texture, Geometry, Log, Build };

struct FileDialogRequest {
    FileKind kind = FileKind::Other;
    std::string folder; // where it opens when presetPath names no folder; empty: anywhere
    std::string title;
    std::vector<std::string> filters;
    int filterIndex = 1;
    std::string defaultExtension;
    std::string presetPath;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nullopt for Cancel. Save dialogs ask before overwriting.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // A folder (without trailing separator), or nullopt.
    virtual std::optional<std::string> chooseFolder(const std::string& title) = 0;
    // A colour, or nullopt for Cancel.
    virtual std::optional<Colour> chooseColour(Colour start) = 0;
};

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Starts the program detached (not waited for); false when it could not be started.
    virtual bool startDetached(const ProgramLaunch& launch) = 0;
    // Opens a file or web address with the desktop's default handler.
    virtual bool openWithDefaultHandler(const std::string& pathOrUrl) = 0;
};

} // namespace meshsmith
