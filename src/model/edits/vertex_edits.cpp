#include "model/edits/vertex_edits.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/polygon_removal.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/edits/visualization_lines.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace meshsmith {
namespace {

void takeGeometrySnapshot(Project& p) {
    p.geometrySnapshot = {p.object.vertices, p.object.lines, p.object.polygons};
}

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
    const std::size_t linesBefore = p.object.lines.size();
    std::erase_if(p.object.lines, [&](const ObjectData& l) { return usesAny(l, removed); });
    if (p.object.lines.size() != linesBefore) p.SelectedLine = NoSelection;

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

void forgetGeometry(Project& p) {
    p.GeometryPresent = false;
    p.ViewReady = false;
}

void emptyAssociatedTables(Project& p) {
    p.object.lines.clear();
    p.object.polygons.clear();
    p.object.textures.clear();
    p.object.collision.clear();
    p.SelectedLine = NoSelection;
    p.SelectedPolygon = NoSelection;
    p.SelectedTexture = NoTexture;
    ++p.textureLibraryVersion;
}

// In double: two coordinates near the float limit would overflow their float sum.
Vertex midpoint(const Vertex& a, const Vertex& b) {
    auto mid = [](float u, float v) { return static_cast<float>((double{u} + double{v}) / 2); };
    return {mid(a.X, b.X), mid(a.Y, b.Y), mid(a.Z, b.Z), 0};
}

} // namespace

OperationResult addVertex(Project& p, float x, float y, float z) {
    return applyEdit(p, "Add Vertex", [&](Project& p) {
        p.object.vertices.push_back({x, y, z, 0});
        p.GeometryPresent = true;
        p.ViewReady = true;
        deselectAllVertices(p);
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult modifySelectedVertices(Project& p, std::optional<float> x, std::optional<float> y,
                                       std::optional<float> z) {
    const bool anySelected = std::any_of(p.object.vertices.begin(), p.object.vertices.end(),
                                         [](const Vertex& v) { return v.Selected != 0; });
    if (!anySelected) return OperationResult::refused("No vertex selected");
    return applyEdit(p, "Modify Vertices", [&](Project& p) {
        takeGeometrySnapshot(p);
        for (Vertex& v : p.object.vertices) {
            if (!v.Selected) continue;
            if (x) v.X = *x;
            if (y) v.Y = *y;
            if (z) v.Z = *z;
        }
        updateBounds(p);
        return OperationResult{};
    });
}

OperationResult removeSelectedVertices(Project& p, LogSink& log) {
    return applyEdit(p, "Remove Vertices", [&](Project& p) {
        takeGeometrySnapshot(p);
        // Read before the visualization lines go: removing them deselects.
        std::vector<bool> removed(p.object.vertices.size());
        for (std::size_t k = 0; k < removed.size(); ++k)
            removed[k] = p.object.vertices[k].Selected != 0;
        return keepingVisualizationLines(p, log, [&] {
            removeVertices(p, removed, log);
            if (p.object.vertices.empty())
                forgetGeometry(p);
            else
                updateBounds(p);
            deselectAllVertices(p);
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
        forgetGeometry(p);
        log.addLine("All Vertices removed !");
        takeGeometrySnapshot(p);
        return OperationResult{};
    });
}

bool hasGeometrySnapshot(const Project& p) {
    return !p.geometrySnapshot.vertices.empty();
}

OperationResult restoreGeometrySnapshot(Project& p, LogSink& log) {
    if (!hasGeometrySnapshot(p)) return OperationResult::refused("Nothing to undo");
    return applyEdit(p, "Undo Vertex Changes", [&](Project& p) {
        return keepingVisualizationLines(p, log, [&] {
            Project::GeometrySnapshot copy = std::move(p.geometrySnapshot);
            p.geometrySnapshot = {};
            p.object.vertices = std::move(copy.vertices);
            if (!copy.lines.empty()) p.object.lines = std::move(copy.lines);
            if (!copy.polygons.empty()) p.object.polygons = std::move(copy.polygons);
            // The copy may be older than later changes of the other tables.
            const auto inRange = [&](const ObjectData& r) {
                return std::all_of(
                    r.VertexIndices.begin(), r.VertexIndices.end(), [&](std::int32_t v) {
                        return static_cast<std::size_t>(v) < p.object.vertices.size();
                    });
            };
            std::erase_if(p.object.lines, [&](const ObjectData& l) { return !inRange(l); });
            std::vector<std::int32_t> stale;
            for (std::size_t k = 0; k < p.object.polygons.size(); ++k) {
                ObjectData& poly = p.object.polygons[k];
                if (!inRange(poly)) stale.push_back(static_cast<std::int32_t>(k));
                if (poly.TextureIndex != NoTexture &&
                    static_cast<std::size_t>(poly.TextureIndex) >= p.object.textures.size()) {
                    poly.TextureIndex = NoTexture; // its texture was removed meanwhile
                    poly.TexCoords.clear();
                }
            }
            removePolygons(p, std::move(stale), log);
            for (auto* table : {&p.object.lines, &p.object.polygons})
                for (ObjectData& r : *table)
                    r.Selected = 0;
            p.SelectedLine = NoSelection;
            deselectAllVertices(p);
            p.GeometryPresent = p.ViewReady = !p.object.vertices.empty();
            updateBounds(p);
            return OperationResult{};
        });
    });
}

OperationResult createInterpolatedVertex(Project& p, LogSink& log) {
    std::vector<std::size_t> selected;
    for (std::size_t k = 0; k < p.object.vertices.size(); ++k)
        if (p.object.vertices[k].Selected) selected.push_back(k);
    if (p.object.vertices.size() < 2) return OperationResult::refused(kNotEnoughVerticesMessage);
    if (selected.size() != 2) return OperationResult::refused(kOnlyTwoSelectedMessage);
    return applyEdit(p, "Create Interpolated Vertex", [&](Project& p) {
        Vertex& a = p.object.vertices[selected[0]];
        Vertex& b = p.object.vertices[selected[1]];
        Vertex m = midpoint(a, b);
        m.Selected = 1;
        a.Selected = b.Selected = 0;
        p.object.vertices.push_back(m);
        log.addLine("Created Vertex " + std::to_string(p.object.vertices.size() - 1) +
                    ", located between Vertices " + std::to_string(selected[0]) + " and " +
                    std::to_string(selected[1]));
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
                path.push_back({old[k].X, old[k].Y, old[k].Z, 0});
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
