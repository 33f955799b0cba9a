#include "editor/core/shell/recent_files.hpp"

#include "editor/core/shell/general_options.hpp"

#include <algorithm>
#include <cctype>

namespace meshsmith {
namespace {

bool sameKey(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const std::string* valueOf(const std::vector<std::pair<std::string, std::string>>& section,
                           const std::string& key) {
    for (const auto& [k, v] : section)
        if (sameKey(k, key)) return &v;
    return nullptr;
}

} // namespace

void RecentFiles::add(const std::string& path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void RecentFiles::load(const IniFile& ini) {
    entries_.clear();
    // One read of the section instead of one file read per key.
    const auto section = ini.readSection(section_);
    for (std::size_t i = 0; entries_.size() < kMaxEntries; ++i) {
        const std::string* path = valueOf(section, "F" + std::to_string(i));
        if (!path) break;
        // Empty values and repeats would show as dead or doubled menu items.
        if (!path->empty() && std::find(entries_.begin(), entries_.end(), *path) == entries_.end())
            entries_.push_back(*path);
    }
}

bool RecentFiles::save(IniFile& ini) const {
    bool ok = ini.eraseSection(section_);
    // Numbers stay consecutive when a path cannot be stored (a line break in
    // it): reading stops at the first missing key, so a gap would lose the rest.
    std::size_t stored = 0;
    for (const std::string& path : entries_) {
        if (ini.writeString(section_, "F" + std::to_string(stored), path))
            ++stored;
        else
            ok = false;
    }
    return ok;
}

} // namespace meshsmith
