#pragma once
// Small pieces shared by the line and polygon operations: the records a
// window has selected, and the colour a record is drawn in.

#include "model/colour_text.hpp"
#include "model/track_object.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace meshsmith {

// The numbers of `selected` that name one of `count` records, ascending and
// each once.
std::vector<std::int32_t> recordsIn(std::vector<std::int32_t> selected, std::size_t count);

void setRecordColour(ObjectData& record, const Rgb& colour);
Rgb recordColour(const ObjectData& record);

// One flag per record of a table of `count`, set for the numbers `selected`
// names (numbers outside the table ignored).
std::vector<bool> flagsOf(const std::vector<std::int32_t>& selected, std::size_t count);
bool anyFlag(const std::vector<bool>& flags);

// True when every index names one of `vertexCount` vertices.
bool namesVertices(const std::vector<std::int32_t>& indices, std::size_t vertexCount);

} // namespace meshsmith
