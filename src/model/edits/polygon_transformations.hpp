#pragma once
// Copying and moving the polygons whose Selected flag is set (the polygon copy
// and polygon move windows), each one step of the edit history. Offsets are
// added in double precision; a vertex that would leave the float range
// refuses the whole operation, which then changes nothing.

#include "model/edits/transformations.hpp"

#include <array>
#include <cstddef>
#include <vector>

namespace meshsmith {

inline constexpr const char* kDrawPolygonsFirstMessage = "Draw Polygons first !";
inline constexpr const char* kCheckOffsetMessage = "Check Offset values !";
inline constexpr const char* kSelectPolygonsMessage = "Select one or more Polygons from the list !";

// Which side a copy faces: "Opposite Side" reverses its corner order.
enum class CopySide { Opposite, Same };
// "Same Orientation", "Mirrored", "No texture".
enum class CopyTexture { SameOrientation, Mirrored, None };

// The polygon copy window's Undo: what its last copy appended, and where.
struct PolygonCopyUndo {
    std::size_t firstVertex = 0, firstPolygon = 0;
    std::vector<Vertex> vertices;
    std::vector<ObjectData> polygons; // empty: nothing to give back
};

// True when all three offset texts read exactly "0.0" (the fields untouched).
bool offsetsUnchanged(const std::array<TypedNumber, 3>& offsets);

// "Copy Polygons". Refused with kCheckOffsetMessage when offsetsUnchanged,
// with kSelectPolygonsMessage when no polygon is selected. Otherwise double
// vertices are merged first (remove_double_vertices.hpp, no log line); then
// for each selected polygon in index order a copy is appended (colour,
// texture, Selected flag) over new vertices, one per corner, at the corner's
// position plus the offsets. CopySide::Opposite reverses the copy's whole
// vertex list (a, b, c, a becomes a, c, b, a). Texture coordinates are copied
// in order, or Mirrored (coordinate i of the copy is k - 1 - i of the source
// with k corners), or None leaves the copy untextured. The source polygon is
// deselected. `undo` then names what was appended.
OperationResult copyPolygons(Project& p, const std::array<TypedNumber, 3>& offsets, CopySide side,
                             CopyTexture texture, PolygonCopyUndo& undo);

// True while the vertex and polygon tables still end with exactly what the
// last copy appended (selection aside) and nothing else uses those vertices.
bool canUndoPolygonCopy(const Project& p, const PolygonCopyUndo& undo);

// "Undo Polygon Copy": removes the appended polygons (their collision planes
// with them, polygon_removal.hpp) and vertices; empties `undo`. Refused with
// "Nothing to undo" for an empty copy and kUndoOutdatedMessage (the copy then
// emptied) when canUndoPolygonCopy does not hold.
OperationResult undoPolygonCopy(Project& p, PolygonCopyUndo& undo, LogSink& log);

// "Move Polygons": refused with kSelectPolygonsMessage when no polygon is
// selected, with kCheckOffsetMessage when offsetsUnchanged. Otherwise the
// offsets are added once to every vertex that a selected polygon uses, so
// corners shared by several selected polygons move once and unselected
// polygons that share them follow. The copy for the window's Undo
// (restoreVertices, "Undo Polygon Move") is taken in `undo`.
OperationResult movePolygons(Project& p, const std::array<TypedNumber, 3>& offsets,
                             VertexUndo& undo);

} // namespace meshsmith
