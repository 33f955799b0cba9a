#include "viewer/core/first_camera.hpp"

#include "editor/core/view/camera.hpp"

#include <algorithm>
#include <cmath>

namespace meshsmith::viewer {

int fittingZoom(const ProjectOptions& camera, const CameraControls& controls,
                const BoundingBox& bounds, int width, int height) {
    const Viewport view{0, 0, std::max(width, 1), std::max(height, 1)};
    const Matrix4 m =
        cameraMatrices(cameraViewOf(camera, bounds, controls.preset, controls.panScale), view)
            .combined();
    double reach = 0; // of the corners, in the view's coordinates (1 = its edge)
    for (int corner = 0; corner < 8; ++corner) {
        const Vec3 p{corner & 1 ? bounds.maxX : bounds.minX, corner & 2 ? bounds.maxY : bounds.minY,
                     corner & 4 ? bounds.maxZ : bounds.minZ};
        const Vec4 q = m.transformPoint(p);
        reach = std::max({reach, std::abs(q.x), std::abs(q.y)});
    }
    // In orthographic projection the reach grows as the zoom ratio shrinks.
    const double zoom = std::ceil(camera.ZoomRatio * reach / 0.9);
    return static_cast<int>(std::clamp(zoom, double(barMinimum(CameraBar::Zoom)),
                                       double(barMaximum(CameraBar::Zoom))));
}

namespace {

// The pan offsets that put the middle of the view on the centre of `bounds`
// as the turn about the z axis carries it (the Custom view looks at the
// unturned centre moved by PanX across and 2 * PanY back).
void panToTurnedCentre(ProjectOptions& camera, const CameraControls& controls,
                       const BoundingBox& bounds) {
    const double turn = camera.RotationZ * std::acos(-1.0) / 180;
    const double x = bounds.centreX, y = bounds.centreY;
    const double dx = x * std::cos(turn) - y * std::sin(turn) - x;
    const double dy = x * std::sin(turn) + y * std::cos(turn) - y;
    camera.PanX = static_cast<int>(std::lround(10 * dx / controls.panScale));
    camera.PanY = static_cast<int>(std::lround(-10 * dy / (2.0 * controls.panScale)));
}

} // namespace

void firstCamera(ProjectOptions& camera, CameraControls& controls, const BoundingBox& bounds,
                 int width, int height) {
    choosePreset(camera, controls, ViewPreset::Custom);
    zoomAll(camera, controls, bounds); // the pan offsets back to 0
    moveBar(camera, controls, CameraBar::Z, -135);
    camera.Perspective = false;
    panToTurnedCentre(camera, controls, bounds);
    moveBar(camera, controls, CameraBar::Zoom, fittingZoom(camera, controls, bounds, width, height));
}

} // namespace meshsmith::viewer
