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

inline const char* kNoProjectDataMessage =
    "      No Vertices defined      \r\r      No project data to save !";

// The name also names the project's folder inside the program folder, so
// besides "Up to 8 Characters allowed !" (unless it has 1 to 8 characters) a
// name that would lead out of that folder or that no file system takes (a
// separator, one of : * ? " < > |, a control character, "." or "..") is
// refused with kBadProjectNameMessage.
inline constexpr const char* kBadProjectNameMessage =
    "A project name cannot contain \\ / : * ? \" < > | and cannot be . or .. !";
OperationResult checkProjectName(const std::string& name);

// Save As: asks for a project name (own folder) or a file and writes the
// project; when Done, ProjectFile is the new file (for the recent list) and
// the view caption names it. A failed write keeps ProjectFile as it was.
// A save that is Done leaves no unsaved changes (edits/edit.hpp).
OperationResult saveProjectAs(ProjectSession& s);
// Save: to ProjectFile with "Project Saved !", or Save As while it is "None".
OperationResult saveProjectCommand(ProjectSession& s);
// Close Project: asks "Save project data ?" when the project holds vertices.
// Cancel, or a save that did not happen (its result is returned), keeps the
// project; otherwise it is reset (Done).
OperationResult closeProject(ProjectSession& s);
// Clear All: reset without a question; a step of the edit history, so Undo
// brings the object back with its file name and options.
void clearAll(ProjectSession& s);
// Open after the file was chosen (the caller closed the project first). When
// Done and the project holds vertices, the view caption names the file.
OperationResult openProject(ProjectSession& s, const std::string& path);
// Add From Project after the file was chosen: asks "OK to add Data from this
// project ?"; one step of the edit history.
OperationResult addFromProjectCommand(ProjectSession& s, const std::string& path);

} // namespace meshsmith
