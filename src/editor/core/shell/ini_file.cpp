#include "editor/core/shell/ini_file.hpp"

#include "model/paths.hpp"
#include "model/text_file.hpp"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace meshsmith {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One line of the file as the profile functions see it.
struct LineKind {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;  // section or key name
    std::string_view value; // key lines only
};

LineKind classify(std::string_view line, bool firstLine) {
    if (firstLine && line.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        line.remove_prefix(kUtf8Bom.size());
    std::string_view t = trimmed(line);
    if (t.empty() || t.front() == ';') return {};
    if (t.front() == '[') {
        auto close = t.rfind(']');
        if (close != std::string_view::npos)
            return {LineKind::Section, trimmed(t.substr(1, close - 1)), {}};
    }
    auto eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    return {LineKind::Key, trimmed(t.substr(0, eq)), trimmed(t.substr(eq + 1))};
}

// The file's lines; nullopt when the file exists but cannot be read (a write
// must then leave it alone rather than replace it by a file of one key).
std::optional<std::vector<std::string>> loadLines(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(nativePath(path), ec)) return std::vector<std::string>{};
    auto data = readWholeFile(path, nullptr);
    if (!data) return std::nullopt;
    return splitLines(*data);
}

std::vector<std::string> linesOrEmpty(const std::string& path) {
    auto lines = loadLines(path);
    return lines ? std::move(*lines) : std::vector<std::string>{};
}

bool store(const std::string& path, const std::vector<std::string>& lines) {
    return !writeFileAtomically(path, joinCrLf(lines)).has_value();
}

// Line range [header, end) of the first section of that name; header is npos when missing.
struct SectionSpan {
    std::size_t header = std::string::npos, end = 0;
};

SectionSpan findSection(const std::vector<std::string>& lines, std::string_view section,
                        std::size_t from = 0) {
    SectionSpan span;
    for (std::size_t i = from; i < lines.size(); ++i) {
        LineKind k = classify(lines[i], i == 0);
        if (k.kind != LineKind::Section) continue;
        if (span.header != std::string::npos) {
            span.end = i;
            return span;
        }
        if (sameName(k.name, section)) span.header = i;
    }
    if (span.header != std::string::npos) span.end = lines.size();
    return span;
}

std::optional<std::string> findValue(const std::vector<std::string>& lines,
                                     std::string_view section, std::string_view key) {
    SectionSpan span = findSection(lines, section);
    if (span.header == std::string::npos) return std::nullopt;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        LineKind k = classify(lines[i], false);
        if (k.kind == LineKind::Key && sameName(k.name, key)) return std::string(k.value);
    }
    return std::nullopt;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Names that would read back as something else are refused: a line break would
// start a new line, "=" would end the key early, "]" would end the section name.
bool writableNames(std::string_view section, std::string_view key) {
    if (section.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos ||
        trimmed(section) != section)
        return false;
    if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos ||
        trimmed(key) != key || key.front() == ';' || key.front() == '[')
        return false;
    return true;
}

// A leading decimal number after optional blanks and sign; values beyond the
// int range saturate. nullopt when there are no digits.
std::optional<int> leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits)
        value =
            std::min<long long>(value * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    if (digits == 0) return std::nullopt;
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    auto value = findValue(linesOrEmpty(path_), section, key);
    return value ? *value : fallback;
}

int IniFile::readInteger(const std::string& section, const std::string& key, int fallback) const {
    auto value = findValue(linesOrEmpty(path_), section, key);
    if (!value) return fallback;
    return leadingInteger(*value).value_or(fallback);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const {
    auto value = findValue(linesOrEmpty(path_), section, key);
    if (!value) return fallback;
    auto number = leadingInteger(*value);
    return number ? *number != 0 : fallback;
}

std::vector<std::pair<std::string, std::string>>
IniFile::readSection(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> result;
    auto lines = linesOrEmpty(path_);
    SectionSpan span = findSection(lines, section);
    if (span.header == std::string::npos) return result;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        LineKind k = classify(lines[i], false);
        if (k.kind == LineKind::Key) result.emplace_back(k.name, k.value);
    }
    return result;
}

bool IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!writableNames(section, key) || hasLineBreak(value)) return false;
    auto loaded = loadLines(path_);
    if (!loaded) return false;
    std::vector<std::string>& lines = *loaded;

    SectionSpan span = findSection(lines, section);
    if (span.header == std::string::npos) {
        // A blank line keeps the new section apart from the one before it.
        if (!lines.empty() && !trimmed(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(key + "=" + value);
        return store(path_, lines);
    }
    std::size_t lastKey = span.header;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        LineKind k = classify(lines[i], false);
        if (k.kind != LineKind::Key) continue;
        if (sameName(k.name, key)) {
            // The key keeps the spelling it has in the file.
            lines[i] = std::string(k.name) + "=" + value;
            return store(path_, lines);
        }
        lastKey = i;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastKey + 1), key + "=" + value);
    return store(path_, lines);
}

bool IniFile::writeInteger(const std::string& section, const std::string& key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

bool IniFile::eraseSection(const std::string& section) {
    auto loaded = loadLines(path_);
    if (!loaded) return false;
    std::vector<std::string>& lines = *loaded;
    bool erased = false;
    // Every section of that name goes, so that no older copy is found in its place.
    for (SectionSpan span = findSection(lines, section); span.header != std::string::npos;
         span = findSection(lines, section, span.header)) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span.header),
                    lines.begin() + static_cast<std::ptrdiff_t>(span.end));
        erased = true;
    }
    return !erased || store(path_, lines);
}

} // namespace meshsmith
