#include "editor/core/view/hit_names.hpp"

#include "editor/core/view/scene_data.hpp"
#include "model/paths.hpp"

namespace meshsmith {

namespace {

template <typename Table> bool inTable(const Table& table, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < table.size();
}

std::string textureNameOf(const Project& project, const ObjectData& polygon) {
    const TextureData* texture = polygonTexture(project, polygon);
    if (!texture) return "Untextured";
    return withoutLast4(fileNameOf(texture->Filename));
}

} // namespace

std::optional<std::string> hitHint(const Project& project, const PickHit& hit) {
    const std::string number = std::to_string(hit.index);
    switch (hit.kind) {
    case HitKind::Vertex:
        if (!inTable(project.object.vertices, hit.index)) return std::nullopt;
        return "Vertex No. " + number;
    case HitKind::Line:
        if (!inTable(project.object.lines, hit.index)) return std::nullopt;
        return "Line No. " + number;
    case HitKind::Polygon:
        if (!inTable(project.object.polygons, hit.index)) return std::nullopt;
        return "Polygon No. " + number +
               "\rTexture Name: " + textureNameOf(project, project.object.polygons[hit.index]);
    default:
        return std::nullopt;
    }
}

std::optional<std::string> hoverHint(const Project& project, const std::vector<PickHit>& hits) {
    std::optional<std::string> hint;
    for (const PickHit& hit : hits)
        if (auto text = hitHint(project, hit)) hint = std::move(text);
    return hint;
}

std::vector<std::int32_t> vertexCandidates(const Project& project,
                                           const std::vector<PickHit>& hits) {
    std::vector<std::int32_t> candidates;
    for (const PickHit& hit : hits)
        if (hit.kind == HitKind::Vertex && inTable(project.object.vertices, hit.index))
            candidates.push_back(hit.index);
    return candidates;
}

} // namespace meshsmith
