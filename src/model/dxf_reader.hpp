#pragma once
// Reading the entities of an AutoCAD R12 DXF text that the editor imports:
// POINT, VERTEX, LINE, 3DFACE and POLYLINE, and of each only its corner
// coordinates (and a polyface mesh's corner numbers).
//
// The text is a list of lines (split at CR LF, LF or CR, as splitLines splits
// it; the reading walks the text and copies no line) in which group-code
// lines and value lines alternate. An entity starts at a line that is exactly its name ("POINT",
// "VERTEX", "LINE", "3DFACE", "POLYLINE", "SEQEND") right after a group code 0, and ends before the
// next group code 0. Group-code lines may be padded with blanks on either side
// ("10", " 10", "  10", "10 "). Everything else in the file is ignored, so the
// sections around the entities need not be there. A POLYLINE's corners are the
// VERTEX entities that follow it up to its SEQEND.

#include "file_error.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

// The six kinds of entity, in the order in which kDxfKinds lists them, and
// All: every entity that makes up an object (POINT, LINE, 3DFACE and
// POLYLINE, polyface meshes included, not the VERTEX entities, which are a
// POLYLINE's corners), read in file order, so that a file that the DXF export
// wrote gives back its vertices, lines and polygons. Polyline is a POLYLINE
// that is no mesh, Polyface a POLYLINE with the polyface flag. A kind's value
// is its index in arrays that follow the order of kDxfChoices.
enum class DxfKind { Point, Vertex, Line, Face, Polyline, Polyface, All };
inline constexpr std::array<DxfKind, 6> kDxfKinds{DxfKind::Point,    DxfKind::Vertex,
                                                  DxfKind::Line,     DxfKind::Face,
                                                  DxfKind::Polyline, DxfKind::Polyface};
inline constexpr std::array<DxfKind, 7> kDxfChoices{
    DxfKind::Point,    DxfKind::Vertex,   DxfKind::Line, DxfKind::Face,
    DxfKind::Polyline, DxfKind::Polyface, DxfKind::All};

// "POINT", "VERTEX", "LINE", "3DFACE" or "POLYLINE" (for Polyline and
// Polyface); for All the four it reads, "POINT, LINE, 3DFACE or POLYLINE".
const char* dxfEntityName(DxfKind kind);
// 1 for POINT and VERTEX, 2 for LINE, 4 for 3DFACE; 0 for POLYLINE and
// polyface meshes (their corners are VERTEX entities) and All.
int dxfCornerCount(DxfKind kind);

// True when the first line marks the binary form of DXF, which is not read.
bool isBinaryDxf(std::string_view text);

// Polyface meshes (POLYLINE entities with flag 64 in group code 70) and their
// face records (VERTEX entities with flag 128 but not 64). Polygon meshes
// (flag 16) are never read as polygons; their vertices are VERTEX entities.
struct DxfPolyfaces {
    std::size_t meshes = 0, faces = 0;
};

// How many entities of each kind the text holds, in the order of kDxfKinds
// (Polyface: the polyface meshes), and the face records of polyface meshes.
// Face records are no vertices and are not counted as VERTEX; meshes are not
// counted as POLYLINE.
struct DxfCounts {
    std::array<std::size_t, kDxfKinds.size()> entities{};
    std::size_t faces = 0;
};
DxfCounts countDxfEntities(std::string_view text);

// The lines as one text that the functions here read as those lines (each
// followed by a line feed; the lines must hold no CR or LF).
std::string dxfTextOf(const std::vector<std::string>& lines);

struct DxfCorner {
    float x = 0, y = 0, z = 0;
    friend bool operator==(const DxfCorner&, const DxfCorner&) = default;
};

// One face of a polyface mesh: the 1-based numbers of the mesh's position
// vertices from group codes 71 to 74, without their signs (a negative number
// only hides the edge that starts there); 0 where there is no corner.
struct DxfFaceRecord {
    std::array<std::int64_t, 4> corners{};
    std::size_t line = 0; // 1-based line of the record's VERTEX name
};

struct DxfEntity {
    std::array<DxfCorner, 4> corners; // the first dxfCornerCount(kind) are set
    std::size_t line = 0;             // 1-based line of the entity's name
    DxfKind kind = DxfKind::Point;
    std::vector<DxfCorner> outline;   // POLYLINE: the corners of its VERTEX entities;
                                      // polyface mesh: its position vertices
    std::vector<DxfFaceRecord> faces; // polyface mesh: its face records
};

// Reads the corners of every entity of `kind` (of every kind that All
// names), in file order (VERTEX: without the face records of polyface
// meshes, which hold no position). Corner k is taken from the group codes
// 10 + k, 20 + k and 30 + k of the entity itself, in whatever order they
// stand; a missing 30-code means z = 0, and a 3DFACE without a fourth corner
// repeats its third. A POLYLINE that is no mesh takes the corner of every
// VERTEX entity after it, up to its SEQEND (or the next POINT, LINE, 3DFACE
// or POLYLINE), as they stand; its bulges (arcs) are not read. A polyface
// mesh takes its VERTEX entities the same way: the face records as `faces`,
// the others as its position vertices, numbered from 1 in file order.
// Fails, with the line at fault, on a value that is not a number (or does not
// fit a float, or for a corner number an integer), on a group-code line that
// is not a number, on a missing 1x- or 2x-code, on an entity cut off by the
// end of the text, and on a face record's corner number beyond its mesh's
// position vertices (the record's line). `entities` then holds nothing
// useful. In the same pass `skipped` counts the polyface meshes and face
// records met up to the end (or up to the fault) that `kind` does not read.
bool readDxfEntities(std::string_view text, DxfKind kind, std::vector<DxfEntity>& entities,
                     FileError& error, DxfPolyfaces& skipped);

} // namespace meshsmith
