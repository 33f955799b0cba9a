#pragma once
// Parsing of project file lines into a fresh Project, shared by the load and
// the add-from-project operations. Parsing has no side effects: bitmaps are
// looked up and the user asked only after the whole file has been read.

#include "file_error.hpp"
#include "project.hpp"

#include <string>
#include <vector>

namespace meshsmith {

enum class SectionChoice {
    All,      // a whole project (load)
    Geometry, // Vertices, Textures, TextureBackColors, Lines and Polygons only (add)
};

struct ParsedProject {
    Project data;
    bool hasVertices = false;
    bool hasTextures = false;
    std::vector<std::string> warnings;
    // 1-based file line where each record starts, for messages.
    std::vector<std::size_t> lineOfVertex, lineOfLine, lineOfPolygon, lineOfVisLine;
};

inline constexpr const char* kNotAProjectMessage =
    "This is not a Meshsmith project file: it has no \"Vertices\" section.";

// Reads the sections in file order. Lines consumed as section data are never
// taken as keywords. Returns false and fills `error` when a value does not
// convert, a count is negative, the file ends inside a section, or it has no
// "Vertices" section (every project file has one: such a file is no project).
bool parseProjectLines(const std::vector<std::string>& lines, SectionChoice choice,
                       ParsedProject& out, FileError& error);

// Checks the parsed object with findObjectFault. Collision planes that name a
// polygon that does not exist are dropped with a warning first; any other fault
// fails, naming the file line where the record at fault starts.
bool validateProjectReferences(ParsedProject& parsed, FileError& error);

} // namespace meshsmith
