#pragma once
// Reading the entities of an AutoCAD R12 DXF text that the editor imports:
// POINT, VERTEX, LINE and 3DFACE, and of each only its corner coordinates.
//
// The text is a list of lines (split at CR LF, LF or CR, as splitLines splits
// it; the reading walks the text and copies no line) in which group-code
// lines and value lines alternate. An entity starts at a line that is exactly its name ("POINT",
// "VERTEX", "LINE", "3DFACE") right after a group code 0, and ends before the
// next group code 0. Group-code lines may be padded with blanks on either side
// ("10", " 10", "  10", "10 "). Everything else in the file is ignored, so the
// sections around the entities need not be there.

#include "file_error.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

// The four kinds, in the order in which kDxfKinds lists them; a kind's value
// is its index in arrays that follow that order.
enum class DxfKind { Point, Vertex, Line, Face };
inline constexpr std::array<DxfKind, 4> kDxfKinds{DxfKind::Point, DxfKind::Vertex, DxfKind::Line,
                                                  DxfKind::Face};

// "POINT", "VERTEX", "LINE" or "3DFACE".
const char* dxfEntityName(DxfKind kind);
// 1 for POINT and VERTEX, 2 for LINE, 4 for 3DFACE.
int dxfCornerCount(DxfKind kind);

// True when the first line marks the binary form of DXF, which is not read.
bool isBinaryDxf(std::string_view text);

// How many entities of each kind the text holds, in the order of kDxfKinds.
// The face records of polyface meshes are no vertices and are not counted.
std::array<std::size_t, 4> countDxfEntities(std::string_view text);

// Polyface meshes (POLYLINE entities with flag 64 in group code 70) and their
// face records (VERTEX entities with flag 128 but not 64), which the import
// does not read: their vertices are read as VERTEX entities, their faces are
// not made into polygons.
struct DxfPolyfaces {
    std::size_t meshes = 0, faces = 0;
};

// The lines as one text that the functions here read as those lines (each
// followed by a line feed; the lines must hold no CR or LF).
std::string dxfTextOf(const std::vector<std::string>& lines);

struct DxfCorner {
    float x = 0, y = 0, z = 0;
    friend bool operator==(const DxfCorner&, const DxfCorner&) = default;
};

struct DxfEntity {
    std::array<DxfCorner, 4> corners; // the first dxfCornerCount(kind) are set
    std::size_t line = 0;             // 1-based line of the entity's name
};

// Reads the corners of every entity of `kind`, in file order (VERTEX: without
// the face records of polyface meshes, which hold no position). Corner k is
// taken from the group codes 10 + k, 20 + k and 30 + k of the entity itself,
// in whatever order they stand; a missing 30-code means z = 0, and a 3DFACE
// without a fourth corner repeats its third. Fails, with the line at fault, on
// a value that is not a number (or does not fit a float), on a group-code line
// that is not a number, on a missing 1x- or 2x-code, and on an entity cut off
// by the end of the text. `entities` then holds nothing useful. In the same
// pass `skipped` counts the polyface meshes and face records met up to the
// end (or up to the fault).
bool readDxfEntities(std::string_view text, DxfKind kind, std::vector<DxfEntity>& entities,
                     FileError& error, DxfPolyfaces& skipped);

} // namespace meshsmith
