#include "geometry_text_exchange.hpp"

#include "text_file.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
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

void logImportedCounts(LogSink& log, ImportMode mode, std::size_t vertices, std::size_t polygons,
                       const std::string& path) {
    const bool replaced = mode == ImportMode::Replace;
    log.addLine(
        std::to_string(vertices) +
        (replaced ? " Vertices loaded from file " : " additional Vertices added from file ") +
        path);
    log.addLine(std::to_string(polygons) +
                (replaced ? " Polygons loaded from file " : " new Polygons added from file ") +
                path);
}

namespace {

// The textures join those of the library, which no geometry replaces.
void replaceGeometry(Project& p, ImportedGeometry&& g) {
    const auto t0 = static_cast<std::int32_t>(p.object.textures.size());
    for (ObjectData& poly : g.polygons)
        if (poly.textured()) poly.TextureIndex += t0;
    p.object.textures.insert(p.object.textures.end(), std::make_move_iterator(g.textures.begin()),
                             std::make_move_iterator(g.textures.end()));
    p.object.vertices = std::move(g.vertices);
    p.object.polygons = std::move(g.polygons);
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
        replaceGeometry(p, std::move(g));
    } else if (auto failure = appendGeometry(p.object, std::move(g), offset)) {
        return failure;
    }
    if (!p.object.vertices.empty()) p.GeometryPresent = true;
    updateBounds(p);
    return std::nullopt;
}

} // namespace meshsmith
