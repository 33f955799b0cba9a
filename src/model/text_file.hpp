#pragma once
// Whole-file text input and output. Reading splits at CR LF, LF or CR; writing
// goes through a temporary file in the target folder that replaces the target
// only when every byte was written, so a failed write never damages a good file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

struct TextLines {
    std::vector<std::string> lines;
    std::string error; // set when the file could not be read
    bool ok() const { return error.empty(); }
};

// Splits text into lines at CR LF, LF or CR; a final line end adds no empty line.
std::vector<std::string> splitLines(std::string_view text);
// The lines joined, each followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

// Reads a whole file. On failure `error` says why, naming the file.
std::optional<std::string> readWholeFile(std::string_view path, std::string* error);
TextLines readTextLines(std::string_view path);

// Writes `contents` to `path` through a temporary file and a rename.
// Returns the error text on failure (the target is then untouched).
std::optional<std::string> writeFileAtomically(std::string_view path, std::string_view contents);

} // namespace meshsmith
