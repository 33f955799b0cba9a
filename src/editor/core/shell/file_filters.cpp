#include "editor/core/shell/file_filters.hpp"

#include "model/paths.hpp"

namespace meshsmith {

const std::vector<std::string>& openFilters() {
    static const std::vector<std::string> filters{
        "AutoCAD R12 DXF [*.dxf]|*.dxf",    "Vertex Text File [*.vtx]|*.vtx",
        "Meshsmith Project [*.3dp]|*.3dp",  "Bitmap [*.bmp]|*.bmp",
        "3DO Text File [*.txt]|*.txt",      "Wavefront OBJ [*.obj]|*.obj",
        "3ds Max ASE Export [*.ase]|*.ase",
    };
    return filters;
}

const std::vector<std::string>& optionsOpenFilters() {
    static const std::vector<std::string> filters{
        "GPL Executable|gpl.exe",
        "3DOKiln Executable|3DOKiln.exe",
        // "*.*" would hide the programs without a dot in their names.
        *kProgramExtension ? std::string("3DO Viewer Application|*.") + kProgramExtension
                           : std::string("3DO Viewer Application|*"),
        "Bitmaps|*.bmp",
        "Track DAT|*.dat",
    };
    return filters;
}

const std::vector<std::string>& saveFilters() {
    static const std::vector<std::string> filters{
        "Meshsmith Project File [*.3dp]|*.3dp", "3DO Text File  [*.txt]|*.txt",
        "Action Log file [*.log]|*.log",        "GPL 3D-Object [*.3do]|*.3do",
        "Ascii Scene Export [*.ase]|*.ase",     "AutoCAD R12 DXF [*.dxf]|*.dxf",
        "Vertex Text File  [*.vtx]|*.vtx",
    };
    return filters;
}

FileDialogRequest openRequest(const std::string& title, OpenFilter filter) {
    FileDialogRequest r;
    r.kind = filter == ProjectOpenFilter  ? FileKind::Project
             : filter == BitmapOpenFilter ? FileKind::Texture
                                          : FileKind::Geometry;
    r.title = title;
    r.filters = openFilters();
    r.filterIndex = filter;
    return r;
}

FileDialogRequest exportRequest(const std::string& title, SaveFilter filter,
                                const std::string& extension, const Project& project,
                                const std::string& lastExportFolder) {
    FileDialogRequest r = saveRequest(filter, extension);
    r.title = title;
    const bool saved = project.ProjectFile != NoProjectFile;
    const std::string folder =
        !lastExportFolder.empty() ? lastExportFolder : saved ? folderOf(project.ProjectFile) : "";
    const std::string name = saved ? withoutLast4(fileNameOf(project.ProjectFile)) : "";
    r.presetPath = name.empty() ? folder : folder + name + "." + extension;
    return r;
}

FileDialogRequest saveRequest(SaveFilter filter, const std::string& defaultExtension) {
    FileDialogRequest r;
    switch (filter) {
    case ProjectSaveFilter:
        r.kind = FileKind::Project;
        break;
    case LogSaveFilter:
        r.kind = FileKind::Log;
        break;
    case ThreeDoSaveFilter:
    case AseSaveFilter:
        r.kind = FileKind::Build;
        break;
    default:
        r.kind = FileKind::Geometry;
    }
    r.filters = saveFilters();
    r.filterIndex = filter;
    r.defaultExtension = defaultExtension;
    return r;
}

} // namespace meshsmith
