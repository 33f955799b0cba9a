#pragma once
// 3ds Max ASE exports, read into a plain mesh: every object's vertices (their
// numbers are per object, the positions one list), its faces as triangles
// (A, B, C) with their texture vertices, and the materials and sub-materials
// that name their bitmaps.

#include "line_reader.hpp"
#include "plain_mesh.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace meshsmith::readers {

// The converter's rules (the default) refuse an object whose faces it cannot
// texture (no material, no bitmap, no texture faces); the editor's take its
// faces in untextured (no texture coordinates, material -1).
struct MaxRules {
    bool texturesRequired = true;
};

// What one object and the material list may hold: as much as the converter's
// tables do. A larger count stops the reading with a CapacityError.
inline constexpr int kMaxObjectVertices = 30000;        // *MESH_NUMVERTEX
inline constexpr int kMaxObjectFaces = 20000;           // *MESH_NUMFACES
inline constexpr int kMaxObjectTextureVertices = 20000; // *MESH_NUMTVERTEX
inline constexpr int kMaxMaterials = 2000;              // *MATERIAL_COUNT

// Told what the reader takes, at the line that gives it, by a user that must
// act right then: the converter fills its tables as the lines come, so that
// its own refusals (a full table) keep their place in the file. Every call
// follows the checks of its line.
class MaxAseObserver {
  public:
    virtual ~MaxAseObserver() = default;
    // The first bitmap of a material or sub-material: the texture it names
    // (the file name without folder and extension; never empty).
    virtual void bitmap(const std::string& texture) = 0;
    // A *MESH_NUMFACES line: the faces of the object are numbered 0 .. count-1.
    virtual void faceCount(std::int32_t count) = 0;
    // A *MESH_VERTEX line: the position appended to the mesh's positions.
    virtual void vertex(const std::array<float, 3>& position) = 0;
    // A *MESH_FACE line: face `number` of the mesh named `meshName` (the
    // token of its first *NODE_NAME line, quotes kept, or of *GEOMOBJECT).
    virtual void face(std::int32_t number, const std::string& meshName) = 0;
    // An object ended (at its *MATERIAL_REF; under the editor's rules also at
    // the next *GEOMOBJECT or the end of the file): its faces are
    // mesh.faces[firstFace ..], in the order of their numbers.
    virtual void objectEnd(const PlainMesh& mesh, std::size_t firstFace) = 0;
};

// Reads a 3ds Max ASE text from its beginning (the source is rewound first),
// telling `observer` when one is given. Throws InputError ("Line N: ...") and
// CapacityError.
PlainMesh readMaxAse(TextSource& file, const MaxRules& rules, MaxAseObserver* observer = nullptr);

// Reads the 3ds Max ASE file at `path`. Throws InputError ("Line N: ...", or
// naming the file when it cannot be opened or is no 3ds Max ASE file) and
// CapacityError.
PlainMesh readMaxAseFile(const std::string& path, const MaxRules& rules);

// The first significant line of a 3ds Max ASE export, "*3DSMAX_ASCIIEXPORT\t200"
// (a UTF-8 byte order mark before it allowed).
bool isMaxAseHeader(const std::string& firstLine);

} // namespace meshsmith::readers
