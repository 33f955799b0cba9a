#include "editor/core/geometry/record_form_rules.hpp"

#include "model/edits/record_edits.hpp"

namespace meshsmith {
namespace {

// Blank-padded after the text to `width`; a longer text is kept whole.
std::string leftAligned(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

} // namespace

std::string polygonListLine(std::size_t index, const ObjectData& polygon) {
    std::string line =
        leftAligned(std::to_string(index), 3) + ":  " +
        leftAligned(polygon.textured() ? std::to_string(polygon.TextureIndex) : std::string("None"),
                    6);
    for (int k = 0; k < polygon.corners(); ++k)
        line +=
            (k ? ", " : "") + std::to_string(polygon.VertexIndices[static_cast<std::size_t>(k)]);
    return line;
}

std::string lineListLine(std::size_t index, const ObjectData& line) {
    const std::vector<std::int32_t>& ends = line.VertexIndices;
    return leftAligned(std::to_string(index), 3) + ":  " +
           (ends.size() == 2 ? std::to_string(ends[0]) + "," + std::to_string(ends[1]) : "");
}

std::vector<std::string> textureChoices(std::size_t textureCount) {
    std::vector<std::string> rows;
    for (std::size_t k = 0; k < textureCount; ++k)
        rows.push_back(std::to_string(k));
    rows.push_back(kMultipleText);
    return rows;
}

std::optional<std::int32_t> textureOfChoice(int row, std::size_t textureCount) {
    if (row < 0 || static_cast<std::size_t>(row) >= textureCount) return std::nullopt;
    return row;
}

EditPanel editPanelFor(const std::vector<ObjectData>& table,
                       const std::vector<std::int32_t>& selected, std::size_t textureCount) {
    const std::vector<std::int32_t> rows = recordsIn(selected, table.size());
    EditPanel panel;
    panel.repick = rows.size() <= 1;
    if (rows.size() != 1) {
        panel.textureRow = static_cast<int>(textureCount);
        return panel;
    }
    const ObjectData& record = table[static_cast<std::size_t>(rows.front())];
    panel.colour = recordColour(record);
    panel.textureEnabled = record.textured();
    if (record.textured() && static_cast<std::size_t>(record.TextureIndex) < textureCount)
        panel.textureRow = record.TextureIndex;
    return panel;
}

} // namespace meshsmith
