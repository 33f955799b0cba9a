#pragma once
// The paths and checks of "Write ASE and convert to 3DO": where the converter
// and the project's ASE and 3DO files are, and the refusals made, in order,
// before anything is written.

#include "model/outcome.hpp"
#include "model/project.hpp"

#include <optional>
#include <string>

namespace meshsmith {

// A program of the tool set, which all stand in one folder: `appFolder` (with
// its trailing separator) + `name`, with ".exe" on Windows.
std::string programBeside(const std::string& appFolder, const std::string& name);
// The converter, "3DO-Kiln".
std::string kilnPath(const std::string& appFolder);
// The 3DO viewer of the tool set, "3DO-View"; "Write ASE, Convert and start
// Viewer" needs it (the viewer of the Options, ViewerPath, is another matter).
std::string bundledViewerPath(const std::string& appFolder);

// The project file without its last four characters (the ".3dp") + ".ase".
std::string asePath(const std::string& projectFile);
// ... + ".3do": the file the converter writes beside the ASE file.
std::string threeDoPath(const std::string& projectFile);

// The checks, in this order, each giving its message:
//  1. no vertex: "Not enough Data to write ASE-file !";
//  2. an untextured polygon: "Only entirely textured objects supported so far !";
//  3. the project was never saved (ProjectFile "None"): "Save project first !",
//     as the ASE file is named after the project file;
//  4. the converter is not at kilnPath(appFolder): "3DO-Kiln not found !";
//  5. the project file or `appFolder` holds a space: "Application and/or project
//     file path contains spaces.\rUnable to use 3DOKiln and/or GPL !".
// Done when the build may go on.
OperationResult checkBuild(const Project& p, const std::string& appFolder);

} // namespace meshsmith
