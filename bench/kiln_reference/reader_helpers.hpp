#pragma once
// Small pieces the 3ds Max and OBJ readers share: line-numbered errors,
// keyword lines whose value is the rest of the line, texture names of paths,
// the string table lookup and the finishing steps over the polygon table.

#include "kiln_state.hpp"
#include "line_reader.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace meshsmith::kiln {

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

// The texture name a bitmap path gives: the part after the last "\" or "/",
// without its extension (from the last "."): C:\maps\brick.bmp gives brick,
// .\wal67ar_small.jpg gives wal67ar_small, cars/texture.jpg gives texture.
std::string textureNameOf(const std::string& path);

// The folder part of a path, with its separator ("" for a bare name).
std::string folderPart(const std::string& path);

// `name` as seen from the folder of `basePath`: unchanged when absolute
// ("/x", "\x", "C:..."), else joined to that folder.
std::string besideFile(const std::string& basePath, const std::string& name);

// `name` when it can name a texture in the 3DO: the string chunk ends each
// name with a zero byte and the list with 0xFF, so a name holding a control
// character or 0xFF stops the run with an InputError naming the line.
const std::string& textureName(const TextSource& file, const std::string& name);

// The number of the string-table entry equal to `name`, appended when absent.
// A name holding a control character stops the run (InputError) here too.
std::int32_t findOrAppendString(KilnState& k, const std::string& name);

// Fan-triangulates every live polygon that lies in no plane (it is not flat
// within the plane tolerance), leaving out slivers over collinear vertices,
// and finds the planes of the polygon and its new triangles.
void triangulateNonFlat(KilnState& k);

// Stops the run when no polygon with an area was read: a 3DO without one has
// nothing to draw and no plane to build its tree on.
void requireSomePolygon(const KilnState& k, const std::string& fileKind);

} // namespace meshsmith::kiln
