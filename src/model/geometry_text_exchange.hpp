#pragma once
// What the vertex text (".vtx") and 3DOText (".txt") exchanges share: the
// precondition of both exports, and the way the geometry of an import file,
// read whole and checked first, joins the project in one step.

#include "file_error.hpp"
#include "geometry_append.hpp"
#include "outcome.hpp"
#include "project.hpp"
#include "random_colours.hpp"
#include "user_interaction.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* NothingToSaveMessage =
    "      No Vertices defined      \r\r      Nothing to save !";

// Both geometry exports need vertices: Refused with NothingToSaveMessage when
// GeometryPresent is clear or the vertex table is empty, Done otherwise.
// Shows nothing; the caller shows the message.
OperationResult checkGeometryExport(const Project& p);

// Writes `text` to `path` (replacing it only when every byte was written) and
// logs `doneLogLine`; on failure logs "Error exporting <path>: <why>" and
// returns Failed with the reason.
OperationResult writeGeometryExport(const std::string& path, const std::string& text,
                                    const std::string& doneLogLine, LogSink& log);

// The geometry of an import file, read whole before the project is touched:
// vertices (with their file lines), closed unselected polygons whose colours
// are chosen when they join the project, and the textures they carry.
using ImportedGeometry = AddedGeometry;

enum class ReadStatus {
    Read,        // `ImportedGeometry` holds the file's content
    WrongHeader, // the first line is not the format's header
    Faulty,      // the FileError says what and where
};

// Replace mode while the project holds no geometry (GeometryPresent clear),
// append mode otherwise.
enum class ImportMode { Replace, Append };
ImportMode importModeOf(const Project& p);

// The offsets for the new vertices: zero in replace mode; in append mode asked
// through the "Offset New Vertices ?" dialog, nullopt when the user cancels.
std::optional<VertexOffset> importOffset(ImportMode mode, UserPrompts& prompts);

// The log of an import's counts: "<n> Vertices loaded from file <path>" and
// "<m> Polygons loaded from file <path>" (replace mode), or "<n> additional
// Vertices added from file <path>" and "<m> new Polygons added from file
// <path>" (append mode).
void logImportedCounts(LogSink& log, ImportMode mode, std::size_t vertices, std::size_t polygons,
                       const std::string& path);

// Adds the geometry in one step; on failure nothing has changed.
//  - Replace: the vertex and polygon tables become the file's; lines,
//    visualization lines and collision volumes, which could only refer to the
//    replaced tables, are emptied and the line and polygon selections cleared;
//    the textures follow the library's, the polygons' indices raised to them.
//  - Append: appendGeometry, with the offset.
// Every polygon gets red, green and blue from `colours`, in that order.
// GeometryPresent is set when the project then holds vertices; the bounds are
// updated. Fails (changing nothing) when an offset moves a vertex out of the
// float range, naming its line, or the vertex count would leave the 32-bit
// index range.
std::optional<FileError> addImportedGeometry(Project& p, ImportedGeometry&& g, ImportMode mode,
                                             VertexOffset offset, RandomColours& colours);

} // namespace meshsmith
