#pragma once
// The converter's readers. Each is given the open input (past the line the
// driver used to recognise it) and the input name, fills the vertex, polygon,
// plane, string and collision tables, prepares the polygons and finds their
// planes. They print their own lines ("ASE format: Meshsmith\n\n" ...). Input
// that cannot be read soundly stops the run with an InputError naming the line;
// a full table with a CapacityError.

#include "kiln_state.hpp"
#include "text_input.hpp"

#include <string>

namespace meshsmith::kiln {

// Editor-dialect ASE. Returns 0.
int read_Meshsmith(KilnState& k, TextSource& ASEfile, std::string& fileName);
// 3ds Max ASE (starts again from the beginning of the file). Returns 0.
int read_3dsMax(KilnState& k, TextSource& ASEfile, std::string& fileName);
// Wavefront OBJ with its MTL file. `firstLine` is the significant line the
// driver consumed to recognise the file: it is read like every other line.
// Returns 1; an untextured face ends the run with status 666 (UntexturedFace).
int read_OBJ(KilnState& k, TextSource& OBJfile, std::string& fileName, const std::string& firstLine);
// Replaces material names by the texture names of the MTL file; 0 when it
// cannot be opened ("MTL file not found!\n"), else 1.
int read_MTL(KilnState& k, const std::string& mtlFilename);

// An OBJ face without texture coordinates: the driver prints nothing more and
// ends with status 666 (the reader has printed its message).
struct UntexturedFace {};

} // namespace meshsmith::kiln
