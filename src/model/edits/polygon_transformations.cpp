#include "model/edits/polygon_transformations.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/record_edits.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/edits/vertex_mapping.hpp"

#include <algorithm>

namespace meshsmith {
namespace {



Position offsetPosition(const Vertex& v, const std::array<TypedNumber, 3>& offsets) {
    Position q = positionOf(v);
    for (std::size_t k = 0; k < 3; ++k)
        q[k] += offsets[k].value;
    return q;
}

// The corners of a polygon that a copy gets new vertices for: every entry but
// the closing repeat (a polygon of a single entry has that one).
std::size_t cornersOf(const ObjectData& poly) {
    return std::max<std::size_t>(poly.VertexIndices.size(), 2) - 1;
}

// Refused when a copied corner would leave the float range. Merging double
// vertices first moves no position, so the check holds for the copy itself.
OperationResult checkCopiedCorners(const Project& p, const std::vector<bool>& chosen,
                                   const std::array<TypedNumber, 3>& offsets) {
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        if (!chosen[k]) continue;
        const ObjectData& poly = p.object.polygons[k];
        for (std::size_t i = 0; i < cornersOf(poly); ++i) {
            const auto v = static_cast<std::size_t>(poly.VertexIndices[i]);
            if (!storedPosition(offsetPosition(p.object.vertices[v], offsets)))
                return OperationResult::refused(outOfRangeMessage(v, "copied"));
        }
    }
    return {};
}

// A copy of `source` over new vertices appended at its corners plus the offsets.
ObjectData appendCopy(Project& p, const ObjectData& source,
                      const std::array<TypedNumber, 3>& offsets, CopySide side,
                      CopyTexture texture) {
    ObjectData copy = source;
    const std::size_t corners = cornersOf(source);
    for (std::size_t i = 0; i < corners; ++i) {
        const Vertex& corner = p.object.vertices[static_cast<std::size_t>(source.VertexIndices[i])];
        p.object.vertices.push_back(*storedPosition(offsetPosition(corner, offsets)));
        copy.VertexIndices[i] = static_cast<std::int32_t>(p.object.vertices.size() - 1);
    }
    if (copy.VertexIndices.size() > corners) copy.VertexIndices.back() = copy.VertexIndices[0];
    if (side == CopySide::Opposite)
        std::reverse(copy.VertexIndices.begin(), copy.VertexIndices.end());
    if (texture == CopyTexture::None || !copy.textured()) {
        copy.TextureIndex = NoTexture;
        copy.TexCoords.clear();
    } else if (texture == CopyTexture::Mirrored) {
        const std::size_t k = std::min(corners, source.TexCoords.size());
        for (std::size_t i = 0; i < k; ++i)
            copy.TexCoords[i] = source.TexCoords[k - 1 - i];
    }
    return copy;
}

} // namespace

bool offsetsUnchanged(const std::array<TypedNumber, 3>& offsets) {
    return std::all_of(offsets.begin(), offsets.end(),
                       [](const TypedNumber& n) { return n.text == "0.0"; });
}

OperationResult copyPolygons(Project& p, const std::vector<std::int32_t>& selected,
                             const std::array<TypedNumber, 3>& offsets, CopySide side,
                             CopyTexture texture) {
    if (offsetsUnchanged(offsets)) return OperationResult::refused(kCheckOffsetMessage);
    const std::vector<bool> chosen = flagsOf(selected, p.object.polygons.size());
    if (!anyFlag(chosen)) return OperationResult::refused(kSelectPolygonsMessage);
    if (OperationResult r = checkCopiedCorners(p, chosen, offsets); !r.done()) return r;
    return applyEdit(p, "Copy Polygons", [&](Project& p) {
        removeDoubleVertices(p);
        const std::size_t sources = p.object.polygons.size();
        for (std::size_t k = 0; k < sources; ++k) {
            if (!chosen[k]) continue;
            ObjectData copy = appendCopy(p, p.object.polygons[k], offsets, side, texture);
            p.object.polygons.push_back(std::move(copy));
        }
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult movePolygons(Project& p, const std::vector<std::int32_t>& selected,
                             const std::array<TypedNumber, 3>& offsets) {
    const std::vector<bool> chosen = flagsOf(selected, p.object.polygons.size());
    if (!anyFlag(chosen)) return OperationResult::refused(kSelectPolygonsMessage);
    if (offsetsUnchanged(offsets)) return OperationResult::refused(kCheckOffsetMessage);
    std::vector<bool> used(p.object.vertices.size(), false);
    for (std::size_t k = 0; k < chosen.size(); ++k)
        if (chosen[k])
            for (std::int32_t v : p.object.polygons[k].VertexIndices)
                used[static_cast<std::size_t>(v)] = true;
    return mapVertices(
        p, "Move Polygons", used, [&](const Vertex& v) { return offsetPosition(v, offsets); },
        "moved");
}

} // namespace meshsmith
