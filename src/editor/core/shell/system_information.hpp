#pragma once
// The text of the About box's "System Information:" pane. The window gathers
// the facts (platform, memory, view, OpenGL); the lines are made here, in plain
// C++, together with the small readers of platform texts they need.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

struct MemoryStatus {
    std::uint64_t totalKilobytes = 0;
    std::optional<int> loadPercent; // share of the memory in use, 0..100; unknown when empty
};

// One loaded OpenGL library: its path and whatever version data this platform
// keeps with it (empty texts are unknown).
struct LibraryVersion {
    std::string fileName;
    std::string fileVersion;
    std::string productName;
    std::string companyName;
    std::string legalCopyright;
};

// The strings of an OpenGL context; extensions in the order they are to be listed.
struct OpenGlStrings {
    std::string renderer;
    std::string vendor;
    std::string version;
    std::vector<std::string> extensions;
};

struct ViewSize {
    int width = 0;
    int height = 0;
};

// Everything the pane tells. Empty texts and empty optionals are unknown and
// shown as such; no combination of missing facts is an error.
struct SystemFacts {
    std::string osName;
    std::string osVersion;
    std::string processor;
    std::optional<MemoryStatus> memory;
    std::optional<ViewSize> viewSize;
    std::optional<OpenGlStrings> openGl; // empty: no context could be made
    std::string openGlLibraryName;       // what was looked for ("libGL, libOpenGL", "opengl32.dll")
    std::vector<LibraryVersion> openGlLibraries;
    std::string gluLibraryName;
    std::vector<LibraryVersion> gluLibraries;
};

// The pane's lines: each section's label line ("Operating System:", "Processor:",
// "RAM:", "Current Dimensions of View Window:", "Renderer:", "Vendor:",
// "Version:", "OpenGL Version:", "Supported OpenGL Extensions:", "OpenGL
// Utilities Version:"), its value lines, and an empty line between sections.
std::vector<std::string> systemInformationLines(const SystemFacts& facts);

// 1234567 -> "1,234,567".
std::string withThousandsSeparators(std::uint64_t value);

// "16,318,032 KB, of which 23% are currently used"; without a load only the
// total; "Unknown" without a status.
std::string memoryText(const std::optional<MemoryStatus>& memory);

// The total and the load from the text of Linux's /proc/meminfo ("MemTotal:",
// "MemAvailable:" in kB; kernels without MemAvailable count MemFree, Buffers
// and Cached as available). Nullopt when there is no usable, non-zero total;
// malformed or overlong lines are skipped.
std::optional<MemoryStatus> parseMemInfo(std::string_view text);

// True when the file named by `path` is the library `name`: for a name ending
// in ".dll" the same file name in any letter case, otherwise the shared object
// name + ".so" with or without version suffixes ("libGL" matches
// "/usr/lib/libGL.so.1" but not "libGLX.so.0" or "libGLU.so.1").
bool isLibraryFile(std::string_view path, std::string_view name);

// The version in a shared object's file name: "libGL.so.1.7.0" -> "1.7.0",
// "libGL.so.1" -> "1"; "" when the name carries none.
std::string sharedObjectVersion(std::string_view path);

} // namespace meshsmith
