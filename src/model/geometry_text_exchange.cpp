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
}

} // namespace

std::optional<FileError> addImportedGeometry(Project& p, ImportedGeometry&& g, ImportMode mode,
                                             VertexOffset offset, RandomColours& colours) {
    for (auto& poly : g.polygons) {
        poly.Red = colours.next();
        poly.Green = colours.next();
        poly.Blue = colours.next();
    }
    if (mode == ImportMode::Replace) {
        replaceGeometry(p, std::move(g.vertices), std::move(g.polygons));
    } else if (auto failure = appendGeometry(p.object, std::move(g), offset)) {
        return failure;
    }
    if (!p.object.vertices.empty()) p.GeometryPresent = true;
    updateBounds(p);
    return std::nullopt;
}

} // namespace meshsmith
