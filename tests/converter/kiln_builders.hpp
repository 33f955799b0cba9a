#pragma once
// Filling the converter's tables by hand, as a reader would.

#include "converter/kiln_state.hpp"

#include <array>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

using Point = std::array<float, 3>;
using UV = std::array<float, 2>;

// The vertex within 0.001 on every axis of an existing one, else a new one.
std::int32_t mergeVertex(KilnState& k, const Point& p);
// The string number of a texture name, appended when new.
std::int32_t textureNamed(KilnState& k, const std::string& name);
// Appends a polygon over the corners (at most 11), live, with the texture and
// texture coordinates given (missing ones are 0), inPlane -1, flav 0.
std::int32_t addPolygon(KilnState& k, const std::vector<Point>& corners,
                        const std::string& texture = "wall", const std::vector<UV>& uv = {});

} // namespace meshsmith::kiln::test
