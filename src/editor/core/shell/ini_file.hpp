#pragma once
// A Windows private-profile (INI) file: "[Section]" headers and "Key=Value"
// lines. Section and key names compare without regard to letter case; values
// are stored verbatim (no escaping: backslashes and blanks stay as typed). Every
// write updates the file at once, key by key, keeping every other line; a
// missing or unreadable file reads as empty, and write failures are reported
// by the return value only.

#include <string>
#include <utility>
#include <vector>

namespace meshsmith {

class IniFile {
  public:
    explicit IniFile(std::string path);
    const std::string& path() const { return path_; }

    // The value, or `fallback` when the section or key is missing.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // An integer value (a leading decimal number), or `fallback`.
    int readInteger(const std::string& section, const std::string& key, int fallback) const;
    // True for any non-zero number, false for 0; `fallback` when missing or not a number.
    bool readBool(const std::string& section, const std::string& key, bool fallback) const;
    // The keys and values of a section in file order.
    std::vector<std::pair<std::string, std::string>> readSection(const std::string& section) const;

    // Sets a key (adding the section and key when missing); false when the file could not be
    // written.
    bool writeString(const std::string& section, const std::string& key, const std::string& value);
    bool writeInteger(const std::string& section, const std::string& key, int value);
    bool writeBool(const std::string& section, const std::string& key, bool value); // "1" / "0"
    // Removes a section with all its keys.
    bool eraseSection(const std::string& section);

  private:
    std::string path_;
};

} // namespace meshsmith
