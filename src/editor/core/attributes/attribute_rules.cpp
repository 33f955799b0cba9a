#include "editor/core/attributes/attribute_rules.hpp"

#include "editor/core/shell/project_listing.hpp"

namespace meshsmith {
namespace {

std::string joined(const std::vector<std::int32_t>& values, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < std::min(count, values.size()); ++i)
        s += (i ? "," : "") + std::to_string(values[i]);
    return s;
}

std::string indexColumn(std::size_t index) {
    const std::string n = std::to_string(index);
    return n.size() >= 3 ? n : padText(n, 3, true);
}

} // namespace

const std::array<const char*, 16>& reboundNames() {
    static const std::array<const char*, 16> names{
        "Undefined",  "Asphalt", "Concrete", "Paint",    "Grass",    "Dirt",
        "Sand",       "Gravel",  "Water",    "Armco",    "TireWall", "Haybale",
        "ChainFence", "Shrub",   "Forest",   "WoodFence"};
    return names;
}

std::string volumeListLine(std::size_t index, const CollVol& volume) {
    std::string name;
    if (!volume.PlaneRebounds.empty()) {
        const std::int32_t code = volume.PlaneRebounds.front();
        name = code >= 0 && code < 16 ? reboundNames()[static_cast<std::size_t>(code)]
                                      : std::to_string(code);
    }
    return indexColumn(index) + ": " + padText(name, 13, true) +
           joined(volume.PlanePolygons, volume.PlanePolygons.size());
}

std::string polygonPanelLine(std::size_t index, const ObjectData& polygon) {
    const std::string texture = polygon.textured()
                                    ? padText(std::to_string(polygon.TextureIndex), 4, true)
                                    : padText("None", 6, true);
    const std::size_t corners =
        polygon.VertexCount > 1 ? static_cast<std::size_t>(polygon.VertexCount - 1) : 0;
    return indexColumn(index) + ":  " + texture + joined(polygon.VertexIndices, corners);
}

const std::array<DisplayClassEntry, 13>& displayClassEntries() {
    static const std::array<DisplayClassEntry, 13> entries{{
        {"Track surface        (Textured on/off)", 0},
        {"Terrain                   (Texture on/off)", 1},
        {"Wall                       (Texture on/off)", 2},
        {"Trackside object    (Texture on/off)", 3},
        {"Car                         (Texture on/off)", 4},
        {"Horizon                  (Texture on/off)", 5},
        {"Crowd                    (Texture on/off)", 6},
        {"Cloud                     (Entire Object on/off)", 7},
        {"Tree                       (Entire Object on/off)", 8},
        {"Driver arms            (Entire Object on/off)", 17},
        {"Cockpit interior      (Texture on/off)", 18},
        {"Driver texture         (Texture on/off)", 19},
        {"Racing groove      (Entire Object on/off)", 20},
    }};
    return entries;
}

std::optional<std::size_t> displayClassEntryOf(std::int32_t value) {
    const auto& entries = displayClassEntries();
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (entries[k].value == value) return k;
    if (value >= 0 && static_cast<std::size_t>(value) < entries.size())
        return static_cast<std::size_t>(value);
    return std::nullopt;
}

} // namespace meshsmith
