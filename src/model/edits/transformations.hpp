#pragma once
// Transformations of many vertices at once: rotate, move, mirror, scale and
// center. Each is one step of the edit history (its name in quotes below).
// Positions are computed in double precision and stored as floats; an
// operation that would take any coordinate beyond the float range is refused
// with a message and changes nothing. Lines and polygons keep their vertex
// order. The dialogs' own one-level Undo is a step back in the edit history.

#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kNoVerticesMessage = "No Vertices defined";
inline constexpr const char* kNoVerticesSelectedMessage = "No vertices selected !";

enum class Axis { X, Y, Z };
// "X", "Y" or "Z".
const char* axisName(Axis axis);

// Which vertices an operation moves: every one, or the selected ones (the
// editor's vertex selection, ascending numbers). Every operation refuses with
// kNoVerticesMessage without vertices and with kNoVerticesSelectedMessage for
// scope Selected when none is selected.
enum class VertexScope { All, Selected };
struct VertexChoice {
    VertexScope scope = VertexScope::All;
    std::vector<std::int32_t> selected; // for VertexScope::Selected
};

// A number as the user typed it and its value: the log lines repeat the text.
struct TypedNumber {
    std::string text;
    float value = 0;
};
// The text as a number (parseReal); nullopt when it is not one.
std::optional<TypedNumber> typedNumber(const std::string& text);

// A rotation by the angle whose sine and cosine are given, about an axis
// through a pivot point: with d = point - pivot, about Z x' = Px + dx cos -
// dy sin, y' = Py + dx sin + dy cos (about X the pair y, z; about Y x, z).
struct Rotation {
    Axis axis = Axis::Z;
    double sin = 0, cos = 1;
};
// The rotation by `degrees` about `axis`. Multiples of 30 and 45 degrees use
// exact values (sin 90 = 1 and cos 90 = 0, sin 30 = 0.5, sin 60 = sqrt(3)/2),
// so a quarter turn of (1, 0, 0) gives exactly (0, 1, 0); a negative angle has
// the negated sine of its opposite, so one degree back undoes one forward. A
// non-finite angle turns nothing.
Rotation rotationByDegrees(Axis axis, double degrees);

// "Rotate Vertices": one rotation step of the rotate dialog. The pivot is
// the origin when `pivotVertex` is NoSelection, otherwise that vertex,
// read now; a pivot vertex that no longer exists is refused ("The pivot
// vertex n no longer exists: choose the pivot again !") and nothing turns.
// Scope Selected with no vertex selected is refused with
// kNoVerticesSelectedMessage.
OperationResult rotateVertices(Project& p, const Rotation& r, std::int32_t pivotVertex,
                               const VertexChoice& which);
// The same about a pivot point (the batch tool's --pivot).
OperationResult rotateVerticesAbout(Project& p, const Rotation& r, const Vertex& pivot,
                                    const VertexChoice& which);

// "Move Vertices": adds the offsets to the vertices of the scope. For each
// offset whose text is not exactly "0.0" the log
// gets "Objects moved " (scope Selected: "Selected Vertice(s) moved "), the
// text and " units along X-Axis" (Y, Z likewise).
OperationResult moveVertices(Project& p, const std::array<TypedNumber, 3>& offsets,
                             const VertexChoice& which, LogSink& log);

// "Mirror Vertices": negates the coordinate on `axis` ("Objects mirrored
// along X-Axis"), or with `keepOriginal` appends for each vertex of the scope
// whose coordinate on that axis is not 0 a copy with it negated ("Vertices
// added, mirrored along X-Axis"). Only vertices that existed before count.
OperationResult mirrorVertices(Project& p, Axis axis, bool keepOriginal,
                               const VertexChoice& which, LogSink& log);

// "Scale Vertices": multiplies the coordinate on `axis` (every coordinate for
// nullopt, "All Directions") by the factor, about the origin; logs "All
// Vertices scaled by " (scope Selected: "Selected Vertices scaled by ") and
// the factor's text.
OperationResult scaleVertices(Project& p, const TypedNumber& factor, std::optional<Axis> axis,
                              const VertexChoice& which, LogSink& log);

// "Center All Vertices": subtracts the bounding-box centre ((min + max) / 2
// per axis) from every vertex; the bounds are recomputed and the stored
// centre is (0, 0, 0). Refused with "No Vertices defined" without vertices.
OperationResult centerVertices(Project& p);

} // namespace meshsmith
