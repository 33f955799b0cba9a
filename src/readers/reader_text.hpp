#pragma once
// Pieces every text reader shares: line-numbered errors, keyword lines whose
// value is the rest of the line, texture names of paths and the names a 3DO
// can hold.

#include "line_reader.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace meshsmith::readers {

// "Line 12: <what>" for the line last handed out by `file`.
InputError lineError(const TextSource& file, const std::string& what);

// `text` without leading and trailing white space (blanks, tabs, CR, LF).
std::string trimmed(std::string_view text);

// `line` without a UTF-8 byte order mark at its start.
std::string_view withoutByteOrderMark(std::string_view line);

// When `line` (leading blanks and tabs skipped) starts with `keyword` followed
// by white space or the end of the line: the rest of the line, trimmed. So a
// value may hold blanks ("mtllib mustang impala.mtl"), and "usemtlX" is not a
// "usemtl" line.
std::optional<std::string> keywordRest(std::string_view line, std::string_view keyword);

// The part of `str` after its last "\" or "/", or the whole of it.
std::string extract_filename(const std::string& str);

// The texture name a bitmap path gives: the part after the last "\" or "/",
// without its extension (from the last "."): C:\maps\brick.bmp gives brick,
// .\wal67ar_small.jpg gives wal67ar_small, cars/texture.jpg gives texture.
std::string textureNameOf(const std::string& path);

// The folder part of a path, with its separator ("" for a bare name).
std::string folderPart(const std::string& path);

// `name` as seen from the folder of `basePath`: unchanged when absolute
// ("/x", "\x", "C:..."), else joined to that folder.
std::string besideFile(const std::string& basePath, const std::string& name);

// The message of a name that holds a control character or the byte 0xFF (the
// 3DO's string chunk ends each name with a zero byte and the list with 0xFF).
inline constexpr const char* kControlCharacterInName =
    "a texture or material name holds a control character or the byte 0xFF";
bool holdsControlCharacter(const std::string& name);

// `name` when it can name a texture in a 3DO, else an InputError naming the line.
const std::string& textureName(const TextSource& file, const std::string& name);

} // namespace meshsmith::readers
