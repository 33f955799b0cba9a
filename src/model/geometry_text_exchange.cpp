#include "geometry_text_exchange.hpp"

#include "text_file.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace meshsmith {

OperationResult checkGeometryExport(const Project& p) {
    if (!p.GeometryPresent || p.object.vertices.empty())
        return OperationResult::refused(NothingToSaveMessage);
    return {};
}

OperationResult writeGeometryExport(const std::string& path, const std::string& text,
                                    const std::string& doneLogLine, LogSink& log) {
    if (auto error = writeFileAtomically(path, text)) {
        log.addLine("Error exporting " + path + ": " + *error);
        return OperationResult::failed(*error, path);
    }
    log.addLine(doneLogLine);
    return {};
}

ImportMode importModeOf(const Project& p) {
    return p.GeometryPresent ? ImportMode::Append : ImportMode::Replace;
}

std::optional<VertexOffset> importOffset(ImportMode mode, UserPrompts& prompts) {
    if (mode == ImportMode::Replace) return VertexOffset{};
    return prompts.askVertexOffset();
}

namespace {

void replaceGeometry(Project& p, std::vector<Vertex>&& vertices,
                     std::vector<ObjectData>&& polygons) {
    p.object.vertices = std::move(vertices);
    p.object.polygons = std::move(polygons);
    p.object.lines.clear();
    p.object.visLines.clear();
    p.object.collision.clear();
    p.SelectedLine = NoSelection;
    p.SelectedPolygon = NoSelection;
}

// Appends without a chance of failing half-way: room is made first, and moving
// the records afterwards cannot throw.
void appendGeometry(Project& p, std::vector<Vertex>& vertices, std::vector<ObjectData>& polygons) {
    p.object.vertices.reserve(p.object.vertices.size() + vertices.size());
    p.object.polygons.reserve(p.object.polygons.size() + polygons.size());
    p.object.vertices.insert(p.object.vertices.end(), vertices.begin(), vertices.end());
    for (auto& poly : polygons)
        p.object.polygons.push_back(std::move(poly));
}

} // namespace

std::optional<FileError> addImportedGeometry(Project& p, ImportedGeometry&& g, ImportMode mode,
                                             VertexOffset offset, RandomColours& colours) {
    const std::size_t base = mode == ImportMode::Append ? p.object.vertices.size() : 0;
    constexpr auto limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (g.vertices.size() > limit - std::min(base, limit))
        return FileError{"The project cannot hold more than " + std::to_string(limit) + " vertices",
                         0};
    for (auto& v : g.vertices) {
        v.X += offset.x;
        v.Y += offset.y;
        v.Z += offset.z;
        v.Selected = 0;
    }
    for (auto& poly : g.polygons) {
        for (auto& i : poly.VertexIndices)
            i += static_cast<std::int32_t>(base);
        poly.Red = colours.next();
        poly.Green = colours.next();
        poly.Blue = colours.next();
    }
    if (mode == ImportMode::Replace)
        replaceGeometry(p, std::move(g.vertices), std::move(g.polygons));
    else
        appendGeometry(p, g.vertices, g.polygons);
    if (!p.object.vertices.empty()) p.GeometryPresent = true;
    updateBounds(p);
    return std::nullopt;
}

} // namespace meshsmith
