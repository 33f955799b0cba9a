#include "model/edits/visualization_lines.hpp"

#include <string>

namespace meshsmith {

void createVisualizationLines(Project& p, const Rgb& colour, LogSink& log) {
    log.addLine("Creating subsequent lines:");
    log.addLine("Pick color !");
    appendVisualizationLines(p, colour, log);
}

void appendVisualizationLines(Project& p, const Rgb& colour, LogSink& log) {
    const auto n = static_cast<std::int32_t>(p.object.vertices.size());
    p.object.visLines.reserve(p.object.visLines.size() + p.object.vertices.size());
    for (std::int32_t i = 0; i < n; ++i) {
        ObjectData line;
        line.Red = colour.r;
        line.Green = colour.g;
        line.Blue = colour.b;
        line.VertexCount = 2;
        line.VertexIndices = {i, i + 1 < n ? i + 1 : 0};
        p.object.visLines.push_back(std::move(line));
    }
    log.addLine(std::to_string(n) + " subsequent Lines created");
}

void removeVisualizationLines(Project& p, LogSink& log) {
    p.object.visLines.clear();
    log.addLine("Subsequent Lines removed");
}

OperationResult keepingVisualizationLines(Project& p, LogSink& log,
                                          const std::function<OperationResult()>& renumber) {
    if (p.object.visLines.empty()) return renumber();
    const ObjectData& first = p.object.visLines.front();
    const Rgb colour{first.Red, first.Green, first.Blue};
    removeVisualizationLines(p, log);
    OperationResult result = renumber();
    createVisualizationLines(p, colour, log);
    return result;
}

} // namespace meshsmith
