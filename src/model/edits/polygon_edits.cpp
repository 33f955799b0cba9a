#include "model/edits/polygon_edits.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/polygon_removal.hpp"
#include "model/edits/record_edits.hpp"

#include <numeric>

namespace meshsmith {
namespace {

std::string joined(const std::vector<std::int32_t>& indices) {
    std::string text;
    for (std::int32_t v : indices)
        text += (text.empty() ? "" : ", ") + std::to_string(v);
    return text;
}

bool isPolygon(const Project& p, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < p.object.polygons.size();
}

// The distinct corners of a closed corner list (its last entry repeats the first).
std::size_t distinctCornersOf(const std::vector<std::int32_t>& closed) {
    ObjectData shape;
    shape.VertexCount = static_cast<std::int32_t>(closed.size());
    shape.VertexIndices = closed;
    return distinctCorners(shape);
}

} // namespace

OperationResult createPolygon(Project& p, const std::vector<std::int32_t>& closed,
                              const Rgb& colour, LogSink& log) {
    if (closed.size() < 4 || closed.front() != closed.back() ||
        distinctCornersOf(closed) != closed.size() - 1)
        return OperationResult::refused(kThreeCornersMessage);
    if (!namesVertices(closed, p.object.vertices.size()))
        return OperationResult::refused("A polygon may only use vertices of the project");
    return applyEdit(p, "Add Polygon", [&](Project& p) {
        ObjectData polygon;
        setRecordColour(polygon, colour);
        polygon.VertexCount = static_cast<std::int32_t>(closed.size());
        polygon.VertexIndices = closed;
        p.object.polygons.push_back(std::move(polygon));
        log.addLine("Polygon No. " + std::to_string(p.object.polygons.size() - 1) +
                    " created, using vertices " + joined(closed));
        return OperationResult{};
    });
}

OperationResult redefinePolygon(Project& p, std::int32_t index,
                                const std::vector<std::int32_t>& corners) {
    if (!isPolygon(p, index)) return OperationResult::refused("No polygon selected to redefine !");
    const ObjectData& old = p.object.polygons[static_cast<std::size_t>(index)];
    std::vector<std::int32_t> closed = corners;
    closed.push_back(corners.empty() ? 0 : corners.front());
    if (corners.empty() || static_cast<std::int32_t>(corners.size()) != old.corners() ||
        !namesVertices(corners, p.object.vertices.size()) ||
        distinctCornersOf(closed) != corners.size())
        return OperationResult::refused("Polygon No. " + std::to_string(index) + " has " +
                                        std::to_string(old.corners()) + " corners to redefine");
    return applyEdit(p, "Redefine Polygon", [&](Project& p) {
        ObjectData& polygon = p.object.polygons[static_cast<std::size_t>(index)];
        polygon.VertexIndices = closed;
        return OperationResult{};
    });
}

std::string untexturedMessage(std::int32_t polygon) {
    return "Not possible to texturize polygon No. " + std::to_string(polygon) +
           " with this function !";
}

TextureChange retextureSelectedPolygons(Project& p, const std::vector<std::int32_t>& selected,
                                        std::int32_t texture) {
    if (texture < 0 || static_cast<std::size_t>(texture) >= p.object.textures.size())
        return {OperationResult::refused(kNotTexturizableMessage), {}};
    TextureChange change;
    change.result = applyEdit(p, "Change Polygon Texture", [&](Project& p) {
        for (std::int32_t k : recordsIn(selected, p.object.polygons.size())) {
            ObjectData& polygon = p.object.polygons[static_cast<std::size_t>(k)];
            if (polygon.textured())
                polygon.TextureIndex = texture;
            else
                change.untextured.push_back(k);
        }
        return OperationResult{};
    });
    return change;
}

OperationResult recolourSelectedPolygons(Project& p, const std::vector<std::int32_t>& selected,
                                         const Rgb& colour) {
    return applyEdit(p, "Recolour Polygons", [&](Project& p) {
        for (std::int32_t k : recordsIn(selected, p.object.polygons.size()))
            setRecordColour(p.object.polygons[static_cast<std::size_t>(k)], colour);
        return OperationResult{};
    });
}

OperationResult removeSelectedPolygons(Project& p, const std::vector<std::int32_t>& selected,
                                       LogSink& log) {
    return applyEdit(p, "Remove Polygons", [&](Project& p) {
        removePolygons(p, selected, log);
        return OperationResult{};
    });
}

OperationResult removeAllPolygons(Project& p, UserPrompts& prompts, LogSink& log) {
    if (prompts.askYesNo("Remove all Polygons", "Are you sure ?") != Answer::Yes)
        return OperationResult::cancelled();
    return applyEdit(p, "Remove All Polygons", [&](Project& p) {
        std::vector<std::int32_t> all(p.object.polygons.size());
        std::iota(all.begin(), all.end(), 0);
        removePolygons(p, std::move(all), log);
        log.addLine("All Polygons Cleared !");
        return OperationResult{};
    });
}

} // namespace meshsmith
