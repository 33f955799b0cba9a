#pragma once
// The vertex text file (".vtx"): bare vertex coordinates for other tools and
// the user's own scripts. Four header lines and the keyword "VertexXYZ", then
// for every vertex a block of four lines: an empty line, X, Y and Z. Written
// with CR LF line ends; CR LF, LF or CR accepted on reading.

#include "geometry_text_exchange.hpp"

#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* VertexTextHeader =
    "============ Vertex Definition for 3DO ==============";
inline constexpr const char* VertexTextKeyword = "VertexXYZ";
inline constexpr const char* NotVertexTextMessage = "Not a valid Vertex Text file !";

// The whole file text of the project's vertices, coordinates in the shortest
// form with up to 15 significant digits.
std::string vertexTextFileText(const Project& p);

// Writes the file (created or replaced whole) and logs
// "<n> Vertices saved to file <path>". Refused with NothingToSaveMessage when
// the project has no geometry; Failed with the reason when it cannot be written.
OperationResult exportVertexText(const Project& p, const std::string& path, LogSink& log);

// Reads the lines of a vertex text file. The first line must be the header.
// Every empty line of the file counts one vertex, whose block of four lines
// follows the first "VertexXYZ" line in order. Faulty, with the 1-based line,
// when there is no keyword line, a coordinate does not convert, or the file
// ends before the counted blocks do. Never allocates beyond the file's size.
ReadStatus readVertexText(const std::vector<std::string>& lines, ImportedGeometry& out,
                          FileError& error);

// Imports a vertex text file: replaces the vertices while the project holds no
// geometry, otherwise appends them with the offsets asked through `prompts`
// (Cancel: Cancelled, nothing changed). A wrong header shows
// NotVertexTextMessage and is Refused; a file that cannot be read or is faulty
// is reported with its line and Failed. Either way the project is exactly as
// before; only a Done import changes it. Logs "<n> Vertices loaded from file
// <path>" or "<n> additional Vertices added from file <path>". One step of the
// edit history.
OperationResult importVertexText(Project& p, const std::string& path, UserPrompts& prompts,
                                 LogSink& log);
// The same for lines already read; `path` names the file in messages.
OperationResult importVertexTextLines(Project& p, const std::vector<std::string>& lines,
                                      const std::string& path, UserPrompts& prompts, LogSink& log);

} // namespace meshsmith
