#pragma once
// A 3DO file as the viewer holds it while it is shown: the file and what is
// worked out from it once per load (facings, counts, the box the camera
// frames, collision faces, where the bitmaps are).

#include "bitmap_search.hpp"
#include "collision_faces.hpp"
#include "draw_order.hpp"
#include "threedo_load.hpp"

#include "model/project.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace meshsmith::viewer {

struct ViewerScene {
    inspect3do::ThreeDoFile file;
    std::vector<bool> fromBehind; // per record, as shownFromBehind gives it
    SceneCounts counts;
    BoundingBox bounds; // of the vertices, as the editor's camera frames a box
    Box box;            // the room planes are drawn in
    std::vector<CollisionFace> collision;
    std::map<std::int32_t, std::string> bitmaps; // texture group string offset -> file found
    std::vector<std::string> missingBitmaps;     // names not found, each once
};

// `folders`: where to look for the bitmaps, in order (bitmapFolders gives them).
ViewerScene viewerScene(inspect3do::ThreeDoFile file, const std::vector<std::string>& folders);

} // namespace meshsmith::viewer
