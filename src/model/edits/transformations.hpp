#pragma once
// Transformations of many vertices at once: rotate, move, mirror, scale and
// center. Each is one step of the edit history (its name in quotes below).
// Positions are computed in double precision and stored as floats; an
// operation that would take any coordinate beyond the float range is refused
// with a message and changes nothing. Lines and polygons keep their vertex
// order.
//
// The dialogs' own one-level Undo is a VertexUndo each dialog keeps: the
// vertex table before its last operation and after it. It gives the table
// back only while the vertices are still as that operation left them, so a
// copy never lands on vertices that something else changed meanwhile (another
// edit, Edit > Undo, another project opened).

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
inline constexpr const char* kUndoOutdatedMessage =
    "The object was changed since: Edit > Undo takes back the steps one by one";

enum class Axis { X, Y, Z };
// "X", "Y" or "Z".
const char* axisName(Axis axis);

// Which vertices an operation moves: every one, or those whose Selected flag
// is set. Every operation refuses with kNoVerticesMessage without vertices and
// with kNoVerticesSelectedMessage for scope Selected when none is selected.
enum class VertexScope { All, Selected };

// A number as the user typed it and its value: the log lines repeat the text.
struct TypedNumber {
    std::string text;
    float value = 0;
};
// The text as a number (parseReal); nullopt when it is not one.
std::optional<TypedNumber> typedNumber(const std::string& text);

struct VertexUndo {
    std::vector<Vertex> before; // empty: nothing to give back
    std::vector<Vertex> after;
};

// True when `undo` holds a copy that may be given back now: the vertex
// positions equal `after`, and vertices that the operation appended (mirror
// with Keep Original) are used by no line, polygon or visualization line.
bool canRestoreVertices(const Project& p, const VertexUndo& undo);

// A dialog's Undo, the step `stepName` ("Undo Move"): the vertex table
// becomes `before` (appended vertices go), every vertex is deselected, the
// copy is emptied, the bounds are updated. Refused with "Nothing to undo"
// when the copy is empty and with kUndoOutdatedMessage when canRestoreVertices
// does not hold (the copy is then emptied).
OperationResult restoreVertices(Project& p, VertexUndo& undo, const std::string& stepName);

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
// kNoVerticesSelectedMessage. On success `undo.after` becomes the new table
// (the dialog took `undo.before` when it showed).
OperationResult rotateVertices(Project& p, const Rotation& r, std::int32_t pivotVertex,
                               VertexScope scope, VertexUndo& undo);
// The same about a pivot point (the batch tool's --pivot), without an Undo copy.
OperationResult rotateVerticesAbout(Project& p, const Rotation& r, const Vertex& pivot,
                                    VertexScope scope);

// "Move Vertices": adds the offsets to the vertices of the scope; the copy is
// taken in `undo`. For each offset whose text is not exactly "0.0" the log
// gets "Objects moved " (scope Selected: "Selected Vertice(s) moved "), the
// text and " units along X-Axis" (Y, Z likewise).
OperationResult moveVertices(Project& p, const std::array<TypedNumber, 3>& offsets,
                             VertexScope scope, VertexUndo& undo, LogSink& log);

// "Mirror Vertices": negates the coordinate on `axis` ("Objects mirrored
// along X-Axis"), or with `keepOriginal` appends for each vertex of the scope
// whose coordinate on that axis is not 0 a copy with it negated ("Vertices
// added, mirrored along X-Axis"). Only vertices that existed before count.
OperationResult mirrorVertices(Project& p, Axis axis, bool keepOriginal, VertexScope scope,
                               VertexUndo& undo, LogSink& log);

// "Scale Vertices": multiplies the coordinate on `axis` (every coordinate for
// nullopt, "All Directions") by the factor, about the origin; logs "All
// Vertices scaled by " (scope Selected: "Selected Vertices scaled by ") and
// the factor's text.
OperationResult scaleVertices(Project& p, const TypedNumber& factor, std::optional<Axis> axis,
                              VertexScope scope, VertexUndo& undo, LogSink& log);

// "Center All Vertices": subtracts the bounding-box centre ((min + max) / 2
// per axis) from every vertex; the bounds are recomputed and the stored
// centre is (0, 0, 0). Refused with "No Vertices defined" without vertices.
OperationResult centerVertices(Project& p, VertexUndo& undo);

} // namespace meshsmith
