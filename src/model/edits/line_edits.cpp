#include "model/edits/line_edits.hpp"

#include "model/edits/edit.hpp"
#include "model/edits/record_edits.hpp"
#include "model/edits/visualization_lines.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

bool isLine(const Project& p, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < p.object.lines.size();
}

OperationResult notVertices() {
    return OperationResult::refused("A line may only join vertices of the project");
}

} // namespace

OperationResult createLine(Project& p, std::int32_t first, std::int32_t second, const Rgb& colour) {
    if (!namesVertices({first, second}, p.object.vertices.size())) return notVertices();
    return applyEdit(p, "Add Line", [&](Project& p) {
        ObjectData line;
        setRecordColour(line, colour);
        line.VertexCount = 2;
        line.VertexIndices = {first, second};
        p.object.lines.push_back(std::move(line));
        return OperationResult{};
    });
}

OperationResult redefineLine(Project& p, std::int32_t index, std::int32_t first,
                             std::int32_t second) {
    if (!isLine(p, index)) return OperationResult::refused("No line selected to redefine !");
    if (!namesVertices({first, second}, p.object.vertices.size())) return notVertices();
    return applyEdit(p, "Redefine Line", [&](Project& p) {
        p.object.lines[static_cast<std::size_t>(index)].VertexIndices = {first, second};
        return OperationResult{};
    });
}

OperationResult recolourSelectedLines(Project& p, const std::vector<std::int32_t>& selected,
                                      const Rgb& colour) {
    return applyEdit(p, "Recolour Lines", [&](Project& p) {
        for (std::int32_t k : recordsIn(selected, p.object.lines.size()))
            setRecordColour(p.object.lines[static_cast<std::size_t>(k)], colour);
        return OperationResult{};
    });
}

OperationResult removeSelectedLines(Project& p, const std::vector<std::int32_t>& selected) {
    return applyEdit(p, "Remove Lines", [&](Project& p) {
        const std::vector<std::int32_t> gone = recordsIn(selected, p.object.lines.size());
        std::size_t k = 0;
        std::erase_if(p.object.lines, [&](const ObjectData&) {
            return std::binary_search(gone.begin(), gone.end(), static_cast<std::int32_t>(k++));
        });
        return OperationResult{};
    });
}

OperationResult removeAllLines(Project& p, UserPrompts& prompts, LogSink& log) {
    if (prompts.askYesNo("Remove all Lines", "Are you sure ?") != Answer::Yes)
        return OperationResult::cancelled();
    return applyEdit(p, "Remove All Lines", [&](Project& p) {
        p.object.lines.clear();
        log.addLine("All Lines Cleared !");
        return OperationResult{};
    });
}

OperationResult createVisualizationLinesStep(Project& p, Rgb& lineColour,
                                             const std::function<void(Rgb&)>& pickColour,
                                             LogSink& log) {
    if (p.object.vertices.size() < 2)
        return OperationResult::refused("Not enough Vertices defined");
    if (!p.object.visLines.empty())
        return OperationResult::refused("The visualization lines exist already");
    log.addLine("Creating subsequent lines:");
    log.addLine("Pick color !");
    pickColour(lineColour);
    return applyEdit(p, "Create Visualization Lines", [&](Project& p) {
        appendVisualizationLines(p, lineColour, log);
        return OperationResult{};
    });
}

OperationResult removeVisualizationLinesStep(Project& p, LogSink& log) {
    return applyEdit(p, "Remove Visualization Lines", [&](Project& p) {
        removeVisualizationLines(p, log);
        return OperationResult{};
    });
}

OperationResult convertVisualizationLines(Project& p, LogSink& log) {
    if (p.object.visLines.empty())
        return OperationResult::refused("There are no visualization lines to convert");
    return applyEdit(p, "Convert Visualization Lines", [&](Project& p) {
        for (const ObjectData& line : p.object.visLines)
            p.object.lines.push_back(line);
        removeVisualizationLines(p, log);
        log.addLine("Converted visualization lines to 3DO lines");
        return OperationResult{};
    });
}

} // namespace meshsmith
