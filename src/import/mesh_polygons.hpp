#pragma once
// The polygons a model's faces make in the object: each face a polygon over
// its corners in the order given, closed as the object stores polygons,
// textured with its texture coordinates as the file gives them when its
// material has a texture.

#include "import/import_bitmaps.hpp"
#include "model/file_error.hpp"
#include "model/geometry_text_exchange.hpp"
#include "readers/plain_mesh.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace meshsmith {

// A face that refers to a position or material the mesh does not hold, or
// whose texture coordinates are not one per corner; nullopt for a sound mesh.
std::optional<FileError> meshFault(const readers::PlainMesh& mesh);

// A face makes a polygon when its corners stand at three or more distinct
// positions (vertices at one position are merged after an import).
bool makesPolygon(const readers::PlainMesh& mesh, const readers::MeshFace& face);

// The materials of the faces that make polygons with texture coordinates.
std::vector<bool> materialsInUse(const readers::PlainMesh& mesh);

struct MeshPolygons {
    // Every position, the polygons, and the new textures.
    ImportedGeometry geometry;
    std::size_t leftOut = 0;         // faces that make no polygon
    std::size_t withoutCoords = 0;   // polygons untextured for want of texture coordinates
    std::size_t withoutMaterial = 0; // ... for want of a material
    std::vector<std::size_t>
        untextured; // per entry of textures.problems: polygons it left untextured
};

// The geometry of a sound mesh (meshFault) with the textures of its
// materials, for a library of `libraryTextures` textures.
MeshPolygons meshPolygons(const readers::PlainMesh& mesh, const MaterialTextures& textures,
                          std::size_t libraryTextures);

} // namespace meshsmith
