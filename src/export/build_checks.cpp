#include "export/build_checks.hpp"

#include "export/ase_writer.hpp"
#include "model/paths.hpp"

namespace meshsmith {

std::string programBeside(const std::string& appFolder, const std::string& name) {
#ifdef _WIN32
    return appFolder + name + ".exe";
#else
    return appFolder + name;
#endif
}

std::string kilnPath(const std::string& appFolder) {
    return programBeside(appFolder, "3DO-Kiln");
}

std::string bundledViewerPath(const std::string& appFolder) {
    return programBeside(appFolder, "3DO-View");
}

std::string asePath(const std::string& projectFile) {
    return withoutLast4(projectFile) + ".ase";
}

std::string threeDoPath(const std::string& projectFile) {
    return withoutLast4(projectFile) + ".3do";
}

OperationResult checkBuild(const Project& p, const std::string& appFolder) {
    if (OperationResult check = checkAseWrite(p); !check.done()) return check;
    if (p.ProjectFile == NoProjectFile) return OperationResult::refused("Save project first !");
    if (!fileExists(kilnPath(appFolder))) return OperationResult::refused("3DO-Kiln not found !");
    if (p.ProjectFile.find(' ') != std::string::npos || appFolder.find(' ') != std::string::npos)
        return OperationResult::refused(
            "Application and/or project file path contains spaces.\rUnable to use 3DOKiln "
            "and/or GPL !");
    return {};
}

} // namespace meshsmith
