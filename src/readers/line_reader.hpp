#pragma once
// The converters' text input: a file read the way Windows' text mode reads it
// (a CR before the LF is dropped), handed out line by line, and `readstr`,
// which skips comment lines ("/") and empty lines.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

namespace meshsmith::readers {

inline constexpr std::size_t kMaxLineLength = 254; // characters before the line feed

// A fault in the input that stops the run; the message names the line.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TextSource {
  public:
    // The file's text, or nullopt when it cannot be opened for reading.
    static std::optional<TextSource> open(const std::string& path);
    explicit TextSource(std::string text);

    // The next line with its line feed (one is added to a last line without
    // one); false at the end of the input.
    bool nextLine(std::string& line);
    // Goes back to the first line.
    void rewind();
    // 1-based number of the line last handed out.
    std::size_t lineNumber() const { return lineNumber_; }
    bool atEnd() const { return pos_ >= text_.size(); }
    // The input starts with a UTF-16 byte order mark.
    bool isUtf16() const;

  private:
    std::string text_;
    std::size_t pos_ = 0;
    std::size_t lineNumber_ = 0;
};

// Reads the next significant line into `string`, as every reader does: the
// second character is first set to 'z', so that at the end of the input the
// previous line no longer matches any keyword; then lines are read until one
// does not begin with "/" or a line feed. Returns false at the end of the
// input, leaving `string` as it was apart from the 'z'. A significant line
// longer than kMaxLineLength characters throws InputError naming it.
bool readstr(TextSource& file, std::string& string);

} // namespace meshsmith::readers
