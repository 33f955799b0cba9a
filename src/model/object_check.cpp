#include "object_check.hpp"

#include <cmath>

namespace meshsmith {
namespace {

std::string counted(std::size_t count, const std::string& noun) {
    if (count == 1) return "1 " + noun;
    return std::to_string(count) + " " + (noun == "vertex" ? std::string("vertices") : noun + "s");
}

std::string outOfRange(const std::string& what, std::int64_t index, std::size_t count,
                       const char* table) {
    return what + " refers to " + table + " " + std::to_string(index) + ", but the project has " +
           counted(count, table);
}

bool inRange(std::int32_t i, std::size_t count) {
    return i >= 0 && static_cast<std::size_t>(i) < count;
}

std::optional<std::string> vertexFault(const Vertex& v, std::size_t k) {
    if (std::isfinite(v.X) && std::isfinite(v.Y) && std::isfinite(v.Z)) return std::nullopt;
    return "Vertex " + std::to_string(k) + " has a coordinate that is not a finite number";
}

std::optional<std::string> lineFault(const ObjectData& line, std::size_t k, std::size_t vertices,
                                     const char* kind) {
    const std::string what = std::string(kind) + " " + std::to_string(k);
    if (line.VertexIndices.size() != 2) return what + " does not have exactly two ends";
    for (std::int32_t v : line.VertexIndices)
        if (!inRange(v, vertices)) return outOfRange(what, v, vertices, "vertex");
    return std::nullopt;
}

std::optional<std::string> polygonFault(const ObjectData& poly, std::size_t k,
                                        const TrackObject& o) {
    const std::string what = "Polygon " + std::to_string(k);
    const auto entries = poly.VertexIndices.size();
    if (poly.VertexCount < 1 || static_cast<std::size_t>(poly.VertexCount) != entries)
        return what + " has VertexCount " + std::to_string(poly.VertexCount) + " but " +
               std::to_string(entries) + " vertex entries";
    for (std::int32_t v : poly.VertexIndices)
        if (!inRange(v, o.vertices.size())) return outOfRange(what, v, o.vertices.size(), "vertex");
    if (poly.TextureIndex == NoTexture) return std::nullopt;
    if (!inRange(poly.TextureIndex, o.textures.size()))
        return outOfRange(what, poly.TextureIndex, o.textures.size(), "texture");
    if (poly.TexCoords.size() < entries - 1)
        return what + " is textured but lacks texture coordinates for its corners";
    for (const TexCoord& t : poly.TexCoords)
        if (!std::isfinite(t.U) || !std::isfinite(t.V))
            return what + " has a texture coordinate that is not a finite number";
    return std::nullopt;
}

std::optional<std::string> volumeFault(const CollVol& vol, std::size_t k, std::size_t polygons) {
    const std::string what = "Collision volume " + std::to_string(k);
    if (vol.PlaneCount < 0 ||
        static_cast<std::size_t>(vol.PlaneCount) != vol.PlanePolygons.size() ||
        vol.PlanePolygons.size() != vol.PlaneRebounds.size())
        return what + " counts " + std::to_string(vol.PlaneCount) + " planes but lists " +
               std::to_string(vol.PlanePolygons.size()) + " polygons and " +
               std::to_string(vol.PlaneRebounds.size()) + " rebounds";
    for (std::int32_t p : vol.PlanePolygons)
        if (!inRange(p, polygons)) return outOfRange(what, p, polygons, "polygon");
    return std::nullopt;
}

} // namespace

std::optional<ObjectFault> findObjectFault(const TrackObject& o) {
    const std::size_t nv = o.vertices.size();
    for (std::size_t k = 0; k < nv; ++k)
        if (auto why = vertexFault(o.vertices[k], k))
            return ObjectFault{ObjectTable::Vertices, k, *why};
    for (std::size_t k = 0; k < o.lines.size(); ++k)
        if (auto why = lineFault(o.lines[k], k, nv, "Line"))
            return ObjectFault{ObjectTable::Lines, k, *why};
    for (std::size_t k = 0; k < o.visLines.size(); ++k)
        if (auto why = lineFault(o.visLines[k], k, nv, "Visualization line"))
            return ObjectFault{ObjectTable::VisLines, k, *why};
    for (std::size_t k = 0; k < o.polygons.size(); ++k)
        if (auto why = polygonFault(o.polygons[k], k, o))
            return ObjectFault{ObjectTable::Polygons, k, *why};
    for (std::size_t k = 0; k < o.collision.size(); ++k)
        if (auto why = volumeFault(o.collision[k], k, o.polygons.size()))
            return ObjectFault{ObjectTable::Collision, k, *why};
    return std::nullopt;
}

} // namespace meshsmith
