#pragma once
// What a model file holds, read by the rules the converter reads it by and
// before anything is made of it: positions, faces with their texture
// coordinates and material, materials with their bitmap names. The converter
// fills its tables from it; the editor's imports make an object of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::readers {

struct MeshMaterial {
    std::string name;   // as the file names it ("brick", "Multi/2" for a sub-material)
    std::string bitmap; // the bitmap's path as written; "" when the material names none
    std::size_t line = 0;
};

struct MeshFace {
    // Into PlainMesh::positions, in the order the converter takes as the
    // polygon's boundary (an OBJ face's corners come reversed).
    std::vector<std::int32_t> corners;
    // One (u, v) per corner as the file gives it (v not turned over); empty
    // when the face has no texture coordinates.
    std::vector<std::array<float, 2>> uv;
    std::int32_t material = -1; // into PlainMesh::materials; -1 = none
    std::size_t line = 0;       // the face's line in the file
};

struct PlainMesh {
    std::vector<std::array<float, 3>> positions; // in file order, none merged
    std::vector<MeshFace> faces;
    std::vector<MeshMaterial> materials;
    // Where the faces of each object begin, in order (the faces of a 3ds Max
    // mesh, which the converter prepares one object at a time); empty when the
    // file has no objects of its own: all faces are one.
    std::vector<std::size_t> objectStarts;
};

} // namespace meshsmith::readers
