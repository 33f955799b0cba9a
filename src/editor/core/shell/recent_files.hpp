#pragma once
// The recent-projects list: at most 10 full paths, most recent first, kept in
// section "Recent Used Files" of the settings file as keys F0 .. F9.

#include "editor/core/shell/general_options.hpp"
#include "editor/core/shell/ini_file.hpp"

#include <string>
#include <vector>

namespace meshsmith {

class RecentFiles {
  public:
    static constexpr std::size_t kMaxEntries = 10;

    // Another program's list lives in a section of its own.
    explicit RecentFiles(std::string section = kRecentFilesSection)
        : section_(std::move(section)) {}

    // Adds a path at the top; a path already listed moves to the top; an 11th drops the bottom one.
    void add(const std::string& path);
    const std::vector<std::string>& entries() const { return entries_; }

    // Reads F0, F1, ... in order (stopping at the first missing key).
    void load(const IniFile& ini);
    // Erases the section and writes the list anew, top first, numbering F0, F1 ...
    // without gaps; false when the file or an entry (a path holding a line break)
    // could not be written.
    bool save(IniFile& ini) const;

  private:
    std::string section_;
    std::vector<std::string> entries_;
};

} // namespace meshsmith
