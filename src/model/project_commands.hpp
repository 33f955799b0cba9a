#pragma once
// The file side of the main window's project commands: Open, Save, Save As,
// Add From Project, Close Project and Clear All. The windows show the dialogs
// (through UserPrompts) and apply the returned caption and recent-file entry.

#include "outcome.hpp"
#include "project_file.hpp"

#include <optional>
#include <string>

namespace meshsmith {

struct ProjectSession {
    Project& project;
    const SaveOptions& saveOptions;
    UserPrompts& prompts;
    LogSink& log;
};

struct FileCommandResult {
    Outcome outcome = Outcome::Done;
    std::string caption;     // new view caption when the command set one
    std::string recentEntry; // path to put at the top of the recent-projects list
};

inline const char* kNoProjectDataMessage =
    "      No Vertices defined      \r\r      No project data to save !";

// The name also names the project's folder inside the program folder, so
// besides "Up to 8 Characters allowed !" (unless it has 1 to 8 characters) a
// name that would lead out of that folder or that no file system takes (a
// separator, one of : * ? " < > |, a control character, "." or "..") is
// refused with kBadProjectNameMessage. nullopt for a good name.
inline constexpr const char* kBadProjectNameMessage =
    "A project name cannot contain \\ / : * ? \" < > | and cannot be . or .. !";
std::optional<std::string> projectNameRefusal(const std::string& name);

// Save As: asks for a project name (own folder) or a file, writes the project.
// A failed write keeps ProjectFile as it was and reports the error.
FileCommandResult saveProjectAs(ProjectSession& s);
// Save: to ProjectFile with "Project Saved !", or Save As while it is "None".
FileCommandResult saveProjectCommand(ProjectSession& s);
// Close Project: asks "Save project data ?" when the project holds vertices.
// Cancel, or a save that did not happen, keeps the project; otherwise it is reset.
Outcome closeProject(ProjectSession& s);
// Clear All: reset without a question.
void clearAll(ProjectSession& s);
// Open after the file was chosen (the caller closed the project first).
FileCommandResult openProject(ProjectSession& s, const std::string& path);
// Add From Project after the file was chosen: asks "OK to add Data from this project ?".
Outcome addFromProjectCommand(ProjectSession& s, const std::string& path);

} // namespace meshsmith
