#pragma once
// Opening a model file for its reader: the file's text, or why it cannot be
// read as text at all.

#include "line_reader.hpp"

#include <string>

namespace meshsmith::readers {

// The text of the file at `path`. Throws InputError naming the file when it
// cannot be opened or holds UTF-16 text.
TextSource openModelFile(const std::string& path);

// Why a file of UTF-16 text is not read (the converter prints it too).
std::string utf16Refusal(const std::string& path);

} // namespace meshsmith::readers
