#pragma once
// The state every window of the editor shares: the one project, the settings
// file and the installation settings read from it, the recent-projects list,
// the program folder, and the services through which windows talk to the user
// and the system. The main window owns it for the whole run.

#include "editor_services.hpp"
#include "general_options.hpp"
#include "ini_file.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"
#include "model/version.hpp"
#include "recent_files.hpp"
#include "view/camera_controls.hpp"
#include "view/pick_modes.hpp"

#include <functional>
#include <optional>
#include <string>

namespace meshsmith {

struct EditorContext {
    EditorContext(std::string appFolder, UserPrompts& prompts, FileDialogs& files,
                  ProgramStarter& starter)
        : appFolder(std::move(appFolder)), settings(settingsFilePath(this->appFolder)),
          prompts(prompts), files(files), starter(starter) {}

    std::string appFolder; // folder of the program, with its trailing separator
    IniFile settings;      // appFolder + "Meshsmith.ini"
    GeneralOptions general;
    RecentFiles recent;
    Project project;

    // The camera's bars, preset and rotate buttons, and the view's pick modes
    // with the window that takes a finished pick (none yet: picks are dropped).
    CameraControls camera;
    PickModes pickModes;
    PickReceiver* pickReceiver = nullptr;

    UserPrompts& prompts;
    FileDialogs& files;
    ProgramStarter& starter;

    // Set by the main window: writes a line to the log; asks the view to repaint.
    std::function<void(const std::string&)> addLogLine = [](const std::string&) {};
    std::function<void()> repaintView = [] {};
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
