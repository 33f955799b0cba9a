#pragma once
// What lies under the mouse in the viewer: the polygon the game would show
// there (the last one drawn over the point), and the planes of the nodes
// that lead to it.

#include "draw_order.hpp"

#include "editor/core/view/matrix4.hpp"

#include <optional>
#include <vector>

namespace meshsmith::viewer {

// The index into `drawn` of the last polygon whose screen outline holds the
// window point (x, y) (pixels, y from the viewport's top), or nullopt. A
// polygon with a corner behind the eye (no window point) is passed over.
std::optional<std::size_t> polygonUnderPoint(const inspect3do::ThreeDoFile& file,
                                             const std::vector<DrawnPolygon>& drawn,
                                             const Matrix4& combined, const Viewport& viewport,
                                             double x, double y);

// The nodes from the root down to `node`, root first (just `node` when it
// hangs from no node). Takes a file whose references are sound.
std::vector<const inspect3do::Record*> nodePath(const inspect3do::ThreeDoFile& file,
                                                const inspect3do::Record& node);

// The eye of a camera whose model-view matrix is a rotation and a move (as the
// view's look-at and rotations make it): the camera's centre (w = 1) in
// perspective, else the direction back along its view (w = 0).
Eye eyeOfCamera(const Matrix4& modelview, bool perspective);

} // namespace meshsmith::viewer
