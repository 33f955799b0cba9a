#pragma once
// The programs the editor starts (the game, the launcher GPLkick, a 3DO
// viewer, a user program, and the tool set's own viewer 3DO-View) and the checks of "Write ASE, Convert and start
// GPL". The editor starts them detached and does not wait; only their command
// lines are fixed, given here as a program and its arguments.

#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

struct ProgramLaunch {
    std::string program;
    std::vector<std::string> arguments;
};

// Where things are, read when a command runs: the program folder (with its
// trailing separator) and the settings keys GPLPath, ViewerPath and UserPath.
struct LaunchSettings {
    std::string appFolder;
    std::string gplPath, viewerPath, userPath;
};

// AppFolder + "GPLkick" (".exe" on Windows).
std::string launcherPath(const std::string& appFolder);

// Splits a command-line text into arguments as Windows programs do: blanks
// separate, double quotes group (and are removed).
std::vector<std::string> splitCommandLine(const std::string& text);

// "Write ASE, Convert and start GPL", checks 1 to 7 in order, each with its
// message; Done when the command may go on.
OperationResult checkConvertAndStart(const Project& p, const LaunchSettings& s);

// Step 8 with "Save 3DO to track-folder:" checked. `invalidFolder` is set when
// TrackFolder is not an existing folder ("Not a valid Track-folder !");
// otherwise `missing` lists, in texture order, the warning texts "Referenced
// file '<name>' does not exist in specified track folder !" of the textures
// whose TrackFolder + name + ".mip" is missing, and `out` is TrackFolder + the
// project's file name without its last 4 characters + ".3do".
struct TrackFolderCheck {
    bool invalidFolder = false;
    std::vector<std::string> missing;
    std::string out;
};
TrackFolderCheck checkTrackFolder(const Project& p);
inline constexpr const char* kProceedAnywayQuestion =
    "One or more referenced files are missing in specified track folder !\rUnable to start GPL "
    "!\r\rProceed anyway ?";

// "Write ASE, Convert and start GPL" up to the conversion: the checks (checkConvertAndStart),
// then with "Save 3DO to track-folder:" checked the track folder (refused when
// it is not one; each missing texture warned of through `prompts`, then "Proceed
// anyway ?"), then, unless Overwrite is set, "Overwrite <file> ?". Done with
// the 3DO's destination in `destination`; Cancelled when the user said No.
OperationResult planGplBuild(const Project& p, const LaunchSettings& s, UserPrompts& prompts,
                             std::string& destination);

// The game: GPLPath alone, or with AdditionalGPLParams (split as a command line).
ProgramLaunch gameLaunch(const std::string& gplPath, const std::string& additionalParams);
// "Start GPL": with "Use additional GPL command-line Parameters" checked and the
// parameters beginning with "-", the game with them; otherwise alone.
ProgramLaunch startGameLaunch(const std::string& gplPath, const ProjectOptions& o);
// "Write ASE, Convert and start Viewer": the tool set's viewer (beside the
// editor) with the built 3DO's full path as its one argument.
ProgramLaunch bundledViewerLaunch(const std::string& appFolder, const std::string& threeDo);
// The launcher: GPLkick with AppFolder + "Meshsmith" (".exe" on Windows), the
// project file and GPLPath, and, when the parameters box is checked,
// AdditionalGPLParams as one more argument (the command line quotes it).
ProgramLaunch launcherLaunch(const LaunchSettings& s, const Project& p);

// "GPL not found !" unless GPLPath names a file.
OperationResult checkStartGame(const LaunchSettings& s);
// "File " + path + " not found !" unless the path names a file.
OperationResult checkStartProgram(const std::string& path);
// For an empty ViewerPath or UserPath (the settings key `key`): the log line
// saying which setting of File > Options to fill; empty otherwise.
std::string emptyProgramSettingLine(const std::string& key, const std::string& path);

} // namespace meshsmith
