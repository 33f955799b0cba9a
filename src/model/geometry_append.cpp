#include "geometry_append.hpp"

#include <cmath>
#include <cstdint>
#include <limits>

namespace meshsmith {

std::optional<Vertex> offsetVertex(const Vertex& v, VertexOffset o) {
    const Vertex moved{v.X + o.x, v.Y + o.y, v.Z + o.z};
    if (!std::isfinite(moved.X) || !std::isfinite(moved.Y) || !std::isfinite(moved.Z))
        return std::nullopt;
    return moved;
}

std::optional<FileError> appendGeometry(TrackObject& object, AddedGeometry&& added,
                                        VertexOffset offset) {
    constexpr auto limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    const std::size_t v0 = object.vertices.size(), t0 = object.textures.size();
    if (added.vertices.size() > limit - std::min(v0, limit))
        return FileError{"The project cannot hold more than " + std::to_string(limit) + " vertices",
                         0};
    for (std::size_t k = 0; k < added.vertices.size(); ++k) {
        const auto moved = offsetVertex(added.vertices[k], offset);
        if (!moved) {
            const std::size_t line = k < added.lineOfVertex.size() ? added.lineOfVertex[k] : 0;
            return FileError{"The offset moves vertex " + std::to_string(k) +
                                 " of the file out of the range of coordinates; choose a "
                                 "smaller offset",
                             line};
        }
        added.vertices[k] = *moved;
    }
    for (ObjectData& l : added.lines)
        for (std::int32_t& i : l.VertexIndices)
            i += static_cast<std::int32_t>(v0);
    for (ObjectData& poly : added.polygons) {
        for (std::int32_t& i : poly.VertexIndices)
            i += static_cast<std::int32_t>(v0);
        if (poly.TextureIndex != NoTexture) poly.TextureIndex += static_cast<std::int32_t>(t0);
    }
    // Room first: moving the records in afterwards cannot fail half-way.
    object.vertices.reserve(v0 + added.vertices.size());
    object.textures.reserve(t0 + added.textures.size());
    object.lines.reserve(object.lines.size() + added.lines.size());
    object.polygons.reserve(object.polygons.size() + added.polygons.size());
    object.vertices.insert(object.vertices.end(), added.vertices.begin(), added.vertices.end());
    for (TextureData& t : added.textures)
        object.textures.push_back(std::move(t));
    for (ObjectData& l : added.lines)
        object.lines.push_back(std::move(l));
    for (ObjectData& poly : added.polygons)
        object.polygons.push_back(std::move(poly));
    return std::nullopt;
}

} // namespace meshsmith
