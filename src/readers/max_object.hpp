#pragma once
// One object of a 3ds Max ASE file while it is read (its vertex, face and
// texture vertex lists, numbered per object), and how its faces join the
// mesh when it ends.

#include "max_materials.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith::readers {

struct MaxTextureVertex {
    std::array<float, 2> uv{};
    bool given = false;
};

struct MaxFace {
    bool given = false, textured = false;
    std::array<std::int32_t, 3> corner{}; // into the mesh's positions
    std::int32_t materialId = 0;          // *MESH_MTLID
    std::array<std::array<float, 2>, 3> uv{};
    std::size_t line = 0;
};

struct MaxObject {
    std::string name; // the *NODE_NAME token, as the vertex-colour file names it
    bool named = false;
    std::size_t line = 0;             // its *GEOMOBJECT line
    std::vector<std::int32_t> vertex; // vertex number -> position, -1 not given
    std::vector<MaxFace> faces;
    std::vector<MaxTextureVertex> textureVertices;

    // "Mesh NAME (line N)" for messages.
    std::string label() const;
};

// Index `n` into one of the object's lists of `size` entries, declared by
// `countLine`; an InputError naming the line of `file` when outside.
std::size_t checkedIndex(const TextSource& file, const MaxObject& object, std::int32_t n,
                         std::size_t size, const char* what, const char* countLine);

// The converter's rules at the end of an object (`ref` its *MATERIAL_REF,
// nullopt when it has none): every face given, showing a bitmap through its
// material and with texture coordinates; otherwise an InputError.
void requireTextures(const TextSource& file, const MaxObject& object, const MaxMaterialList& list,
                     std::optional<std::int32_t> ref);

// Appends the object's given faces to `out` in the order of their numbers.
// A face showing no bitmap through material `ref`, or without texture
// coordinates, comes untextured (material -1, no texture coordinates).
void takeFaces(const MaxObject& object, const MaxMaterialList& list,
               std::optional<std::int32_t> ref, std::vector<MeshFace>& out);

} // namespace meshsmith::readers
