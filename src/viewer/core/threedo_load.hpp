#pragma once
// Opening a 3DO file for viewing: its bytes read, its layout and references
// checked, and what the viewer counts in it. The tree's geometry is not
// judged: a polygon in the wrong place is shown as the game would show it.

#include "threedo_file.hpp"

#include <cstddef>
#include <optional>
#include <string>

namespace meshsmith::viewer {

struct LoadedThreeDo {
    std::optional<inspect3do::ThreeDoFile> file; // set when the file can be shown
    std::string refusal;                         // why not, otherwise
};

// Never throws for any file: a missing file, a folder, or bytes that are not
// a sound 3DO give the refusal "<path>: <reason>" (the reader's violation text
// for a fault in the file).
LoadedThreeDo loadThreeDo(const std::string& path);

struct SceneCounts {
    std::size_t vertices = 0, polygons = 0, nodes = 0, volumes = 0, fromBehind = 0;
};

// `fromBehindFlags` as shownFromBehind gives them.
SceneCounts sceneCounts(const inspect3do::ThreeDoFile& file,
                        const std::vector<bool>& fromBehindFlags);

// "28 vertices, 24 polygons, 40 nodes, 1 collision volume, 0 shown from behind".
std::string countsText(const SceneCounts& counts);

} // namespace meshsmith::viewer
