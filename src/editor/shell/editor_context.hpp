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
#include "recent_files.hpp"

#include <functional>
#include <string>

namespace meshsmith {

inline constexpr const char* kVersionText = "1.0";

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

    UserPrompts& prompts;
    FileDialogs& files;
    ProgramStarter& starter;

    // Set by the main window: writes a line to the log; asks the view to repaint.
    std::function<void(const std::string&)> addLogLine = [](const std::string&) {};
    std::function<void()> repaintView = [] {};
};

} // namespace meshsmith
