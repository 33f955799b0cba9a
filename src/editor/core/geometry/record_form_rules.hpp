#pragma once
// The line and polygon windows' rules, without their widgets: what a list
// line reads, and what the edit panel shows for the records selected.

#include "model/colour_text.hpp"
#include "model/track_object.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

inline constexpr const char* kPolygonListHeading = "Index      Texture  Vertices        ";
inline constexpr const char* kLineListHeading = "Index    Vertices        ";
inline constexpr const char* kMultipleText = "Multiple";

// "7  :  None  4, 5, 6": the index left-aligned in 3 characters, ":  ", the
// texture index or "None" left-aligned in 6, then the corners joined by ", "
// (the closing entry left out). Longer texts are not cut.
std::string polygonListLine(std::size_t index, const ObjectData& polygon);

// "0  :  48,49": the index left-aligned in 3 characters, ":  ", the ends.
std::string lineListLine(std::size_t index, const ObjectData& line);

// TexIndexComboBox's rows: "0" .. "<textures - 1>", then "Multiple".
std::vector<std::string> textureChoices(std::size_t textureCount);
// The texture a row stands for; nullopt for "Multiple" (or no row).
std::optional<std::int32_t> textureOfChoice(int row, std::size_t textureCount);

// The edit panel for the selected records (`rows`, ascending) of a table.
struct EditPanel {
    // The colour of the one selected record; nullopt when several are
    // selected (the panel reads "Multiple").
    std::optional<Rgb> colour;
    bool repick = false; // "Re-Pick Vertices": at most one record selected
    // Polygons: the texture box is usable unless the one selected polygon is
    // untextured; it shows that polygon's texture, "Multiple" for several, or
    // nothing (-1).
    bool textureEnabled = true;
    int textureRow = -1;
};
EditPanel editPanelFor(const std::vector<ObjectData>& table, const std::vector<std::int32_t>& rows,
                       std::size_t textureCount);

} // namespace meshsmith
