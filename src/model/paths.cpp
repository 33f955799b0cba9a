#include "paths.hpp"

#include <cctype>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace meshsmith {
namespace {
bool isSeparator(char c) {
    return c == '\\' || c == '/';
}
} // namespace

std::string fileNameOf(std::string_view path) {
    auto p = path.find_last_of("\\/");
    return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string folderOf(std::string_view path) {
    auto p = path.find_last_of("\\/");
    return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

std::string withoutLast4(std::string_view text) {
    return text.size() <= 4 ? std::string() : std::string(text.substr(0, text.size() - 4));
}

std::string withTrailingSeparator(std::string_view folder) {
    std::string f(folder);
    if (f.empty()) return f;
    while (f.size() > 1 && isSeparator(f.back()) && isSeparator(f[f.size() - 2]))
        f.pop_back();
    if (!isSeparator(f.back())) f += kPathSeparator;
    return f;
}

bool isAbsolutePath(std::string_view path) {
    if (path.empty()) return false;
    if (isSeparator(path[0])) return true;
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

std::string resolveAgainst(std::string_view folder, std::string_view path) {
    if (isAbsolutePath(path) || folder.empty()) return std::string(path);
    return withTrailingSeparator(folder) + std::string(path);
}

std::string nativePath(std::string_view path) {
    std::string p(path);
#ifndef _WIN32
    for (char& c : p)
        if (c == '\\') c = '/';
#endif
    return p;
}

std::string pathText(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& wide = path.native();
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), n, nullptr, nullptr);
    return text;
#else
    return path.string();
#endif
}

bool fileExists(std::string_view path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(nativePath(path), ec);
}

std::string copyFileReplacing(std::string_view from, std::string_view to) {
    namespace fs = std::filesystem;
    const fs::path target(nativePath(to));
    fs::path temp = target;
    temp += ".copying";
    std::error_code ec;
    fs::remove(temp, ec);
    fs::copy_file(fs::path(nativePath(from)), temp, ec);
    if (!ec) fs::rename(temp, target, ec);
    if (!ec) return "";
    std::error_code ignored;
    fs::remove(temp, ignored);
    return ec.message();
}

bool folderExists(std::string_view path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_directory(nativePath(path), ec);
}

bool sameFile(std::string_view a, std::string_view b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto ca = fs::weakly_canonical(fs::absolute(nativePath(a), ec), ec);
    const auto cb = fs::weakly_canonical(fs::absolute(nativePath(b), ec), ec);
    return ca == cb;
}

} // namespace meshsmith
