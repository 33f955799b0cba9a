#pragma once
// Reading an editor-dialect ASE file into ase2obj's tables. Lines are read as
// the 3DO converter reads them (comment and empty lines skipped, keyword lines
// recognised by formatted scanning); only *BITMAP, *GEOMOBJECT, *LINEOBJECT,
// *MESH_VERTEX, *MESH_TVERT and *MATERIAL_REF lines are used.

#include "ase_tables.hpp"
#include "converter/text_input.hpp"

#include <string>

namespace meshsmith::ase2obj {

enum class ReadStatus {
    Read,
    NotMeshsmith,  // the first significant line is not the editor's header
    InputFault,    // the file cannot be read soundly; the message names the line
    CapacityFault, // a table would pass its capacity; the message names the table and limit
};

struct ReadResult {
    ReadStatus status = ReadStatus::Read;
    std::string message; // empty for Read and NotMeshsmith
};

// Reads the first significant line and tells whether it is the editor's
// header ("*COMMENT \">>>> - Exported by Meshsmith - <<<<\""). An empty input
// is NotMeshsmith; an overlong first line is an InputFault.
ReadResult readHeader(kiln::TextSource& source);

// Reads the rest of the input into `tables` (which should start empty).
// Vertices and texture vertices are stored once per exact position (-0.0
// equals 0.0). Each *MATERIAL_REF stores its object's polygon, corners 0 to
// the last *MESH_VERTEX number; an object of fewer than three corners is
// dropped. Refused with a message naming the line: a line with missing
// numbers, a vertex or texture vertex number outside 0 .. 99, a coordinate that
// is not finite, a *MATERIAL_REF outside an open *GEOMOBJECT, a corner whose
// vertex or texture vertex the object never gave, an object without its
// *MATERIAL_REF, a material number without its *BITMAP line, an overlong line,
// a *BITMAP without a name. On any fault `tables` holds what was read so far.
ReadResult readBody(kiln::TextSource& source, AseTables& tables);

} // namespace meshsmith::ase2obj
