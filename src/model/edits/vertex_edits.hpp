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
// The vertex window's own one-level Undo works on Project::geometrySnapshot:
// Modify, Remove Selected and Remove All Vertices take it; restoreGeometrySnapshot
// gives it back.

#include "model/outcome.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <optional>

namespace meshsmith {

inline constexpr const char* kEveryCoordinateMessage = "Every coordinate needs to be assigned !";
inline constexpr const char* kNotEnoughVerticesMessage = "Not enough Vertices !";
inline constexpr const char* kOnlyTwoSelectedMessage = "Only 2 Vertices can be selected !";

// "Add Vertex": appends (x, y, z) (finite values), sets GeometryPresent and
// ViewReady, deselects every vertex. Takes no copy for the window's Undo.
OperationResult addVertex(Project& p, float x, float y, float z);

// "Modify Vertices": the window's copy is taken, then every selected vertex
// takes each coordinate that is given (nullopt keeps it). Refused when no
// vertex is selected.
OperationResult modifySelectedVertices(Project& p, std::optional<float> x, std::optional<float> y,
                                       std::optional<float> z);

// "Remove Vertices": the window's copy is taken; every polygon and line that
// uses a selected vertex is removed, then the selected vertices; the bounds
// are updated, or, when no vertex is left, GeometryPresent and ViewReady are
// cleared; every vertex deselected. A removed line clears SelectedLine.
OperationResult removeSelectedVertices(Project& p, LogSink& log);

// "Remove All Vertices": asks "OK to remove all vertices and associated
// lines/polygons ?" ("Remove all Vertices"); No is Cancelled. Yes empties the
// vertex, line, visualization-line, polygon, texture and collision tables,
// clears the three selections, GeometryPresent and ViewReady, logs "All
// Vertices removed !" and takes the window's copy of the emptied tables.
OperationResult removeAllVertices(Project& p, UserPrompts& prompts, LogSink& log);

// The window's Undo ("Undo Vertex Changes"): the vertex table becomes the
// copy's, the line and polygon tables too where their copies are not empty;
// the copy is emptied; everything deselected. Refused when there is no copy.
// Collision planes whose polygons are no longer there are dropped.
OperationResult restoreGeometrySnapshot(Project& p, LogSink& log);
bool hasGeometrySnapshot(const Project& p);

// "Create Interpolated Vertex": exactly two selected vertices (refused with
// kNotEnoughVerticesMessage below 2 vertices, kOnlyTwoSelectedMessage
// otherwise) get their midpoint appended, selected; the two are deselected;
// logs "Created Vertex <n>, located between Vertices <a> and <b>".
OperationResult createInterpolatedVertex(Project& p, LogSink& log);

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
