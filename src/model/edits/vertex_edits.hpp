#pragma once
// Vertex editing: the operations of the vertex window and the main menu's
// whole-table vertex commands. Each is one step of the edit history (its name
// in quotes below); each keeps the object's invariants: lines and polygons
// that lose a vertex go with it, later vertex numbers move down in every line
// and polygon, and collision planes follow their polygons (polygon_removal.hpp).
//
// Commands that renumber vertices keep the visualization lines: they are
// removed before and drawn again after, in the colour of the first one.
//
// `selected` lists the vertices a command works on (the editor's vertex
// selection): ascending numbers of existing vertices. The vertex window's
// one-level Undo is a step back in the edit history.

#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace meshsmith {

inline constexpr const char* kEveryCoordinateMessage = "Every coordinate needs to be assigned !";
inline constexpr const char* kNotEnoughVerticesMessage = "Not enough Vertices !";
inline constexpr const char* kOnlyTwoSelectedMessage = "Only 2 Vertices can be selected !";

// "Add Vertex": appends (x, y, z) (finite values) and sets GeometryPresent.
OperationResult addVertex(Project& p, float x, float y, float z);

// "Modify Vertices": every selected vertex takes each coordinate that is
// given (nullopt keeps it). Refused when no vertex is selected.
OperationResult modifySelectedVertices(Project& p, const std::vector<std::int32_t>& selected,
                                       std::optional<float> x, std::optional<float> y,
                                       std::optional<float> z);

// "Remove Vertices": every polygon and line that uses a selected vertex is
// removed, then the selected vertices; the bounds are updated, or, when no
// vertex is left, GeometryPresent is cleared.
OperationResult removeSelectedVertices(Project& p, const std::vector<std::int32_t>& selected,
                                       LogSink& log);

// "Remove All Vertices": asks "OK to remove all vertices and associated
// lines/polygons ?" ("Remove all Vertices"); No is Cancelled. Yes empties the
// vertex, line, visualization-line, polygon, texture and collision tables,
// clears GeometryPresent and logs "All Vertices removed !".
OperationResult removeAllVertices(Project& p, UserPrompts& prompts, LogSink& log);

// "Create Interpolated Vertex": exactly two selected vertices (refused with
// kNotEnoughVerticesMessage below 2 vertices, kOnlyTwoSelectedMessage
// otherwise) get their midpoint appended (the editor selects it instead of
// the two); logs "Created Vertex <n>, located between Vertices <a> and <b>".
OperationResult createInterpolatedVertex(Project& p, const std::vector<std::int32_t>& selected,
                                         LogSink& log);

// "Add Interpolated Vertices": the table P0..Pn-1 becomes P0, M0, P1, ...,
// Mn-2, Pn-1 with the midpoints; logs "<n-1> interpolated Vertices added".
// Below 2 vertices: refused with kNotEnoughVerticesMessage. With lines or
// polygons it asks "OK to remove all associated polygons and lines ?" ("Add
// Interpolated Vertices"): No is Cancelled; Yes empties the line, polygon,
// texture and collision tables and the selections first ("All associated
// Polygons/Lines removed !").
OperationResult addInterpolatedVertices(Project& p, UserPrompts& prompts, LogSink& log);

// "Remove Double Vertices": the main menu's command (remove_double_vertices.hpp).
OperationResult removeDoubleVerticesStep(Project& p, LogSink& log);

} // namespace meshsmith
