#pragma once
// Small pieces the 3ds Max and OBJ readers share: the text reading of every
// reader (readers/), the string table lookup and the finishing steps over the
// polygon table.

#include "kiln_state.hpp"
#include "readers/reader_text.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace meshsmith::kiln {

using readers::besideFile;
using readers::extract_filename;
using readers::folderPart;
using readers::keywordRest;
using readers::lineError;
using readers::textureName;
using readers::textureNameOf;
using readers::trimmed;
using readers::withoutByteOrderMark;

// The number of the string-table entry equal to `name`, appended when absent.
// A name holding a control character stops the run (InputError) here too.
std::int32_t findOrAppendString(KilnState& k, const std::string& name);

// Fan-triangulates every live polygon that lies in no plane (it is not flat
// within the plane tolerance), leaving out slivers over collinear vertices,
// and finds the planes of the polygon and its new triangles.
void triangulateNonFlat(KilnState& k);

// Stops the run when no polygon with an area was read: a 3DO without one has
// nothing to draw and no plane to build its tree on.
void requireSomePolygon(const KilnState& k, const std::string& fileKind);

} // namespace meshsmith::kiln
