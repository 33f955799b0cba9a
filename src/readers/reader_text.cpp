#include "reader_text.hpp"

namespace meshsmith::readers {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
} // namespace

InputError lineError(const TextSource& file, const std::string& what) {
    return InputError("Line " + std::to_string(file.lineNumber()) + ": " + what);
}

std::string trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string_view withoutByteOrderMark(std::string_view line) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    return line.substr(0, bom.size()) == bom ? line.substr(bom.size()) : line;
}

std::optional<std::string> keywordRest(std::string_view line, std::string_view keyword) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (line.substr(i, keyword.size()) != keyword) return std::nullopt;
    i += keyword.size();
    if (i < line.size() && !isBlank(line[i])) return std::nullopt;
    return trimmed(line.substr(i));
}

std::string textureNameOf(const std::string& path) {
    std::string name = extract_filename(trimmed(path));
    // A name without a dot has no extension to lose.
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

std::string folderPart(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string besideFile(const std::string& basePath, const std::string& name) {
    const bool absolute =
        !name.empty() && (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'));
    return absolute ? name : folderPart(basePath) + name;
}

bool holdsControlCharacter(const std::string& name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F' || c == '\xFF') return true;
    return false;
}

const std::string& textureName(const TextSource& file, const std::string& name) {
    if (holdsControlCharacter(name)) throw lineError(file, kControlCharacterInName);
    return name;
}

std::string extract_filename(const std::string& str) {
    const std::size_t slash = str.find_last_of("/\\");
    return slash == std::string::npos ? str : str.substr(slash + 1);
}

} // namespace meshsmith::readers
