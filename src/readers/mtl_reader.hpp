#pragma once
// The MTL file of an OBJ: the bitmap each material shows.

#include "line_reader.hpp"
#include "plain_mesh.hpp"

#include <map>
#include <string>

namespace meshsmith::readers {

// Material name ("newmtl") -> the path of its bitmap: the last "map_Kd" of
// that name whose path gives a texture name, options before the path left
// out ("map_Kd -s 1 1 1 brick.bmp" gives brick.bmp).
using MtlBitmaps = std::map<std::string, std::string>;

// Reads the MTL text of `file`, read from `path`. A texture name that a 3DO
// cannot hold, or a line too long, throws InputError "MTL file <path>: Line N: ...".
MtlBitmaps readMtl(TextSource& file, const std::string& path);

// Gives each material of `mesh` its bitmap from `bitmaps`.
void applyBitmaps(PlainMesh& mesh, const MtlBitmaps& bitmaps);

} // namespace meshsmith::readers
