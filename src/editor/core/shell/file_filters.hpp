#pragma once
// The filter lists of the main window's shared open and save dialogs, and the
// requests of the commands that use them. Entries are "text|pattern".

#include "editor/core/shell/editor_services.hpp"
#include "model/project.hpp"

#include <string>
#include <vector>

namespace meshsmith {

// 1-based entries of the open dialog's filter list.
enum OpenFilter {
    DxfOpenFilter = 1,
    VertexTextOpenFilter,
    ProjectOpenFilter,
    BitmapOpenFilter,
    Text3DOOpenFilter,
    ObjOpenFilter,
    MaxAseOpenFilter
};
// 1-based entries of the save dialog's filter list.
enum SaveFilter {
    ProjectSaveFilter = 1,
    Text3DOSaveFilter,
    LogSaveFilter,
    ThreeDoSaveFilter,
    AseSaveFilter,
    DxfSaveFilter,
    VertexTextSaveFilter
};

// 1-based entries of the Options dialog's open filter list.
enum OptionsFilter {
    GplOptionsFilter = 1,
    KilnOptionsFilter,
    ProgramOptionsFilter, // the viewer and the user program
    BitmapOptionsFilter,
    TrackOptionsFilter
};

// The extension of a program's file: "exe" on Windows; none elsewhere, where
// a program is any file allowed to run.
#ifdef _WIN32
inline constexpr const char* kProgramExtension = "exe";
#else
inline constexpr const char* kProgramExtension = "";
#endif

// "GPL Executable|gpl.exe" ... (5 entries). The programs' entry shows the
// "*.exe" files on Windows and every file elsewhere.
const std::vector<std::string>& optionsOpenFilters();
// "AutoCAD R12 DXF [*.dxf]|*.dxf" ... (7 entries).
const std::vector<std::string>& openFilters();
// "Meshsmith Project File [*.3dp]|*.3dp" ... (7 entries).
const std::vector<std::string>& saveFilters();

// The open dialog with its title and the filter entry selected.
FileDialogRequest openRequest(const std::string& title, OpenFilter filter);
// The save dialog with the filter entry selected and its default extension.
FileDialogRequest saveRequest(SaveFilter filter, const std::string& defaultExtension);

// The save dialog of an export: its own title and file type, proposing the
// project's name with the type's extension in `lastExportFolder`, or beside
// the project file while nothing was exported yet (just the name, or nothing,
// for a project that was never saved).
FileDialogRequest exportRequest(const std::string& title, SaveFilter filter,
                                const std::string& extension, const Project& project,
                                const std::string& lastExportFolder);

} // namespace meshsmith
