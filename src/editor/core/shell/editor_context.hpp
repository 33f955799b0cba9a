#pragma once
// The state every window of the editor shares: the one project, the settings
// file and the installation settings read from it, the recent-projects list,
// the program folder, and the services through which windows talk to the user
// and the system. The main window owns it for the whole run.

#include "editor/core/shell/editor_services.hpp"
#include "editor/core/shell/general_options.hpp"
#include "editor/core/shell/ini_file.hpp"
#include "editor/core/shell/recent_files.hpp"
#include "editor/core/view/camera_controls.hpp"
#include "editor/core/view/pick_modes.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"
#include "model/version.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// A window that lists records of the object (vertices, lines, polygons ...):
// its list must be rebuilt whenever the object changes, since a change of
// vertex numbers or an Undo may renumber what it shows.
class RecordList {
  public:
    virtual ~RecordList() = default;
    virtual void refreshList() = 0;
};

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
    // Set by the main window: after a change of the object (an edit, Undo,
    // Redo) every record list is rebuilt, the menus follow, the view repaints.
    std::function<void()> objectChanged = [] {};

    // The open windows that list records (they add and remove themselves).
    std::vector<RecordList*> recordLists;
    void refreshLists() {
        for (RecordList* list : recordLists)
            list->refreshList();
    }
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
