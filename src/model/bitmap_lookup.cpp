#include "bitmap_lookup.hpp"

#include "paths.hpp"

#include <filesystem>

namespace meshsmith {

std::string projectFolderOf(const Project& p) {
    if (p.ProjectFile == NoProjectFile) return {};
    const std::string folder = folderOf(p.ProjectFile);
    return folder.empty() ? std::string(".") + kPathSeparator : folder; // a bare file name
}

std::string bitmapPathOnDisk(const Project& p, const std::string& stored) {
    return nativePath(resolveAgainst(projectFolderOf(p), stored));
}

std::string absoluteBitmapPath(const std::string& folder, const std::string& name) {
    if (name.empty()) return name;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path full = fs::absolute(nativePath(resolveAgainst(folder, name)), ec);
    if (ec) return resolveAgainst(folder, name);
    return pathText(full.lexically_normal());
}

std::string bitmapNameInFile(const std::string& path, const std::string& projectFolder) {
    if (path.empty() || !isAbsolutePath(path) || projectFolder.empty()) return path;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = fs::absolute(nativePath(projectFolder), ec).lexically_normal();
    if (ec) return path;
    const fs::path full = fs::absolute(nativePath(path), ec).lexically_normal();
    if (ec) return path;
    const fs::path relative = full.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..") return path;
    return pathText(relative.generic_string());
}

} // namespace meshsmith
