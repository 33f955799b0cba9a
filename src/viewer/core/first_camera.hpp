#pragma once
// The camera a file is first shown with: the editor's Custom view turned to
// look at the object's front corner, zoomed so that all of it fits the view.

#include "editor/core/view/camera_controls.hpp"
#include "model/project.hpp"

namespace meshsmith::viewer {

// The orthographic zoom (the editor's ZoomRatio, within the zoom bar's range)
// at which the corners of `bounds`, seen with `camera` (the editor's
// rotations turn the object about the origin), reach at most 90% of the way
// from the middle of a `width` x `height` view to its edges.
int fittingZoom(const ProjectOptions& camera, const CameraControls& controls,
                const BoundingBox& bounds, int width, int height);

// Custom preset, RotationZ -135 and the fitting zoom.
void firstCamera(ProjectOptions& camera, CameraControls& controls, const BoundingBox& bounds,
                 int width, int height);

} // namespace meshsmith::viewer
