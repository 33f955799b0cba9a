#pragma once
// The viewer's drawing with OpenGL's fixed-function pipeline: the polygons in
// the tree's order with no depth buffer (as the game paints them), then the
// translucent collision faces and node planes over them.

#include "viewer/core/draw_order.hpp"
#include "viewer/core/viewer_scene.hpp"

#include "editor/core/view/matrix4.hpp"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace meshsmith::viewer {

struct ViewSwitches {
    bool collision = false;  // collision volumes, each in its colour
    bool nodePlanes = false; // the planes of the nodes above the polygon under the mouse
    bool fromBehind = true;  // polygons shown from behind in the warning colour
};

struct FrameInput {
    const ViewerScene& scene;
    const std::vector<DrawnPolygon>& drawn;
    const std::map<std::int32_t, unsigned>& textures; // string offset -> texture object (0: none)
    const ViewSwitches& switches;
    std::optional<std::size_t> hovered; // index into `drawn`
    Matrix4 combined;
};

// The colour of collision volume `volume` (red, green, blue 0..1), the same in
// the drawing and in the list of volumes.
const float* volumeColour(std::size_t volume);

// Clears to white and draws the frame.
void paintFrame(const FrameInput& in);

} // namespace meshsmith::viewer
