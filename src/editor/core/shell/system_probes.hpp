#pragma once
// What this platform can tell about itself without a window system: the
// memory status and the OpenGL libraries loaded into this process. Plain C++;
// each probe answers "unknown" (nullopt, empty list) where the platform has no
// way to tell, and never fails otherwise.

#include "editor/core/shell/system_information.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// Total physical memory and load: /proc/meminfo on Linux, GlobalMemoryStatusEx on Windows.
std::optional<MemoryStatus> readMemoryStatus();

// The loaded libraries of any of `names` (see isLibraryFile), each once, with
// the version their file names carry (Linux: the file the loaded path resolves
// to, "libGL.so.1" -> "libGL.so.1.7.0" -> "1.7.0"). On Windows the module's path only.
std::vector<LibraryVersion> loadedLibraries(const std::vector<std::string>& names);

// The names looked up for the "OpenGL Version:" and "OpenGL Utilities Version:"
// lines. On Linux the OpenGL entry points come from libGL or, with the vendor
// neutral dispatch that Qt uses, from libOpenGL and libGLX.
std::vector<std::string> openGlLibraryNames();
std::vector<std::string> gluLibraryNames();

} // namespace meshsmith
