#pragma once
// 3ds Max ASE exports, read into a plain mesh: every object's vertices (their
// numbers are per object, the positions one list), its faces as triangles
// (A, B, C) with their texture vertices, and the materials and sub-materials
// that name their bitmaps.

#include "line_reader.hpp"
#include "plain_mesh.hpp"

#include <string>

namespace meshsmith::readers {

// The converter's rules (the default) refuse an object whose faces it cannot
// texture (no material, no bitmap, no texture faces); the editor's take its
// faces in untextured (no texture coordinates, material -1).
struct MaxRules {
    bool texturesRequired = true;
};

// Reads the 3ds Max ASE file at `path`. Throws InputError ("Line N: ...", or
// naming the file when it cannot be opened or is no 3ds Max ASE file) and
// CapacityError.
PlainMesh readMaxAseFile(const std::string& path, const MaxRules& rules);

} // namespace meshsmith::readers
