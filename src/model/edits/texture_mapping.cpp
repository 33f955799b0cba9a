#include "model/edits/texture_mapping.hpp"

#include "model/edits/edit.hpp"

#include <algorithm>
#include <functional>
#include <utility>

namespace meshsmith {
namespace {

// Runs `change` on every textured polygon of the list, as one step.
OperationResult changeTextured(Project& p, const std::vector<std::int32_t>& polygons,
                               const std::string& name,
                               const std::function<void(ObjectData&)>& change) {
    return applyEdit(p, name, [&](Project& p) {
        for (std::int32_t k : polygons) {
            ObjectData& poly = p.object.polygons.at(static_cast<std::size_t>(k));
            if (poly.textured()) change(poly);
        }
        return OperationResult{};
    });
}

} // namespace

bool isQuadrilateral(const ObjectData& polygon) {
    return polygon.VertexCount == 5;
}

OperationResult assignTexture(Project& p, const std::vector<std::int32_t>& polygons,
                              std::int32_t texture, const std::vector<TexCoord>& working,
                              bool quadsOnly) {
    if (texture != NoTexture &&
        (texture < 0 || static_cast<std::size_t>(texture) >= p.object.textures.size()))
        return OperationResult::refused("Choose a Texture !");
    return applyEdit(p, "Assign Texture", [&](Project& p) {
        for (std::int32_t k : polygons) {
            ObjectData& poly = p.object.polygons.at(static_cast<std::size_t>(k));
            if (quadsOnly && !isQuadrilateral(poly)) continue;
            poly.TextureIndex = texture;
            poly.TexCoords.clear();
            if (texture == NoTexture) continue;
            for (std::size_t c = 0; c + 1 < poly.VertexIndices.size(); ++c)
                poly.TexCoords.push_back(c < working.size() ? working[c] : TexCoord{1, 1});
        }
        return OperationResult{};
    });
}

OperationResult rotateTexture(Project& p, const std::vector<std::int32_t>& polygons) {
    return changeTextured(p, polygons, "Rotate Texture", [](ObjectData& poly) {
        const auto corners = static_cast<std::ptrdiff_t>(poly.corners());
        if (corners > 0)
            std::rotate(poly.TexCoords.begin(), poly.TexCoords.begin() + 1,
                        poly.TexCoords.begin() + corners);
    });
}

OperationResult mirrorTexture(Project& p, const std::vector<std::int32_t>& polygons,
                              MirrorAxis axis) {
    return changeTextured(p, polygons, "Mirror Texture", [axis](ObjectData& poly) {
        if (!isQuadrilateral(poly)) return;
        std::vector<TexCoord>& t = poly.TexCoords;
        if (axis == MirrorAxis::Horizontal) {
            std::swap(t[0], t[1]);
            std::swap(t[2], t[3]);
        } else {
            std::swap(t[0], t[3]);
            std::swap(t[1], t[2]);
        }
    });
}

OperationResult faceOpposite(Project& p, const std::vector<std::int32_t>& polygons) {
    return changeTextured(p, polygons, "Face Opposite", [](ObjectData& poly) {
        std::vector<std::int32_t>& v = poly.VertexIndices;
        if (v.size() < 2) return;
        std::reverse(v.begin(), v.end() - 1);
        v.back() = v.front();
    });
}

} // namespace meshsmith
