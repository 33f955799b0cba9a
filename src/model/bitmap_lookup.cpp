#include "bitmap_lookup.hpp"

#include "paths.hpp"

#include <filesystem>

namespace meshsmith {

std::string projectFolderOf(const Project& p) {
    return p.ProjectFile == NoProjectFile ? std::string() : folderOf(p.ProjectFile);
}

std::string bitmapPathOnDisk(const Project& p, const std::string& stored) {
    return nativePath(resolveAgainst(projectFolderOf(p), stored));
}

namespace {
bool sameFolder(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    auto ca = fs::weakly_canonical(nativePath(a.empty() ? "." : a), ec);
    auto cb = fs::weakly_canonical(nativePath(b.empty() ? "." : b), ec);
    return ca == cb;
}
} // namespace

void anchorRelativeBitmaps(Project& p, const std::string& oldFolder, const std::string& newFolder) {
    if (sameFolder(oldFolder, newFolder)) return;
    namespace fs = std::filesystem;
    auto anchor = [&](std::string& path) {
        if (path.empty() || isAbsolutePath(path)) return;
        std::error_code ec;
        auto abs = fs::absolute(nativePath(resolveAgainst(oldFolder, path)), ec);
        if (!ec) path = pathText(abs.lexically_normal());
    };
    for (auto& t : p.object.textures) {
        anchor(t.Filename);
        anchor(t.MaskFilename);
    }
}

} // namespace meshsmith
