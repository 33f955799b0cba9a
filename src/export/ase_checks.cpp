// The checks made before an ASE file is written: the two user-facing
// preconditions and the references the file cannot express.

#include "export/ase_writer.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

bool isVertex(const Project& p, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < p.object.vertices.size();
}

std::string n(std::size_t value) {
    return std::to_string(value);
}

std::optional<std::string> polygonFault(const Project& p, std::size_t i) {
    const ObjectData& poly = p.object.polygons[i];
    int corners = aseCornerCount(poly);
    for (int k = 0; k < corners; ++k) {
        std::int32_t v = poly.VertexIndices[static_cast<std::size_t>(k)];
        if (!isVertex(p, v))
            return "Polygon " + n(i) + ": corner " + std::to_string(k) + " refers to vertex " +
                   std::to_string(v) + ", which does not exist.";
    }
    if (distinctCorners(poly) < 3)
        return "Polygon " + n(i) +
               " has fewer than three different corners: redefine it or remove it.";
    if (poly.TextureIndex < 0 ||
        static_cast<std::size_t>(poly.TextureIndex) >= p.object.textures.size())
        return "Polygon " + n(i) + " uses texture " + std::to_string(poly.TextureIndex) +
               ", which does not exist.";
    return std::nullopt;
}

std::optional<std::string> lineFault(const Project& p, std::size_t i) {
    const ObjectData& line = p.object.lines[i];
    if (line.VertexIndices.size() < 2) return "Line " + n(i) + " does not have two vertices.";
    for (std::size_t k = 0; k < 2; ++k)
        if (!isVertex(p, line.VertexIndices[k]))
            return "Line " + n(i) + " refers to vertex " + std::to_string(line.VertexIndices[k]) +
                   ", which does not exist.";
    return std::nullopt;
}

std::optional<std::string> planeFault(const Project& p, std::size_t volume, std::size_t plane,
                                      std::int32_t polygon) {
    std::string where = "Collision volume " + n(volume) + ", plane " + n(plane) + ": polygon " +
                        std::to_string(polygon);
    if (polygon < 0 || static_cast<std::size_t>(polygon) >= p.object.polygons.size())
        return where + " does not exist.";
    const ObjectData& poly = p.object.polygons[static_cast<std::size_t>(polygon)];
    if (aseCornerCount(poly) < 3) return where + " has no plane (it has fewer than three corners).";
    if (!polygonPlaneIsUsable(p, poly))
        return where + " has no plane (its first three corners lie on one line).";
    return std::nullopt;
}

std::optional<std::string> volumeFault(const Project& p, std::size_t v) {
    const CollVol& vol = p.object.collision[v];
    if (vol.PlaneCount < 0 ||
        static_cast<std::size_t>(vol.PlaneCount) != vol.PlanePolygons.size() ||
        vol.PlanePolygons.size() != vol.PlaneRebounds.size())
        return "Collision volume " + n(v) + " counts " + std::to_string(vol.PlaneCount) +
               " planes but lists " + n(vol.PlanePolygons.size()) + " polygons and " +
               n(vol.PlaneRebounds.size()) + " rebounds.";
    for (std::size_t j = 0; j < vol.PlanePolygons.size(); ++j)
        if (auto why = planeFault(p, v, j, vol.PlanePolygons[j])) return why;
    return std::nullopt;
}

} // namespace

int aseCornerCount(const ObjectData& polygon) {
    auto held = static_cast<std::int64_t>(polygon.VertexIndices.size());
    auto corners = std::clamp<std::int64_t>(std::int64_t{polygon.VertexCount} - 1, 0, held);
    return static_cast<int>(corners);
}

OperationResult checkAseWrite(const Project& p) {
    if (p.object.vertices.empty())
        return OperationResult::refused("Not enough Data to write ASE-file !");
    for (const auto& poly : p.object.polygons)
        if (!poly.textured())
            return OperationResult::refused("Only entirely textured objects supported so far !");
    return {};
}

OperationResult checkAseData(const Project& p) {
    std::optional<std::string> why;
    for (std::size_t i = 0; !why && i < p.object.polygons.size(); ++i)
        why = polygonFault(p, i);
    for (std::size_t i = 0; !why && i < p.object.lines.size(); ++i)
        why = lineFault(p, i);
    for (std::size_t v = 0; !why && v < p.object.collision.size(); ++v)
        why = volumeFault(p, v);
    return why ? OperationResult::refused(*why) : OperationResult{};
}

} // namespace meshsmith
