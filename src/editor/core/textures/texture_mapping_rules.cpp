#include "editor/core/textures/texture_mapping_rules.hpp"

#include "model/edits/texture_mapping.hpp"
#include "model/number_text.hpp"
#include "model/paths.hpp"

#include <algorithm>
#include <cmath>

namespace meshsmith {
namespace {

int repeatCount(float value) {
    return static_cast<int>(std::clamp<double>(std::round(value), 1, kLargestRepeat));
}

} // namespace

std::string polygonListLine(std::size_t index) {
    return "Polygon No. " + std::to_string(index);
}

std::vector<std::string> textureComboItems(const Project& p) {
    std::vector<std::string> items;
    for (const TextureData& t : p.object.textures)
        items.push_back(fileNameOf(t.Filename));
    items.push_back(kUntexturedItem);
    items.push_back(kLoadNewTextureItem);
    return items;
}

std::vector<TexCoord> defaultWorkingList(std::size_t corners) {
    const TexCoord quad[] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    std::vector<TexCoord> working;
    for (std::size_t k = 0; k < corners; ++k)
        working.push_back(k < 4 ? quad[k] : TexCoord{1, 1});
    return working;
}

MappingState readMappingState(const ObjectData& polygon) {
    MappingState s;
    const auto corners = static_cast<std::size_t>(std::max(polygon.corners(), 0));
    s.assigned = polygon.textured() && polygon.TexCoords.size() >= corners;
    s.working = s.assigned ? std::vector<TexCoord>(polygon.TexCoords.begin(),
                                                   polygon.TexCoords.begin() +
                                                       static_cast<std::ptrdiff_t>(corners))
                           : defaultWorkingList(corners);
    s.style = MappingStyle::TextureArea;
    if (!isQuadrilateral(polygon)) return s;
    if (!s.assigned) {
        s.style = MappingStyle::EntireTexture;
        return s;
    }
    // A style is shown only when it would make exactly these coordinates, so
    // that touching its controls without changing them changes nothing.
    const auto& w = s.working;
    const int x = repeatCount(w[2].U), y = repeatCount(w[2].V);
    if (w == defaultWorkingList(4)) {
        s.style = MappingStyle::EntireTexture;
    } else if (w == repeatWorkingList(x, y)) {
        s.style = MappingStyle::RepeatTexture;
        s.repeatX = x;
        s.repeatY = y;
    }
    return s;
}

std::vector<std::string> coordinateLines(const ObjectData& polygon, const MappingState& state) {
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < state.working.size() && k < polygon.VertexIndices.size(); ++k) {
        const std::string vertex = "Vertex " + std::to_string(polygon.VertexIndices[k]) + ": ";
        const TexCoord& t = state.working[k];
        lines.push_back(state.assigned ? vertex + vertexReal(t.U) + ", " + vertexReal(t.V)
                                       : vertex + "Not assigned");
    }
    return lines;
}

OperationResult checkStyle(const ObjectData& current, MappingStyle style) {
    if (style == MappingStyle::TextureArea || isQuadrilateral(current)) return {};
    return OperationResult::refused("Only possible for rectangular Polygons !");
}

std::vector<TexCoord> repeatWorkingList(int x, int y) {
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    return {{0, 0}, {0, fy}, {fx, fy}, {fx, 0}};
}

OperationResult checkCoordinateSetting(const MappingState& state, std::int32_t selectedTexture,
                                       CoordinateMode mode) {
    if (state.repeatX > 1 || state.repeatY > 1)
        return OperationResult::refused("Repeating Texture, no Coordinates possible !");
    if (selectedTexture == NoTexture) return OperationResult::refused("Choose a Texture !");
    if (mode == CoordinateMode::LoadFromFile)
        return OperationResult::refused("Load from file not available yet !");
    return {};
}

TexCoord clickedTexCoord(int x, int y, int w, int h) {
    return {static_cast<float>(x) / static_cast<float>(w),
            static_cast<float>(h - y) / static_cast<float>(h)};
}

bool applyCoordinatePick(CoordinateMode mode, int& counter, const std::vector<std::size_t>& rows,
                         TexCoord uv, std::vector<TexCoord>& working) {
    if (mode != CoordinateMode::PickAll) {
        for (std::size_t row : rows)
            if (row < working.size()) working[row] = uv;
        counter = 1;
        return true;
    }
    if (counter >= 1 && static_cast<std::size_t>(counter) <= working.size())
        working[static_cast<std::size_t>(counter - 1)] = uv;
    ++counter;
    if (static_cast<std::size_t>(counter) <= working.size()) return false;
    counter = 1;
    return true;
}

std::string pickCaption(CoordinateMode mode, int counter, std::size_t corners, int x, int y, int w,
                        int h) {
    const double across = 256.0 * x / w, up = 128.0 * (h - y) / h;
    const std::string lead =
        mode == CoordinateMode::PickAll
            ? "Pick " + std::to_string(counter) + "/" + std::to_string(corners) + "   ["
            : "[";
    return lead + std::to_string(std::lround(across + 1)) + "," +
           std::to_string(std::lround(up + 1)) + "] --> " + formatFixed(across / 255, 15, 3) +
           ", " + formatFixed(up / 127, 15, 3);
}

ShownSize shownImageSize(int width, int height) {
    if (width <= 128 && height <= 128) return {width, height};
    return {static_cast<int>(std::lround(width / 2.0)),
            static_cast<int>(std::lround(height / 2.0))};
}

std::string formatLabel(int width, int height) {
    return "Format: " + std::to_string(width) + "x" + std::to_string(height);
}

} // namespace meshsmith
