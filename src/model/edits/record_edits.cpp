#include "model/edits/record_edits.hpp"

#include <algorithm>

namespace meshsmith {

std::vector<std::int32_t> selectedRecords(const std::vector<ObjectData>& table) {
    std::vector<std::int32_t> rows;
    for (std::size_t k = 0; k < table.size(); ++k)
        if (table[k].Selected) rows.push_back(static_cast<std::int32_t>(k));
    return rows;
}

void setRecordColour(ObjectData& record, const Rgb& colour) {
    record.Red = colour.r;
    record.Green = colour.g;
    record.Blue = colour.b;
}

Rgb recordColour(const ObjectData& record) {
    return {record.Red, record.Green, record.Blue};
}

bool namesVertices(const std::vector<std::int32_t>& indices, std::size_t vertexCount) {
    return std::all_of(indices.begin(), indices.end(), [&](std::int32_t v) {
        return v >= 0 && static_cast<std::size_t>(v) < vertexCount;
    });
}

} // namespace meshsmith
