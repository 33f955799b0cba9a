#pragma once
// Wavefront OBJ files with their MTL file, read into a plain mesh.

#include "line_reader.hpp"
#include "plain_mesh.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

namespace meshsmith::readers {

inline constexpr int kMaxObjVertices = 30000;        // "v" lines (CapacityError "vertex")
inline constexpr int kMaxObjTextureVertices = 30000; // "vt" lines (CapacityError "texture vertex")
inline constexpr std::size_t kMaxObjFaceCorners = 100;

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
// CapacityError and, under the converter's rules, UntexturedObjFace. A face
// may come with fewer than three corners (none for a bare "f" under the
// editor's rules): what to make of it is the caller's business.
ObjFile readObjFile(const std::string& path, const ObjRules& rules);

// Told of each line the reader takes in, right after it was added to the
// mesh, so that a consumer can act on it at that moment (and stop the run
// there by throwing).
class ObjObserver {
  public:
    virtual ~ObjObserver() = default;
    // A "v" line: mesh.positions.back().
    virtual void vertexRead(const PlainMesh& mesh) = 0;
    // A "usemtl" line: mesh.materials[material] is now the current material.
    virtual void materialUsed(const PlainMesh& mesh, std::int32_t material) = 0;
    // An "f" line: mesh.faces.back().
    virtual void faceRead(const PlainMesh& mesh) = 0;
};

struct ObjText {
    PlainMesh mesh;      // materials without bitmaps: those are the MTL file's
    std::string mtlName; // the last "mtllib" value as written; "" when none
};

// Reads the OBJ lines of `file`. `firstLine` is the first significant line,
// already taken from `file` with readstr (a UTF-8 byte order mark at its start
// is passed over); the rest are read with readstr to the end. Keywords may
// follow blanks and tabs; other lines are passed over. Throws as readObjFile.
ObjText readObj(TextSource& file, const std::string& firstLine, const ObjRules& rules,
                ObjObserver* observer = nullptr);

} // namespace meshsmith::readers
