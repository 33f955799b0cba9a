#include "editor/core/view/camera_commands.hpp"

namespace meshsmith {

const std::array<CameraCommandItem, 10>& cameraCommandItems() {
    static const std::array<CameraCommandItem, 10> items{{
        {CameraCommand::ResetView, "Reset View"},
        {CameraCommand::ZoomAll, "Zoom All"},
        {CameraCommand::Perspective, "Perspective View"},
        {CameraCommand::Left, "Left"},
        {CameraCommand::Right, "Right"},
        {CameraCommand::Front, "Front"},
        {CameraCommand::Back, "Back"},
        {CameraCommand::Top, "Top"},
        {CameraCommand::Bottom, "Bottom"},
        {CameraCommand::Custom, "Custom"},
    }};
    return items;
}

void runCameraCommand(ProjectOptions& options, CameraControls& controls, const BoundingBox& box,
                      CameraCommand command) {
    switch (command) {
    case CameraCommand::ResetView:
        resetView(options, controls);
        return;
    case CameraCommand::ZoomAll:
        zoomAll(options, controls, box);
        return;
    case CameraCommand::Perspective:
        options.Perspective = !options.Perspective;
        return;
    case CameraCommand::Left:
        choosePreset(options, controls, ViewPreset::Left);
        return;
    case CameraCommand::Right:
        choosePreset(options, controls, ViewPreset::Right);
        return;
    case CameraCommand::Front:
        choosePreset(options, controls, ViewPreset::Front);
        return;
    case CameraCommand::Back:
        choosePreset(options, controls, ViewPreset::Back);
        return;
    case CameraCommand::Top:
        choosePreset(options, controls, ViewPreset::Top);
        return;
    case CameraCommand::Bottom:
        choosePreset(options, controls, ViewPreset::Bottom);
        return;
    case CameraCommand::Custom:
        choosePreset(options, controls, ViewPreset::Custom);
        return;
    }
}

} // namespace meshsmith
