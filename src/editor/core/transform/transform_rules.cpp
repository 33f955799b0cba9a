#include "editor/core/transform/transform_rules.hpp"

#include "editor/core/geometry/vertex_form_rules.hpp"
#include "model/number_text.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text;
}

} // namespace

OperationResult readOffsetFields(const std::array<std::string, 3>& texts,
                                 std::array<TypedNumber, 3>& values) {
    VertexFieldValues read;
    if (OperationResult r = readVertexFields({texts[0], texts[1], texts[2]}, true, read); !r.done())
        return r;
    values = {TypedNumber{texts[0], *read.x}, TypedNumber{texts[1], *read.y},
              TypedNumber{texts[2], *read.z}};
    return {};
}

OperationResult readFactorField(const std::string& text, TypedNumber& value) {
    const auto read = typedNumber(text);
    if (!read) return OperationResult::refused(notAFloatMessage(text));
    value = *read;
    return {};
}

std::optional<double> fixedAngleDegrees(int item) {
    const double degrees[] = {30, 45, 60, 90, 180, 270};
    if (item < 0 || item >= kSelectAngleItem) return std::nullopt;
    return degrees[item];
}

VertexScope initialRotateScope(const std::vector<std::int32_t>& selectedVertices) {
    return selectedVertices.empty() ? VertexScope::All : VertexScope::Selected;
}

std::string polygonChoiceLine(std::size_t index, const ObjectData& polygon) {
    std::string line =
        padded(std::to_string(index), 3) + ":  " +
        padded(polygon.textured() ? std::to_string(polygon.TextureIndex) : "None", 6);
    const std::size_t corners =
        polygon.VertexIndices.empty() ? 0 : polygon.VertexIndices.size() - 1;
    for (std::size_t k = 0; k < corners; ++k)
        line += (k ? ", " : "") + std::to_string(polygon.VertexIndices[k]);
    return line;
}

TextureChoice textureChoiceFor(const Project& p, const std::vector<std::int32_t>& chosen) {
    const bool untextured = std::any_of(chosen.begin(), chosen.end(), [&](std::int32_t k) {
        return k >= 0 && static_cast<std::size_t>(k) < p.object.polygons.size() &&
               !p.object.polygons[static_cast<std::size_t>(k)].textured();
    });
    if (untextured) return {CopyTexture::None, false};
    return {};
}

} // namespace meshsmith
