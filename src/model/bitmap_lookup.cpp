#include "bitmap_lookup.hpp"

#include "paths.hpp"

#include <algorithm>
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

std::optional<std::string> locateBitmap(const std::string& folder, const std::string& name,
                                        const std::string& preferredFolder) {
    if (name.empty()) return std::nullopt;
    for (const std::string& candidate : {preferredFolder + fileNameOf(name), name})
        if (fileExists(resolveAgainst(folder, candidate)))
            return absoluteBitmapPath(folder, candidate);
    return std::nullopt;
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

std::vector<std::string> missingBitmaps(const Project& p) {
    std::vector<std::string> missing;
    const std::string folder = projectFolderOf(p);
    for (const TextureData& t : p.object.textures)
        for (const std::string* path : {&t.Filename, &t.MaskFilename}) {
            if (path->empty() || fileExists(bitmapPathOnDisk(p, *path))) continue;
            std::string name = bitmapNameInFile(*path, folder);
            if (std::find(missing.begin(), missing.end(), name) == missing.end())
                missing.push_back(std::move(name));
        }
    return missing;
}

std::string missingBitmapsText(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string text = names.size() == 1 ? "bitmap " : "bitmaps ";
    for (std::size_t k = 0; k < names.size(); ++k)
        text += (k == 0 ? "" : ", ") + names[k];
    return text + " not found";
}

} // namespace meshsmith
