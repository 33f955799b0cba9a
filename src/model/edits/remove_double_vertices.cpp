#include "model/edits/remove_double_vertices.hpp"

#include "model/edits/visualization_lines.hpp"
#include "model/exact_vertex_index.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {
namespace {

void renumber(std::vector<ObjectData>& records, const std::vector<std::int32_t>& newIndex,
              std::int32_t removed) {
    const auto count = static_cast<std::int32_t>(newIndex.size());
    for (ObjectData& r : records)
        for (std::int32_t& i : r.VertexIndices) {
            if (i < 0) continue;
            i = i < count ? newIndex[static_cast<std::size_t>(i)] : i - removed;
        }
}

} // namespace

int removeDoubleVertices(Project& p) {
    std::vector<std::int32_t> newIndex(p.object.vertices.size());
    ExactVertexIndex kept;
    kept.reserve(p.object.vertices.size());
    std::size_t keptCount = 0;
    for (std::size_t k = 0; k < p.object.vertices.size(); ++k) {
        const Vertex v = p.object.vertices[k];
        std::int32_t first = kept.find(v);
        if (first >= 0) {
            newIndex[k] = first;
            continue;
        }
        newIndex[k] = static_cast<std::int32_t>(keptCount);
        kept.add(v, newIndex[k]);
        p.object.vertices[keptCount++] = v;
    }
    const auto removed = static_cast<std::int32_t>(p.object.vertices.size() - keptCount);
    if (removed == 0) return 0;
    p.object.vertices.resize(keptCount);
    renumber(p.object.lines, newIndex, removed);
    renumber(p.object.polygons, newIndex, removed);
    renumber(p.object.visLines, newIndex, removed);
    return removed;
}

int removeDoubleVerticesCommand(Project& p, LogSink& log) {
    int removed = 0;
    keepingVisualizationLines(p, log, [&] {
        removed = removeDoubleVertices(p);
        return OperationResult{};
    });
    if (removed > 0)
        log.addLine("Removed " + std::to_string(removed) + " overlaying/double Vertices");
    else
        log.addLine("No overlaying/double Vertices in project");
    return removed;
}

} // namespace meshsmith
