#pragma once
// The editor's own dialect of the ASCII Scene Export format: the text file that
// the 3DO converter and the OBJ converter read. It borrows ASE keywords but not
// the ASE structure: no braces, no indentation, one keyword line after another,
// one geometric object per polygon (vertices are not shared between objects),
// lines ended by CR LF.

#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// The two preconditions every command checks before it offers to write an ASE
// file, in this order: no vertex at all gives "Not enough Data to write
// ASE-file !", an untextured polygon gives "Only entirely textured objects
// supported so far !". Refused with that message, or Done.
OperationResult checkAseWrite(const Project& p);

// References the file cannot express soundly: a polygon corner or line end that
// names no vertex, a texture index that names no texture, a collision volume
// whose plane count disagrees with its lists, a collision plane whose polygon
// does not exist or has no plane (fewer than three corners, or its first three
// corners on one line). The message names the volume, plane and polygon, e.g.
// "Collision volume 0, plane 1: polygon 7 does not exist.". Refused with it, or Done.
OperationResult checkAseData(const Project& p);

// The number of corners the writer walks for a polygon: VertexCount - 1, but
// never more than VertexIndices holds and never below 0.
int aseCornerCount(const ObjectData& polygon);

// The lines of the ASE file of the project, without line ends. Pure. Meant for
// a project that passes checkAseWrite and checkAseData; any other project
// still gives lines without reading outside a table: a missing vertex or texture
// coordinate is written as zeros, an unusable collision plane as zeros.
std::vector<std::string> aseLines(const Project& p);

// The whole file text: aseLines, each line ended by CR LF.
std::string aseText(const Project& p);

// Writes the project's ASE file to `path` in one go (temporary file + rename)
// and logs "ASE-file <path> saved !". A project that fails checkAseWrite or
// checkAseData is Refused with that message and nothing is written. A file
// that cannot be written gives Failed with the error text and no log line; an
// existing file at `path` then stays as it was and nothing partial is left.
OperationResult writeAse(const Project& p, const std::string& path, LogSink& log);

} // namespace meshsmith
