#include "model/edits/vertex_edits.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/polygon_removal.hpp"
#include "model/edits/record_edits.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/edits/visualization_lines.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace meshsmith {
namespace {

bool usesAny(const ObjectData& record, const std::vector<bool>& removed) {
    return std::any_of(record.VertexIndices.begin(), record.VertexIndices.end(),
                       [&](std::int32_t v) { return removed[static_cast<std::size_t>(v)]; });
}

// Drops the vertices flagged in `removed` with every line and polygon that
// uses one, and renumbers what stays.
void removeVertices(Project& p, const std::vector<bool>& removed, LogSink& log) {
    std::vector<std::int32_t> gonePolygons;
    for (std::size_t k = 0; k < p.object.polygons.size(); ++k)
        if (usesAny(p.object.polygons[k], removed))
            gonePolygons.push_back(static_cast<std::int32_t>(k));
    removePolygons(p, std::move(gonePolygons), log);
    std::erase_if(p.object.lines, [&](const ObjectData& l) { return usesAny(l, removed); });

    std::vector<std::int32_t> newIndex(p.object.vertices.size(), -1);
    std::size_t kept = 0;
    for (std::size_t k = 0; k < p.object.vertices.size(); ++k)
        if (!removed[k]) {
            newIndex[k] = static_cast<std::int32_t>(kept);
            p.object.vertices[kept++] = p.object.vertices[k];
        }
    p.object.vertices.resize(kept);
    for (auto* table : {&p.object.lines, &p.object.polygons, &p.object.visLines})
        for (ObjectData& record : *table)
            for (std::int32_t& v : record.VertexIndices)
                v = newIndex[static_cast<std::size_t>(v)];
}

void emptyAssociatedTables(Project& p) {
    p.object.lines.clear();
    p.object.polygons.clear();
    p.object.textures.clear();
    p.object.collision.clear();
}

// In double: two coordinates near the float limit would overflow their float sum.
Vertex midpoint(const Vertex& a, const Vertex& b) {
    auto mid = [](float u, float v) { return static_cast<float>((double{u} + double{v}) / 2); };
    return {mid(a.X, b.X), mid(a.Y, b.Y), mid(a.Z, b.Z)};
}

} // namespace

OperationResult addVertex(Project& p, float x, float y, float z) {
    return applyEdit(p, "Add Vertex", [&](Project& p) {
        p.object.vertices.push_back({x, y, z});
        p.GeometryPresent = true;
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult modifySelectedVertices(Project& p, const std::vector<std::int32_t>& selected,
                                       std::optional<float> x, std::optional<float> y,
                                       std::optional<float> z) {
    const std::vector<bool> chosen = flagsOf(selected, p.object.vertices.size());
    if (!anyFlag(chosen)) return OperationResult::refused("No vertex selected");
    return applyEdit(p, "Modify Vertices", [&](Project& p) {
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            if (!chosen[k]) continue;
            Vertex& v = p.object.vertices[k];
            if (x) v.X = *x;
            if (y) v.Y = *y;
            if (z) v.Z = *z;
        }
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult removeSelectedVertices(Project& p, const std::vector<std::int32_t>& selected,
                                       LogSink& log) {
    const std::vector<bool> removed = flagsOf(selected, p.object.vertices.size());
    return applyEdit(p, "Remove Vertices", [&](Project& p) {
        return keepingVisualizationLines(p, log, [&] {
            removeVertices(p, removed, log);
            if (p.object.vertices.empty())
                p.GeometryPresent = false;
            else
                updateBounds(p);
            return OperationResult{};
        });
    });
}

OperationResult removeAllVertices(Project& p, UserPrompts& prompts, LogSink& log) {
    if (prompts.askYesNo("Remove all Vertices",
                         "OK to remove all vertices and associated lines/polygons ?") !=
        Answer::Yes)
        return OperationResult::cancelled();
    return applyEdit(p, "Remove All Vertices", [&](Project& p) {
        p.object.vertices.clear();
        p.object.visLines.clear();
        emptyAssociatedTables(p);
        p.GeometryPresent = false;
        log.addLine("All Vertices removed !");
        return OperationResult{};
    });
}

OperationResult createInterpolatedVertex(Project& p, const std::vector<std::int32_t>& selected,
                                         LogSink& log) {
    const std::vector<bool> chosen = flagsOf(selected, p.object.vertices.size());
    std::vector<std::size_t> pair;
    for (std::size_t k = 0; k < chosen.size(); ++k)
        if (chosen[k]) pair.push_back(k);
    if (p.object.vertices.size() < 2) return OperationResult::refused(kNotEnoughVerticesMessage);
    if (pair.size() != 2) return OperationResult::refused(kOnlyTwoSelectedMessage);
    return applyEdit(p, "Create Interpolated Vertex", [&](Project& p) {
        const Vertex m = midpoint(p.object.vertices[pair[0]], p.object.vertices[pair[1]]);
        p.object.vertices.push_back(m);
        log.addLine("Created Vertex " + std::to_string(p.object.vertices.size() - 1) +
                    ", located between Vertices " + std::to_string(pair[0]) + " and " +
                    std::to_string(pair[1]));
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult addInterpolatedVertices(Project& p, UserPrompts& prompts, LogSink& log) {
    if (p.object.vertices.size() < 2) return OperationResult::refused(kNotEnoughVerticesMessage);
    const bool associated = !p.object.lines.empty() || !p.object.polygons.empty();
    if (associated &&
        prompts.askYesNo("Add Interpolated Vertices",
                         "OK to remove all associated polygons and lines ?") != Answer::Yes)
        return OperationResult::cancelled();
    return applyEdit(p, "Add Interpolated Vertices", [&](Project& p) {
        return keepingVisualizationLines(p, log, [&] {
            if (associated) {
                emptyAssociatedTables(p);
                log.addLine("All associated Polygons/Lines removed !");
            }
            const std::vector<Vertex>& old = p.object.vertices;
            std::vector<Vertex> path;
            path.reserve(2 * old.size() - 1);
            for (std::size_t k = 0; k < old.size(); ++k) {
                path.push_back(old[k]);
                if (k + 1 < old.size()) path.push_back(midpoint(old[k], old[k + 1]));
            }
            const std::size_t added = old.size() - 1;
            p.object.vertices = std::move(path);
            log.addLine(std::to_string(added) + " interpolated Vertices added");
            updateBounds(p);
            return OperationResult{};
        });
    });
}

OperationResult removeDoubleVerticesStep(Project& p, LogSink& log) {
    return applyEdit(p, "Remove Double Vertices", [&](Project& p) {
        removeDoubleVerticesCommand(p, log);
        updateBounds(p);
        return OperationResult{};
    });
}

} // namespace meshsmith
