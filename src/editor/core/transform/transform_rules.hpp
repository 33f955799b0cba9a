#pragma once
// The transformation dialogs' rules, without their widgets: reading the
// offset and factor fields, the rotate dialog's angles and first choices, the
// lines of the polygon lists and the texture choice of the polygon copy window.

#include "model/edits/polygon_transformations.hpp"
#include "model/outcome.hpp"
#include "model/project.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// The X, Y and Z offset fields as typed numbers. An empty field is refused
// with "Every coordinate needs to be assigned !", one that is not a number
// naming it: "The Y field does not hold a number: 'abc' is not a valid
// floating point value".
OperationResult readOffsetFields(const std::array<std::string, 3>& texts,
                                 std::array<TypedNumber, 3>& values);

// The scale factor field; refused with the number parser's message.
OperationResult readFactorField(const std::string& text, TypedNumber& value);

// The rotate dialog's fixed angles: "30°" ... "270°", then "Select Angle!",
// which turns nothing (nullopt).
inline constexpr std::array<const char*, 7> kFixedAngleItems = {
    "30°", "45°", "60°", "90°", "180°", "270°", "Select Angle!"};
inline constexpr int kSelectAngleItem = 6;
std::optional<double> fixedAngleDegrees(int item);

// The free angle: the spin edit went from `previous` to `now` degrees; the
// rotation turns by the difference, so arrow steps turn one degree each and a
// typed value turns to that angle (0 when unchanged).
inline double freeStepDegrees(int previous, int now) {
    return static_cast<double>(now) - previous;
}

// The rotate dialog's scope when it shows: the vertex selection when there is one.
VertexScope initialRotateScope(const std::vector<std::int32_t>& selectedVertices);

// A polygon list line: "3  :  1     4, 7, 9": the index padded to 3
// characters, ":  ", the texture index or "None" padded to 6, then the corners
// (the closing entry left out) joined by ", ".
std::string polygonChoiceLine(std::size_t index, const ObjectData& polygon);

// The copy window's texture choice after the list selection changed: "No
// texture" and fixed while a chosen polygon is untextured, otherwise free
// and back at "Same Orientation".
struct TextureChoice {
    CopyTexture texture = CopyTexture::SameOrientation;
    bool enabled = true;
};
TextureChoice textureChoiceFor(const Project& p, const std::vector<std::int32_t>& chosen);

} // namespace meshsmith
