#include "editor/core/shell/system_probes.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#elif defined(__linux__)
#include <link.h>
#endif

namespace meshsmith {
namespace {

#if defined(__linux__)
// /proc/meminfo is a few kilobytes; the cap only guards against a strange file system.
constexpr std::size_t kMemInfoLimit = 1 << 16;

std::string readLimited(const char* path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char buffer[4096];
    while (in && text.size() < limit) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return text.substr(0, limit);
}

int collectLoadedPath(dl_phdr_info* info, std::size_t, void* data) {
    if (info->dlpi_name && *info->dlpi_name)
        static_cast<std::vector<std::string>*>(data)->emplace_back(info->dlpi_name);
    return 0;
}

std::vector<std::string> loadedPaths() {
    std::vector<std::string> paths;
    dl_iterate_phdr(collectLoadedPath, &paths);
    return paths;
}

// The versioned file a loaded "libGL.so.1" stands for, when the link can be followed.
std::string resolvedName(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(path, ec);
    return ec ? path : real.string();
}
#endif

} // namespace

std::vector<std::string> openGlLibraryNames() {
#if defined(_WIN32)
    return {"opengl32.dll"};
#else
    return {"libGL", "libOpenGL", "libGLX"};
#endif
}

std::vector<std::string> gluLibraryNames() {
#if defined(_WIN32)
    return {"glu32.dll"};
#else
    return {"libGLU"};
#endif
}

std::optional<MemoryStatus> readMemoryStatus() {
#if defined(_WIN32)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status) || status.ullTotalPhys == 0) return std::nullopt;
    return MemoryStatus{status.ullTotalPhys / 1024, static_cast<int>(status.dwMemoryLoad)};
#elif defined(__linux__)
    return parseMemInfo(readLimited("/proc/meminfo", kMemInfoLimit));
#else
    return std::nullopt;
#endif
}

std::vector<LibraryVersion> loadedLibraries(const std::vector<std::string>& names) {
    std::vector<LibraryVersion> found;
#if defined(_WIN32)
    for (const std::string& name : names) {
        std::wstring wide(name.begin(), name.end()); // library names are ASCII
        HMODULE module = GetModuleHandleW(wide.c_str());
        if (!module) continue;
        wchar_t path[MAX_PATH + 1] = {};
        const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
        std::string narrow;
        for (DWORD i = 0; i < length; ++i)
            narrow += path[i] < 128 ? static_cast<char>(path[i]) : '?';
        found.push_back({narrow.empty() ? name : narrow, "", "", "", ""});
    }
#elif defined(__linux__)
    for (const std::string& path : loadedPaths()) {
        const bool wanted = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
            return isLibraryFile(path, name);
        });
        if (!wanted) continue;
        const bool seen = std::any_of(found.begin(), found.end(), [&](const LibraryVersion& lib) {
            return lib.fileName == path;
        });
        if (seen) continue;
        std::string version = sharedObjectVersion(resolvedName(path));
        if (version.empty()) version = sharedObjectVersion(path);
        found.push_back({path, version, "", "", ""});
    }
#else
    (void)names;
#endif
    return found;
}

} // namespace meshsmith
