#pragma once
// The common ground of the transformations: positions computed in double
// precision, stored as floats only when they fit, and the step that moves a
// set of vertices all or nothing.

#include "model/edits/transformations.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

using Position = std::array<double, 3>;
// The new position of one vertex, computed in double.
using Mapping = std::function<Position(const Vertex&)>;

inline Position positionOf(const Vertex& v) {
    return {v.X, v.Y, v.Z};
}

// The position as floats; nullopt when a coordinate is not finite or beyond
// the float range.
std::optional<Vertex> storedPosition(const Position& q);

// "Vertex 12 would leave the range of coordinates (about 3.4E38): nothing was moved"
std::string outOfRangeMessage(std::size_t vertex, const char* nothingWas);

// The step `name`: every vertex flagged in `affected` (one flag per vertex)
// moves to f(vertex). Refused, naming the first vertex and `nothingWas`, when
// a coordinate would leave the float range; then nothing changes. The bounds
// are updated; `log` runs once the step is sure to happen.
OperationResult mapVertices(
    Project& p, const std::string& name, const std::vector<bool>& affected, const Mapping& f,
    const char* nothingWas, const std::function<void()>& log = [] {});

} // namespace meshsmith
