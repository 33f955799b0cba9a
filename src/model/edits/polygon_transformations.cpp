#include "model/edits/polygon_transformations.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/polygon_removal.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/edits/vertex_mapping.hpp"

#include <algorithm>
#include <numeric>

namespace meshsmith {
namespace {

bool anyPolygonSelected(const Project& p) {
    return std::any_of(p.object.polygons.begin(), p.object.polygons.end(),
                       [](const ObjectData& poly) { return poly.Selected != 0; });
}

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
OperationResult checkCopiedCorners(const Project& p, const std::array<TypedNumber, 3>& offsets) {
    for (const ObjectData& poly : p.object.polygons) {
        if (!poly.Selected) continue;
        for (std::size_t i = 0; i < cornersOf(poly); ++i) {
            const auto v = static_cast<std::size_t>(poly.VertexIndices[i]);
            if (!storedPosition(offsetPosition(p.object.vertices[v], offsets), 0))
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
        p.object.vertices.push_back(*storedPosition(offsetPosition(corner, offsets), 0));
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

bool samePolygon(ObjectData a, ObjectData b) {
    a.Selected = b.Selected = 0;
    return a == b;
}

bool samePosition(const Vertex& a, const Vertex& b) {
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

} // namespace

bool offsetsUnchanged(const std::array<TypedNumber, 3>& offsets) {
    return std::all_of(offsets.begin(), offsets.end(),
                       [](const TypedNumber& n) { return n.text == "0.0"; });
}

OperationResult copyPolygons(Project& p, const std::array<TypedNumber, 3>& offsets, CopySide side,
                             CopyTexture texture, PolygonCopyUndo& undo) {
    if (offsetsUnchanged(offsets)) return OperationResult::refused(kCheckOffsetMessage);
    if (!anyPolygonSelected(p)) return OperationResult::refused(kSelectPolygonsMessage);
    if (OperationResult r = checkCopiedCorners(p, offsets); !r.done()) return r;
    return applyEdit(p, "Copy Polygons", [&](Project& p) {
        removeDoubleVertices(p);
        const std::size_t firstVertex = p.object.vertices.size();
        const std::size_t firstPolygon = p.object.polygons.size();
        for (std::size_t k = 0; k < firstPolygon; ++k) {
            if (!p.object.polygons[k].Selected) continue;
            ObjectData copy = appendCopy(p, p.object.polygons[k], offsets, side, texture);
            p.object.polygons[k].Selected = 0;
            p.object.polygons.push_back(std::move(copy));
        }
        undo = {firstVertex,
                firstPolygon,
                {p.object.vertices.begin() + static_cast<std::ptrdiff_t>(firstVertex),
                 p.object.vertices.end()},
                {p.object.polygons.begin() + static_cast<std::ptrdiff_t>(firstPolygon),
                 p.object.polygons.end()}};
        updateBounds(p);
        return OperationResult{};
    });
}

bool canUndoPolygonCopy(const Project& p, const PolygonCopyUndo& undo) {
    const std::vector<Vertex>& vertices = p.object.vertices;
    const std::vector<ObjectData>& polygons = p.object.polygons;
    if (undo.polygons.empty() || vertices.size() != undo.firstVertex + undo.vertices.size() ||
        polygons.size() != undo.firstPolygon + undo.polygons.size())
        return false;
    if (!std::equal(undo.vertices.begin(), undo.vertices.end(),
                    vertices.begin() + static_cast<std::ptrdiff_t>(undo.firstVertex),
                    samePosition) ||
        !std::equal(undo.polygons.begin(), undo.polygons.end(),
                    polygons.begin() + static_cast<std::ptrdiff_t>(undo.firstPolygon), samePolygon))
        return false;
    const auto usesCopied = [&](const ObjectData& r) {
        return std::any_of(r.VertexIndices.begin(), r.VertexIndices.end(), [&](std::int32_t v) {
            return static_cast<std::size_t>(v) >= undo.firstVertex;
        });
    };
    return std::none_of(polygons.begin(),
                        polygons.begin() + static_cast<std::ptrdiff_t>(undo.firstPolygon),
                        usesCopied) &&
           std::none_of(p.object.lines.begin(), p.object.lines.end(), usesCopied) &&
           std::none_of(p.object.visLines.begin(), p.object.visLines.end(), usesCopied);
}

OperationResult undoPolygonCopy(Project& p, PolygonCopyUndo& undo, LogSink& log) {
    if (undo.polygons.empty()) return OperationResult::refused("Nothing to undo");
    if (!canUndoPolygonCopy(p, undo)) {
        undo = {};
        return OperationResult::refused(kUndoOutdatedMessage);
    }
    return applyEdit(p, "Undo Polygon Copy", [&](Project& p) {
        std::vector<std::int32_t> copies(undo.polygons.size());
        std::iota(copies.begin(), copies.end(), static_cast<std::int32_t>(undo.firstPolygon));
        removePolygons(p, std::move(copies), log);
        p.object.vertices.resize(undo.firstVertex);
        undo = {};
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult movePolygons(Project& p, const std::array<TypedNumber, 3>& offsets,
                             VertexUndo& undo) {
    if (!anyPolygonSelected(p)) return OperationResult::refused(kSelectPolygonsMessage);
    if (offsetsUnchanged(offsets)) return OperationResult::refused(kCheckOffsetMessage);
    std::vector<bool> used(p.object.vertices.size(), false);
    for (const ObjectData& poly : p.object.polygons)
        if (poly.Selected)
            for (std::int32_t v : poly.VertexIndices)
                used[static_cast<std::size_t>(v)] = true;
    return mapVertices(
        p, "Move Polygons", used, [&](const Vertex& v) { return offsetPosition(v, offsets); },
        "moved", &undo);
}

} // namespace meshsmith
