#pragma once
// The 3DOText file (".txt"): vertices and polygons as vertex-index lists, for
// other tools and the user's own scripts.
//
//   # 3DO Export
//   <vertex count>
//   p X Y Z                        one line per vertex
//   v N -80808080 i1 i2 ... iN     one line per polygon, the closing corner left out
//   v -1                           end mark
//
// Written with single spaces and CR LF line ends; on reading, tokens may be
// separated by runs of blanks and tabs and CR LF, LF or CR end the lines.

#include "geometry_text_exchange.hpp"

#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* Text3DOHeader = "# 3DO Export";
inline constexpr const char* Text3DOEndMark = "v -1";
inline constexpr const char* Text3DOColourToken = "-80808080";
inline constexpr const char* Not3DOTextMessage = "Not a valid 3DOText file !";

struct Text3DOFile {
    std::string text;
    std::size_t polygonsLeftOut = 0; // polygons without a single corner
};

// The whole file text: every vertex, then every polygon that has at least one
// corner (a polygon line needs one; the others carry no geometry and are left
// out and counted), then the end mark.
Text3DOFile text3DOFileText(const Project& p);

// Writes the file (created or replaced whole) and logs "Data saved to 3DO Text
// file <path>", after a warning line when polygons were left out. Refused with
// NothingToSaveMessage when the project has no geometry; Failed with the reason
// when it cannot be written.
OperationResult export3DOText(const Project& p, const std::string& path, LogSink& log);

// Reads the lines of a 3DOText file. The first line must be the header and the
// only one of its kind; the second the vertex count, at most the number of
// lines that follow; then exactly that many vertex lines "p X Y Z" (extra
// tokens ignored). Until the end mark (a "v" line whose count begins with "-")
// every "v" line is a polygon of N >= 1 corners whose N indices follow the
// ignored colour token and lie within the file's vertices; more tokens are
// ignored; lines that start with neither "p" nor "v" are skipped, a further "p"
// line is faulty. The end mark must be there (a file without it may be cut
// short); the lines after it are skipped. Faulty, with the 1-based line, on
// anything else.
ReadStatus read3DOText(const std::vector<std::string>& lines, ImportedGeometry& out,
                       FileError& error);

// Imports a 3DOText file: replaces vertices and polygons while the project
// holds no geometry, otherwise appends them, vertices with the offsets asked
// through `prompts` (Cancel: Cancelled, nothing changed) and polygon indices
// shifted by the old vertex count. New polygons are untextured, with random
// colours from `colours` (the editor passes RandomColours::fromClock()).
// A wrong header shows Not3DOTextMessage and is Refused; a file that cannot be
// read or is faulty is reported with its line and Failed; either way the
// project is exactly as before. A Done import sets GeometryPresent and logs
// the vertex and polygon counts; it is one step of the edit history.
OperationResult import3DOText(Project& p, const std::string& path, UserPrompts& prompts,
                              LogSink& log, RandomColours& colours);
// The same for lines already read; `path` names the file in messages.
OperationResult import3DOTextLines(Project& p, const std::vector<std::string>& lines,
                                   const std::string& path, UserPrompts& prompts, LogSink& log,
                                   RandomColours& colours);

} // namespace meshsmith
