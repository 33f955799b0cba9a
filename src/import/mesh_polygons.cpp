#include "import/mesh_polygons.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

bool hasCoords(const readers::MeshFace& face) {
    return !face.uv.empty();
}

ObjectData polygonOver(const readers::MeshFace& face) {
    ObjectData poly;
    poly.VertexIndices = face.corners;
    poly.VertexIndices.push_back(face.corners.front());
    poly.VertexCount = static_cast<std::int32_t>(poly.VertexIndices.size());
    return poly;
}

} // namespace

std::optional<FileError> meshFault(const readers::PlainMesh& mesh) {
    const auto positions = static_cast<std::int32_t>(mesh.positions.size());
    const auto materials = static_cast<std::int32_t>(mesh.materials.size());
    for (const readers::MeshFace& face : mesh.faces) {
        for (std::int32_t corner : face.corners)
            if (corner < 0 || corner >= positions)
                return FileError{"A face refers to vertex " + std::to_string(corner) +
                                     ", but the file holds " + std::to_string(positions),
                                 face.line};
        if (face.material < -1 || face.material >= materials)
            return FileError{"A face refers to material " + std::to_string(face.material) +
                                 ", but the file holds " + std::to_string(materials),
                             face.line};
        if (hasCoords(face) && face.uv.size() != face.corners.size())
            return FileError{"A face has texture coordinates for some corners only", face.line};
    }
    return std::nullopt;
}

bool makesPolygon(const readers::PlainMesh& mesh, const readers::MeshFace& face) {
    std::vector<std::array<float, 3>> seen;
    for (std::int32_t corner : face.corners) {
        const auto& at = mesh.positions[static_cast<std::size_t>(corner)];
        if (std::find(seen.begin(), seen.end(), at) == seen.end()) seen.push_back(at);
        if (seen.size() == 3) return true;
    }
    return false;
}

std::vector<bool> materialsInUse(const readers::PlainMesh& mesh) {
    std::vector<bool> used(mesh.materials.size(), false);
    for (const readers::MeshFace& face : mesh.faces)
        if (face.material >= 0 && hasCoords(face) && makesPolygon(mesh, face))
            used[static_cast<std::size_t>(face.material)] = true;
    return used;
}

MeshPolygons meshPolygons(const readers::PlainMesh& mesh, const MaterialTextures& textures,
                          std::size_t libraryTextures) {
    MeshPolygons out;
    out.untextured.assign(textures.problems.size(), 0);
    out.geometry.vertices.reserve(mesh.positions.size());
    for (const auto& at : mesh.positions)
        out.geometry.vertices.push_back({at[0], at[1], at[2]});
    const auto first = static_cast<std::int32_t>(libraryTextures);
    for (const readers::MeshFace& face : mesh.faces) {
        if (!makesPolygon(mesh, face)) {
            ++out.leftOut;
            continue;
        }
        ObjectData poly = polygonOver(face);
        const std::int32_t texture =
            face.material < 0 ? NoTexture
                              : textures.texture[static_cast<std::size_t>(face.material)];
        if (!hasCoords(face)) {
            ++out.withoutCoords;
        } else if (face.material < 0) {
            ++out.withoutMaterial;
        } else if (texture == NoTexture) {
            ++out.untextured[static_cast<std::size_t>(
                textures.problem[static_cast<std::size_t>(face.material)])];
        } else {
            for (const auto& uv : face.uv)
                poly.TexCoords.push_back({uv[0], uv[1]});
            poly.TextureIndex = texture - first; // below 0: a texture of the library
        }
        out.geometry.polygons.push_back(std::move(poly));
    }
    out.geometry.textures = textures.added;
    return out;
}

} // namespace meshsmith
