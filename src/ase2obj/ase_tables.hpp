#pragma once
// What ase2obj keeps of an editor-dialect ASE file: the texture names, the
// shared vertices and texture vertices, and one polygon per geometric object.
// Every table has a fixed capacity; reading stops with a message before one
// would be passed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::ase2obj {

inline constexpr std::size_t kMaxMaterials = 100;
inline constexpr std::size_t kMaxVertices = 30000;
inline constexpr std::size_t kMaxTextureVertices = 30000;
inline constexpr std::size_t kMaxPolygons = 10000;
// Entries of an object's working lists: *MESH_VERTEX and *MESH_TVERT numbers run 0 .. 99.
inline constexpr int kMaxObjectEntries = 100;

struct Position {
    float x = 0, y = 0, z = 0;
};

struct TexturePosition {
    float u = 0, v = 0;
};

struct Polygon {
    // 1-based numbers into the vertex and texture vertex tables, as OBJ wants
    // them, in the order of the object's *MESH_VERTEX numbers; both of one length.
    std::vector<std::int32_t> vertices, textureVertices;
    std::int32_t material = 0;    // index into AseTables::materials
    std::size_t materialLine = 0; // line of the *MATERIAL_REF, for messages
};

struct AseTables {
    std::vector<std::string> materials; // texture names in the order of their *BITMAP lines
    std::vector<Position> vertices;
    std::vector<TexturePosition> textureVertices;
    std::vector<Polygon> polygons;
};

} // namespace meshsmith::ase2obj
