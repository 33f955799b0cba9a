#pragma once
// Copying and moving the polygons chosen in the polygon copy and polygon move
// windows (`selected`: ascending polygon numbers), each one step of the edit
// history; the windows' Undo is a step back in the history. Offsets are
// added in double precision; a vertex that would leave the float range
// refuses the whole operation, which then changes nothing.

#include "model/edits/transformations.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace meshsmith {

inline constexpr const char* kDrawPolygonsFirstMessage = "Draw Polygons first !";
inline constexpr const char* kCheckOffsetMessage = "Check Offset values !";
inline constexpr const char* kSelectPolygonsMessage = "Select one or more Polygons from the list !";

// Which side a copy faces: "Opposite Side" reverses its corner order.
enum class CopySide { Opposite, Same };
// "Same Orientation", "Mirrored", "No texture".
enum class CopyTexture { SameOrientation, Mirrored, None };

// True when all three offset texts read exactly "0.0" (the fields untouched).
bool offsetsUnchanged(const std::array<TypedNumber, 3>& offsets);

// "Copy Polygons". Refused with kCheckOffsetMessage when offsetsUnchanged,
// with kSelectPolygonsMessage when no polygon is selected. Otherwise double
// vertices are merged first (remove_double_vertices.hpp, no log line); then
// for each selected polygon in index order a copy is appended (colour,
// texture) over new vertices, one per corner, at the corner's
// position plus the offsets. CopySide::Opposite reverses the copy's whole
// vertex list (a, b, c, a becomes a, c, b, a). Texture coordinates are copied
// in order, or Mirrored (coordinate i of the copy is k - 1 - i of the source
// with k corners), or None leaves the copy untextured. The copies are the
// polygons from the old count on (the copy window goes on with them chosen).
OperationResult copyPolygons(Project& p, const std::vector<std::int32_t>& selected,
                             const std::array<TypedNumber, 3>& offsets, CopySide side,
                             CopyTexture texture);

// "Move Polygons": refused with kSelectPolygonsMessage when no polygon is
// selected, with kCheckOffsetMessage when offsetsUnchanged. Otherwise the
// offsets are added once to every vertex that a selected polygon uses, so
// corners shared by several selected polygons move once and unselected
// polygons that share them follow.
OperationResult movePolygons(Project& p, const std::vector<std::int32_t>& selected,
                             const std::array<TypedNumber, 3>& offsets);

} // namespace meshsmith
