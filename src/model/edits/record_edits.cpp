#include "model/edits/record_edits.hpp"

#include <algorithm>

namespace meshsmith {

std::vector<std::int32_t> recordsIn(std::vector<std::int32_t> selected, std::size_t count) {
    std::erase_if(selected, [&](std::int32_t k) {
        return k < 0 || static_cast<std::size_t>(k) >= count;
    });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

std::vector<bool> flagsOf(const std::vector<std::int32_t>& selected, std::size_t count) {
    std::vector<bool> flags(count, false);
    for (std::int32_t k : selected)
        if (k >= 0 && static_cast<std::size_t>(k) < count) flags[static_cast<std::size_t>(k)] = true;
    return flags;
}

bool anyFlag(const std::vector<bool>& flags) {
    return std::find(flags.begin(), flags.end(), true) != flags.end();
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
