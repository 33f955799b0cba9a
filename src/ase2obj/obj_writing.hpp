#pragma once
// The Wavefront OBJ and MTL texts that ase2obj writes: lines end in a single
// line feed and numbers use the C library's "%f" form with "." whatever the locale.

#include "ase_tables.hpp"

#include <string>
#include <string_view>

namespace meshsmith::ase2obj {

// The value widened to double in "%f" form: six digits after the point, as
// printf gives it ("-0.000000" for negative zero and small negatives).
std::string fixed6(float value);

// The OBJ text. `mtlFileName` is written after "mtllib" when the tables hold
// at least one material. Polygons are written from their last corner to their
// first, with a "usemtl" line where the material changes. Expects tables as
// readBody leaves them: every polygon's material names an entry of `materials`.
std::string objText(const AseTables& tables, std::string_view mtlFileName);

// The MTL text: a "newmtl" and a "map_Kd NAME.bmp" line per material.
std::string mtlText(const AseTables& tables);

} // namespace meshsmith::ase2obj
