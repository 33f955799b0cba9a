#pragma once
// Import of one kind of entity from an AutoCAD R12 DXF file into the project.

#include "dxf_reader.hpp"
#include "outcome.hpp"
#include "project.hpp"
#include "random_colours.hpp"
#include "user_interaction.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

inline constexpr const char* kBinaryDxfMessage = "Binary DXF format not supported...";

// Imports every entity of `kind`, or for All every POINT, LINE, 3DFACE and
// POLYLINE (polyface meshes too) in file order (see readDxfEntities for how
// they are read).
//
// Replace mode (GeometryPresent clear): the vertex, line, visualization-line,
// polygon and collision tables start empty. Append mode (GeometryPresent set):
// the "Offset New Vertices ?" dialog is asked and its offsets are added to
// every coordinate read; Cancel ends the import (Cancelled).
// A corner takes the first vertex at exactly its position (after the offset),
// or a new vertex when there is none; all corners of an entity are looked up
// before any of them is added.
//  - POINT, VERTEX: a new vertex, unless one is already there.
//  - LINE: a new grey (0.5) line unless a line already joins its two vertices
//    in either direction.
//  - 3DFACE: always a new untextured polygon in random colours (red, green,
//    blue from `colours`). A face with two neighbouring corners at one position
//    (the fourth repeating the third, or any other pair in turn around the
//    face) becomes a triangle of the other three; any other face is a quad.
//  - POLYLINE: a new untextured polygon in random colours over its corners,
//    of which neighbouring ones at one position count once, and the last
//    when it closes the outline on the first (as the DXF export writes a
//    polygon). An outline of fewer than three corners is skipped.
//  - Polyface mesh: for every face record a new untextured polygon in random
//    colours over the positions of its corner numbers, in the record's order,
//    counted as a polyline's corners are. A face of fewer than three distinct
//    positions is left out.
// So a file of the export read as All gives back the vertices, lines and
// polygons it was written from (the POINTs come first: the vertex table in
// its order). The log gets the count of what was added (for All, a line for
// each of vertices, lines and polygons that the file held), how many
// polylines were too short and how many polyface faces were left out, and,
// when the kind does not read the file's polyface meshes, how many meshes and
// faces were skipped; then the bounds are updated.
//
// Refused, with the message shown and nothing changed: a binary DXF; a file
// without entities of the kind ("Sorry, no 'LINE' objects in DXF file...";
// for All "Sorry, no POINT, LINE, 3DFACE or POLYLINE objects in DXF file...",
// for Polyface "Sorry, no polyface meshes in DXF file...").
// Failed, with the error shown and logged with its line, and the project
// exactly as before: an unreadable file, a value that is not a number, a
// missing corner code, an entity cut off by the end of the file or a face
// record's corner number beyond its mesh's vertices.
OperationResult importDxf(Project& p, const std::string& path, DxfKind kind, UserPrompts& prompts,
                          LogSink& log, RandomColours& colours);

// The same for the lines of a file that was read already, or for its text;
// `path` only names the file in messages.
OperationResult importDxfLines(Project& p, const std::vector<std::string>& lines,
                               const std::string& path, DxfKind kind, UserPrompts& prompts,
                               LogSink& log, RandomColours& colours);
OperationResult importDxfText(Project& p, std::string_view text, const std::string& path,
                              DxfKind kind, UserPrompts& prompts, LogSink& log,
                              RandomColours& colours);

} // namespace meshsmith
