#pragma once
// What every window of the editor shares: the document (the one project, its
// history, selections and pick session), the settings file and the
// installation settings read from it, the recent-projects list, the program
// folder and the settings folder (settings_folder.hpp), the camera's
// controls, and the services through which windows talk to the user and the
// system. The main window owns it for the whole run.

#include "editor/core/document/document.hpp"
#include "editor/core/shell/editor_services.hpp"
#include "editor/core/shell/general_options.hpp"
#include "editor/core/shell/ini_file.hpp"
#include "editor/core/shell/recent_files.hpp"
#include "editor/core/view/camera_controls.hpp"
#include "model/project_file.hpp"
#include "model/user_interaction.hpp"
#include "model/version.hpp"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

struct EditorContext {
    // The settings folder is the program's folder unless given.
    EditorContext(std::string appFolder, UserPrompts& prompts, FileDialogs& files,
                  ProgramStarter& starter, std::string settingsFolder = {})
        : appFolder(std::move(appFolder)),
          settingsFolder(settingsFolder.empty() ? this->appFolder : std::move(settingsFolder)),
          settings(settingsFilePath(this->settingsFolder)), prompts(prompts), files(files),
          starter(starter) {}

    std::string appFolder;      // folder of the program, with its trailing separator
    std::string settingsFolder; // Meshsmith.ini and the recovery copies, with its separator
    IniFile settings;           // settingsFolder + "Meshsmith.ini"
    // A line for the log at start: where the settings are when not beside the program.
    std::string settingsNote;
    // How long after a change the recovery copy of unsaved work is written at the latest.
    std::chrono::milliseconds recoveryDelay = std::chrono::minutes(1);
    GeneralOptions general;
    RecentFiles recent;
    Document document;

    // The camera's bars, preset and rotate buttons (the camera's values are
    // the project's options).
    CameraControls camera;

    // The installation settings that steer saving, as the project commands take them.
    SaveOptions saveOptions() const {
        return {appFolder, general.MakeSubDir, general.CopyBmp, general.MipInfo};
    }

    UserPrompts& prompts;
    FileDialogs& files;
    ProgramStarter& starter;

    // Set by the main window: writes a line to the log.
    std::function<void(const std::string&)> addLogLine = [](const std::string&) {};
    // Why OpenGL cannot serve the view, or nullopt; empty: ask the system.
    std::function<std::optional<std::string>()> openGlProblem;
};

// The editor's log as the operations see it.
class EditorLog : public LogSink {
  public:
    explicit EditorLog(EditorContext& context) : context_(context) {}
    void addLine(const std::string& line) override { context_.addLogLine(line); }

  private:
    EditorContext& context_;
};

} // namespace meshsmith
