#pragma once
// The attribute windows' texts, without their widgets: rebound names, the
// lines of the collision window's lists and the display class entries.

#include "model/project.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace meshsmith {

// The rebound codes 0..15 by name, "Undefined" to "WoodFence".
const std::array<const char*, 16>& reboundNames();

// "0  : Armco        2,5": index in 3, ": ", the first plane's rebound name
// in 13, then the polygon numbers joined by ",". An empty volume shows no name.
std::string volumeListLine(std::size_t index, const CollVol& volume);

// "4  :  0   1,2,3" or "4  :  None  1,2,3": index in 3, ":  ", the texture
// index in 4 or "None" in 6, then the corner numbers joined by ",".
std::string polygonPanelLine(std::size_t index, const ObjectData& polygon);

// The 13 entries of the display class list and the value each stores
// (entries 9 to 12 store 17 to 20; 9 to 16 are not offered).
struct DisplayClassEntry {
    const char* text;
    std::int32_t value;
};
const std::array<DisplayClassEntry, 13>& displayClassEntries();
// The entry that shows a stored value: the entry storing it, else the entry of
// the same number; nullopt for a value with neither (no entry is shown, and
// OK without a choice keeps the value).
std::optional<std::size_t> displayClassEntryOf(std::int32_t value);

} // namespace meshsmith
