#include "export/launch_plans.hpp"

#include "export/ase_writer.hpp"
#include "export/build_checks.hpp"
#include "model/paths.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

bool hasSpace(const std::string& s) {
    return s.find(' ') != std::string::npos;
}

bool isArgumentBreak(char c) {
    return c == ' ' || c == '\t';
}

// Backslashes before a double quote escape in pairs; elsewhere they are plain.
// Returns the index after the run and whether the quote after it is escaped.
std::size_t takeBackslashes(const std::string& text, std::size_t i, std::string& arg,
                            bool& quoteEscaped) {
    std::size_t start = i;
    while (i < text.size() && text[i] == '\\')
        ++i;
    std::size_t count = i - start;
    bool beforeQuote = i < text.size() && text[i] == '"';
    arg.append(beforeQuote ? count / 2 : count, '\\');
    quoteEscaped = beforeQuote && count % 2 == 1;
    return i;
}

} // namespace

std::string launcherPath(const std::string& appFolder) {
    return programBeside(appFolder, "GPLkick");
}

std::vector<std::string> splitCommandLine(const std::string& text) {
    std::vector<std::string> args;
    std::string arg;
    bool inArgument = false, quoted = false;
    for (std::size_t i = 0; i < text.size();) {
        char c = text[i];
        if (!quoted && isArgumentBreak(c)) {
            if (inArgument) args.push_back(std::move(arg));
            arg.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            bool escaped = false;
            i = takeBackslashes(text, i, arg, escaped);
            if (escaped) {
                arg += '"';
                ++i;
            }
        } else if (c == '"') {
            // Inside quotes a doubled quote stands for one quote character.
            if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                arg += '"';
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
        } else {
            arg += c;
            ++i;
        }
    }
    if (inArgument) args.push_back(std::move(arg));
    return args;
}

OperationResult checkConvertAndStart(const Project& p, const LaunchSettings& s) {
    if (OperationResult check = checkAseWrite(p); !check.done()) return check;
    auto refused = OperationResult::refused;
    if (!fileExists(s.gplPath))
        return refused("GPL.exe not found. Check settings in OPTIONS Menu !");
    if (!fileExists(launcherPath(s.appFolder))) return refused("GPLkick.exe missing !");
    if (p.ProjectFile == NoProjectFile) return refused("Save project first !");
    if (!fileExists(kilnPath(s.appFolder))) return refused("3DO-Kiln not found !");
    if (hasSpace(p.ProjectFile) || hasSpace(s.appFolder) || hasSpace(s.gplPath))
        return refused("Application path, project file path or GPL path contains spaces.\rUnable "
                       "to use 3DOKiln and/or GPL !");
    return {};
}

OperationResult planGplBuild(const Project& p, const LaunchSettings& s, UserPrompts& prompts,
                             std::string& destination) {
    if (OperationResult check = checkConvertAndStart(p, s); !check.done()) return check;
    destination = withoutLast4(p.ProjectFile) + ".3do";
    if (p.options.SaveToTrackFolder) {
        const TrackFolderCheck check = checkTrackFolder(p);
        if (check.invalidFolder) return OperationResult::refused("Not a valid Track-folder !");
        for (const std::string& warning : check.missing)
            prompts.showMessage(warning);
        if (!check.missing.empty() &&
            prompts.askYesNo("Warning", kProceedAnywayQuestion) != Answer::Yes)
            return OperationResult::cancelled();
        destination = check.out;
    }
    if (!p.options.Overwrite &&
        prompts.askYesNo("File exists", "Overwrite " + fileNameOf(destination) + " ?") !=
            Answer::Yes)
        return OperationResult::cancelled();
    return {};
}

TrackFolderCheck checkTrackFolder(const Project& p) {
    TrackFolderCheck check;
    if (!folderExists(p.options.TrackFolder)) {
        check.invalidFolder = true;
        return check;
    }
    // A folder stored without its closing separator would glue the file names to it.
    std::string folder = p.options.TrackFolder;
    if (folder.back() != '\\' && folder.back() != '/') folder = withTrailingSeparator(folder);
    for (const TextureData& t : p.object.textures) {
        std::string mip = withoutLast4(fileNameOf(t.Filename)) + ".mip";
        if (!fileExists(folder + mip))
            check.missing.push_back("Referenced file '" + mip +
                                    "' does not exist in specified track folder !");
    }
    check.out = folder + withoutLast4(fileNameOf(p.ProjectFile)) + ".3do";
    return check;
}

ProgramLaunch gameLaunch(const std::string& gplPath, const std::string& additionalParams) {
    return {gplPath, splitCommandLine(additionalParams)};
}

ProgramLaunch startGameLaunch(const std::string& gplPath, const ProjectOptions& o) {
    bool withParams =
        o.GPLParam && !o.AdditionalGPLParams.empty() && o.AdditionalGPLParams.front() == '-';
    return gameLaunch(gplPath, withParams ? o.AdditionalGPLParams : std::string());
}

ProgramLaunch bundledViewerLaunch(const std::string& appFolder, const std::string& threeDo) {
    return {bundledViewerPath(appFolder), {threeDo}};
}

ProgramLaunch launcherLaunch(const LaunchSettings& s, const Project& p) {
    ProgramLaunch launch{launcherPath(s.appFolder),
                         {programBeside(s.appFolder, "Meshsmith"), p.ProjectFile, s.gplPath}};
    if (p.options.GPLParam) launch.arguments.push_back(p.options.AdditionalGPLParams);
    return launch;
}

OperationResult checkStartGame(const LaunchSettings& s) {
    if (!fileExists(s.gplPath)) return OperationResult::refused("GPL not found !");
    return {};
}

OperationResult checkStartProgram(const std::string& path) {
    if (!fileExists(path)) return OperationResult::refused("File " + path + " not found !");
    return {};
}

std::string emptyProgramSettingLine(const std::string& key, const std::string& path) {
    if (!path.empty()) return {};
    const bool viewer = key == "ViewerPath";
    return std::string(viewer ? "No 3DO viewer" : "No user-defined program") +
           " is set: fill in \"" + (viewer ? "3DO- Viewer Application" : "User-Defined Program") +
           "\" under Program Paths in File > Options";
}

} // namespace meshsmith
