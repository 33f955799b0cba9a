#pragma once
// The commands of the view's pop-up menu, in menu order, as one function over
// the camera state, so every view that offers them behaves alike.

#include "editor/core/view/camera_controls.hpp"

#include <array>

namespace meshsmith {

enum class CameraCommand {
    ResetView,
    ZoomAll,
    Perspective,
    Left,
    Right,
    Front,
    Back,
    Top,
    Bottom,
    Custom
};

struct CameraCommandItem {
    CameraCommand command;
    const char* text;
};

// "Reset View", "Zoom All", "Perspective View" (a check item), then the seven
// presets "Left" .. "Custom" after a separator.
const std::array<CameraCommandItem, 10>& cameraCommandItems();

// Reset View, Zoom All (over `box`), the Perspective toggle or a preset.
void runCameraCommand(ProjectOptions& options, CameraControls& controls, const BoundingBox& box,
                      CameraCommand command);

} // namespace meshsmith
