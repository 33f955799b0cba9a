#include "line_reader.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace meshsmith::readers {

std::optional<TextSource> TextSource::open(const std::string& path) {
    // Only regular files: a folder, a device or a named pipe could hang the run.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return TextSource(s.str());
}

TextSource::TextSource(std::string text) {
    // Text mode drops the CR of every CR LF pair; a lone CR stays.
    text_.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            text_.push_back(text[i]);
}

bool TextSource::nextLine(std::string& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    std::size_t next = end == std::string::npos ? text_.size() : end + 1;
    if (end == std::string::npos) end = text_.size();
    ++lineNumber_;
    line.assign(text_, pos_, end - pos_);
    line.push_back('\n');
    pos_ = next;
    return true;
}

void TextSource::rewind() {
    pos_ = 0;
    lineNumber_ = 0;
}

bool TextSource::isUtf16() const {
    return text_.size() >= 2 && ((text_[0] == '\xFF' && text_[1] == '\xFE') ||
                                 (text_[0] == '\xFE' && text_[1] == '\xFF'));
}

bool readstr(TextSource& file, std::string& string) {
    if (string.size() >= 2) string[1] = 'z';
    std::string line;
    while (file.nextLine(line)) {
        if (line[0] == '/' || line[0] == '\n') continue;
        // A longer line would be cut into pieces that read as lines of their own.
        if (line.size() - 1 > kMaxLineLength)
            throw InputError("Line " + std::to_string(file.lineNumber()) + " is longer than " +
                             std::to_string(kMaxLineLength) + " characters");
        string = line;
        return true;
    }
    return false;
}

} // namespace meshsmith::readers
