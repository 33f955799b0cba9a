#include "bitmap_search.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace meshsmith::viewer {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The file name alone, whichever separator the name was written with.
std::string fileNameOf(const std::string& name) {
    const std::size_t slash = name.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    return fs::path(base).has_extension() ? base : base + ".bmp";
}

std::optional<std::string> inFolder(const fs::path& folder, const std::string& file) {
    std::error_code ec;
    if (fs::is_regular_file(folder / file, ec)) return (folder / file).string();
    const std::string wanted = lowered(file);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (lowered(it->path().filename().string()) == wanted && it->is_regular_file(ec))
            return it->path().string();
    return std::nullopt;
}

} // namespace

std::optional<std::string> findBitmap(const std::string& name,
                                      const std::vector<std::string>& folders) {
    if (name.empty()) return std::nullopt;
    const std::string file = fileNameOf(name);
    for (const std::string& folder : folders)
        if (auto found = inFolder(folder, file)) return found;
    return std::nullopt;
}

std::vector<std::string> bitmapFolders(const std::string& threeDoPath,
                                       const std::vector<std::string>& more) {
    const fs::path parent = fs::path(threeDoPath).parent_path();
    std::vector<std::string> folders{parent.empty() ? std::string(".") : parent.string()};
    for (const std::string& folder : more)
        if (!folder.empty()) folders.push_back(folder);
    return folders;
}

std::string missingBitmapsLine(const std::vector<std::string>& names) {
    std::string line;
    for (const std::string& n : names)
        line += (line.empty() ? "Bitmaps not found: " : ", ") + n;
    return line;
}

} // namespace meshsmith::viewer
