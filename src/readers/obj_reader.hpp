#pragma once
// Wavefront OBJ files with their MTL file, read into a plain mesh.

#include "line_reader.hpp"
#include "plain_mesh.hpp"

#include <cstddef>
#include <string>

namespace meshsmith::readers {

// What the reader does with faces the converter cannot texture. The
// converter's rules (the defaults) refuse them; the editor's take them in
// untextured (no texture coordinates, or material -1).
struct ObjRules {
    bool untexturedFaceStops = true; // a face without texture coordinates throws UntexturedObjFace
    bool faceNeedsMaterial = true;   // a face before any usemtl line is an InputError
};

// A face without texture coordinates under rules that refuse it.
struct UntexturedObjFace {
    std::size_t line = 0;
};

struct ObjFile {
    PlainMesh mesh;      // materials carry their MTL bitmaps (map_Kd) when the MTL was found
    std::string mtlPath; // the MTL file as looked for beside the OBJ; "" when none is named
    bool mtlFound = false;
};

// Reads the OBJ file at `path` and the MTL it names (beside it). Throws
// InputError ("Line N: ...", or naming the file when it cannot be opened),
// CapacityError and, under the converter's rules, UntexturedObjFace.
ObjFile readObjFile(const std::string& path, const ObjRules& rules);

} // namespace meshsmith::readers
