#pragma once
// Small pieces shared by the line and polygon operations: the records a
// window has selected, and the colour a record is drawn in.

#include "model/colour_text.hpp"
#include "model/track_object.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace meshsmith {

// The numbers of the records whose Selected flag is set, ascending.
std::vector<std::int32_t> selectedRecords(const std::vector<ObjectData>& table);

void setRecordColour(ObjectData& record, const Rgb& colour);
Rgb recordColour(const ObjectData& record);

// True when every index names one of `vertexCount` vertices.
bool namesVertices(const std::vector<std::int32_t>& indices, std::size_t vertexCount);

} // namespace meshsmith
